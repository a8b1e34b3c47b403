// The exit question as a message box: a question with OK as its default, and only OK answers OK.

#include "QtQuestionBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace reckora {
namespace {

TEST(QtQuestionBox, AnswersOkOnlyForOk) {
    QWidget owner;
    owner.show();
    QtQuestionBox question(owner);
    const std::pair<std::function<void(QMessageBox&)>, QuestionAnswer> cases[] = {
        {[](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, QuestionAnswer::Ok},
        {[](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, QuestionAnswer::Cancel},
        {[](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); },
         QuestionAnswer::Cancel},
        {[](QMessageBox& box) { box.close(); }, QuestionAnswer::Cancel},
    };
    for (const auto& [act, answer] : cases) {
        QTimer::singleShot(50, [act] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->icon(), QMessageBox::Question);
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Ok));
            act(*box);
        });
        EXPECT_EQ(question.AskOkCancel("Exit Reckora Calculator", "Reckora Calculator"), answer);
    }
}

}  // namespace
}  // namespace reckora
