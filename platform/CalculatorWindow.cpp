#include "CalculatorWindow.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

#include "KeyCommand.h"
#include "QtPrintService.h"

namespace reckora {

namespace {

std::unique_ptr<PrintService> MakePrinting(const CalculatorWindowOptions& options,
                                           QWidget* window) {
    if (options.printing) {
        return options.printing(window);
    }
    return std::make_unique<QtPrintService>(window);
}

}  // namespace

double ScreenTwipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

NumberLocale SystemNumberLocale() {
    const QLocale locale = QLocale::system();
    NumberLocale numbers;
    numbers.DecimalSep = locale.decimalPoint().left(1).toStdString();
    numbers.GroupingSep = locale.groupSeparator().left(1).toStdString();
    if (numbers.DecimalSep.empty()) {
        numbers.DecimalSep = ".";
    }
    return numbers;
}

CalculatorWindow::CalculatorWindow(CalculatorWindowOptions options)
    : window_(options.twipsPerPixel.value_or(ScreenTwipsPerPixel()),
              QString::fromStdString(options.locale.DecimalSep)),
      faces_(window_),
      display_(window_.Label("C_Display")),
      memory_(window_.Label("LMem")),
      counter_(window_.Label("LCounter")),
      beeper_([] { QApplication::beep(); }),
      printing_(MakePrinting(options, &window_)),
      tape_(window_.Tape(), window_.Tape().VScroll1(), window_, *printing_),
      model_(window_, tape_),
      layout_(model_),
      calculator_(EnginePorts{display_, memory_, counter_, window_, window_, window_, clipboard_,
                              beeper_, layout_, tape_},
                  options.locale) {
    window_.Tape().SetResizeHandler([this] { tape_.UserControl_Resize(); });

    QObject::connect(&window_, &MainWindow::keyClicked, &window_,
                     [this](int index) { calculator_.theButton_Click(index); });
    QObject::connect(&window_, &MainWindow::keyMouseDown, &window_,
                     [this](int index) { faces_.theButton_MouseDown(index); });
    QObject::connect(&window_, &MainWindow::keyMouseUp, &window_,
                     [this](int index) { faces_.theButton_MouseUp(index); });
    QObject::connect(&window_, &MainWindow::roundOptionClicked, &window_,
                     [this](int index) { calculator_.SelectRoundOption(index); });
    QObject::connect(&window_, &MainWindow::timer1Fired, &window_,
                     [this] { calculator_.Timer1_Timer(); });
    QObject::connect(&window_, &MainWindow::menuKeyCommand, &window_,
                     [this](int index) { calculator_.theButton_Click(index); });
    QObject::connect(&window_, &MainWindow::resized, &window_, [this] { layout_.Form_Resize(); });
}

void CalculatorWindow::Start() {
    layout_.ScaleForScreen();
    calculator_.SelectRoundOption(RoundOption::FloatingPoint);
    calculator_.SetTapeVisible(true);
}

}  // namespace reckora
