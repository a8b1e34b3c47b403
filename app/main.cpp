// Starts the calculator: the command line is read first (without a window, so --help, --version
// and --export work without a display), then the program brings the calculator into its working
// state, with the tape the last run left, and the window is shown. The program ends when the
// window is closed; the tape is kept as it goes, the settings only by Save Settings.

#include <QApplication>
#include <cstdio>

#include "CalculatorApp.h"
#include "CommandLine.h"
#include "FirstStartStore.h"
#include "KeptSheetFile.h"
#include "NoticeBox.h"
#include "QtSettingsStore.h"
#include "Settings.h"
#include "StoreNotices.h"
#include "TapeFileFormat.h"
#include "TapeWorkTexts.h"
#include "Translations.h"

namespace {

void NameTheApplication() {
    QCoreApplication::setApplicationName("Reckora");
    QCoreApplication::setOrganizationName("Reckora");
    QCoreApplication::setApplicationVersion(RECKORA_VERSION);
}

reckora::CommandLine ReadCommandLine(int& argc, char* argv[]) {
    // A start without arguments (every start from the desktop) has nothing to read, so it
    // builds no application object and loads no translations before the real ones.
    if (argc <= 1) {
        return {reckora::StartRequest{}, {}, {}};
    }
    QCoreApplication application(argc, argv);
    NameTheApplication();
    reckora::Translations translations;
    return reckora::ParseCommandLine(QCoreApplication::arguments());
}

int Finish(const reckora::ExitRequest& exit) {
    std::fputs(exit.text.toLocal8Bit().constData(), exit.isError ? stderr : stdout);
    return exit.status;
}

// --export: the kept tape, read from the store without building the window, is written and the
// program ends. Notices go to the error stream.
int ExportKeptTape(int& argc, char* argv[], const reckora::ExportRequest& request) {
    // The command's output is what the user asked for: Qt's warnings about the session it runs
    // in (such as a missing XDG_RUNTIME_DIR) are no concern of a command that shows no window.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fputs(QStringLiteral("reckora: %1\n").arg(message).toLocal8Bit().constData(),
                       stderr);
        }
    });
    QCoreApplication application(argc, argv);
    NameTheApplication();
    const reckora::Translations translations;

    // A notice or the reason nothing was written, and status 2.
    const auto tell = [](const QString& text) {
        std::fputs(QStringLiteral("reckora: %1\n").arg(text).toLocal8Bit().constData(), stderr);
    };
    const auto failed = [&tell](const QString& cause) {
        tell(cause);
        return reckora::UsageErrorStatus;
    };
    // Without a file there is nothing to write, and none is made.
    const std::filesystem::path store = reckora::KeptTapesPath();
    if (!std::filesystem::exists(store)) {
        return failed(QCoreApplication::translate("reckora", "there is no kept tape to write"));
    }
    const reckora::NumberLocale locale = reckora::SystemNumberLocale();
    reckora::QtSettingsStore settings;
    if (!reckora::ReadSettings(settings, locale.decimalSep).keepTape) {
        return failed(QCoreApplication::translate(
            "reckora", "no tape is kept while Options, Keep Tape is off"));
    }
    const reckora::KeptSheetWriting how{
        locale, reckora::UserText(reckora::OriginalInText).toStdString(), {}};
    std::string error;
    switch (reckora::ExportKeptTape(
        store, request.format, reckora::LocalPath(request.path), how,
        [&tell](const reckora::TapeNotice& notice) { tell(reckora::NoticeText(notice.text)); },
        error)) {
        case reckora::KeptTapeExport::Written:
            return 0;
        case reckora::KeptTapeExport::NoKeptTape:
            return failed(QCoreApplication::translate("reckora", "the kept tape is empty"));
        case reckora::KeptTapeExport::Failed:
            break;
    }
    return failed(reckora::NoticeText(std::string(reckora::SaveFailedText) + "\n" + error));
}

}  // namespace

int main(int argc, char* argv[]) {
    const reckora::CommandLine command = ReadCommandLine(argc, argv);
    if (command.exportTape) {
        return ExportKeptTape(argc, argv, *command.exportTape);
    }
    if (!command.start) {
        return Finish(command.exit);
    }

    QApplication application(argc, argv);
    NameTheApplication();
    QGuiApplication::setDesktopFileName(RECKORA_APPLICATION_ID);
    const reckora::Translations translations;

    reckora::QtSettingsStore storedSettings;
    reckora::FirstStartStore firstStart(storedSettings);
    reckora::CalculatorAppOptions options;
    if (command.start->resetSettings) {
        options.settingsStore = &firstStart;
    }
    options.tapeStorePath = reckora::KeptTapesPath();
    // The window comes first, the kept tape right after; --new-tape needs it before New.
    options.afterFirstFrame = !command.start->newTape;
    reckora::CalculatorApp calculator(options);
    if (command.start->newTape) {
        calculator.Core().Window().RunMenu(reckora::MenuId::New);
    }
    calculator.Window().show();
    const int status = QApplication::exec();
    calculator.Finish();
    return status;
}
