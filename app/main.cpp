// Starts the calculator: the program brings it into its working state, then the window is
// shown. The program ends when the window is closed; nothing is saved on the way.

#include <QApplication>

#include "CalculatorApp.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Reckora");
    QApplication::setOrganizationName("Reckora");

    reckora::CalculatorApp calculator;
    calculator.Window().show();
    return QApplication::exec();
}
