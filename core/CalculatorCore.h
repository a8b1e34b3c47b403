#pragma once
// The calculator without its window: the engine, the paper tape, the key faces, the keyboard
// mapping, the menu commands and the settings, built and started in one place with its two parts,
// the work on the tape in use (TapeWork) and the kept tapes (KeptTapes). The Qt program and the
// key-script harness each own one and only adapt it: they hand in their window's parts
// (CorePorts), pass the window's events on and call the parts directly.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CalcTape.h"
#include "Calculator.h"
#include "CommandRunner.h"
#include "CorePorts.h"
#include "Journal.h"
#include "KeptTapes.h"
#include "KeyFaces.h"
#include "KeyboardMapping.h"
#include "MenuTable.h"
#include "RememberedLabels.h"
#include "Settings.h"
#include "StateText.h"
#include "StoreRecords.h"
#include "TapeKeeper.h"
#include "TapeRequests.h"
#include "TapeWork.h"
#include "WindowLayout.h"

namespace reckora {

class CalculatorCore : private CalculatorOptions, private AlwaysOnTopSwitch, private CommandTarget {
public:
    // Starts the calculator in this order: the locale is read, the engine created (memory label
    // "0" + separator + blank, entry "0"), the window scaled for the screen, the stored settings
    // applied, the kept tape brought back (with a store path and Keep Tape ticked, unless the
    // owner brings it back later), NumLock requested.
    // The separator comes before the entry and the entry before the settings select the rounding
    // option, which re-shows the entry with that separator.
    explicit CalculatorCore(CorePorts ports);
    ~CalculatorCore() override;
    CalculatorCore(const CalculatorCore&) = delete;
    CalculatorCore& operator=(const CalculatorCore&) = delete;

    // A click on key face `number` (any number; those without a key only meet the error lock).
    void ClickKey(int number);
    // The mouse pressed or released on a key face: the face only, no key runs. A disabled key
    // (Undo while it is unavailable) gets neither.
    void MouseDown(int number);
    void MouseUp(int number);
    // The main window's keyboard (virtual-key codes, modifier mask) and its focus.
    void KeyDown(int code, int modifiers);
    void KeyUp(int code);
    void FocusLost();
    // Whether the keyboard mapping has a use for this key; the focused control gets the others.
    bool HandlesKey(int code, int modifiers) const;
    // A click on rounding/input option `option`.
    void SelectOption(int option);
    // The display's blink timer fired.
    void OnBlinkTimeout();
    // The main window's size changed, or the tape control's.
    void OnWindowResize();
    void OnTapeResize();

    // A click on the menu entry; a disabled entry does nothing.
    void RunMenu(MenuId id);
    bool MenuEntryEnabled(MenuId id) const;

    // The state the kept tape holds after each command.
    SavedState CurrentState() const;

    const NumberLocale& Locale() const { return locale_; }
    Calculator& Engine() override { return *calculator_; }
    const Calculator& Engine() const { return *calculator_; }
    CalcTape& Tape() { return *tape_; }
    const CalcTape& Tape() const { return *tape_; }
    const KeyFaces& Faces() const { return faces_; }
    WindowLayout& Layout() { return layout_; }
    bool AlwaysOnTop() const { return onTop_; }
    // The parts.
    reckora::KeptTapes& KeptTapes() { return *kept_; }
    const reckora::KeptTapes& KeptTapes() const { return *kept_; }
    reckora::TapeWork& TapeWork() { return *work_; }
    const reckora::TapeWork& TapeWork() const { return *work_; }

private:
    class TapeFontWindow;

    // CalculatorOptions and AlwaysOnTopSwitch, for the settings.
    int GetRoundOption() const override;
    void SelectRoundOption(int option) override;
    bool KeepTape() const override { return kept_->KeepTape(); }
    bool TapeVisible() const override;
    void SetTapeVisible(bool visible) override;
    void SetKeepTape(bool keep) override;
    bool OnTopChecked() const override { return onTop_; }
    void SetOnTopChecked(bool checked) override;
    void SetAlwaysOnTop(bool onTop) override;

    // CommandTarget, for the runner.
    std::int32_t Lines() const override { return tape_->CurrentLine(); }
    SavedState State() const override { return CurrentState(); }
    void BeforeKey() override { work_->BeforeKey(); }

    // An enabled menu entry's action.
    void RunMenuAction(const MenuAction& action);
    void ToggleAlwaysOnTop();
    // A key click; Paste reads the clipboard once.
    void Press(Key key);
    // Floating Point, always on top, the tape shown and the standard height; the window keeps
    // its place and the store is left alone, so the next start brings the saved settings back.
    void RestoreDefaults();
    bool KeyEnabled(Key key) const;

    CorePorts ports_;
    NumberLocale locale_;
    RememberedDisplay display_;
    RememberedLabel memory_;
    RememberedLabel counter_;
    KeyFaces faces_;
    std::unique_ptr<CalcTape> tape_;
    std::unique_ptr<TapeFontWindow> window_;
    WindowLayout layout_;
    std::unique_ptr<Calculator> calculator_;
    KeyboardMapping keyboard_;
    Settings settings_;
    bool onTop_ = true;
    std::unique_ptr<reckora::TapeWork> work_;
    std::unique_ptr<reckora::KeptTapes> kept_;

    // Every command runs here: keys, menu keys, options, pastes and the work on the tape.
    CommandRunner runner_{*this, RunnerUse::Live};
};

}  // namespace reckora
