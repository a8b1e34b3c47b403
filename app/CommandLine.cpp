#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace reckora {

namespace {

const QString ProgramName = QStringLiteral("reckora");

ExitRequest UsageError(const QString& problem) {
    return {
        QCoreApplication::translate("reckora", "%1: %2\nTry '%1 --help' for more information.\n")
            .arg(ProgramName, problem),
        true, UsageErrorStatus};
}

// Qt's usage line names the program by the path it was started with; the user knows it by its
// name.
QString HelpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    const QString started = QCoreApplication::arguments().value(0);
    const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
    const qsizetype at = started.isEmpty() ? -1 : text.indexOf(started);
    if (at >= 0 && (firstLineEnd < 0 || at < firstLineEnd)) {
        text.replace(at, started.size(), ProgramName);
    }
    return text;
}

}  // namespace

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
    const QCommandLineOption newTape(
        QStringLiteral("new-tape"),
        QCoreApplication::translate(
            "reckora", "Start on a new tape. The last one stays in the Tape History."));
    const QCommandLineOption exportTape(
        QStringLiteral("export"),
        QCoreApplication::translate("reckora",
                                    "Write the kept tape to FILE without opening the window: "
                                    "plain text (.txt), CSV (.csv) or PDF (.pdf)."),
        QCoreApplication::translate("reckora", "FILE"));
    parser.addOptions({resetSettings, newTape, exportTape});

    if (!parser.parse(arguments)) {
        return {std::nullopt, std::nullopt, UsageError(parser.errorText())};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {std::nullopt, std::nullopt,
                UsageError(QCoreApplication::translate("reckora", "unexpected argument '%1'")
                               .arg(parser.positionalArguments().constFirst()))};
    }
    if (parser.isSet(help)) {
        return {std::nullopt, std::nullopt, {HelpText(parser), false, 0}};
    }
    if (parser.isSet(version)) {
        return {std::nullopt,
                std::nullopt,
                {QStringLiteral("%1 %2\n").arg(ProgramName, QCoreApplication::applicationVersion()),
                 false, 0}};
    }
    if (parser.isSet(exportTape)) {
        if (parser.isSet(newTape) || parser.isSet(resetSettings)) {
            return {std::nullopt, std::nullopt,
                    UsageError(QCoreApplication::translate(
                        "reckora", "--export does not open the window; it takes no other option"))};
        }
        const QString path = parser.value(exportTape);
        const std::optional<TapeFormat> format = TapeFormatOf(path);
        if (!format) {
            return {std::nullopt, std::nullopt,
                    UsageError(QCoreApplication::translate(
                                   "reckora",
                                   "cannot tell the format of '%1': name a file ending in .txt, "
                                   ".csv or .pdf")
                                   .arg(path))};
        }
        return {std::nullopt, ExportRequest{path, *format}, {}};
    }
    return {StartRequest{parser.isSet(resetSettings), parser.isSet(newTape)}, std::nullopt, {}};
}

}  // namespace reckora
