#pragma once
// Writing a kept sheet to a file without showing it: Save from the Tape History, and --export,
// which writes the kept tape without building the window.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "CorePorts.h"
#include "NumberLocale.h"
#include "TapeKeeper.h"
#include "TapePrint.h"

namespace reckora {

// How a kept sheet is written: in the reader's separators, with a corrected line's original
// introduced by `originalWords` in the text form, and `progress` followed for a PDF.
struct KeptSheetWriting {
    NumberLocale locale;
    std::string originalWords;
    PrintProgress progress = {};
};

// A kept sheet's lines and their extras as a printed tape takes them; the extras refer to
// `sheet`, which must outlive them.
TapeLines KeptSheetLines(const SheetToExport& sheet);
ExtrasOfLine KeptSheetExtras(const SheetToExport& sheet);

// Writes `sheet` to `path`; false with the cause in `error` (empty when the progress stopped it).
bool WriteKeptSheet(const SheetToExport& sheet, TapeFormat format,
                    const std::filesystem::path& path, const KeptSheetWriting& how,
                    std::string& error);

// What --export did.
enum class KeptTapeExport {
    Written,
    NoKeptTape,  // the store holds no current tape with lines
    Failed,      // the file could not be written; the cause is in `error`
};

// Writes the store's current sheet (the one the program continues, also while another window
// works on it) to `path`, reading the store at `store` without changing it; the store's notices
// go to `tell`.
KeptTapeExport ExportKeptTape(const std::filesystem::path& store, TapeFormat format,
                              const std::filesystem::path& path, const KeptSheetWriting& how,
                              const std::function<void(const TapeNotice&)>& tell,
                              std::string& error);

}  // namespace reckora
