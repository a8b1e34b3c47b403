// The keyboard of the running program: key preview whichever control has the focus, held keys,
// the exit question, focus loss, the mouse on the key faces and the menu commands.

#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QWidget>

#include "KeyButton.h"
#include "KeyCommand.h"
#include "ProgramFixture.h"

namespace reckora {
namespace {

using testing::ProgramTest;
using testing::WaitFor;

TEST_F(ProgramTest, AColumnOfFiguresFromTheKeypad) {
    Start();
    for (Qt::Key key : {Qt::Key_1, Qt::Key_2}) {
        Type(key, Qt::KeypadModifier);
    }
    Type(Qt::Key_Plus, Qt::KeypadModifier);
    Type(Qt::Key_3, Qt::KeypadModifier);
    Type(Qt::Key_0, Qt::KeypadModifier);
    Type(Qt::Key_Plus, Qt::KeypadModifier);
    Type(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(TapeLines(), (std::vector<std::string>{"12 2", "30 2", "42 102"}));
    EXPECT_EQ(State().LastValue, 42);
}

TEST_F(ProgramTest, KeysReachTheWindowWhicheverControlHasTheFocus) {
    Start();
    QWidget* focusHolders[] = {Window().RoundOpt(6), Window().Key(3), &Window().Tape(),
                               Window().RoundOpt(2)};
    std::string typed;
    for (QWidget* holder : focusHolders) {
        holder->setFocus();
        Type(Qt::Key_7);
        typed += "7";
        EXPECT_EQ(State().EntryText, typed);
    }
}

TEST_F(ProgramTest, AHeldKeyActsOnceAlthoughX11RepeatsReleasesToo) {
    Start();
    Press(Qt::Key_5);
    for (int i = 0; i < 5; ++i) {
        Release(Qt::Key_5, {}, true);
        Press(Qt::Key_5, {}, true);
    }
    EXPECT_EQ(State().EntryText, "5");
    EXPECT_TRUE(Window().Key(5)->IsFacePressed());
    Release(Qt::Key_5);
    EXPECT_FALSE(Window().Key(5)->IsFacePressed());
    Type(Qt::Key_5);
    EXPECT_EQ(State().EntryText, "55");
}

// The focus starts, visibly, on the selected option button; Tab walks on through the keys 0..30
// and back, Shift+Tab the other way; the tape and the other option buttons are no stops.
TEST_F(ProgramTest, TabWalksTheSelectedOptionThenTheKeys) {
    Start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    QWidget* selected = Window().RoundOpt(RoundOption::FloatingPoint);
    EXPECT_EQ(QApplication::focusWidget(), selected);
    EXPECT_TRUE(Window().testAttribute(Qt::WA_KeyboardFocusChange));
    std::vector<QWidget*> order{selected};
    for (int key = 0; key <= KeyCommand::Undo; ++key) {
        if (Window().Key(key)->isEnabled()) {
            order.push_back(Window().Key(key));
        }
    }
    order.push_back(selected);
    for (std::size_t i = 1; i < order.size(); ++i) {
        Type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << "Tab " << i;
    }
    for (std::size_t i = order.size() - 1; i-- > 0;) {
        Type(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << "Shift+Tab to " << i;
    }
}

// Space is the "00" key: with a key focused it enters 00 once and does not click that key.
TEST_F(ProgramTest, AFocusedKeyLeavesMappedKeysToTheMapping) {
    Start();
    Window().Key(7)->setFocus();
    Type(Qt::Key_1);
    Type(Qt::Key_Space);
    Type(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(TapeLines(), (std::vector<std::string>{"100 2"}));
    Window().Key(7)->click();  // the accessible press of a focused key
    EXPECT_EQ(State().EntryText, "7");
}

TEST_F(ProgramTest, ShiftedDigitsAndCtrlShortcuts) {
    Start();
    Type(Qt::Key_8);
    Press(Qt::Key_Shift, Qt::ShiftModifier);
    Type(Qt::Key_Asterisk, Qt::ShiftModifier);  // Shift+8: Multiply
    Release(Qt::Key_Shift);
    Type(Qt::Key_5);
    Press(Qt::Key_Shift, Qt::ShiftModifier);
    Type(Qt::Key_Percent, Qt::ShiftModifier);  // Shift+5: Percent
    Release(Qt::Key_Shift);
    Type(Qt::Key_Return);
    EXPECT_EQ(TapeLines(), (std::vector<std::string>{"8 4", "0.05 8", "0.4 -2"}));

    Press(Qt::Key_Control, Qt::ControlModifier);
    Type(Qt::Key_3, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(Engine().GetRoundOption(), 3);
    EXPECT_TRUE(Window().RoundOpt(3)->isChecked());
    Type(Qt::Key_Space, Qt::ControlModifier);
    Release(Qt::Key_Control);
    EXPECT_FALSE(State().TapeVisible);
    EXPECT_FALSE(Window().Tape().isVisible());
}

TEST_F(ProgramTest, EscapeAsksAndOnlyOkCloses) {
    Start();
    Type(Qt::Key_4);
    Type(Qt::Key_Escape);
    EXPECT_EQ(question.asked,
              std::vector<std::string>{"Exit Reckora Calculator | Reckora Calculator"});
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(State().EntryText, "4");

    question.answer = QuestionAnswer::Ok;
    Type(Qt::Key_Escape);
    EXPECT_EQ(question.asked.size(), 2U);
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(ProgramTest, LosingTheFocusFreesHeldKeysAndRestsTheFaces) {
    Start();
    Window().activateWindow();
    ASSERT_TRUE(WaitFor([&] { return QGuiApplication::focusWindow() == Window().windowHandle(); }));
    Press(Qt::Key_9);
    QTest::mousePress(Window().Key(2), Qt::RightButton);
    EXPECT_TRUE(Window().Key(9)->IsFacePressed());
    EXPECT_TRUE(Window().Key(2)->IsFacePressed());

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(WaitFor([&] { return QGuiApplication::focusWindow() == other.windowHandle(); }));
    EXPECT_EQ(program->Keyboard().LastKeyDown(), 0);
    EXPECT_FALSE(Window().Key(9)->IsFacePressed());
    EXPECT_FALSE(Window().Key(2)->IsFacePressed());

    // The release of 9 went to the other window; back here 9 is taken again at once.
    Window().activateWindow();
    ASSERT_TRUE(WaitFor([&] { return QGuiApplication::focusWindow() == Window().windowHandle(); }));
    Press(Qt::Key_9);
    EXPECT_EQ(State().EntryText, "99");
}

TEST_F(ProgramTest, MouseFacesAndReleaseTable) {
    Start();
    QTest::mousePress(Window().Key(4), Qt::LeftButton);
    EXPECT_TRUE(Window().Key(4)->IsFacePressed());
    EXPECT_EQ(program->Faces().PressedFaces(), std::vector<int>{4});
    QTest::mouseRelease(Window().Key(4), Qt::LeftButton);
    EXPECT_FALSE(Window().Key(4)->IsFacePressed());

    Press(Qt::Key_Shift, Qt::ShiftModifier);
    Press(Qt::Key_Delete, Qt::ShiftModifier);
    Release(Qt::Key_Shift);
    EXPECT_TRUE(Window().Key(11)->IsFacePressed());
    Release(Qt::Key_Delete);
    EXPECT_FALSE(Window().Key(11)->IsFacePressed());
}

TEST_F(ProgramTest, AlwaysOnTopTogglesWithoutMovingOrResizing) {
    Start();
    QAction* onTop = Window().MenuEntry("m_OnTop");
    ASSERT_TRUE(onTop->isChecked());  // from the empty store
    EXPECT_TRUE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QRect before = Window().geometry();
    onTop->trigger();
    EXPECT_FALSE(onTop->isChecked());
    EXPECT_FALSE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(Window().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    onTop->trigger();
    EXPECT_TRUE(onTop->isChecked());
    EXPECT_TRUE(Window().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::qWait(20);
    EXPECT_EQ(Window().geometry(), before);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_FALSE(QFile::exists(SettingsFile()));
}

TEST_F(ProgramTest, ExitAndAboutFromTheMenus) {
    Start();
    Window().MenuEntry("m_About")->trigger();
    Window().MenuEntry("m_About")->trigger();
    EXPECT_EQ(about.shown, 2);
    Window().MenuEntry("m_Exit")->trigger();
    EXPECT_TRUE(question.asked.empty());
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(ProgramTest, NumLockIsSwitchedOnOnlyWhenOff) {
    numLock.on = false;
    Start();
    EXPECT_EQ(numLock.switched, 1);
    Start();
    EXPECT_EQ(numLock.switched, 1);
}

}  // namespace
}  // namespace reckora
