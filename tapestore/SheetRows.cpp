#include "SheetRows.h"

#include <algorithm>
#include <set>

#include "NoteSearch.h"
#include "NumberNotation.h"
#include "NumberParse.h"
#include "StoredRows.h"

namespace reckora::store {

void SheetRows::Apply(SheetId sheet, const SheetChange& change) {
    std::int64_t lines = 0;
    std::int64_t lastSequence = 0;
    std::optional<std::string> lastTotal;
    {
        Statement& row = file_.Statements()->sheetRow;
        ResetOnExit reset(row);
        row.Bind(1, sheet);
        if (!row.Step()) {
            throw Misfit{};
        }
        lines = row.Int(0);
        lastSequence = row.Int(1);
        if (row.Type(3) == SQLITE_TEXT) {
            lastTotal = std::string(row.Text(3));
        }
    }
    const auto outside = [&](const LineUpdate& update) {
        return update.position < 1 || update.position > change.keepLines;
    };
    if (change.keepLines < 0 || change.keepLines > lines ||
        change.command.sequence <= lastSequence ||
        std::any_of(change.updates.begin(), change.updates.end(), outside)) {
        throw Misfit{};
    }
    // Always, not only when the sheet says it has more lines: a damaged file may hold stray
    // rows beyond its count, and they must not block the command.
    file_.Statements()->cutLines.Bind(1, sheet).Bind(2, change.keepLines).Run();
    std::int64_t number = change.keepLines;
    for (const StoredLine& line : change.lines) {
        WriteLine(file_.Statements()->insertLine, sheet, ++number, line);
    }
    for (const LineUpdate& update : change.updates) {
        WriteLine(file_.Statements()->updateLine, sheet, update.position, update.line);
        if (sqlite3_changes(file_.Handle()) != 1) {
            throw Misfit{};  // the sheet's count says more lines than its rows hold
        }
    }
    const CommandRecord& command = change.command;
    file_.Statements()
        ->insertCommand.Bind(1, sheet)
        .Bind(2, command.sequence)
        .Bind(3, std::string_view(command.name))
        .Bind(4, std::string_view(command.entry))
        .Bind(5, std::int64_t{command.rounding})
        .Bind(6, command.line)
        .Bind(7, command.number)
        .Bind(8, command.note)
        .Bind(9, command.taxRate)
        .Bind(10, command.roundingDirection)
        .Run();
    Statement& update = file_.Statements()->updateSheet;
    update.Bind(1, sheet).Bind(2, file_.Now()).Bind(3, number).Bind(4, command.sequence);
    update.Bind(5, LastTotalAfter(sheet, change, lines, std::move(lastTotal)));
    update.Bind(6, std::string_view(change.state)).Run();
}

void SheetRows::SetNote(SheetId sheet, std::int64_t line, const std::optional<std::string>& note) {
    Statement& set = file_.Statements()->setNote;
    set.Bind(1, note).Bind(2, sheet).Bind(3, line).Run();
    if (sqlite3_changes(file_.Handle()) != 1) {
        throw Misfit{};
    }
    file_.Statements()->touchSheet.Bind(1, sheet).Bind(2, file_.Now()).Run();
}

// Naming leaves the time of the last change alone: the history keeps its order.
void SheetRows::SetName(SheetId sheet, const std::optional<std::string>& name) {
    file_.Statements()->setName.Bind(1, sheet).Bind(2, name).Run();
    if (sqlite3_changes(file_.Handle()) != 1) {
        throw Misfit{};
    }
}

void SheetRows::Delete(SheetId id) {
    file_.Statements()->deleteLines.Bind(1, id).Run();
    file_.Statements()->deleteCommands.Bind(1, id).Run();
    file_.Statements()->deleteSheet.Bind(1, id).Run();
    if (file_.EntryLogs() != nullptr) {
        file_.EntryLogs()->remove.Bind(1, id).Run();
    }
}

void SheetRows::Clear(SheetId id) {
    file_.Statements()->deleteLines.Bind(1, id).Run();
    file_.Statements()->deleteCommands.Bind(1, id).Run();
    if (file_.EntryLogs() != nullptr) {
        file_.EntryLogs()->remove.Bind(1, id).Run();
    }
}

void SheetRows::KeepEntryLog(SheetId sheet, std::string_view log) {
    if (file_.EntryLogs() != nullptr) {
        file_.EntryLogs()->set.Bind(1, sheet).Bind(2, log).Run();
    }
}

std::optional<std::string> SheetRows::KeptEntryLog(SheetId sheet) {
    if (file_.EntryLogs() == nullptr) {
        return std::nullopt;
    }
    Statement& read = file_.EntryLogs()->get;
    ResetOnExit reset(read);
    read.Bind(1, sheet);
    if (!read.Step() || read.Type(0) != SQLITE_TEXT) {
        return std::nullopt;
    }
    return std::string(read.Text(0));
}

std::optional<LoadedSheet> SheetRows::Load(SheetId id, bool* damaged) {
    if (file_.Statements() == nullptr) {
        return std::nullopt;
    }
    try {
        LoadedSheet loaded;
        {
            Statement& summary = file_.Statements()->summary;
            ResetOnExit reset(summary);
            summary.Bind(1, id);
            if (!summary.Step()) {
                return std::nullopt;
            }
            std::optional<SheetSummary> read = ReadSummary(summary, 0);
            if (!read) {
                return std::nullopt;
            }
            loaded.summary = std::move(*read);
        }
        {
            Statement& state = file_.Statements()->sheetState;
            ResetOnExit reset(state);
            state.Bind(1, id);
            if (!state.Step()) {
                return std::nullopt;
            }
            if (state.Type(0) == SQLITE_TEXT) {
                loaded.state = state.Text(0);
            } else if (state.Type(0) != SQLITE_NULL || loaded.summary.lastSequence != 0) {
                return std::nullopt;
            }
        }
        Statement& lines = file_.Statements()->loadLines;
        ResetOnExit reset(lines);
        lines.Bind(1, id);
        if (loaded.summary.lineCount < 1'000'000'000) {
            loaded.lines.reserve(static_cast<std::size_t>(loaded.summary.lineCount));
        }
        while (lines.Step()) {
            std::optional<StoredLine> line = ReadLine(lines, 1);
            const auto expected = static_cast<std::int64_t>(loaded.lines.size()) + 1;
            if (!line || lines.Type(0) != SQLITE_INTEGER || lines.Int(0) != expected) {
                return std::nullopt;
            }
            loaded.lines.push_back(std::move(*line));
        }
        if (static_cast<std::int64_t>(loaded.lines.size()) != loaded.summary.lineCount) {
            return std::nullopt;
        }
        return loaded;
    } catch (const SqliteError& error) {
        if (damaged != nullptr) {
            *damaged = error.Code() == SQLITE_CORRUPT || error.Code() == SQLITE_NOTADB;
        }
        return std::nullopt;
    }
}

bool SheetRows::ReadCommands(SheetId id, const std::function<void(const CommandRecord&)>& take) {
    if (file_.Statements() == nullptr) {
        return false;
    }
    try {
        Statement& commands = file_.Statements()->loadCommands;
        ResetOnExit reset(commands);
        commands.Bind(1, id);
        std::int64_t lastSequence = 0;
        while (commands.Step()) {
            const std::optional<CommandRecord> record = ReadCommand(commands, 0, lastSequence);
            if (!record) {
                return false;
            }
            lastSequence = record->sequence;
            take(*record);
        }
        return true;
    } catch (const SqliteError&) {
        return false;
    }
}

std::vector<SheetSummary> SheetRows::List() {
    return Summaries(file_.Statements() != nullptr ? &file_.Statements()->list : nullptr);
}

std::vector<SheetSummary> SheetRows::FindByAmount(double amount) {
    if (file_.Statements() == nullptr) {
        return {};
    }
    try {
        file_.Statements()->byAmount.Bind(1, amount);
    } catch (const SqliteError&) {
        return {};
    }
    return Summaries(&file_.Statements()->byAmount);
}

std::vector<SheetSummary> SheetRows::FindByNote(const std::string& words) {
    const NoteSearch search(words);
    if (file_.Statements() == nullptr || search.Empty()) {
        return {};
    }
    std::set<SheetId> found;
    try {
        // A sheet's name is searched as one more note of it.
        for (Statement* texts : {&file_.Statements()->notes, &file_.Statements()->names}) {
            ResetOnExit reset(*texts);
            while (texts->Step()) {
                if (search.Matches(texts->Text(1))) {
                    found.insert(texts->Int(0));
                }
            }
        }
    } catch (const SqliteError&) {
        return {};
    }
    std::vector<SheetSummary> sheets = List();
    std::erase_if(sheets, [&](const SheetSummary& sheet) { return !found.contains(sheet.id); });
    return sheets;
}

// Inserts or updates a line row: both statements take the row's columns in the same order.
void SheetRows::WriteLine(Statement& write, SheetId sheet, std::int64_t number,
                          const StoredLine& line) {
    write.Bind(1, sheet)
        .Bind(2, number)
        .Bind(3, std::string_view(line.text))
        .Bind(4, std::int64_t{line.mark})
        .Bind(5, std::int64_t{line.itemCount})
        .Bind(6, std::int64_t{line.negative});
    const std::optional<double> amount = ReadNumber(line.text, NumberForm::Shown, NeutralLocale());
    amount ? write.Bind(7, *amount) : write.BindNull(7);
    write.Bind(8, line.note).Bind(9, line.original);
    line.changed ? write.Bind(10, std::int64_t{1}) : write.BindNull(10);
    write.Run();
}

// The summary's last total after a change: the change's last total line; else, if lines
// were cut or updated, the last total in the sheet now; else the one the summary had.
std::optional<std::string> SheetRows::LastTotalAfter(SheetId sheet, const SheetChange& change,
                                                     std::int64_t linesBefore,
                                                     std::optional<std::string> before) {
    const auto total = std::find_if(change.lines.rbegin(), change.lines.rend(),
                                    [](const StoredLine& line) { return line.mark == TotalMark; });
    if (total != change.lines.rend()) {
        return total->text;
    }
    if (change.keepLines == linesBefore && change.updates.empty()) {
        return before;
    }
    Statement& find = file_.Statements()->lastTotal;
    ResetOnExit reset(find);
    find.Bind(1, sheet);
    return find.Step() ? std::optional<std::string>(find.Text(0)) : std::nullopt;
}

std::vector<SheetSummary> SheetRows::Summaries(Statement* query) {
    std::vector<SheetSummary> sheets;
    if (query == nullptr) {
        return sheets;
    }
    try {
        ResetOnExit reset(*query);
        while (query->Step()) {
            if (std::optional<SheetSummary> sheet = ReadSummary(*query, 0)) {
                sheets.push_back(std::move(*sheet));
            }
        }
    } catch (const SqliteError&) {
        sheets.clear();
    }
    return sheets;
}

}  // namespace reckora::store
