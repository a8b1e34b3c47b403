// Runs the Qt test suites inside one QApplication, on the offscreen platform unless the
// environment names another.

#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The offscreen platform says so each time a window's size limits change; nothing to act on.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains("does not support propagateSizeHints")) {
        return;
    }
    qInstallMessageHandler(nullptr);
    qt_message_output(type, context, message);
    qInstallMessageHandler(QuietMessages);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(QuietMessages);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
