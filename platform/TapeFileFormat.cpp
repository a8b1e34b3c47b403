#include "TapeFileFormat.h"

#include <QFileInfo>
#include <array>

namespace reckora {

namespace {

struct FormatRow {
    TapeFileFormat format;
    const char* extension;
};

constexpr std::array kFormats{FormatRow{TapeFileFormat::Text, ".txt"},
                              FormatRow{TapeFileFormat::Csv, ".csv"},
                              FormatRow{TapeFileFormat::Pdf, ".pdf"}};

}  // namespace

std::optional<TapeFileFormat> TapeFileFormatOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    for (const FormatRow& row : kFormats) {
        // ".txt" alone is a hidden file's name, not an extension.
        if (name.endsWith(QLatin1String(row.extension), Qt::CaseInsensitive) &&
            name.size() > static_cast<qsizetype>(qstrlen(row.extension))) {
            return row.format;
        }
    }
    return std::nullopt;
}

QString TapeFileExtension(TapeFileFormat format) {
    for (const FormatRow& row : kFormats) {
        if (row.format == format) {
            return QLatin1String(row.extension);
        }
    }
    return {};
}

TapeFile ResolveTapeFile(const QString& path, TapeFileFormat chosenFilter) {
    if (const std::optional<TapeFileFormat> named = TapeFileFormatOf(path)) {
        return {path, *named};
    }
    return {path + TapeFileExtension(chosenFilter), chosenFilter};
}

}  // namespace reckora
