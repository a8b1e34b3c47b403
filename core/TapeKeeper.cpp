#include "TapeKeeper.h"

#include <algorithm>
#include <utility>

#include "NoticeWords.h"

namespace reckora {

TapeKeeper::TapeKeeper(SheetStore store, const NumberLocale& locale,
                       std::function<void(const TapeNotice&)> showNotice)
    : store_(std::move(store.keeping)),
      history_(store.history),
      form_(locale),
      locale_(locale),
      showNotice_(std::move(showNotice)) {
    TellNotices();
}

std::optional<KeptTape> TapeKeeper::LoadCurrent() {
    std::optional<store::LoadedSheet> sheet = store_->LoadCurrent();
    const bool hadCommands = sheet && sheet->summary.lastSequence > 0;
    currentName_ = sheet ? sheet->summary.name : std::string();
    std::optional<KeptTape> kept = Take(std::move(sheet));
    if (hadCommands && !kept) {
        // Kept as it is in the history; this session goes on on a fresh sheet.
        store_->NewSheet();
        nextSequence_ = 1;
        keptLines_ = 0;
        keptState_.reset();
        currentName_.clear();
    }
    TellNotices();
    return kept;
}

// A sheet is usable when every line has a known mark and its state reads back; a sheet without
// commands has nothing to bring back.
std::optional<KeptTape> TapeKeeper::Take(std::optional<store::LoadedSheet> sheet) {
    if (!sheet || sheet->summary.lastSequence == 0) {
        return std::nullopt;
    }
    std::optional<KeptTape> shown = Shown(sheet->lines);
    if (!shown) {
        return std::nullopt;
    }
    KeptTape& kept = *shown;
    kept.state = form_.StateOf(sheet->state);
    if (!kept.state) {
        return std::nullopt;
    }
    nextSequence_ = sheet->summary.lastSequence + 1;
    keptLines_ = static_cast<std::int32_t>(kept.lines.size());
    keptState_ = kept.state;
    needsBaseline_ = false;
    return shown;
}

std::optional<KeptTape> TapeKeeper::Shown(const std::vector<store::StoredLine>& lines) const {
    KeptTape kept;
    kept.lines.reserve(lines.size());
    for (const store::StoredLine& line : lines) {
        if (LineExtras extras = form_.Extras(line); !extras.Empty()) {
            kept.extras.emplace(static_cast<std::int32_t>(kept.lines.size()) + 1,
                                std::move(extras));
        }
        std::optional<TapeEntry> entry = form_.Entry(line);
        if (!entry) {
            return std::nullopt;
        }
        kept.lines.push_back(std::move(*entry));
    }
    return kept;
}

bool TapeKeeper::NameSheet(std::optional<store::SheetId> sheet, const std::string& name) {
    const store::WriteResult result = store_->NameSheet(sheet, name);
    const bool named = result == store::WriteResult::Stored || result == store::WriteResult::Held;
    if (named && (!sheet || sheet == store_->CurrentSheet())) {
        currentName_ = name;
    }
    TellNotices();
    return named;
}

std::optional<SheetToExport> TapeKeeper::LoadToExport(store::SheetId id) {
    std::optional<store::LoadedSheet> sheet = history_->LoadSheet(id);
    if (!sheet) {
        return std::nullopt;
    }
    std::optional<KeptTape> shown = Shown(sheet->lines);
    if (!shown) {
        return std::nullopt;
    }
    return SheetToExport{std::move(sheet->lines), std::move(*shown), std::move(sheet->summary.name),
                         sheet->summary.startedMs};
}

void TapeKeeper::Record(const JournalCommand& given, const TapeModel& tape,
                        const LineChanges& changes, const SavedState& state) {
    const std::int32_t inForce = tape.CurrentLine();
    // A correction that leaves the count as it was rewrites a few lines of a long tape: only
    // those are written.
    const bool inPlace = changes.rewritten && inForce == keptLines_;
    const std::int32_t keep =
        inPlace ? keptLines_ : std::min({changes.unchanged, keptLines_, inForce});
    if (!needsBaseline_ && keep == keptLines_ && inForce == keptLines_ &&
        (!inPlace || changes.rewritten->empty()) && keptState_ == state) {
        return;
    }
    const std::string stateText = form_.State(state);
    const auto changeFrom = [&](std::int32_t keepLines, const JournalCommand& command) {
        store::SheetChange change{.command = form_.Command(command),
                                  .keepLines = keepLines,
                                  .lines = {},
                                  .state = stateText,
                                  .updates = {}};
        change.lines.reserve(static_cast<std::size_t>(inForce - keepLines));
        for (std::int32_t position = keepLines + 1; position <= inForce; ++position) {
            change.lines.push_back(form_.Line(tape.Line(position), tape.Extras(position)));
        }
        return change;
    };
    const auto baseline = [&](std::int64_t sequence) {
        JournalCommand command{.sequence = sequence,
                               .kind = BaselineCommand,
                               .entry = state.engine.entryText,
                               .rounding = OptionIndex(state.engine.selectedOption),
                               .payload = std::nullopt};
        return changeFrom(0, command);
    };
    const auto command = [&] {
        JournalCommand record = given;
        record.sequence = nextSequence_;
        store::SheetChange change = changeFrom(keep, record);
        if (inPlace) {
            for (const std::int32_t position : *changes.rewritten) {
                change.updates.push_back(
                    {position, form_.Line(tape.Line(position), tape.Extras(position))});
            }
        }
        return change;
    };
    store::WriteResult result =
        store_->Record(needsBaseline_ ? baseline(nextSequence_) : command());
    if (result == store::WriteResult::Lost) {
        nextSequence_ = 1;
    }
    if (result == store::WriteResult::Lost || result == store::WriteResult::Refused) {
        result = store_->Record(baseline(nextSequence_));
    }
    if (result == store::WriteResult::Stored || result == store::WriteResult::Held) {
        ++nextSequence_;
        keptLines_ = inForce;
        keptState_ = state;
        needsBaseline_ = false;
    } else {
        needsBaseline_ = true;
    }
    TellNotices();
}

void TapeKeeper::RecordNote(const JournalCommand& given, std::int32_t line, const std::string& note,
                            const SavedState& state) {
    if (needsBaseline_ || line > keptLines_) {
        return;  // the next command's record brings the whole tape, note included
    }
    JournalCommand command = given;
    command.sequence = nextSequence_;
    store::SheetChange change{.command = form_.Command(command),
                              .keepLines = keptLines_,
                              .lines = {},
                              .state = form_.State(state),
                              .updates = {}};
    const store::WriteResult result = store_->Record(change);
    if (result == store::WriteResult::Stored || result == store::WriteResult::Held) {
        ++nextSequence_;
        keptState_ = state;
        store_->SetNote(line, note.empty() ? std::nullopt : std::optional(note));
    } else {
        needsBaseline_ = true;
    }
    TellNotices();
}

void TapeKeeper::ShownAsKept(const SavedState& state) {
    keptState_ = state;
}

void TapeKeeper::StartNewSheet() {
    if (nextSequence_ == 1 && keptLines_ == 0) {
        return;
    }
    store_->NewSheet();
    nextSequence_ = 1;
    keptLines_ = 0;
    keptState_.reset();
    currentName_.clear();
    TellNotices();
}

void TapeKeeper::Resume() {
    StartNewSheet();
    needsBaseline_ = true;
}

std::optional<KeptTape> TapeKeeper::OpenSheet(store::SheetId id) {
    std::optional<store::LoadedSheet> sheet;
    if (store::LoadedSheet loaded;
        store_->OpenSheet(id, loaded) == store::OpenSheetResult::Opened) {
        sheet = std::move(loaded);
        currentName_ = sheet->summary.name;
    }
    std::optional<KeptTape> kept;
    if (sheet && sheet->summary.lastSequence == 0) {
        nextSequence_ = 1;
        keptLines_ = 0;
        keptState_.reset();
        kept = KeptTape{};
    } else if (sheet) {
        const std::int64_t lastSequence = sheet->summary.lastSequence;
        kept = Take(std::move(sheet));
        if (!kept) {
            // Current now, but unusable: the tape as shown is recorded in its place.
            nextSequence_ = lastSequence + 1;
            needsBaseline_ = true;
        }
    }
    TellNotices();
    return kept;
}

std::optional<std::vector<JournalCommand>> TapeKeeper::LoadJournal(store::SheetId id) {
    // Converted row by row: a long journal is never held twice.
    std::vector<JournalCommand> journal;
    const bool read =
        store_->ReadCommands(id, [this, &journal](const store::CommandRecord& record) {
            journal.push_back(form_.JournalOf(record));
        });
    return read ? std::optional(std::move(journal)) : std::nullopt;
}

// The kept log is headed by the sequence of the last command it holds: a sheet changed since (by
// a session that ended without keeping its log) has a later one.
std::optional<EntryLog> TapeKeeper::EntryLogOf(const KeptTape& kept) {
    const std::optional<store::SheetId> sheet = store_->CurrentSheet();
    if (const std::optional<std::string> text =
            sheet ? store_->KeptEntryLog(*sheet) : std::nullopt) {
        const std::string stamp = std::to_string(nextSequence_ - 1) + "\n";
        std::optional<EntryLog> log =
            text->starts_with(stamp) ? EntryLog::Read(std::string_view(*text).substr(stamp.size()))
                                     : std::nullopt;
        if (log && log->LinesInForce() == static_cast<std::int32_t>(kept.lines.size())) {
            entryLogKept_.emplace(*sheet, nextSequence_ - 1);
            return log;
        }
    }
    const std::optional<std::vector<JournalCommand>> journal =
        sheet ? LoadJournal(*sheet) : std::nullopt;
    std::optional<LoggedRun> logged = journal ? ReplayIntoLog(*journal, locale_) : std::nullopt;
    if (!logged) {
        return std::nullopt;
    }
    const std::vector<TapeEntry> replayed = logged->run->Result().lines;
    const bool same =
        std::ranges::equal(replayed, kept.lines, [](const TapeEntry& a, const TapeEntry& b) {
            return a.text == b.text && a.mark == b.mark;
        });
    return same ? std::optional(std::move(logged->log)) : std::nullopt;
}

// A log kept already for the sheet as it is (no command since it loaded) is not written again.
void TapeKeeper::KeepEntryLog(const EntryLog& log) {
    const std::optional<store::SheetId> sheet = store_->CurrentSheet();
    if (!sheet || needsBaseline_ || nextSequence_ == 1 || log.LinesInForce() != keptLines_ ||
        entryLogKept_ == std::pair(*sheet, nextSequence_ - 1)) {
        return;
    }
    if (store_->KeepEntryLog(std::to_string(nextSequence_ - 1) + "\n" + log.Written())) {
        entryLogKept_.emplace(*sheet, nextSequence_ - 1);
    }
}

std::vector<store::SheetSummary> TapeKeeper::Shown(std::vector<store::SheetSummary> sheets) const {
    for (store::SheetSummary& sheet : sheets) {
        sheet.lastTotal = form_.Shown(sheet.lastTotal);
    }
    return sheets;
}

bool TapeKeeper::DeleteSheet(store::SheetId id) {
    const store::WriteResult result = store_->DeleteSheet(id);
    const bool deleted = result == store::WriteResult::Stored || result == store::WriteResult::Held;
    TellNotices();
    return deleted;
}

void TapeKeeper::OnIdle() {
    store_->SyncIfDue();
    TellNotices();
}

void TapeKeeper::TellNotices() {
    while (std::optional<store::StoreNotice> notice = store_->TakeNotice()) {
        if (showNotice_) {
            showNotice_(WordedNotice(*notice));
        }
    }
}

}  // namespace reckora
