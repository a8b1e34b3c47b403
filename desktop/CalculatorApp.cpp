#include "CalculatorApp.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>

#include "AboutWindow.h"
#include "AfterFirstFrame.h"
#include "AlwaysOnTop.h"
#include "KeyPreview.h"
#include "NoticeBar.h"
#include "NoticeBox.h"
#include "NumLock.h"
#include "ProgramIcon.h"
#include "QtPrintService.h"
#include "SheetNameTexts.h"
#include "StoreNotices.h"
#include "TapeDialogs.h"
#include "TapeHistoryDialog.h"
#include "TapeInteraction.h"
#include "Translations.h"

namespace reckora {

namespace {

std::unique_ptr<PrintService> MakePrinting(const CalculatorAppOptions& options, QWidget* window) {
    if (options.printing) {
        return options.printing(window);
    }
    return std::make_unique<QtPrintService>(window);
}

// The idle step (the store's sync of what is due) runs about this often.
constexpr int IdleIntervalMs = 1000;

}  // namespace

std::filesystem::path KeptTapesPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return LocalPath(QDir(folder).filePath(QStringLiteral("tapes.db")));
}

double ScreenTwipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

NumberLocale SystemNumberLocale() {
    const QLocale locale = QLocale::system();
    NumberLocale numbers;
    numbers.decimalSep = locale.decimalPoint().left(1).toStdString();
    numbers.groupingSep = locale.groupSeparator().left(1).toStdString();
    if (numbers.decimalSep.empty()) {
        numbers.decimalSep = ".";
    }
    return numbers;
}

