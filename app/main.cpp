// Starts the calculator: builds the main window, runs its start-up and shows it.

#include <QApplication>

#include "CalculatorWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Reckora");
    QApplication::setOrganizationName("Reckora");

    reckora::CalculatorWindowOptions options;
    options.locale = reckora::SystemNumberLocale();
    reckora::CalculatorWindow calculator(options);
    calculator.Start();
    calculator.Window().show();
    return QApplication::exec();
}
