// Starts the calculator: the command line is read first (without a window, so --help and
// --version work without a display), then the program brings the calculator into its working
// state and the window is shown. The program ends when the window is closed; nothing is saved
// on the way.

#include <QApplication>
#include <cstdio>

#include "CalculatorApp.h"
#include "CommandLine.h"
#include "FirstStartStore.h"
#include "QtSettingsStore.h"
#include "Translations.h"

namespace {

void NameTheApplication() {
    QCoreApplication::setApplicationName("Reckora");
    QCoreApplication::setOrganizationName("Reckora");
    QCoreApplication::setApplicationVersion(RECKORA_VERSION);
}

reckora::CommandLine ReadCommandLine(int& argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    NameTheApplication();
    reckora::Translations translations;
    return reckora::ParseCommandLine(QCoreApplication::arguments());
}

}  // namespace

int main(int argc, char* argv[]) {
    const reckora::CommandLine command = ReadCommandLine(argc, argv);
    if (!command.start) {
        std::fputs(command.exit.text.toLocal8Bit().constData(),
                   command.exit.isError ? stderr : stdout);
        return command.exit.status;
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
    reckora::CalculatorApp calculator(options);
    calculator.Window().show();
    return QApplication::exec();
}
