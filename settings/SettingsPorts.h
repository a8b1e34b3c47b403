#pragma once
// What the settings logic needs of the platform and of the window: the per-user settings store,
// the window's placement on the screen, the always-on-top switch and the calculator's options.

#include <string>

#include "RoundingDirection.h"
#include "RoundingOption.h"

namespace reckora {

// The per-user store: one string per application, section and key. Both operations may throw
// Failure when the store cannot be read or written.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string GetSetting(const std::string& appName, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;
    virtual void SaveSetting(const std::string& appName, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
};

// The main window's outer placement and the screen size, all in twips. The setters throw
// Failure for a size or place the window system cannot take.
class WindowPlacement {
public:
    virtual ~WindowPlacement() = default;
    virtual double Height() const = 0;
    virtual double Width() const = 0;
    virtual double Top() const = 0;
    virtual double Left() const = 0;
    virtual void SetHeight(double twips) = 0;
    virtual void SetTop(double twips) = 0;
    virtual void SetLeft(double twips) = 0;
    virtual double ScreenHeight() const = 0;
    virtual double ScreenWidth() const = 0;
    // Centre the outer window on the screen; a window whose frame is not known yet is centred
    // again once it is.
    virtual void CentreTop() { SetTop(ScreenHeight() / 2 - Height() / 2); }
    virtual void CentreLeft() { SetLeft(ScreenWidth() / 2 - Width() / 2); }
};

// The Always on top menu tick, which is the always-on-top state, and SetAlwaysOnTop for the main
// window (topmost or not, without moving or resizing it).
class AlwaysOnTopSwitch {
public:
    virtual ~AlwaysOnTopSwitch() = default;
    virtual bool OnTopChecked() const = 0;
    virtual void SetOnTopChecked(bool checked) = 0;
    virtual void SetAlwaysOnTop(bool flag) = 0;
};

// The calculator options the settings keep: the rounding/input option, the tape state, whether
// the tape is kept, and the business functions' tax rate, rounding direction and row of keys.
class CalculatorOptions {
public:
    virtual ~CalculatorOptions() = default;
    virtual RoundingOption GetRoundingOption() const = 0;
    virtual void SelectRoundingOption(RoundingOption option) = 0;  // re-shows the entry
    virtual bool TapeVisible() const = 0;
    virtual void SetTapeVisible(bool visible) = 0;  // and lays the window out for it
    // Whether the tape is kept between sessions (the Keep Tape tick).
    virtual bool KeepTape() const = 0;
    virtual void SetKeepTape(bool keep) = 0;
    // The tax rate in percent (0: none set) and the direction results are rounded in.
    virtual double TaxRate() const = 0;
    virtual void SetTaxRate(double percent) = 0;
    virtual RoundingDirection Rounding() const = 0;
    virtual void SetRounding(RoundingDirection direction) = 0;
    // The row of business keys below the keypad (the window grows by it).
    virtual bool BusinessKeysShown() const = 0;
    virtual void ShowBusinessKeys(bool shown) = 0;
};

}  // namespace reckora
