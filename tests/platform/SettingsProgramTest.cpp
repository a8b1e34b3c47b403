// The six settings through a real QSettings file in a temporary config folder: first start,
// Save Settings and the next start, corrupted values, positions beyond the screen, and Restore
// Default leaving the store alone.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QScreen>

#include "ProgramFixture.h"
#include "QtSettingsStore.h"

namespace reckora {
namespace {

using testing::ProgramTest;
using testing::WaitFor;

constexpr int Tpp = 15;

std::string Describe(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

TEST_F(ProgramTest, FirstStartWithAnEmptyStore) {
    Start();
    EXPECT_EQ(Engine().GetRoundOption(), RoundOption::FloatingPoint);
    EXPECT_TRUE(Window().RoundOpt(6)->isChecked());
    EXPECT_TRUE(State().TapeVisible);
    EXPECT_TRUE(Window().MenuEntry("m_OnTop")->isChecked());
    EXPECT_TRUE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // Centred on the screen.
    const QRect screen = Window().screen()->geometry();
    const QRect frame = Window().frameGeometry();
    EXPECT_NEAR(frame.center().y(), screen.center().y(), 8);
    EXPECT_NEAR(frame.center().x(), screen.center().x(), 8);
    EXPECT_FALSE(QFile::exists(SettingsFile()));
}

TEST_F(ProgramTest, SavedSettingsComeBackOnTheNextStart) {
    Start();
    Type(Qt::Key_2, Qt::ControlModifier);
    Type(Qt::Key_Space, Qt::ControlModifier);
    Window().MenuEntry("m_OnTop")->trigger();
    Window().move(120, 90);
    Window().resize(Window().width(), Window().height() + 40);
    ASSERT_TRUE(WaitFor([&] { return Window().frameGeometry().topLeft() == QPoint(120, 90); }));
    const QRect saved = Window().frameGeometry();
    Window().MenuEntry("m_SaveSettings")->trigger();

    EXPECT_EQ(ReadSetting("ShowTape"), "False");
    EXPECT_EQ(ReadSetting("AlwaysOnTop"), "False");
    EXPECT_EQ(ReadSetting("RoundOption"), "2");
    EXPECT_EQ(ReadSetting("WindowHeight"), QString::number(saved.height() * Tpp));
    EXPECT_EQ(ReadSetting("WindowTop"), QString::number(90 * Tpp));
    EXPECT_EQ(ReadSetting("WindowLeft"), QString::number(120 * Tpp));

    Start();
    EXPECT_EQ(Engine().GetRoundOption(), 2);
    EXPECT_TRUE(Window().RoundOpt(2)->isChecked());
    EXPECT_FALSE(State().TapeVisible);
    EXPECT_FALSE(Window().MenuEntry("m_OnTop")->isChecked());
    EXPECT_FALSE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(WaitFor([&] { return Window().frameGeometry() == saved; }))
        << "now " << Describe(Window().frameGeometry()) << ", saved " << Describe(saved);
}

TEST_F(ProgramTest, CorruptedValuesFallBackToTheirDefaults) {
    WriteSetting("ShowTape", "maybe");
    WriteSetting("AlwaysOnTop", "0");
    WriteSetting("RoundOption", "9");
    WriteSetting("WindowHeight", "tall");
    WriteSetting("WindowTop", "");
    WriteSetting("WindowLeft", "12,5px");
    Start();
    EXPECT_TRUE(State().TapeVisible);
    EXPECT_FALSE(Window().MenuEntry("m_OnTop")->isChecked());  // "0" is a valid false
    EXPECT_EQ(Engine().GetRoundOption(), RoundOption::FloatingPoint);
    const QRect screen = Window().screen()->geometry();
    EXPECT_NEAR(Window().frameGeometry().center().y(), screen.center().y(), 8);
    EXPECT_NEAR(Window().frameGeometry().center().x(), screen.center().x(), 8);
}

TEST_F(ProgramTest, APositionBeyondTheScreenRestoresTo0) {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    WriteSetting("WindowTop", QString::number(screen.height() * Tpp));
    WriteSetting("WindowLeft", QString::number(screen.width() * Tpp + 3000));
    Start();
    EXPECT_TRUE(WaitFor([&] { return Window().frameGeometry().topLeft() == QPoint(0, 0); }));
}

TEST_F(ProgramTest, RestoreDefaultLeavesTheStoreAndThePlaceAlone) {
    WriteSetting("RoundOption", "1");
    WriteSetting("ShowTape", "False");
    WriteSetting("AlwaysOnTop", "False");
    WriteSetting("WindowTop", "1500");
    WriteSetting("WindowLeft", "1200");
    Start();
    ASSERT_EQ(Engine().GetRoundOption(), 1);
    Window().resize(Window().width(), Window().height() + 50);
    ASSERT_TRUE(WaitFor([&] { return Window().frameGeometry().topLeft() == QPoint(80, 100); }));
    QFile file(SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    file.close();

    const int standardHeight = [&] {
        Window().MenuEntry("m_Default")->trigger();
        return Window().height();
    }();
    EXPECT_EQ(Engine().GetRoundOption(), RoundOption::FloatingPoint);
    EXPECT_TRUE(State().TapeVisible);
    EXPECT_TRUE(Window().MenuEntry("m_OnTop")->isChecked());
    EXPECT_TRUE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(program->Calculator().Model().ClientHeight(), 4110);
    EXPECT_EQ(Window().ClientHeightPixels() * Tpp, 4110);
    EXPECT_GT(standardHeight, 0);
    EXPECT_EQ(Window().frameGeometry().topLeft(), QPoint(80, 100));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), stored);

    Start();
    EXPECT_EQ(Engine().GetRoundOption(), 1);
    EXPECT_FALSE(State().TapeVisible);
}

// Start-up as on a first start: Floating Point, the tape shown, the window topmost.
void ExpectDefaults(MainWindow& window, const EngineState& state, Calculator& engine) {
    EXPECT_EQ(engine.GetRoundOption(), RoundOption::FloatingPoint);
    EXPECT_TRUE(state.TapeVisible);
    EXPECT_TRUE(window.MenuEntry("m_OnTop")->isChecked());
}

TEST_F(ProgramTest, BinaryGarbageInTheSettingsFileStartsWithDefaults) {
    QDir().mkpath(config.path() + "/Reckora");
    QFile file(SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage.append(static_cast<char>((i * 7919 + 13) % 256));
    }
    garbage.insert(100, "\n[Calculator]\nRoundOption=\x01\x02\nShowTape=\xff\xfe\n");
    file.write(garbage);
    file.close();

    Start();
    ExpectDefaults(Window(), State(), Engine());
    Window().MenuEntry("m_SaveSettings")->trigger();
    EXPECT_EQ(ReadSetting("RoundOption"), "6");
}

TEST_F(ProgramTest, ASettingsStoreThatCannotBeReadStartsWithDefaults) {
    // A folder where the settings file should be: it can be neither read nor written.
    ASSERT_TRUE(QDir().mkpath(SettingsFile()));
    Start();
    ExpectDefaults(Window(), State(), Engine());
    Window().MenuEntry("m_SaveSettings")->trigger();
    EXPECT_TRUE(QFileInfo(SettingsFile()).isDir());
}

TEST_F(ProgramTest, ASettingsStoreThatCannotBeWrittenIsSkippedOnSave) {
    // A file where the settings folder should be: nothing can be created below it.
    QFile blocker(config.path() + "/Reckora");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Start();
    ExpectDefaults(Window(), State(), Engine());
    Type(Qt::Key_2, Qt::ControlModifier);
    Window().MenuEntry("m_SaveSettings")->trigger();
    EXPECT_EQ(Engine().GetRoundOption(), 2);
    EXPECT_FALSE(QFileInfo(SettingsFile()).exists());
}

TEST(QtSettingsStore, MissingKeysAndValuesThatAreNotText) {
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QtSettingsStore store;
    EXPECT_EQ(store.GetSetting("Reckora", "Calculator", "ShowTape", "True"), "True");
    store.SaveSetting("Reckora", "Calculator", "ShowTape", "False");
    store.SaveSetting("Reckora", "Calculator", "WindowTop", "1200,5");
    EXPECT_EQ(store.GetSetting("Reckora", "Calculator", "ShowTape", "True"), "False");
    EXPECT_EQ(store.GetSetting("Reckora", "Calculator", "WindowTop", "-1"), "1200,5");
    EXPECT_EQ(store.GetSetting("Reckora", "Other", "ShowTape", "x"), "x");
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Reckora", "Reckora");
        settings.setValue("Calculator/WindowLeft", QStringList{"1", "2"});
    }
    EXPECT_EQ(store.GetSetting("Reckora", "Calculator", "WindowLeft", "-1"), "-1");
    QFile file(config.path() + "/Reckora/Reckora.conf");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("[Calculator]"));
}

}  // namespace
}  // namespace reckora
