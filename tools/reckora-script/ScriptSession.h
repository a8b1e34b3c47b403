#pragma once
// The calculator as the harness runs it: one core behind in-memory stand-ins for the window,
// started as the program starts with the given settings store.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CalculatorCore.h"
#include "MemoryScrollBar.h"
#include "MemoryWindow.h"
#include "MemoryWindowModel.h"
#include "RecordingPrinter.h"
#include "RecordingSurface.h"

namespace reckora::script {

struct SessionOptions {
    // Keep the tape's drawn picture (for checks against a full replay); otherwise the surface
    // only counts what is drawn.
    bool keepTapePicture = false;
    // The tape store the session keeps its tape in (`journal`); none keeps nothing.
    std::optional<std::filesystem::path> tapeStore = std::nullopt;
    // `journal` makes a missing store file at once; the program makes it with the first change.
    StoreFileMade storeFileMade = StoreFileMade::AtOnce;
};

// The settings store's keys and texts.
using StoredSettings = std::map<std::string, std::string>;

// The about window's title, which `menu m_About` notes among the messages.
inline constexpr const char* AboutTitle = "About Reckora";

class ScriptSession {
public:
    ScriptSession(const NumberLocale& locale, const StoredSettings& settings,
                  SessionOptions options = {});
    explicit ScriptSession(const NumberLocale& locale, SessionOptions options = {})
        : ScriptSession(locale, {}, options) {}
    ~ScriptSession();

    // A click on key face `number`; fires the display timer afterwards when asked to.
    void Key(int number, bool fireTimer);
    // A key clicked by its identity (a business key's menu entry does this).
    void Click(reckora::Key key, bool fireTimer);
    void Tick();
    // A click on rounding/input option `option`.
    void SelectOption(RoundingOption option) { core_->SelectOption(option); }
    // Refusal signals (three tones each) since the previous call.
    int TakeBeeps();
    void SetClipboard(const std::string& text);
    std::string ClipboardText() { return clipboard_.Text(); }
    // Every write to the clipboard so far, SetClipboard's included.
    int ClipboardWrites() const { return clipboard_.Writes(); }
    // How the next question is answered; later ones are answered Cancel again.
    void SetNextAnswer(QuestionAnswer answer) { nextAnswer_ = answer; }
    // The next dialog that asks for a line of text gets this text and OK; later ones, and every
    // one without a reply, are cancelled. A refusal the dialog would show goes to the messages.
    void SetNextReply(std::string text) { nextReply_ = std::move(text); }
    // The main window was closed (Exit, or Escape answered OK).
    bool Closed() const { return closed_; }
    // The program ends as its exit does; the messages shown since the last dump, those of the
    // exit included, are handed to whoever shows them next.
    std::vector<std::string> End();

    // The fields of the visible state, in dump order, each as compact JSON. Reading them changes
    // nothing; Dump starts the counts of beeps and messages again.
    std::vector<std::pair<std::string, std::string>> Fields();
    std::string Dump();

    CalculatorCore& Core() { return *core_; }
    // The settings store as the session left it (Save Settings writes there).
    const StoredSettings& Settings() const { return store_.Values(); }
    // A message the program would show; dump lists it under "messages".
    void NoteMessage(std::string text) { messages_.push_back(std::move(text)); }
    Calculator& Engine() { return core_->Engine(); }
    CalcTape& Tape() { return core_->Tape(); }
    const TapeModel& Lines() const { return core_->Lines(); }
    RecordingSurface& TapeSurface() { return surface_; }
    MemoryScrollBar& TapeScrollBar() { return scrollBar_; }
    RecordingPrintService& TapePrinting() { return printing_; }
    MemoryDisplay& Display() { return display_; }
    const MemoryWindowModel& Window() const { return window_; }

private:
    void TakePrintMessages();
    std::optional<std::string> Reply(const TextRequest& request);

    // The display label starts with its caption from the window description.
    MemoryDisplay display_{"Hello"};
    MemoryLabel memory_;
    MemoryLabel counter_{"0 "};
    CountingClipboard clipboard_;
    MemoryWindowModel window_;
    MemoryPlacement placement_{window_};
    MemorySettingsStore store_;
    RecordingSurface surface_;
    MemoryScrollBar scrollBar_;
    RecordingPrintService printing_;
    std::optional<RoundingOption> selectedOption_;
    bool timerArmed_ = false;
    bool undoAvailable_ = false;
    int tones_ = 0;
    bool onTop_ = false;
    QuestionAnswer nextAnswer_ = QuestionAnswer::Cancel;
    std::optional<std::string> nextReply_;
    bool closed_ = false;
    std::vector<std::string> messages_;
    std::unique_ptr<CalculatorCore> core_;
};

}  // namespace reckora::script
