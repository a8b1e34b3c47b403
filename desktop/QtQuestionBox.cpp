#include "QtQuestionBox.h"

#include <QMessageBox>
#include <QString>

#include "Translations.h"

namespace reckora {

QuestionAnswer QtQuestionBox::AskOkCancel(const std::string& prompt, const std::string& title) {
    QMessageBox box(QMessageBox::Question, UserText(title), UserText(prompt),
                    QMessageBox::Ok | QMessageBox::Cancel, &owner_);
    box.setObjectName(QStringLiteral("ExitQuestion"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    // Above a main window that is always on top.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return box.exec() == QMessageBox::Ok ? QuestionAnswer::Ok : QuestionAnswer::Cancel;
}

}  // namespace reckora
