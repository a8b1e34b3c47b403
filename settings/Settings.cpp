#include "Settings.h"

#include <limits>
#include <type_traits>

#include "Failure.h"
#include "KeyCommand.h"
#include "NumberParse.h"
#include "SettingsText.h"

namespace reckora {

namespace {

constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();

template <typename Step>
void Skipping(Step step) {
    try {
        step();
    } catch (const Failure&) {
        // Nothing is reported; the next step still runs.
    }
}

// A store that cannot be read answers like an empty one.
std::string ReadSetting(SettingsStore& store, const std::string& key, const std::string& missing) {
    try {
        return store.GetSetting(SettingsAppName, SettingsSection, key, missing);
    } catch (const Failure&) {
        return missing;
    }
}

}  // namespace

void Settings::Save() {
    Skipping([&] { Write("ShowTape", BooleanText(ports_.calculator.TapeVisible())); });
    Skipping([&] { Write("AlwaysOnTop", BooleanText(ports_.onTop.OnTopChecked())); });
    Skipping([&] { Write("KeepTape", BooleanText(ports_.calculator.KeepTape())); });
    Skipping([&] {
        Write("RoundOption", std::to_string(OptionIndex(ports_.calculator.GetRoundingOption())));
    });
    Skipping([&] {
        Write("WindowHeight", NumberText(static_cast<float>(ports_.window.Height()), decimalSep_));
    });
    Skipping([&] {
        Write("WindowTop", NumberText(static_cast<float>(ports_.window.Top()), decimalSep_));
    });
    Skipping([&] {
        Write("WindowLeft", NumberText(static_cast<float>(ports_.window.Left()), decimalSep_));
    });
    const SettingsValues defaults;
    Skipping([&] {
        WriteBeyondDesign("TaxRate", PlainDecimalText(ports_.calculator.TaxRate()),
                          PlainDecimalText(defaults.taxRate));
    });
    Skipping([&] {
        WriteBeyondDesign("RoundingDirection", std::string(NameOf(ports_.calculator.Rounding())),
                          std::string(NameOf(defaults.roundingDirection)));
    });
    Skipping([&] {
        WriteBeyondDesign("BusinessKeys", BooleanText(ports_.calculator.BusinessKeysShown()),
                          BooleanText(defaults.businessKeys));
    });
}

void Settings::Load() {
    SettingsValues values = ReadStored();
    Apply(values);
}

SettingsValues ReadSettings(SettingsStore& store, const std::string& decimalSep) {
    SettingsValues values;
    const auto readBoolean = [&](const std::string& key, bool& value) {
        if (auto v = ParseBoolean(ReadSetting(store, key, BooleanText(value)), decimalSep)) {
            value = *v;
        }
    };
    const auto readNumber = [&](const std::string& key, auto& value, std::int32_t minimum,
                                std::int32_t maximum) {
        const std::string missing = std::to_string(value);
        if (auto v =
                ParseWholeNumber(ReadSetting(store, key, missing), decimalSep, minimum, maximum)) {
            value = static_cast<std::remove_reference_t<decltype(value)>>(*v);
        }
    };
    readBoolean("ShowTape", values.showTape);
    readBoolean("AlwaysOnTop", values.alwaysOnTop);
    readBoolean("KeepTape", values.keepTape);
    std::int32_t optionIndex = OptionIndex(values.roundingOption);
    readNumber("RoundOption", optionIndex, 0, RoundingOptionCount - 1);
    values.roundingOption = RoundingOptionAt(optionIndex).value_or(values.roundingOption);
    readNumber("WindowHeight", values.windowHeight, Int32Min, Int32Max);
    readNumber("WindowTop", values.windowTop, Int32Min, Int32Max);
    readNumber("WindowLeft", values.windowLeft, Int32Min, Int32Max);
    if (const std::optional<double> rate = ReadNumber(ReadSetting(store, "TaxRate", "0"),
                                                      NumberForm::Setting, NumberLocale{".", ""});
        rate && *rate >= 0) {
        values.taxRate = *rate;
    }
    if (const std::optional<RoundingDirection> direction =
            RoundingDirectionNamed(ReadSetting(store, "RoundingDirection", ""))) {
        values.roundingDirection = *direction;
    }
    readBoolean("BusinessKeys", values.businessKeys);
    return values;
}

SettingsValues Settings::ReadStored() {
    return ReadSettings(ports_.store, decimalSep_);
}

void Settings::Apply(SettingsValues& values) {
    WindowPlacement& window = ports_.window;
    std::int32_t& height = values.windowHeight;
    std::int32_t& top = values.windowTop;
    std::int32_t& left = values.windowLeft;

    ports_.calculator.ShowBusinessKeys(values.businessKeys);
    ports_.calculator.SelectRoundingOption(values.roundingOption);
    ports_.calculator.SetTaxRate(values.taxRate);
    ports_.calculator.SetRounding(values.roundingDirection);

    // A size or place the window system refuses is left as it is; the rest still applies.
    Skipping([&] {
        if (height > 0) {
            window.SetHeight(height);
        }
    });

    Skipping([&] {
        if (top > 0) {
            if (window.ScreenHeight() <= top) {
                top = 0;
            }
            window.SetTop(top);
        } else if (top == -1) {
            window.CentreTop();
        }
    });

    Skipping([&] {
        if (left > 0) {
            if (window.ScreenWidth() <= left) {
                left = 0;
            }
            window.SetLeft(left);
        } else if (left == -1) {
            window.CentreLeft();
        }
    });

    ports_.onTop.SetOnTopChecked(values.alwaysOnTop);
    ports_.onTop.SetAlwaysOnTop(values.alwaysOnTop);

    ports_.calculator.SetTapeVisible(values.showTape);
    ports_.calculator.SetKeepTape(values.keepTape);
}

void Settings::Write(const std::string& key, const std::string& value) {
    ports_.store.SaveSetting(SettingsAppName, SettingsSection, key, value);
}

// The store cannot remove a key: a value put back to its default is written as the default.
void Settings::WriteBeyondDesign(const std::string& key, const std::string& value,
                                 const std::string& defaultValue) {
    const std::string absent = "\n";  // no value the program writes
    if (value != defaultValue || ReadSetting(ports_.store, key, absent) != absent) {
        Write(key, value);
    }
}

}  // namespace reckora
