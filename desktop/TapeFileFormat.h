#pragma once
// The file formats a tape is saved in, told apart by the file name's extension, as Save Tape As
// and --export choose them.

#include <QString>
#include <filesystem>
#include <optional>

#include "CorePorts.h"

namespace reckora {

// The format a file name's extension names (.txt, .csv, .pdf, in any case); nothing otherwise.
std::optional<TapeFormat> TapeFormatOf(const QString& path);

// ".txt", ".csv" or ".pdf".
QString TapeFileExtension(TapeFormat format);

// A file name as the system's file functions take it.
std::filesystem::path LocalPath(const QString& path);

// What a file dialog's answer means: a name ending in a known extension is saved in that format
// (the user typed it), any other name gets the extension of the chosen filter.
SaveTarget ResolveSaveTarget(const QString& path, TapeFormat chosenFilter);

}  // namespace reckora
