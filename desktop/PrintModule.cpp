#include "PrintModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "Failure.h"

namespace reckora {

std::unique_ptr<PrintJobs> OpenPrintModule(const QStringList& folders) {
    QString why;
    for (const QString& folder : folders) {
        // Never unloaded: the jobs and their pages live in the module's code.
        QLibrary module(QDir(folder).filePath(QStringLiteral("reckora-print")));
        const auto make =
            reinterpret_cast<MakePrintJobsFunction>(module.resolve(MakePrintJobsSymbol));
        if (make != nullptr) {
            return std::unique_ptr<PrintJobs>(make());
        }
        why = module.errorString();
    }
    throw Failure(
        FailureKind::PrinterFailure,
        (QCoreApplication::translate("reckora", "Printing is not available") + " (" + why + ")")
            .toStdString());
}

std::unique_ptr<PrintJobs> OpenPrintModule() {
    const QString program = QCoreApplication::applicationDirPath();
    return OpenPrintModule(
        {program, QDir(program).filePath(QStringLiteral(RECKORA_PRINT_MODULE_FROM_PROGRAM))});
}

}  // namespace reckora
