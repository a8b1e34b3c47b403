#include "StoreMigration.h"

#include <array>
#include <charconv>
#include <system_error>
#include <vector>

#include "NumberNotation.h"
#include "NumberParse.h"
#include "StateText.h"
#include "StoreRecords.h"
#include "StoreSchema.h"

namespace reckora::store {

namespace fs = std::filesystem;

namespace {

// Version 1 named a command by a number: a key's place on the window of that version, or one of
// the codes after 100. The places are history and never change, whatever the window does later.
constexpr std::array<std::string_view, 31> Version1Keys{
    "0",
    "1",
    "2",
    "3",
    "4",
    "5",
    "6",
    "7",
    "8",
    "9",
    "clear-all",
    "memory-clear",
    "clear",
    "backspace",
    "subtract",
    "add",
    "divide",
    "multiply",
    "percent",
    "total",
    "memory-recall",
    "memory-subtract",
    "memory-add",
    "copy",
    "paste",
    "show-tape",
    "00",
    "decimal-point",
    "print",
    "new",
    "undo",
};
constexpr std::int64_t Version1Paste = 24;
constexpr std::array<std::string_view, 5> Version1Commands{"option", "baseline", "correct", "note",
                                                           "undo-correction"};
constexpr std::int64_t Version1FirstCommand = 100;
constexpr std::int64_t Version1Correct = 102;
constexpr std::int64_t Version1Note = 103;
constexpr std::string_view Version1StateLine = "reckora-state 1";
constexpr std::string_view NoEntry = "0";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the UTF-8 character that starts at `at` (1 for a stray byte).
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::min(length, text.size() - at);
}

// The characters that stand right after a digit and are not digits, minus signs or blanks: the
// separators a number shows, in order.
std::vector<std::string_view> SeparatorsIn(std::string_view text) {
    std::vector<std::string_view> found;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = CharacterLength(text, at);
        const std::string_view character = text.substr(at, length);
        const bool blank = character == " ";
        if (at > 0 && IsDigit(text[at - 1]) && !IsDigit(text[at]) && character != "-" &&
            (!blank || (at + 1 < text.size() && IsDigit(text[at + 1])))) {
            found.push_back(character);
        }
        at += length;
    }
    return found;
}

std::string OtherOf(std::string_view decimal) {
    return decimal == "." ? "," : decimal == "," ? "." : "";
}

std::optional<std::string> OptionalText(const Statement& row, int column) {
    if (row.Type(column) == SQLITE_NULL) {
        return std::nullopt;
    }
    return std::string(row.Text(column));
}

std::optional<std::int64_t> LineNumber(const std::optional<std::string>& text) {
    std::int64_t line = 0;
    if (!text) {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), line);
    if (error != std::errc{} || end != text->data() + text->size() || line < 1) {
        return std::nullopt;
    }
    return line;
}

std::optional<std::string> NumberOf(const std::optional<std::string>& text,
                                    const NumberLocale& shownWith) {
    if (!text) {
        return std::nullopt;
    }
    const std::optional<double> value = ReadNumber(*text, NumberForm::Pasted, shownWith);
    return value ? std::optional(ValueText(*value)) : std::nullopt;
}

// A version-1 command row (seq, kind, entry, rounding, payload) as version 2 keeps it.
void CopyCommand(const Statement& row, SheetId sheet, const NumberLocale& shownWith,
                 Statement& insert) {
    const std::int64_t code = row.Int(1);
    const std::string entry(row.Text(2));
    const std::optional<std::string> payload = OptionalText(row, 4);
    insert.Bind(1, sheet).Bind(2, row.Int(0)).Bind(3, std::string_view(v1::CommandName(code)));
    insert.Bind(5, row.Int(3));
    std::optional<std::int64_t> line;
    std::optional<std::string> number;
    std::optional<std::string> note;
    std::string keptEntry = ToNeutral(entry, shownWith);
    if (code == Version1Paste) {
        number = NumberOf(payload, shownWith);
    } else if (code == Version1Correct) {
        line = LineNumber(payload);
        number = NumberOf(entry, shownWith);
        keptEntry = NoEntry;
    } else if (code == Version1Note) {
        line = LineNumber(payload);
        if (!entry.empty()) {
            note = entry;
        }
        keptEntry = NoEntry;
    } else if (code > Version1FirstCommand + 1) {
        keptEntry = NoEntry;  // the undo of a correction consumes no entry
    }
    insert.Bind(4, std::string_view(keptEntry)).Bind(6, line).Bind(7, number).Bind(8, note);
    insert.Run();
}

