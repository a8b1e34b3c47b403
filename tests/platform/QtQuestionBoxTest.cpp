// The exit question as a message box: its texts, icon, buttons and default, and its answers.

#include "QtQuestionBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace reckora {
namespace {

// Answers the box that is about to open by `act`, after checking how it looks.
void WhenTheBoxOpens(const std::function<void(QMessageBox&)>& act) {
    QTimer::singleShot(50, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Exit Reckora Calculator");
        EXPECT_EQ(box->windowTitle(), "Reckora Calculator");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Ok));
        act(*box);
    });
}

TEST(QtQuestionBox, AnswersOkOnlyForOk) {
    QWidget owner;
    owner.show();
    QtQuestionBox question(owner);

    WhenTheBoxOpens([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    EXPECT_EQ(question.AskOkCancel("Exit Reckora Calculator", "Reckora Calculator"),
              QuestionAnswer::Ok);

    WhenTheBoxOpens([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(question.AskOkCancel("Exit Reckora Calculator", "Reckora Calculator"),
              QuestionAnswer::Cancel);

    WhenTheBoxOpens([](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
    EXPECT_EQ(question.AskOkCancel("Exit Reckora Calculator", "Reckora Calculator"),
              QuestionAnswer::Cancel);

    WhenTheBoxOpens([](QMessageBox& box) { box.close(); });
    EXPECT_EQ(question.AskOkCancel("Exit Reckora Calculator", "Reckora Calculator"),
              QuestionAnswer::Cancel);
}

}  // namespace
}  // namespace reckora
