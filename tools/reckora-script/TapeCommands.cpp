// The harness commands for the kept tape: the store a session keeps its tape in, a restart of the
// program, the list of sheets, opening and naming one, and saving the tape as text, CSV or PDF.

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "JsonText.h"
#include "ScriptRunner.h"
#include "ScriptSession.h"

namespace reckora::script {
namespace {

void RunJournal(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 1);
    runner.SetTapeStore(runner.FilePath(args.words[0]));
}

void RunRestart(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 0);
    runner.Restart();
}

void RunSheets(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 0);
    CalculatorCore& core = runner.Session().Core();
    const std::optional<store::SheetId> current = core.KeptTapes().CurrentSheet();
    // Newest sheet first: by when it was started (ids grow with it), so that the listing does not
    // depend on how many milliseconds the commands before it took.
    std::vector<store::SheetSummary> sheets = core.KeptTapes().TapeHistory("");
    std::ranges::sort(sheets, std::ranges::greater{}, &store::SheetSummary::id);
    std::string list;
    for (const store::SheetSummary& sheet : sheets) {
        list += (list.empty() ? "" : ",") + std::string("{\"id\":") + std::to_string(sheet.id) +
                ",\"lines\":" + std::to_string(sheet.lineCount) +
                ",\"current\":" + (sheet.id == current ? "true" : "false") +
                ",\"name\":" + JsonString(sheet.name) + "}";
    }
    runner.Out() << "{\"sheets\":[" << list << "]}\n" << std::flush;
}

void RunOpenSheet(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 1);
    ScriptSession& session = runner.Session();
    session.Core().KeptTapes().OpenSheet(ParseInteger(args.words[0]));
    session.Tick();
}

// As renaming the current tape in the history does: a refusal is shown as the program shows it.
void RunName(ScriptRunner& runner, const CommandArgs& args) {
    ScriptSession& session = runner.Session();
    if (const std::optional<std::string> refusal =
            session.Core().KeptTapes().NameSheet(std::nullopt, args.rest)) {
        session.NoteMessage(*refusal);
    }
}

struct FormatName {
    std::string_view name;
    TapeFormat format;
};

constexpr std::array<FormatName, 3> FormatRows{{
    {"txt", TapeFormat::Text},
    {"csv", TapeFormat::Csv},
    {"pdf", TapeFormat::Pdf},
}};

// The path is the rest of the line after the format, blanks inside it kept.
void RunExport(ScriptRunner& runner, const CommandArgs& args) {
    if (args.words.size() < 2) {
        throw ScriptError("export takes a format (txt, csv, pdf) and a path");
    }
    const auto format = std::find_if(FormatRows.begin(), FormatRows.end(),
                                     [&](const FormatName& f) { return f.name == args.words[0]; });
    if (format == FormatRows.end()) {
        throw ScriptError("no such format: " + std::string(args.words[0]));
    }
    std::string_view path = args.rest.substr(args.rest.find(args.words[1]));
    while (!path.empty() && (path.back() == ' ' || path.back() == '\t')) {
        path.remove_suffix(1);
    }
    const std::filesystem::path file = runner.FilePath(path);
    ScriptSession& session = runner.Session();
    std::string error;
    if (!session.Core().KeptTapes().ExportTape(format->format, file, error)) {
        // The message names the file as the script did, wherever the runner keeps its files.
        if (error.starts_with(file.string())) {
            error.replace(0, file.string().size(), path);
        }
        session.NoteMessage(error);
    }
}

// The text after the line number: everything after the second blank of the command line.
std::string TextAfterLine(const CommandArgs& args) {
    std::string_view rest = args.rest;
    const std::size_t number = rest.find(args.words[0]);
    rest.remove_prefix(number + args.words[0].size());
    if (!rest.empty()) {
        rest.remove_prefix(1);
    }
    return std::string(rest);
}

void RunSelect(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 1);
    runner.Session().Core().TapeWork().SelectLine(
        static_cast<std::int32_t>(ParseInteger(args.words[0])));
}

void RunCorrect(ScriptRunner& runner, const CommandArgs& args) {
    if (args.words.size() < 2) {
        throw ScriptError("correct takes a line number and a number");
    }
    ScriptSession& session = runner.Session();
    session.Core().TapeWork().CorrectEntry(static_cast<std::int32_t>(ParseInteger(args.words[0])),
                                           TextAfterLine(args));
    session.Tick();
}

void RunNote(ScriptRunner& runner, const CommandArgs& args) {
    if (args.words.empty()) {
        throw ScriptError("note takes a line number and a text");
    }
    runner.Session().Core().TapeWork().SetNote(
        static_cast<std::int32_t>(ParseInteger(args.words[0])),
        args.words.size() > 1 ? TextAfterLine(args) : "");
}

void RunFind(ScriptRunner& runner, const CommandArgs& args) {
    std::string list;
    for (const std::int32_t line : runner.Session().Core().TapeWork().FindLines(args.rest)) {
        list += (list.empty() ? "" : ",") + std::to_string(line);
    }
    runner.Out() << "{\"found\":[" << list << "]}\n" << std::flush;
}

void RunPasteColumn(ScriptRunner& runner, const CommandArgs& args) {
    RequireWordCount(args, 0);
    ScriptSession& session = runner.Session();
    session.Core().Window().RunMenu(MenuId::PasteColumn);
    session.Tick();
}

void RunClipFile(ScriptRunner& runner, const CommandArgs& args) {
    if (args.words.empty()) {
        throw ScriptError("clipfile takes a path");
    }
    // Only a regular file: a device or a pipe could block the script or never end.
    const std::filesystem::path path = runner.FilePath(args.rest);
    std::error_code error;
    std::ifstream file;
    if (std::filesystem::is_regular_file(path, error)) {
        file.open(path, std::ios::binary);
    }
    if (!file) {
        throw ScriptError("cannot read " + std::string(args.rest));
    }
    std::ostringstream text;
    text << file.rdbuf();
    runner.Session().SetClipboard(text.str());
}

constexpr ScriptCommand TapeCommandTable[] = {
    {"journal", RunJournal},         {"restart", RunRestart},   {"sheets", RunSheets},
    {"opensheet", RunOpenSheet},     {"export", RunExport},     {"select", RunSelect},
    {"correct", RunCorrect},         {"note", RunNote},         {"find", RunFind},
    {"pastecolumn", RunPasteColumn}, {"clipfile", RunClipFile}, {"name", RunName},
};

}  // namespace

std::span<const ScriptCommand> TapeCommands() {
    return TapeCommandTable;
}

}  // namespace reckora::script