// The statements of the migration, prepared once for all sheets.
struct Version1Statements {
    explicit Version1Statements(Connection& db)
        : sheets(db, "SELECT id, state, last_total FROM sheet"),
          lines(db, "SELECT text FROM line WHERE sheet = ?"),
          entries(db, "SELECT entry FROM command_version1 WHERE sheet = ? AND kind < 100"),
          commands(
              db,
              "SELECT seq, kind, entry, rounding, payload FROM command_version1 WHERE sheet = ?"),
          // Rows are rewritten where they stand by SQL, whatever values their keys hold.
          updateLines(db,
                      "UPDATE line SET text = reckora_neutral(text), "
                      "original = reckora_neutral(original), "
                      "amount = reckora_amount(reckora_neutral(text)) WHERE sheet = ?"),
          updateSheet(db, "UPDATE sheet SET state = ?2, last_total = ?3 WHERE id = ?1"),
          // A damaged file may hold two rows whose sequence reads as the same number: the later
          // one stands, as a damaged journal cannot be replayed anyway.
          insertCommand(db,
                        "INSERT OR REPLACE INTO command(sheet, seq, name, entry, rounding, line, "
                        "number, note) VALUES(?, ?, ?, ?, ?, ?, ?, ?)") {}

    Statement sheets, lines, entries, commands, updateLines, updateSheet, insertCommand;
};

std::string MemoryCaptionOf(std::string_view state) {
    constexpr std::string_view MemoryField = "\nmemory=";
    const std::size_t at = state.find(MemoryField);
    if (at == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = state.substr(at + MemoryField.size());
    return std::string(rest.substr(0, rest.find('\n')));
}

// reckora_neutral(text): a version-1 text in the neutral notation, by the separators of the sheet
// being migrated (the function's user data); other values as they are.
void NeutralFunction(sqlite3_context* context, int, sqlite3_value** values) {
    if (sqlite3_value_type(values[0]) != SQLITE_TEXT) {
        sqlite3_result_value(context, values[0]);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(values[0]));
    const std::string neutral =
        ToNeutral(std::string_view(text, static_cast<std::size_t>(sqlite3_value_bytes(values[0]))),
                  *static_cast<const NumberLocale*>(sqlite3_user_data(context)));
    sqlite3_result_text(context, neutral.data(), static_cast<int>(neutral.size()),
                        SQLITE_TRANSIENT);
}

// reckora_amount(text): the value a neutral text shows, NULL for one that shows none.
void AmountFunction(sqlite3_context* context, int, sqlite3_value** values) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(values[0]));
    const std::optional<double> amount =
        text == nullptr
            ? std::nullopt
            : ReadNumber(
                  std::string_view(text, static_cast<std::size_t>(sqlite3_value_bytes(values[0]))),
                  NumberForm::Shown, NeutralLocale());
    amount ? sqlite3_result_double(context, *amount) : sqlite3_result_null(context);
}

// The migration's SQL functions, on the connection while it lasts.
class MigrationFunctions {
public:
    MigrationFunctions(Connection& db, NumberLocale& separators) : db_(db) {
        constexpr int Flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
        void* data = &separators;
        db.Check(sqlite3_create_function(db.Handle(), "reckora_neutral", 1, Flags, data,
                                         NeutralFunction, nullptr, nullptr));
        db.Check(sqlite3_create_function(db.Handle(), "reckora_amount", 1, Flags, nullptr,
                                         AmountFunction, nullptr, nullptr));
    }
    ~MigrationFunctions() {
        for (const char* name : {"reckora_neutral", "reckora_amount"}) {
            sqlite3_create_function(db_.Handle(), name, 1, SQLITE_UTF8, nullptr, nullptr, nullptr,
                                    nullptr);
        }
    }
    MigrationFunctions(const MigrationFunctions&) = delete;
    MigrationFunctions& operator=(const MigrationFunctions&) = delete;

private:
    Connection& db_;
};

