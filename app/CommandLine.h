#pragma once
// What the command line asks of the program: start the window (perhaps as on a first start), or
// print a text and end at once with an exit status.

#include <QString>
#include <QStringList>
#include <optional>

namespace reckora {

struct StartRequest {
    bool resetSettings = false;  // --reset-settings
};

struct ExitRequest {
    QString text;
    bool isError = false;  // to the error stream
    int status = 0;
};

struct CommandLine {
    std::optional<StartRequest> start;  // set when the window starts
    ExitRequest exit;                   // what to print when it does not
};

// Exit status for a command line the program does not understand.
inline constexpr int UsageErrorStatus = 2;

// arguments as QCoreApplication::arguments() gives them, the program's name first. Texts are in
// the user's language when a translator is installed.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace reckora
