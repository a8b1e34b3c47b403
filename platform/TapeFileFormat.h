#pragma once
// The file formats a tape is saved in, told apart by the file name's extension, as Save Tape As
// and --export choose them.

#include <QString>
#include <optional>

namespace reckora {

enum class TapeFileFormat { Text, Csv, Pdf };

// The format a file name's extension names (.txt, .csv, .pdf, in any case); nothing otherwise.
std::optional<TapeFileFormat> TapeFileFormatOf(const QString& path);

// ".txt", ".csv" or ".pdf".
QString TapeFileExtension(TapeFileFormat format);

struct TapeFile {
    QString path;
    TapeFileFormat format = TapeFileFormat::Text;

    friend bool operator==(const TapeFile&, const TapeFile&) = default;
};

// What a file dialog's answer means: a name ending in a known extension is saved in that format
// (the user typed it), any other name gets the extension of the chosen filter.
TapeFile ResolveTapeFile(const QString& path, TapeFileFormat chosenFilter);

}  // namespace reckora
