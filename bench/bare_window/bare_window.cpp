// A bare Qt 6 window with as many widgets and menu entries as the calculator's main window,
// built the plain way (text buttons, no painted faces, no layout logic): the yardstick for the
// calculator's start-up time.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare Window");
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);

    // The calculator's count: 3 indicator labels, a frame with its border label, 7 option
    // labels and 7 option buttons, 2 picture holders, 31 keys, the tape with its scroll bar.
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::number(i), client);
        label->setFrameShape(QFrame::Box);
        label->setGeometry(6, 20 * i, 200, 18);
    }
    auto* frame = new QWidget(client);
    frame->setGeometry(6, 70, 166, 46);
    new QLabel(frame);
    for (int i = 0; i < 7; ++i) {
        (new QLabel(QString::number(i), frame))->setGeometry(8 + 16 * i, 11, 13, 13);
        (new QRadioButton(frame))->setGeometry(7 + 16 * i, 26, 13, 13);
    }
    for (int i = 0; i < 2; ++i) {
        (new QLabel(client))->hide();
    }
    for (int i = 0; i < 31; ++i) {
        auto* key = new QPushButton(QString::number(i), client);
        key->setGeometry(6 + 40 * (i % 7), 120 + 40 * (i / 7), 38, 38);
    }
    auto* tape = new QWidget(client);
    tape->setGeometry(308, 0, 265, 271);
    (new QScrollBar(Qt::Vertical, tape))->setGeometry(0, 0, 18, 271);

    const char* menus[][6] = {{"&File", "New", "Print", "-", "Exit", nullptr},
                              {"&Edit", "Copy", "Paste", "-", "Undo", nullptr},
                              {"&Options", "Always on top", "Show Tape", "-", "Save Settings", "-"},
                              {"&Help", "About", nullptr, nullptr, nullptr, nullptr}};
    for (const auto& entries : menus) {
        QMenu* menu = window.menuBar()->addMenu(entries[0]);
        for (int i = 1; i < 6 && entries[i] != nullptr; ++i) {
            if (QString(entries[i]) == "-") {
                menu->addSeparator();
            } else {
                menu->addAction(entries[i]);
            }
        }
    }
    window.resize(577, 292);
    window.show();
    return QApplication::exec();
}
