#pragma once
// A settings store that reads as on a first start: every read gives the default until the
// program writes, while writes go through to the stored settings. Backs --reset-settings.

#include "SettingsPorts.h"

namespace reckora {

class FirstStartStore : public SettingsStore {
public:
    explicit FirstStartStore(SettingsStore& stored) : stored_(stored) {}

    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override {
        // Once Save Settings has written, the store holds what the user chose in this run.
        return written_ ? stored_.GetSetting(appName, section, key, defaultValue) : defaultValue;
    }

    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override {
        stored_.SaveSetting(appName, section, key, value);
        written_ = true;
    }

private:
    SettingsStore& stored_;
    bool written_ = false;
};

}  // namespace reckora
