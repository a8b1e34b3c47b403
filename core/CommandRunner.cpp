#include "CommandRunner.h"

#include <algorithm>
#include <utility>

#include "Overloaded.h"

namespace reckora {
namespace {

// The first line a command may have changed: the tape work's line, or where the lines in force
// grew or shrank.
std::int32_t FirstChanged(const CalcCommand& command, std::int32_t before, std::int32_t after) {
    if (const auto* correct = std::get_if<CorrectLine>(&command)) {
        return correct->line;
    }
    if (const auto* note = std::get_if<NoteLine>(&command)) {
        return note->line;
    }
    return before != after ? std::min(before, after) + 1 : 0;
}

const std::string NoTapeWork;

EntryAndOption SettingsOf(const Calculator& engine) {
    return {engine.State().entryText, engine.GetRoundingOption(), engine.State().taxRate,
            engine.State().roundingDirection};
}

}  // namespace

CommandRunner::CommandRunner(CommandTarget& target, RunnerUse use) : target_(target), use_(use) {}

CommandRunner::~CommandRunner() {
    if (tape_ != nullptr) {
        tape_->StopListening(listening_);
    }
}

void CommandRunner::Follow(TapeModel& tape) {
    tape_ = &tape;
    listening_ = tape.Listen([this](const TapeChange& change) {
        if (lineChanges_) {
            lineChanges_ = lineChanges_->Then(change.lines);
        }
    });
}

void CommandRunner::Listen(Listener listener) {
    listeners_.push_back(std::move(listener));
}

CalcCommand CommandRunner::Resolved(const CalcCommand& command) const {
    const auto* press = std::get_if<PressKey>(&command);
    if (press && press->key == Key::Undo && tapeWork_ && tapeWork_->HoldsCorrectionUndo()) {
        return UndoCorrection{};
    }
    return command;
}

std::optional<std::string> CommandRunner::Dispatch(const CalcCommand& command) {
    Calculator& engine = target_.Engine();
    const auto noTapeWork = [this] { return tapeWork_ == nullptr; };
    return std::visit(
        Overloaded{
            [&](const PressKey& press) -> std::optional<std::string> {
                engine.Press(press.key);
                return std::nullopt;
            },
            [&](const PressFace& face) -> std::optional<std::string> {
                engine.PressNumber(face.number);
                return std::nullopt;
            },
            [&](const PasteEntry& paste) -> std::optional<std::string> {
                engine.PasteText(paste.text);
                return std::nullopt;
            },
            [&](const ChooseOption& choose) -> std::optional<std::string> {
                engine.SelectRoundingOption(choose.option);
                return std::nullopt;
            },
            [&](const NoteSettings&) -> std::optional<std::string> { return std::nullopt; },
            [&](const ChooseTaxRate& rate) -> std::optional<std::string> {
                engine.SetTaxRate(rate.percent);
                return std::nullopt;
            },
            [&](const ChooseRoundingDirection& choose) -> std::optional<std::string> {
                engine.SetRoundingDirection(choose.direction);
                return std::nullopt;
            },
            [&](const CorrectLine& correct) -> std::optional<std::string> {
                return noTapeWork() ? NoTapeWork : tapeWork_->Correct(correct.line, correct.text);
            },
            [&](const NoteLine& note) -> std::optional<std::string> {
                return noTapeWork() ? NoTapeWork : tapeWork_->Note(note.line, note.note);
            },
            [&](const UndoCorrection&) -> std::optional<std::string> {
                return noTapeWork() || !tapeWork_->HoldsCorrectionUndo()
                           ? NoTapeWork
                           : tapeWork_->TakeBackCorrection();
            },
        },
        command);
}

CommandOutcome CommandRunner::Run(const CalcCommand& given) {
    CommandOutcome outcome{.command = Resolved(given),
                           .record = {},
                           .firstChanged = 0,
                           .linesBefore = 0,
                           .linesAfter = 0,
                           .lineChanges = std::nullopt,
                           .stateChanged = false,
                           .engineRefused = false,
                           .declined = std::nullopt};
    if (IsKey(outcome.command)) {
        target_.BeforeKey();
    }
    Calculator& engine = target_.Engine();
    const bool live = use_ == RunnerUse::Live;
    const EntryAndOption before = live ? SettingsOf(engine) : EntryAndOption{};
    const std::optional<SavedState> stateBefore =
        live ? std::optional(target_.State()) : std::nullopt;
    const int refusals = engine.RefusalCount();
    outcome.linesBefore = target_.LinesInForce();
    // A command run while another runs adds its changes to that one's as well.
    const std::optional<LineChanges> outer = std::exchange(
        lineChanges_,
        tape_ != nullptr ? std::optional(LineChanges::None(tape_->CurrentLine())) : std::nullopt);

    outcome.declined = Dispatch(outcome.command);

    Calculator& after = target_.Engine();
    outcome.linesAfter = target_.LinesInForce();
    outcome.lineChanges = std::exchange(lineChanges_, outer);
    if (lineChanges_ && outcome.lineChanges) {
        lineChanges_ = lineChanges_->Then(*outcome.lineChanges);
    }
    outcome.engineRefused = after.RefusalCount() != refusals;
    outcome.stateChanged = stateBefore && *stateBefore != target_.State();
    outcome.firstChanged = FirstChanged(outcome.command, outcome.linesBefore, outcome.linesAfter);
    outcome.record = RecordOf(outcome.command, before, SettingsOf(after));
    for (const Listener& listener : listeners_) {
        listener(outcome);
    }
    return outcome;
}

}  // namespace reckora
