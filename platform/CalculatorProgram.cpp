#include "CalculatorProgram.h"

#include <QAction>

#include "AboutWindow.h"
#include "AlwaysOnTop.h"
#include "KeyPreview.h"
#include "NumLock.h"
#include "QtQuestionBox.h"
#include "QtSettingsStore.h"
#include "QtWindowPlacement.h"

namespace reckora {

// The small adapters between the logic's interfaces and the Qt window.
class CalculatorProgram::Parts : public TapePager,
                                 public WindowUnloader,
                                 public StandardHeight,
                                 public AlwaysOnTopSwitch {
public:
    explicit Parts(CalculatorWindow& calculator)
        : calculator_(calculator),
          adapter(calculator.Engine()),
          placement(calculator.Window(), calculator.Model(), calculator.Window().TwipsPerPixel()),
          question(calculator.Window()),
          about(calculator.Window()) {}

    void PageUpDown(bool up) override { calculator_.Tape().PageUpDown(up); }
    void Unload() override { calculator_.Window().close(); }
    void SetStdHeight() override { calculator_.Layout().SetStdHeight(); }
    bool OnTopChecked() const override { return OnTopEntry().isChecked(); }
    void SetOnTopChecked(bool checked) override { OnTopEntry().setChecked(checked); }
    void SetAlwaysOnTop(bool flag) override { reckora::SetAlwaysOnTop(calculator_.Window(), flag); }

    QAction& OnTopEntry() const { return *calculator_.Window().MenuEntry(OnTopMenuEntry); }

    CalculatorWindow& calculator_;
    CalculatorAdapter adapter;
    QtSettingsStore store;
    QtWindowPlacement placement;
    QtQuestionBox question;
    QtAboutWindowShower about;
    SystemNumLock numLock;
};

CalculatorProgram::CalculatorProgram(CalculatorProgramOptions options)
    : options_(std::move(options)) {}

CalculatorProgram::~CalculatorProgram() = default;

void CalculatorProgram::Form_Load() {
    // Before the engine exists only the system's NumLock can be chosen; it is used last.
    SystemNumLock systemNumLock;
    reckora::Form_Load(*this, options_.numLock != nullptr ? *options_.numLock : systemNumLock);
    Window().FocusSelectedOption();
}

NumberLocale CalculatorProgram::GetDecimalSeparator() {
    return SystemNumberLocale();
}

void CalculatorProgram::StartEngine(const NumberLocale& locale) {
    CalculatorWindowOptions windowOptions = options_.window;
    windowOptions.locale = locale;
    calculator_ = std::make_unique<CalculatorWindow>(std::move(windowOptions));
    parts_ = std::make_unique<Parts>(*calculator_);
    Parts& parts = *parts_;
    MainWindow& window = calculator_->Window();

    QuestionBox& question = options_.question != nullptr ? *options_.question : parts.question;
    keyboard_ = std::make_unique<KeyboardMapping>(KeyboardPorts{
        parts.adapter, calculator_->Faces(), parts, question, parts, locale.DecimalSep == ","});
    preview_ = std::make_unique<KeyPreview>(window, *keyboard_);

    settings_ = std::make_unique<Settings>(
        SettingsPorts{parts.store, parts.placement, parts, parts.adapter}, locale.DecimalSep);

    AboutWindowShower& about = options_.about != nullptr ? *options_.about : parts.about;
    menus_ = std::make_unique<MenuCommands>(
        MenuPorts{parts.adapter, parts, *settings_, parts, parts, about});
    QObject::connect(&window, &MainWindow::menuWindowCommand, &window,
                     [this](WindowCommand command) { menus_->Run(WindowAction(command)); });
}

void CalculatorProgram::ScaleForScreen() {
    calculator_->Layout().ScaleForScreen();
}

void CalculatorProgram::LoadSettings() {
    settings_->LoadSettings();
}

}  // namespace reckora
