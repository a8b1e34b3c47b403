// Starts the calculator: the main window's load handler brings it into its working state, then
// the window is shown. The program ends when the window is closed; nothing is saved on the way.

#include <QApplication>

#include "CalculatorProgram.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Reckora");
    QApplication::setOrganizationName("Reckora");

    reckora::CalculatorProgram program;
    program.Form_Load();
    program.Window().show();
    return QApplication::exec();
}
