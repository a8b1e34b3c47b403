#include "NoticeBox.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "Translations.h"

namespace reckora {

QString NoticeText(const std::string& message) {
    const std::size_t lineEnd = message.find('\n');
    if (lineEnd == std::string::npos) {
        return UserText(message);
    }
    return UserText(std::string_view(message).substr(0, lineEnd)) +
           QString::fromStdString(message.substr(lineEnd));
}

void ShowNoticeBox(QWidget& owner, const QString& text) {
    QTimer::singleShot(0, &owner, [owner = QPointer<QWidget>(&owner), text] {
        QMessageBox box(QMessageBox::Warning, UserText("Reckora Calculator"), text, QMessageBox::Ok,
                        owner);
        box.setObjectName(QStringLiteral("Notice"));
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        box.exec();
    });
}

}  // namespace reckora
