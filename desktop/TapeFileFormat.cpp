#include "TapeFileFormat.h"

#include <QFile>
#include <QFileInfo>
#include <array>

namespace reckora {

namespace {

struct FormatRow {
    TapeFormat format;
    const char* extension;
};

constexpr std::array FormatRows{FormatRow{TapeFormat::Text, ".txt"},
                                FormatRow{TapeFormat::Csv, ".csv"},
                                FormatRow{TapeFormat::Pdf, ".pdf"}};

}  // namespace

std::optional<TapeFormat> TapeFormatOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    for (const FormatRow& row : FormatRows) {
        // ".txt" alone is a hidden file's name, not an extension.
        if (name.endsWith(QLatin1String(row.extension), Qt::CaseInsensitive) &&
            name.size() > static_cast<qsizetype>(qstrlen(row.extension))) {
            return row.format;
        }
    }
    return std::nullopt;
}

QString TapeFileExtension(TapeFormat format) {
    for (const FormatRow& row : FormatRows) {
        if (row.format == format) {
            return QLatin1String(row.extension);
        }
    }
    return {};
}

std::filesystem::path LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

SaveTarget ResolveSaveTarget(const QString& path, TapeFormat chosenFilter) {
    if (const std::optional<TapeFormat> named = TapeFormatOf(path)) {
        return {LocalPath(path), *named};
    }
    return {LocalPath(path + TapeFileExtension(chosenFilter)), chosenFilter};
}

}  // namespace reckora
