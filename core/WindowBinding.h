#pragma once
// The calculator's window bound to the rest: key clicks, the mouse on the key faces, the keyboard
// mapping, the layout, the menus, the settings' callbacks, and what the window shows of the
// engine's business state (the grand total, the rounding direction's tick).

#include <memory>
#include <optional>

#include "CalcTape.h"
#include "Calculator.h"
#include "CommandRunner.h"
#include "CorePorts.h"
#include "KeptTapes.h"
#include "KeyFaces.h"
#include "KeyboardMapping.h"
#include "MenuTable.h"
#include "Settings.h"
#include "TapeWork.h"
#include "WindowLayout.h"

namespace reckora {

// What the window's events and menus reach.
struct WindowBindingParts {
    CorePorts& ports;
    const NumberLocale& locale;
    CalcTape& tape;
    Calculator& engine;
    CommandRunner& runner;
    TapeWork& work;
    KeptTapes& kept;
};

class WindowBinding final : private CalculatorOptions, private AlwaysOnTopSwitch {
public:
    explicit WindowBinding(WindowBindingParts parts);
    ~WindowBinding() override;
    WindowBinding(const WindowBinding&) = delete;
    WindowBinding& operator=(const WindowBinding&) = delete;

    // The window is scaled for the screen and the stored settings applied; from now on the
    // window follows every command's outcome.
    void Start();
    // The grand total and the rounding direction shown as the engine has them now (after a
    // command, or a kept sheet shown without one).
    void ShowEngineState();

    // A click on key face `number` (any number; those without a face only meet the error lock).
    // The business keys have faces while their row is shown.
    void ClickKey(int number);
    // A click on a key by its identity, wherever it is shown: a menu entry, a business key.
    void Click(Key key);
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
    // The main window's size changed, or the tape control's.
    void OnWindowResize();
    void OnTapeResize();
    // A click on the menu entry; a disabled entry does nothing.
    void RunMenu(MenuId id);
    bool MenuEntryEnabled(MenuId id) const;

    const KeyFaces& Faces() const { return faces_; }
    WindowLayout& Layout() { return layout_; }
    bool AlwaysOnTop() const { return onTop_; }

private:
    class TapeFontWindow;

    // CalculatorOptions and AlwaysOnTopSwitch, for the settings.
    RoundingOption GetRoundingOption() const override;
    void SelectRoundingOption(RoundingOption option) override;
    bool KeepTape() const override { return kept_.KeepTape(); }
    bool TapeVisible() const override;
    void SetTapeVisible(bool visible) override;
    void SetKeepTape(bool keep) override;
    double TaxRate() const override;
    void SetTaxRate(double percent) override;
    RoundingDirection Rounding() const override;
    void SetRounding(RoundingDirection direction) override;
    bool BusinessKeysShown() const override { return layout_.BusinessKeysShown(); }
    void ShowBusinessKeys(bool shown) override;
    bool OnTopChecked() const override { return onTop_; }
    void SetOnTopChecked(bool checked) override;
    void SetAlwaysOnTop(bool onTop) override;

    // An enabled menu entry's action.
    void RunMenuAction(const MenuAction& action);
    void ToggleAlwaysOnTop();
    // Floating Point, always on top, the tape shown and the standard height; the window keeps
    // its place and the store is left alone, so the next start brings the saved settings back.
    void RestoreDefaults();
    bool KeyEnabled(Key key) const;
    // The key of face `number` as the window shows it now.
    std::optional<Key> FaceAt(int number) const;
    // Options, Tax Rate…: asks until the rate typed is one, or the user cancels.
    void AskTaxRate();
    // A marked text in the user's language.
    std::string Translated(const char* text) const;
    void SetMenuTick(MenuId entry, bool checked);

    CorePorts& ports_;
    const NumberLocale& locale_;
    CalcTape& tape_;
    Calculator& engine_;
    CommandRunner& runner_;
    TapeWork& work_;
    KeptTapes& kept_;
    KeyFaces faces_;
    std::unique_ptr<TapeFontWindow> window_;
    WindowLayout layout_;
    KeyboardMapping keyboard_;
    Settings settings_;
    bool onTop_ = true;
    // What the window shows now, so that a command that changes neither repaints nothing.
    std::string grandTotalShown_;
    RoundingDirection directionShown_ = RoundingDirection::Designed;
};

}  // namespace reckora
