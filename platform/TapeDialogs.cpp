#include "TapeDialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "QtText.h"
#include "Translations.h"

namespace reckora {

namespace {

// A long clipboard shows this many unreadable lines and says how many more there are.
constexpr std::size_t kListedUnreadable = 8;

}  // namespace

std::optional<std::string> AskText(QWidget& parent, const TextRequest& request) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(&parent, UserText(request.title), UserText(request.prompt),
                              QLineEdit::Normal, QtText(request.initial), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text.toStdString();
}

QString ColumnPreviewText(const ColumnPreview& preview) {
    QString text = QCoreApplication::translate("reckora", "Numbers to add: %1\nTheir sum: %2")
                       .arg(preview.numbers.size())
                       .arg(preview.numbers.empty() ? QStringLiteral("0") : QtText(preview.sum));
    if (preview.unreadable.empty()) {
        return text;
    }
    text += QStringLiteral("\n\n") +
            QCoreApplication::translate("reckora", "Lines that are not numbers (left out): %1")
                .arg(preview.unreadable.size());
    for (std::size_t i = 0; i < preview.unreadable.size() && i < kListedUnreadable; ++i) {
        text += QStringLiteral("\n  ") + QtText(preview.unreadable[i]);
    }
    if (preview.unreadable.size() > kListedUnreadable) {
        text += QStringLiteral("\n  …");
    }
    return text;
}

bool ConfirmColumn(QWidget& parent, const ColumnPreview& preview) {
    QMessageBox box(&parent);
    box.setObjectName(QStringLiteral("ColumnPreview"));
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QCoreApplication::translate("reckora", "Paste Column"));
    box.setText(ColumnPreviewText(preview));
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(preview.numbers.empty() ? QMessageBox::Cancel : QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setEnabled(!preview.numbers.empty());
    return box.exec() == QMessageBox::Ok;
}

}  // namespace reckora
