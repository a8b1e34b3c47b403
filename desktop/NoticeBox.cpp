#include "NoticeBox.h"

#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include "Translations.h"

namespace reckora {

// A line that is no marked text (a path, the system's own words) has no translation and stays as
// it is.
QString NoticeText(const std::string& message) {
    QStringList lines;
    std::string_view rest(message);
    for (;;) {
        const std::size_t lineEnd = rest.find('\n');
        lines.append(UserText(rest.substr(0, lineEnd)));
        if (lineEnd == std::string_view::npos) {
            return lines.join(QLatin1Char('\n'));
        }
        rest.remove_prefix(lineEnd + 1);
    }
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
