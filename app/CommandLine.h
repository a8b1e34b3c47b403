#pragma once
// What the command line asks of the program: start the window (perhaps as on a first start or on
// a new tape), write the kept tape to a file without a window, or print a text and end at once
// with an exit status.

#include <QString>
#include <QStringList>
#include <optional>

#include "TapeFileFormat.h"

namespace reckora {

struct StartRequest {
    bool resetSettings = false;  // --reset-settings
    bool newTape = false;        // --new-tape: the kept tape stays in the history
};

// --export FILE: the current kept tape written to `path` in the format its extension names.
struct ExportRequest {
    QString path;
    TapeFormat format = TapeFormat::Text;
};

struct ExitRequest {
    QString text;
    bool isError = false;  // to the error stream
    int status = 0;
};

struct CommandLine {
    std::optional<StartRequest> start;        // set when the window starts
    std::optional<ExportRequest> exportTape;  // set when a tape is written without a window
    ExitRequest exit;                         // what to print when neither
};

// Exit status for a command line the program does not understand, or an export it cannot do.
inline constexpr int UsageErrorStatus = 2;

// arguments as QCoreApplication::arguments() gives them, the program's name first. Texts are in
// the user's language when a translator is installed.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace reckora
