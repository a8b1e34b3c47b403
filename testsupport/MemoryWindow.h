#pragma once
// In-memory stand-ins for the window's settings store and placement, and a clipboard that counts
// its writes (the labels and the plain clipboard are in MemoryLabels.h): they hold what a real
// window would show, for the harness and the tests.

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "MemoryLabels.h"
#include "SettingsPorts.h"
#include "WindowModel.h"

namespace reckora {

// The settings store of one application and section, key by key.
class MemorySettingsStore : public SettingsStore {
public:
    std::string GetSetting(const std::string&, const std::string&, const std::string& key,
                           const std::string& defaultValue) override {
        const auto found = values_.find(key);
        return found == values_.end() ? defaultValue : found->second;
    }
    void SaveSetting(const std::string&, const std::string&, const std::string& key,
                     const std::string& value) override {
        values_[key] = value;
    }
    std::map<std::string, std::string>& Values() { return values_; }
    const std::map<std::string, std::string>& Values() const { return values_; }

private:
    std::map<std::string, std::string> values_;
};

// The clipboard, counting the writes to it: only Copy and Copy Tape may take the user's clipboard.
class CountingClipboard : public MemoryClipboard {
public:
    void Clear() override {
        ++writes_;
        MemoryClipboard::Clear();
    }
    void SetText(const std::string& text) override {
        ++writes_;
        MemoryClipboard::SetText(text);
    }
    int Writes() const { return writes_; }

private:
    int writes_ = 0;
};

// The place of an in-memory window on a 1024 x 768 pixel screen at 15 twips per pixel; its size
// is the window model's.
class MemoryPlacement : public WindowPlacement {
public:
    explicit MemoryPlacement(WindowModel& window) : window_(window) {}
    double Height() const override { return window_.Height(); }
    double Width() const override { return window_.Width(); }
    double Top() const override { return top_; }
    double Left() const override { return left_; }
    void SetHeight(double twips) override { window_.SetHeight(static_cast<float>(twips)); }
    void SetTop(double twips) override { top_ = twips; }
    void SetLeft(double twips) override { left_ = twips; }
    double ScreenHeight() const override { return 768 * 15; }
    double ScreenWidth() const override { return 1024 * 15; }

private:
    WindowModel& window_;
    double top_ = 0;
    double left_ = 0;
};

}  // namespace reckora
