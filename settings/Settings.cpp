#include "Settings.h"

#include <limits>
#include <type_traits>

#include "Failure.h"
#include "KeyCommand.h"
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
    Skipping([&] { Write("RoundOption", std::to_string(ports_.calculator.GetRoundOption())); });
    Skipping([&] {
        Write("WindowHeight", NumberText(static_cast<float>(ports_.window.Height()), decimalSep_));
    });
    Skipping([&] {
        Write("WindowTop", NumberText(static_cast<float>(ports_.window.Top()), decimalSep_));
    });
    Skipping([&] {
        Write("WindowLeft", NumberText(static_cast<float>(ports_.window.Left()), decimalSep_));
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
    readNumber("RoundOption", values.roundOption, RoundOption::Integer, RoundOption::FloatingPoint);
    readNumber("WindowHeight", values.windowHeight, Int32Min, Int32Max);
    readNumber("WindowTop", values.windowTop, Int32Min, Int32Max);
    readNumber("WindowLeft", values.windowLeft, Int32Min, Int32Max);
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

    ports_.calculator.SelectRoundOption(values.roundOption);

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

}  // namespace reckora
