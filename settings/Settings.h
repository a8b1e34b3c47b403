#pragma once
// The seven remembered settings: read once at start-up and applied to the window, written only on
// Save Settings. Keys are stored under the application "Reckora", section "Calculator".

#include <cstdint>
#include <string>
#include <utility>

#include "SettingsPorts.h"

namespace reckora {

inline const std::string SettingsAppName = "Reckora";
inline const std::string SettingsSection = "Calculator";

// The values Apply takes; the defaults are the missing-key values.
struct SettingsValues {
    bool showTape = true;
    bool alwaysOnTop = true;
    bool keepTape = true;
    std::int16_t roundOption = 6;
    std::int32_t windowHeight = -1;
    std::int32_t windowTop = -1;
    std::int32_t windowLeft = -1;
};

// Reads the seven keys from `store`: a missing key, a text that does not convert, a RoundOption
// outside 0..6 or a store that cannot be read gives that key's missing-key value. decimalSep is
// the locale's, used for number texts in the store.
SettingsValues ReadSettings(SettingsStore& store, const std::string& decimalSep);

struct SettingsPorts {
    SettingsStore& store;
    WindowPlacement& window;
    AlwaysOnTopSwitch& onTop;
    CalculatorOptions& calculator;
};

class Settings {
public:
    // decimalSep is the locale's, used for number texts in the store.
    Settings(const SettingsPorts& ports, std::string decimalSep)
        : ports_(ports), decimalSep_(std::move(decimalSep)) {}

    // Writes the seven keys; a step that fails is skipped and the next one runs.
    void Save();

    // Reads the seven keys and applies them. A missing key, a text that does not convert, a
    // RoundOption outside 0..6 or a store that cannot be read gives that key's missing-key value.
    void Load();
    SettingsValues ReadStored();

    // Applies the values to the window in a fixed order: option, height, top, left, always on
    // top, tape. Top and left may be set to 0 when they lie beyond the screen (the values say
    // so afterwards). A height, top or left the window refuses is skipped.
    void Apply(SettingsValues& values);

private:
    void Write(const std::string& key, const std::string& value);

    SettingsPorts ports_;
    std::string decimalSep_;
};

}  // namespace reckora
