#include "ScriptSession.h"

#include "BusinessTexts.h"

#include <sstream>

#include "JsonText.h"

namespace reckora::script {

namespace {

// What border, title bar and menu bar add to the client area of the in-memory window.
constexpr float NonClientWidth = 240;
constexpr float NonClientHeight = 690;

RecordingSurface::Options SurfaceOptions(bool keepPicture) {
    RecordingSurface::Options options;
    options.keepPicture = keepPicture;
    return options;
}

const char* Boolean(bool value) {
    return value ? "true" : "false";
}

}  // namespace

ScriptSession::ScriptSession(const NumberLocale& locale, const StoredSettings& settings,
                             SessionOptions options)
    : window_(15, NonClientWidth, NonClientHeight),
      surface_(SurfaceOptions(options.keepTapePicture)) {
    store_.Values() = settings;
    core_ = std::make_unique<CalculatorCore>(CorePorts{
        .readLocale = [locale] { return locale; },
        .display = display_,
        .memory = memory_,
        .counter = counter_,
        .clipboard = clipboard_,
        .window = window_,
        .placement = placement_,
        .store = store_,
        .tapeSurface = surface_,
        .tapeScrollBar = scrollBar_,
        .printing = printing_,
        .showSelectedOption = [this](RoundingOption option) { selectedOption_ = option; },
        .setBlinkInterval = [this](int milliseconds) { timerArmed_ = milliseconds > 0; },
        .showUndoAvailable = [this](bool available) { undoAvailable_ = available; },
        .showKeyFace = {},
        .giveFocusToMainWindow = {},
        .setAlwaysOnTop = [this](bool onTop) { onTop_ = onTop; },
        .beep = [this](int, int) { ++tones_; },
        .ask =
            [this](const std::string& prompt, const std::string&) {
                messages_.push_back(prompt);
                return std::exchange(nextAnswer_, QuestionAnswer::Cancel);
            },
        .showAbout = [this] { messages_.push_back(AboutTitle); },
        .closeWindow = [this] { closed_ = true; },
        .requestNumLockOn = {},
        .tapeStorePath = options.tapeStore,
        .storeFileMade = options.storeFileMade,
        .showMessage = [this](const std::string& message) { messages_.push_back(message); },
        .chooseSaveFile = {},
        .showTapeHistory = {},
        .askText = [this](const TextRequest& request) { return Reply(request); },
        .confirmColumn =
            [this](const ColumnPreview&) {
                return std::exchange(nextAnswer_, QuestionAnswer::Cancel) == QuestionAnswer::Ok;
            },
    });
    core_->Window().OnTapeResize();
}

ScriptSession::~ScriptSession() = default;

void ScriptSession::Key(int number, bool fireTimer) {
    core_->Window().ClickKey(number);
    if (fireTimer) {
        Tick();
    }
}

void ScriptSession::Click(reckora::Key key, bool fireTimer) {
    core_->Window().Click(key);
    if (fireTimer) {
        Tick();
    }
}

std::vector<std::string> ScriptSession::End() {
    core_->KeptTapes().OnExit();
    TakePrintMessages();
    return std::exchange(messages_, {});
}

std::optional<std::string> ScriptSession::Reply(const TextRequest& request) {
    std::optional<std::string> reply = std::exchange(nextReply_, std::nullopt);
    if (reply && request.apply) {
        if (std::optional<std::string> refusal = request.apply(*reply)) {
            messages_.push_back(std::move(*refusal));
            return std::nullopt;
        }
    }
    return reply;
}

void ScriptSession::Tick() {
    if (timerArmed_) {
        core_->OnBlinkTimeout();
    }
}

int ScriptSession::TakeBeeps() {
    const int signals = tones_ / 3;
    tones_ %= 3;
    return signals;
}

void ScriptSession::SetClipboard(const std::string& text) {
    clipboard_.SetText(text);
}

void ScriptSession::TakePrintMessages() {
    for (std::string& text : printing_.TakeMessageTexts()) {
        messages_.push_back(std::move(text));
    }
}

std::vector<std::pair<std::string, std::string>> ScriptSession::Fields() {
    TakePrintMessages();
    const EngineState& state = Engine().State();
    std::vector<std::pair<std::string, std::string>> fields;
    const auto add = [&fields](const char* name, std::string value) {
        fields.emplace_back(name, std::move(value));
    };
    add("display", JsonString(display_.Caption()));
    add("color", std::to_string(ColourNumber(display_.Color())));
    add("memory", JsonString(memory_.Caption()));
    add("counter", JsonString(counter_.Caption()));
    add("option", std::to_string(OptionIndex(Engine().GetRoundingOption())));
    add("entry", JsonString(state.entryText));
    add("lock", Boolean(state.errorState));
    add("undo", Boolean(undoAvailable_));
    add("timer", Boolean(timerArmed_));
    add("tapeVisible", Boolean(core_->Window().Layout().TapeVisible()));
    add("beeps", std::to_string(tones_ / 3));
    add("clipboard", JsonString(clipboard_.Text()));
    std::string list;
    for (const std::string& text : messages_) {
        list += (list.empty() ? "" : ",") + JsonString(text);
    }
    add("messages", "[" + list + "]");
    list.clear();
    for (reckora::Key face : core_->Window().Faces().PressedFaces()) {
        list += (list.empty() ? "" : ",") + std::to_string(KeyNumber(face));
    }
    add("pressed", "[" + list + "]");
    std::ostringstream tape;
    const TapeModel& lines = Lines();
    for (std::int32_t position = 1; position <= lines.CurrentLine(); ++position) {
        const TapeLine& line = lines.Line(position);
        tape << (position > 1 ? "," : "") << "[" << JsonString(line.text.View()) << ","
             << TapeLineCode(line.mark, line.itemCount) << "," << Boolean(line.ink == Ink::Dark)
             << "]";
    }
    add("tape", "[" + tape.str() + "]");
    list.clear();
    for (const auto& [key, value] : store_.Values()) {
        list += (list.empty() ? "" : ",") + JsonString(key) + ":" + JsonString(value);
    }
    add("store", "{" + list + "}");
    add("onTop", Boolean(core_->Window().AlwaysOnTop()));
    add("sheet", std::to_string(core_->KeptTapes().CurrentSheet().value_or(0)));
    add("selected", std::to_string(core_->TapeWork().SelectedLine()));
    std::string notes;
    std::string corrections;
    std::string changed;
    for (const auto& [position, extras] : lines.AllExtras()) {
        const std::string number = std::to_string(position);
        if (!extras.note.empty()) {
            notes +=
                (notes.empty() ? "" : ",") + JsonString(number) + ":" + JsonString(extras.note);
        }
        if (!extras.original.empty()) {
            corrections += (corrections.empty() ? "[" : ",[") + number + "," +
                           JsonString(extras.original) + "]";
        }
        if (extras.changed) {
            changed += (changed.empty() ? "" : ",") + number;
        }
    }
    add("notes", "{" + notes + "}");
    add("corrections", "[" + corrections + "]");
    add("changed", "[" + changed + "]");
    add("grandTotal", JsonString(GrandTotalShown(state, core_->Locale())));
    return fields;
}

std::string ScriptSession::Dump() {
    std::string line;
    for (const auto& [name, value] : Fields()) {
        line += (line.empty() ? "{" : ",") + JsonString(name) + ":" + value;
    }
    messages_.clear();
    TakeBeeps();
    return line + "}";
}

}  // namespace reckora::script
