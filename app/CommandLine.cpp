#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace reckora {

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("reckora", "Desktop adding machine with a paper tape."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption resetSettings(
        QStringLiteral("reset-settings"),
        QCoreApplication::translate("reckora",
                                    "Start as on a first start. The stored settings stay as they "
                                    "are until Options, Save Settings replaces them."));
    parser.addOption(resetSettings);
    // --new-tape and --export FILE join here once tapes are kept between runs: both work on the
    // stored current tape and end without a window, like --version.

    const QString program = QStringLiteral("reckora");
    if (!parser.parse(arguments)) {
        return {std::nullopt,
                {QCoreApplication::translate("reckora",
                                             "%1: %2\nTry '%1 --help' for more information.\n")
                     .arg(program, parser.errorText()),
                 true, UsageErrorStatus}};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {
            std::nullopt,
            {QCoreApplication::translate(
                 "reckora", "%1: unexpected argument '%2'\nTry '%1 --help' for more information.\n")
                 .arg(program, parser.positionalArguments().constFirst()),
             true, UsageErrorStatus}};
    }
    if (parser.isSet(help)) {
        return {std::nullopt, {parser.helpText(), false, 0}};
    }
    if (parser.isSet(version)) {
        return {std::nullopt,
                {QStringLiteral("%1 %2\n").arg(program, QCoreApplication::applicationVersion()),
                 false, 0}};
    }
    return {StartRequest{parser.isSet(resetSettings)}, {}};
}

}  // namespace reckora
