#include "ScriptSession.h"

#include <sstream>

#include "CalcTape.h"
#include "CountingFocus.h"
#include "HeadlessKeyboard.h"
#include "JsonText.h"
#include "KeyCommand.h"
#include "MemoryScrollBar.h"
#include "RecordingPrinter.h"
#include "RecordingSurface.h"

namespace reckora::script {

// The tape's surroundings in memory: a surface with the design metrics of the tape font that
// only counts what is drawn, a scroll bar, the focus hand-back and a recording print service.
RecordingSurface::Options SurfaceOptions(bool keepPicture) {
    RecordingSurface::Options options;
    options.keepPicture = keepPicture;
    return options;
}

class HeadlessTapeParts {
public:
    explicit HeadlessTapeParts(bool keepPicture) : surface(SurfaceOptions(keepPicture)) {}

    RecordingSurface surface;
    MemoryScrollBar scrollBar;
    CountingFocus focus;
    RecordingPrintService printing;
    std::unique_ptr<CalcTape> tape;
};

ScriptSession::ScriptSession(const NumberLocale& locale, SessionOptions options)
    : tapeParts_(std::make_unique<HeadlessTapeParts>(options.keepTapePicture)) {
    HeadlessTapeParts& parts = *tapeParts_;
    parts.tape =
        std::make_unique<CalcTape>(parts.surface, parts.scrollBar, parts.focus, parts.printing);
    parts.tape->UserControl_Resize();
    const EnginePorts ports{display_, memory_,    counter_, options_, timer_,
                            undo_,    clipboard_, beeper_,  layout_,  *parts.tape};
    calculator_ = std::make_unique<Calculator>(ports, locale);
    // As after a first start with an empty settings store.
    calculator_->SelectRoundOption(RoundOption::FloatingPoint);
    calculator_->SetTapeVisible(true);
    keyboard_ = std::make_unique<HeadlessKeyboard>(*this);
}

ScriptSession::~ScriptSession() = default;

CalcTape& ScriptSession::Tape() {
    return *tapeParts_->tape;
}

RecordingSurface& ScriptSession::TapeSurface() {
    return tapeParts_->surface;
}

MemoryScrollBar& ScriptSession::TapeScrollBar() {
    return tapeParts_->scrollBar;
}

RecordingPrintService& ScriptSession::TapePrinting() {
    return tapeParts_->printing;
}

void ScriptSession::Key(int index, bool fireTimer) {
    calculator_->theButton_Click(index);
    if (fireTimer) {
        Tick();
    }
}

void ScriptSession::Tick() {
    if (timer_.Armed()) {
        calculator_->Timer1_Timer();
    }
}

void ScriptSession::SelectOption(int option) {
    calculator_->SelectRoundOption(option);
}

void ScriptSession::SetClipboard(const std::string& text) {
    clipboard_.SetText(text);
}

std::string ScriptSession::PressedFacesJson() const {
    std::string list;
    for (int face : keyboard_->Faces().PressedFaces()) {
        list += (list.empty() ? "" : ",") + std::to_string(face);
    }
    return list;
}

std::string ScriptSession::Dump() {
    const EngineState& state = calculator_->State();
    const auto boolean = [](bool value) { return value ? "true" : "false"; };
    std::ostringstream out;
    out << "{\"display\":" << JsonString(display_.Caption()) << ",\"color\":" << display_.Color()
        << ",\"memory\":" << JsonString(memory_.Caption())
        << ",\"counter\":" << JsonString(counter_.Caption())
        << ",\"option\":" << calculator_->GetRoundOption()
        << ",\"entry\":" << JsonString(state.EntryText) << ",\"lock\":" << boolean(state.ErrorState)
        << ",\"undo\":" << boolean(undo_.Enabled()) << ",\"timer\":" << boolean(timer_.Armed())
        << ",\"tapeVisible\":" << boolean(layout_.Visible())
        << ",\"beeps\":" << beeper_.TakeSignals()
        << ",\"clipboard\":" << JsonString(clipboard_.Text()) << ",\"messages\":[";
    for (std::string& text : tapeParts_->printing.TakeMessageTexts()) {
        messages_.push_back(std::move(text));
    }
    for (std::size_t i = 0; i < messages_.size(); ++i) {
        out << (i ? "," : "") << JsonString(messages_[i]);
    }
    messages_.clear();
    out << "],\"pressed\":[" << PressedFacesJson() << "],\"tape\":[";
    const CalcTape& tape = Tape();
    for (std::int32_t position = 1; position <= tape.CurrentLine(); ++position) {
        const TapeLine& line = tape.Line(position);
        out << (position > 1 ? "," : "") << "[" << JsonString(line.NumStr.View()) << "," << line.Op
            << "," << boolean(line.CLR) << "]";
    }
    out << "]}";
    return out.str();
}

}  // namespace reckora::script
