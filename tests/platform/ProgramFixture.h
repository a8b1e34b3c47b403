#pragma once
// The whole program under the offscreen platform, started through its load handler with the
// settings store in a temporary folder and stand-ins for NumLock, the exit question and the
// about window. Keys are sent to the main window's native window, as the window system does.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CalculatorProgram.h"

namespace reckora::testing {

struct FakeNumLock : NumLockKeyboard {
    bool on = false;
    int switched = 0;
    bool IsNumLockOn() override { return on; }
    void SwitchNumLockOn() override {
        on = true;
        ++switched;
    }
};

struct ScriptedQuestion : QuestionBox {
    QuestionAnswer answer = QuestionAnswer::Cancel;
    std::vector<std::string> asked;
    QuestionAnswer AskOkCancel(const std::string& prompt, const std::string& title) override {
        asked.push_back(prompt + " | " + title);
        return answer;
    }
};

struct CountingAbout : AboutWindowShower {
    int shown = 0;
    void ShowAboutModal() override { ++shown; }
};

// Lets events run until the condition holds or two seconds have passed.
inline bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 200 && !condition(); ++i) {
        QTest::qWait(10);
    }
    return condition();
}

class ProgramTest : public ::testing::Test {
protected:
    QTemporaryDir config;
    FakeNumLock numLock;
    ScriptedQuestion question;
    CountingAbout about;
    std::unique_ptr<CalculatorProgram> program;

    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    }
    void TearDown() override { program.reset(); }

    // The settings file the store writes.
    QString SettingsFile() const { return config.path() + "/Reckora/Reckora.conf"; }

    void WriteSetting(const QString& key, const QString& value) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Reckora", "Reckora");
        settings.setValue("Calculator/" + key, value);
    }
    QString ReadSetting(const QString& key) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Reckora", "Reckora");
        return settings.value("Calculator/" + key).toString();
    }

    void Start() {
        program.reset();
        CalculatorProgramOptions options;
        options.window.twipsPerPixel = 15;
        options.numLock = &numLock;
        options.question = &question;
        options.about = &about;
        program = std::make_unique<CalculatorProgram>(options);
        program->Form_Load();
        Window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    }

    MainWindow& Window() { return program->Window(); }
    Calculator& Engine() { return program->Calculator().Engine(); }
    const EngineState& State() { return Engine().State(); }

    void Send(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers = {},
              bool autoRepeat = false) {
        QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
        QCoreApplication::sendEvent(Window().windowHandle(), &event);
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false) {
        Send(QEvent::KeyPress, key, modifiers, autoRepeat);
    }
    void Release(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false) {
        Send(QEvent::KeyRelease, key, modifiers, autoRepeat);
    }
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        Press(key, modifiers);
        Release(key, modifiers);
    }

    // The tape's lines as "text code".
    std::vector<std::string> TapeLines() {
        std::vector<std::string> lines;
        const CalcTape& tape = program->Calculator().Tape();
        for (std::int32_t i = 1; i <= tape.CurrentLine(); ++i) {
            lines.push_back(std::string(tape.Line(i).NumStr.View()) + " " +
                            std::to_string(tape.Line(i).Op));
        }
        return lines;
    }
};

}  // namespace reckora::testing
