#pragma once
// Opens the print module (the only part of the program that links Qt Print Support) when the
// user first prints: beside the program (the build tree, Windows), then where it is installed.

#include <QStringList>
#include <memory>

#include "PrintJobs.h"

namespace reckora {

// The module's file, without prefix and suffix, looked for in each of `folders` in turn.
// Throws Failure PrinterFailure telling that printing is not available, and why, when no folder
// holds a module that can be opened.
std::unique_ptr<PrintJobs> OpenPrintModule(const QStringList& folders);
// The same in the program's own folders.
std::unique_ptr<PrintJobs> OpenPrintModule();

}  // namespace reckora