// The locale is read before anything else: the decimal key's legend shows its separator.
CalculatorApp::CalculatorApp(CalculatorAppOptions options)
    : locale_(options.locale.value_or(SystemNumberLocale())),
      window_(options.twipsPerPixel.value_or(ScreenTwipsPerPixel()),
              QString::fromStdString(locale_.decimalSep)),
      display_(window_.Label("C_Display"), QCoreApplication::translate("reckora", "Display")),
      memory_(window_.Label("LMem")),
      counter_(window_.Label("LCounter")),
      beeper_([] { QApplication::beep(); }),
      printing_(MakePrinting(options, &window_)),
      model_(window_),
      placement_(window_, model_, window_.TwipsPerPixel()),
      question_(window_),
      saveFile_(window_) {
    MainWindow& window = window_;
    std::function<void(const QString&)> showNotice = options.showNotice;
    if (!showNotice) {
        showNotice = [&window](const QString& text) { ShowNoticeBox(window, text); };
    }
    core_ = std::make_unique<CalculatorCore>(CorePorts{
        .readLocale = [this] { return locale_; },
        .display = display_,
        .memory = memory_,
        .counter = counter_,
        .clipboard = clipboard_,
        .window = model_,
        .placement = placement_,
        .store = options.settingsStore != nullptr ? *options.settingsStore : store_,
        .tapeSurface = window.Tape(),
        .tapeScrollBar = window.Tape().ScrollBar(),
        .printing = *printing_,
        .showSelectedOption =
            [&window](RoundingOption option) { window.ShowSelectedOption(option); },
        .setBlinkInterval = [&window](int milliseconds) { window.SetBlinkInterval(milliseconds); },
        .showUndoAvailable = [&window](bool available) { window.ShowUndoAvailable(available); },
        .showKeyFace = [&window](Key key, bool pressed) { window.ShowKeyFace(key, pressed); },
        .giveFocusToMainWindow = [&window] { window.GiveFocusToMainWindow(); },
        .setAlwaysOnTop = [&window](bool onTop) { SetAlwaysOnTop(window, onTop); },
        .beep = [this](int frequencyHz, int durationMs) { beeper_.Beep(frequencyHz, durationMs); },
        .ask = [this](const std::string& prompt,
                      const std::string& title) { return question_.AskOkCancel(prompt, title); },
        .showAbout = [&window] { ShowAboutWindow(window); },
        .closeWindow = [&window] { window.close(); },
        .requestNumLockOn = options.switchNumLockOn ? std::function<void()>(SwitchNumLockOn)
                                                    : std::function<void()>(),
        .tapeStorePath = options.tapeStorePath,
        .bringBackTapeLater = options.afterFirstFrame,
        .showMessage =
            [showNotice](const std::string& message) { showNotice(NoticeText(message)); },
        .showNotice =
            [this, outside = options.showNotice](const TapeNotice& notice) {
                if (outside) {
                    outside(NoticeText(notice.text));
                    return;
                }
                if (noticeBar_ == nullptr) {
                    noticeBar_ = new NoticeBar(*window_.ClientArea(), window_.Tape());
                }
                noticeBar_->Show(notice.severity, NoticeText(notice.text));
            },
        .chooseSaveFile =
            [this](const std::optional<std::string>& tapeName) {
                return saveFile_.Choose(
                    SuggestedTapeName(QDate::currentDate(), tapeName.value_or("")), tapeName);
            },
        .showTapeHistory =
            [this] {
                CalculatorCore& core = *core_;
                ShowTapeHistory(
                    window_,
                    {.find =
                         [&core](const std::string& search) {
                             return core.KeptTapes().TapeHistory(search);
                         },
                     .current = [&core] { return core.KeptTapes().CurrentSheet(); },
                     .open = [&core](store::SheetId id) { return core.KeptTapes().OpenSheet(id); },
                     .remove =
                         [&core](store::SheetId id) { return core.KeptTapes().DeleteSheet(id); },
                     .keeping = [&core] { return core.KeptTapes().KeepTape(); },
                     .rename =
                         [&core](store::SheetId id, const std::string& typed) {
                             return core.KeptTapes().NameSheet(id, typed);
                         },
                     .save = [this](const store::SheetSummary& sheet) { return SaveSheet(sheet); },
                     .print =
                         [&core](store::SheetId id) { return core.KeptTapes().PrintSheet(id); }});
            },
        .showSheetName = [&window](const std::string& name) { window.ShowSheetName(name); },
        .askText = [&window](const TextRequest& request) { return AskText(window, request); },
        .confirmColumn =
            [&window](const ColumnPreview& preview) { return ConfirmColumn(window, preview); },
        .showFind = [this] { tapeWork_->ShowFind(); },
        .announceLine =
            [this](std::int32_t line) {
                if (tapeWork_) {
                    tapeWork_->Announce(line);
                }
            },
        .userText = [](const char* text) { return UserText(text).toStdString(); },
    });
    CalculatorCore& core = *core_;
    preview_ = std::make_unique<KeyPreview>(window_, core);
    tapeWork_ = std::make_unique<TapeInteraction>(window_, core);

    window.Tape().SetResizeHandler([&core] { core.Window().OnTapeResize(); });
    QObject::connect(&window, &MainWindow::keyClicked, &window,
                     [&core](int number) { core.Window().ClickKey(number); });
    QObject::connect(&window, &MainWindow::keyMouseDown, &window,
                     [&core](int number) { core.Window().MouseDown(number); });
    QObject::connect(&window, &MainWindow::keyMouseUp, &window,
                     [&core](int number) { core.Window().MouseUp(number); });
    QObject::connect(&window, &MainWindow::optionButtonClicked, &window, [&core](int index) {
        if (const std::optional<RoundingOption> option = RoundingOptionAt(index)) {
            core.SelectOption(*option);
        }
    });
    QObject::connect(&window, &MainWindow::blinkTimeout, &window,
                     [&core] { core.OnBlinkTimeout(); });
    QObject::connect(&window, &MainWindow::menuTriggered, &window,
                     [&core](MenuId id) { core.Window().RunMenu(id); });
    QObject::connect(&window, &MainWindow::resized, &window,
                     [&core] { core.Window().OnWindowResize(); });
    idle_.setInterval(IdleIntervalMs);
    QObject::connect(&idle_, &QTimer::timeout, &window, [&core] { core.KeptTapes().OnIdle(); });
    idle_.start();
    window.FocusSelectedOption();
    const auto finishStart = [&core, &window] {
        core.KeptTapes().BringBackTape();
        window.setWindowIcon(ProgramIcon());
    };
    if (options.afterFirstFrame) {
        afterFirstFrame_ = std::make_unique<AfterFirstFrame>(window, finishStart);
    } else {
        finishStart();
    }
}

std::optional<std::string> CalculatorApp::SaveSheet(const store::SheetSummary& sheet) {
    const QDate started = QDateTime::fromMSecsSinceEpoch(sheet.startedMs).toLocalTime().date();
    const std::optional<SaveTarget> target =
        saveFile_.Choose(SuggestedTapeName(started, sheet.name));
    std::string error;
    if (!target || core_->KeptTapes().ExportSheet(sheet.id, target->format, target->path, error)) {
        return std::nullopt;
    }
    // A tape that is gone has nothing to add to the reason; a file names its cause after it.
    return error == SheetUnreadableText ? error : std::string(SaveFailedText) + "\n" + error;
}

CalculatorApp::~CalculatorApp() {
    // The core may still report lines while it goes; nobody announces them any more.
    tapeWork_.reset();
}

void CalculatorApp::Finish() {
    core_->KeptTapes().OnExit();
    // A notice box waits for the event loop, which has ended: it is shown now.
    QCoreApplication::sendPostedEvents();
}

}  // namespace reckora
