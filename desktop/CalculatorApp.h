#pragma once
// The calculator on screen: the main window with its widgets and the Qt services (clipboard,
// tones, printing, settings store, dialogs, NumLock, the kept tapes' file) handed to one
// calculator core, and the window's events passed on to it. Twips per pixel, the locale,
// printing and the settings store can be given from outside so tests can simulate another
// screen, locale or printer.

#include <QString>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "CalculatorCore.h"
#include "LabelCaption.h"
#include "MainWindow.h"
#include "QtClipboard.h"
#include "QtQuestionBox.h"
#include "QtSettingsStore.h"
#include "QtWindowModel.h"
#include "QtWindowPlacement.h"
#include "TapeFileChooser.h"
#include "ToneBeeper.h"

namespace reckora {

class AfterFirstFrame;
class KeyPreview;
class NoticeBar;
class TapeInteraction;

struct CalculatorAppOptions {
    // Twips per pixel of the screen; the primary screen's (1440 / logical dpi) when empty.
    std::optional<double> twipsPerPixel;
    // The separators; the system's when empty.
    std::optional<NumberLocale> locale;
    // Printing; the system's default printer (a PDF file offered when there is none) when empty.
    std::function<std::unique_ptr<PrintService>(QWidget* window)> printing;
    // The settings store; the system's (QtSettingsStore) when null. --reset-settings passes one
    // that reads as on a first start.
    SettingsStore* settingsStore = nullptr;
    // The kept tapes' file (KeptTapesPath() for the program); nothing is kept when empty.
    std::optional<std::filesystem::path> tapeStorePath;
    // The one-time messages and notices; when empty, a message is a warning box over the window
    // and a notice about the kept tapes shows in the window's notice bar.
    std::function<void(const QString& text)> showNotice;
    // Off when the window is never shown (--export): start-up leaves NumLock alone.
    bool switchNumLockOn = true;
    // On: the kept tape comes back and the window gets its icon right after the window's first
    // frame (or at the first input, if that comes sooner); off: before the window is shown.
    bool afterFirstFrame = false;
};

// The kept tapes' file in the user's application data folder.
std::filesystem::path KeptTapesPath();

// Twips per pixel of the primary screen.
double ScreenTwipsPerPixel();

// The user's separators, as the locale of the system gives them.
NumberLocale SystemNumberLocale();

class CalculatorApp {
public:
    // Builds the window and starts the calculator in it; the window is shown afterwards.
    explicit CalculatorApp(CalculatorAppOptions options = {});
    ~CalculatorApp();
    CalculatorApp(const CalculatorApp&) = delete;
    CalculatorApp& operator=(const CalculatorApp&) = delete;

    // The program ends (its window closed, its event loop done): the core's last step; a notice
    // it gives is shown before the program goes.
    void Finish();

    MainWindow& Window() { return window_; }
    CalculatorCore& Core() { return *core_; }
    QtWindowModel& Model() { return model_; }
    TapeInteraction& TapeWork() { return *tapeWork_; }
    // The notice bar; nullptr until the first notice about the kept tapes.
    NoticeBar* Notices() const { return noticeBar_; }

private:
    // Save As in the tape history: asks where, then writes the kept tape without opening it;
    // the result is why it could not be saved.
    std::optional<std::string> SaveSheet(const store::SheetSummary& sheet);

    NumberLocale locale_;
    MainWindow window_;
    LabelCaption display_;
    LabelCaption memory_;
    LabelCaption counter_;
    QtClipboard clipboard_;
    ToneBeeper beeper_;
    std::unique_ptr<PrintService> printing_;
    QtWindowModel model_;
    QtWindowPlacement placement_;
    QtSettingsStore store_;
    QtQuestionBox question_;
    TapeFileChooser saveFile_;
    QTimer idle_;
    std::unique_ptr<CalculatorCore> core_;
    std::unique_ptr<KeyPreview> preview_;
    std::unique_ptr<TapeInteraction> tapeWork_;
    std::unique_ptr<AfterFirstFrame> afterFirstFrame_;
    NoticeBar* noticeBar_ = nullptr;  // owned by the window
};

}  // namespace reckora
