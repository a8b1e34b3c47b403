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

}  // namespace

void Settings::SaveSettings() {
    Skipping([&] { Write("ShowTape", BooleanText(ports_.calculator.TapeVisible())); });
    Skipping([&] { Write("AlwaysOnTop", BooleanText(ports_.onTop.OnTopChecked())); });
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

void Settings::LoadSettings() {
    SettingsValues values = ReadSettings();
    ApplySettings(values.ShowTape, values.AlwaysOnTop, values.RoundOption, values.WindowHeight,
                  values.WindowTop, values.WindowLeft);
}

SettingsValues Settings::ReadSettings() {
    SettingsValues values;
    const auto readBoolean = [&](const std::string& key, bool& value) {
        if (auto v = ParseBoolean(Read(key, BooleanText(value)), decimalSep_)) {
            value = *v;
        }
    };
    const auto readNumber = [&](const std::string& key, auto& value, std::int32_t minimum,
                                std::int32_t maximum) {
        const std::string missing = std::to_string(value);
        if (auto v = ParseWholeNumber(Read(key, missing), decimalSep_, minimum, maximum)) {
            value = static_cast<std::remove_reference_t<decltype(value)>>(*v);
        }
    };
    readBoolean("ShowTape", values.ShowTape);
    readBoolean("AlwaysOnTop", values.AlwaysOnTop);
    readNumber("RoundOption", values.RoundOption, RoundOption::Integer, RoundOption::FloatingPoint);
    readNumber("WindowHeight", values.WindowHeight, Int32Min, Int32Max);
    readNumber("WindowTop", values.WindowTop, Int32Min, Int32Max);
    readNumber("WindowLeft", values.WindowLeft, Int32Min, Int32Max);
    return values;
}

void Settings::ApplySettings(bool& ShowTape, bool& AlwaysOnTop, std::int16_t& RoundOption,
                             std::int32_t& WindowHeight, std::int32_t& WindowTop,
                             std::int32_t& WindowLeft) {
    WindowPlacement& window = ports_.window;

    ports_.calculator.SelectRoundOption(RoundOption);

    // A size or place the window system refuses is left as it is; the rest still applies.
    Skipping([&] {
        if (WindowHeight > 0) {
            window.SetHeight(WindowHeight);
        }
    });

    Skipping([&] {
        if (WindowTop > 0) {
            if (window.ScreenHeight() <= WindowTop) {
                WindowTop = 0;
            }
            window.SetTop(WindowTop);
        } else if (WindowTop == -1) {
            window.CentreTop();
        }
    });

    Skipping([&] {
        if (WindowLeft > 0) {
            if (window.ScreenWidth() <= WindowLeft) {
                WindowLeft = 0;
            }
            window.SetLeft(WindowLeft);
        } else if (WindowLeft == -1) {
            window.CentreLeft();
        }
    });

    ports_.onTop.SetOnTopChecked(AlwaysOnTop);
    ports_.onTop.SetAlwaysOnTop(AlwaysOnTop);

    ports_.calculator.SetTapeVisible(ShowTape);
}

// A store that cannot be read answers like an empty one.
std::string Settings::Read(const std::string& key, const std::string& missing) {
    try {
        return ports_.store.GetSetting(SettingsAppName, SettingsSection, key, missing);
    } catch (const Failure&) {
        return missing;
    }
}

void Settings::Write(const std::string& key, const std::string& value) {
    ports_.store.SaveSetting(SettingsAppName, SettingsSection, key, value);
}

}  // namespace reckora
