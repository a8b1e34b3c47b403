#pragma once
// The remembered settings: read once at start-up and applied to the window, written only on Save
// Settings. Keys are stored under the application "Reckora", section "Calculator". The seven
// designed keys are always written; TaxRate, RoundingDirection and BusinessKeys only once they
// differ from their defaults, so the store of a user who never used them stays as designed.

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
    RoundingOption roundingOption = RoundingOption::FloatingPoint;
    std::int32_t windowHeight = -1;
    std::int32_t windowTop = -1;
    std::int32_t windowLeft = -1;
    double taxRate = 0;  // percent
    RoundingDirection roundingDirection = RoundingDirection::Designed;
    bool businessKeys = false;
};

// Reads the keys from `store`: a missing key, a text that does not convert, a "RoundOption" outside
// 0..6, a negative TaxRate or a store that cannot be read gives that key's missing-key value.
// decimalSep is the locale's, used for the designed number texts in the store; TaxRate is
// written with a full stop whatever the locale.
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

    // Writes the keys; a step that fails is skipped and the next one runs.
    void Save();

    // Reads the keys and applies them. A missing key, a text that does not convert, a
    // "RoundOption" outside 0..6 or a store that cannot be read gives that key's missing-key value.
    void Load();
    SettingsValues ReadStored();

    // Applies the values to the window in a fixed order: business keys (the stored height
    // includes their row), option, tax rate, rounding direction, height, top, left, always on
    // top, tape. Top and left may be set to 0 when they lie beyond the screen (the values say
    // so afterwards). A height, top or left the window refuses is skipped.
    void Apply(SettingsValues& values);

private:
    void Write(const std::string& key, const std::string& value);
    // A key the design does not have: written when it differs from its default, or to bring a
    // stored value back to the default.
    void WriteBeyondDesign(const std::string& key, const std::string& value,
                           const std::string& defaultValue);

    SettingsPorts ports_;
    std::string decimalSep_;
};

}  // namespace reckora
