#pragma once
// The calculator as one piece: the main window with its widgets, the tape, the layout and the
// engine, wired together. The logic runs unchanged behind the widgets; twips per pixel and the
// number locale are given from outside so tests can simulate another screen or locale. The
// window-level menu entries (Exit, Always on top, the settings, About) are the program's.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "AlsaBeeper.h"
#include "CalcTape.h"
#include "Calculator.h"
#include "KeyFaces.h"
#include "LabelCaption.h"
#include "MainWindow.h"
#include "QtClipboard.h"
#include "QtWindowModel.h"
#include "WindowLayout.h"

namespace reckora {

struct CalculatorWindowOptions {
    // Twips per pixel of the screen; the primary screen's (1440 / logical dpi) when empty.
    std::optional<double> twipsPerPixel;
    NumberLocale locale;
    // Printing; the system's default printer (a PDF file offered when there is none) when empty.
    std::function<std::unique_ptr<PrintService>(QWidget* window)> printing;
};

// Twips per pixel of the primary screen.
double ScreenTwipsPerPixel();

// The user's separators, as the locale of the system gives them.
NumberLocale SystemNumberLocale();

class CalculatorWindow {
public:
    explicit CalculatorWindow(CalculatorWindowOptions options);
    CalculatorWindow(const CalculatorWindow&) = delete;
    CalculatorWindow& operator=(const CalculatorWindow&) = delete;

    // The load handler's work before the window is shown, as far as the window goes: scale for
    // the screen and set the standard height, then Floating Point and the tape shown.
    void Start();

    MainWindow& Window() { return window_; }
    KeyFaces& Faces() { return faces_; }
    Calculator& Engine() { return calculator_; }
    CalcTape& Tape() { return tape_; }
    WindowLayout& Layout() { return layout_; }
    QtWindowModel& Model() { return model_; }

private:
    MainWindow window_;
    KeyFaces faces_;
    LabelCaption display_;
    LabelCaption memory_;
    LabelCaption counter_;
    QtClipboard clipboard_;
    AlsaBeeper beeper_;
    std::unique_ptr<PrintService> printing_;
    CalcTape tape_;
    QtWindowModel model_;
    WindowLayout layout_;
    Calculator calculator_;
};

}  // namespace reckora
