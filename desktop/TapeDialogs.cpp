#include "TapeDialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "NoticeBox.h"
#include "QtText.h"
#include "Translations.h"

namespace reckora {

namespace {

// A long clipboard shows this many numbers and unreadable lines, then an ellipsis; all the
// numbers are in the box's details.
constexpr std::size_t ListedNumbers = 12;
constexpr std::size_t ListedUnreadable = 8;

QString Listed(const std::vector<std::string>& lines, std::size_t most) {
    QString text;
    for (std::size_t i = 0; i < lines.size() && i < most; ++i) {
        text += QStringLiteral("\n  ") + QtText(lines[i]);
    }
    if (lines.size() > most) {
        text += QStringLiteral("\n  …");
    }
    return text;
}

// One line of text; with an apply function, OK hands the text over and a refusal keeps the
// dialog open with the text as typed and the reason under the prompt.
class RequestDialog final : public QInputDialog {
public:
    RequestDialog(QWidget& parent, const TextRequest& request)
        : QInputDialog(&parent), prompt_(UserText(request.prompt)), apply_(request.apply) {
        setObjectName(QStringLiteral("TextRequest"));
        setWindowTitle(UserText(request.title));
        setLabelText(prompt_);
        setTextValue(QtText(request.initial));
        if (auto* label = findChild<QLabel*>()) {
            label->setWordWrap(true);
        }
    }

    void done(int result) override {
        if (result == QDialog::Accepted && apply_) {
            if (const std::optional<std::string> refusal = apply_(textValue().toStdString())) {
                setLabelText(prompt_ + QStringLiteral("\n\n") + NoticeText(*refusal));
                if (auto* field = findChild<QLineEdit*>()) {
                    field->setFocus();
                    field->selectAll();
                }
                return;
            }
        }
        QInputDialog::done(result);
    }

private:
    QString prompt_;
    std::function<std::optional<std::string>(const std::string&)> apply_;
};

}  // namespace

std::optional<std::string> AskText(QWidget& parent, const TextRequest& request) {
    RequestDialog dialog(parent, request);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue().toStdString();
}

QString ColumnPreviewText(const ColumnPreview& preview) {
    QString text = QCoreApplication::translate("reckora", "Numbers to add: %1\nTheir sum: %2")
                       .arg(preview.numbers.size())
                       .arg(preview.numbers.empty() ? QStringLiteral("0") : QtText(preview.sum));
    // Each number as it will be added: a spreadsheet's "(1,234.00)" shows as -1,234.00.
    if (!preview.numbers.empty()) {
        text += QStringLiteral("\n") + Listed(preview.numbers, ListedNumbers);
    }
    if (preview.unreadable.empty()) {
        return text;
    }
    text += QStringLiteral("\n\n") +
            QCoreApplication::translate("reckora", "Lines that are not numbers (left out): %1")
                .arg(preview.unreadable.size());
    return text + Listed(preview.unreadable, ListedUnreadable);
}

bool ConfirmColumn(QWidget& parent, const ColumnPreview& preview) {
    QMessageBox box(&parent);
    box.setObjectName(QStringLiteral("ColumnPreview"));
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QCoreApplication::translate("reckora", "Paste Column"));
    box.setText(ColumnPreviewText(preview));
    box.setTextFormat(Qt::PlainText);
    if (preview.numbers.size() > ListedNumbers) {
        box.setDetailedText(Listed(preview.numbers, preview.numbers.size()).mid(1));
    }
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(preview.numbers.empty() ? QMessageBox::Cancel : QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setEnabled(!preview.numbers.empty());
    return box.exec() == QMessageBox::Ok;
}

}  // namespace reckora