void MigrateSheet(Version1Statements& statements, NumberLocale& sheetSeparators, SheetId sheet,
                  const std::optional<std::string>& state,
                  const std::optional<std::string>& lastTotal) {
    std::vector<std::string> texts;
    {
        ResetOnExit reset(statements.lines);
        statements.lines.Bind(1, sheet);
        while (statements.lines.Step()) {
            texts.emplace_back(statements.lines.Text(0));
        }
    }
    std::vector<std::string> entries;
    {
        ResetOnExit reset(statements.entries);
        statements.entries.Bind(1, sheet);
        while (statements.entries.Step()) {
            entries.emplace_back(statements.entries.Text(0));
        }
    }
    const std::optional<NumberLocale> shownWith =
        v1::SeparatorsOf(MemoryCaptionOf(state.value_or("")), texts, entries);
    // A sheet that shows no separator anywhere has nothing numeric that depends on one.
    const NumberLocale locale = shownWith.value_or(NumberLocale{});
    sheetSeparators = locale;
    statements.updateLines.Bind(1, sheet).Run();
    {
        Statement& commands = statements.commands;
        ResetOnExit reset(commands);
        commands.Bind(1, sheet);
        while (commands.Step()) {
            CopyCommand(commands, sheet, locale, statements.insertCommand);
        }
    }
    statements.updateSheet.Bind(1, sheet);
    statements.updateSheet.Bind(
        2, state ? std::optional(v1::StateText(*state, locale)) : std::nullopt);
    statements.updateSheet.Bind(
        3, lastTotal ? std::optional(ToNeutral(*lastTotal, locale)) : std::nullopt);
    statements.updateSheet.Run();
}

void MigrateFromVersion1(Connection& db) {
    NumberLocale sheetSeparators;
    const MigrationFunctions functions(db, sheetSeparators);
    db.Execute("ALTER TABLE sheet ADD COLUMN name TEXT");
    db.Execute("ALTER TABLE command RENAME TO command_version1");
    db.Execute(CommandTable);
    {
        Version1Statements statements(db);
        struct Sheet {
            SheetId id;
            std::optional<std::string> state;
            std::optional<std::string> lastTotal;
        };
        std::vector<Sheet> sheets;
        while (statements.sheets.Step()) {
            sheets.push_back({statements.sheets.Int(0), OptionalText(statements.sheets, 1),
                              OptionalText(statements.sheets, 2)});
        }
        statements.sheets.Reset();
        for (const Sheet& sheet : sheets) {
            MigrateSheet(statements, sheetSeparators, sheet.id, sheet.state, sheet.lastTotal);
        }
    }
    db.Execute("DROP TABLE command_version1");
}

// The migration itself, in one transaction: all of it or nothing. Version 3 adds words to
// version 2's (line marks, command names) and two columns to the command table that version 2's
// commands leave empty; the new version number keeps an older program from reading lines it does
// not know.
void MigrateInPlace(Connection& connection) {
    const int version = SchemaVersionOf(connection);
    connection.Execute("BEGIN IMMEDIATE");
    try {
        if (version < 2) {
            MigrateFromVersion1(connection);
        } else {
            connection.Execute(
                "ALTER TABLE command ADD COLUMN tax_rate REAL; "
                "ALTER TABLE command ADD COLUMN rounding_direction TEXT");
        }
        connection.Execute(("PRAGMA user_version = " + std::to_string(SchemaVersion)).c_str());
        connection.Execute("COMMIT");
    } catch (const SqliteError&) {
        sqlite3_exec(connection.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

}  // namespace

fs::path OldVersionCopyPath(const fs::path& store, int version) {
    fs::path copy = store;
    copy += ".version" + std::to_string(version);
    return copy;
}

int SchemaVersionOf(Connection& connection) {
    Statement version(connection, "PRAGMA user_version");
    return version.Step() ? static_cast<int>(version.Int(0)) : 0;
}

void MigrateToCurrent(Connection& connection, const fs::path& path, int version) {
    // What the log holds goes into the file first, so the copy is the whole store.
    connection.Execute("PRAGMA wal_checkpoint(TRUNCATE)");
    std::error_code error;
    fs::copy_file(path, OldVersionCopyPath(path, version), fs::copy_options::overwrite_existing,
                  error);
    if (error) {
        throw SqliteError(SQLITE_CANTOPEN, "the old store could not be copied: " + error.message());
    }
    MigrateInPlace(connection);
}

Connection MigratedCopy(Connection& source) {
    Connection copy(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    sqlite3_backup* backup = sqlite3_backup_init(copy.Handle(), "main", source.Handle(), "main");
    if (backup == nullptr) {
        throw SqliteError(sqlite3_errcode(copy.Handle()), sqlite3_errmsg(copy.Handle()));
    }
    const int code = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (code != SQLITE_DONE) {
        throw SqliteError(code, sqlite3_errstr(code));
    }
    MigrateInPlace(copy);
    return copy;
}

namespace v1 {

std::optional<NumberLocale> SeparatorsOf(std::string_view memoryCaption,
                                         const std::vector<std::string>& lines,
                                         const std::vector<std::string>& entries) {
    std::string decimal;
    if (const auto inMemory = SeparatorsIn(memoryCaption); !inMemory.empty()) {
        decimal = inMemory.back();
    }
    // A line with two kinds of separator shows grouping first and the decimals last.
    for (const std::string& text : lines) {
        if (const auto found = SeparatorsIn(text);
            decimal.empty() && !found.empty() && found.front() != found.back()) {
            decimal = found.back();
        }
    }
    // An entry holds no grouping: its one separator is the decimal one.
    for (const std::string& text : entries) {
        if (const auto found = SeparatorsIn(text); decimal.empty() && !found.empty()) {
            decimal = found.front();
        }
    }
    if (decimal.empty()) {
        return std::nullopt;
    }
    std::string grouping;
    for (const std::string& text : lines) {
        for (const std::string_view separator : SeparatorsIn(text)) {
            if (grouping.empty() && separator != decimal) {
                grouping = separator;
            }
        }
    }
    return NumberLocale{decimal, grouping.empty() ? OtherOf(decimal) : grouping};
}

std::string CommandName(std::int64_t code) {
    if (code >= 0 && code < static_cast<std::int64_t>(Version1Keys.size())) {
        return std::string(Version1Keys[static_cast<std::size_t>(code)]);
    }
    if (code >= Version1FirstCommand &&
        code < Version1FirstCommand + static_cast<std::int64_t>(Version1Commands.size())) {
        return std::string(Version1Commands[static_cast<std::size_t>(code - Version1FirstCommand)]);
    }
    return "unknown";
}

std::string StateText(std::string_view text, const NumberLocale& shownWith) {
    constexpr std::array<std::string_view, 5> ShownFields{
        "entry=", "pending=", "display=", "memory=", "counter="};
    if (!text.starts_with(Version1StateLine) || text.size() == Version1StateLine.size() ||
        text[Version1StateLine.size()] != '\n') {
        return std::string(text);
    }
    std::string migrated(StateFormatLineVersion2);
    std::string_view rest = text.substr(Version1StateLine.size());
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n', 1);
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
        bool shown = false;
        for (const std::string_view field : ShownFields) {
            if (line.substr(1).starts_with(field)) {
                migrated.append(line.substr(0, 1 + field.size()));
                migrated += ToNeutral(line.substr(1 + field.size()), shownWith);
                shown = true;
            }
        }
        if (!shown) {
            migrated.append(line);
        }
    }
    return migrated;
}

}  // namespace v1

}  // namespace reckora::store
