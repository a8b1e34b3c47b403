#include "TapeFileChooser.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <array>

namespace reckora {

namespace {

struct FilterRow {
    TapeFormat format;
    const char* filter;
};

constexpr std::array Filters{
    FilterRow{TapeFormat::Text, QT_TRANSLATE_NOOP("reckora", "Plain text (*.txt)")},
    FilterRow{TapeFormat::Csv, QT_TRANSLATE_NOOP("reckora", "CSV for spreadsheets (*.csv)")},
    FilterRow{TapeFormat::Pdf, QT_TRANSLATE_NOOP("reckora", "PDF (*.pdf)")}};

QString FilterText(const FilterRow& row) {
    return QCoreApplication::translate("reckora", row.filter);
}

QString FilterOf(TapeFormat format) {
    for (const FilterRow& row : Filters) {
        if (row.format == format) {
            return FilterText(row);
        }
    }
    return {};
}

// The name without its extension, when the extension is one of the formats'.
QString BaseName(const QString& name) {
    return TapeFormatOf(name) ? name.left(name.size() - 4) : name;
}

}  // namespace

QString SuggestedTapeName(const QDate& day, const std::string& tapeName) {
    QString named = QString::fromStdString(tapeName);
    // Folder separators and the characters Windows refuses in a name.
    named.replace(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|])")), QStringLiteral("-"));
    named = named.trimmed();
    if (!named.isEmpty() && !named.startsWith(QLatin1Char('.'))) {
        return named + QStringLiteral(".txt");
    }
    return QStringLiteral("%1 %2.txt")
        .arg(QCoreApplication::translate("reckora", "Tape"), day.toString(Qt::ISODate));
}

TapeFileChooser::TapeFileChooser(QWidget& owner)
    : owner_(owner), folder_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {
    if (folder_.isEmpty() || !QDir(folder_).exists()) {
        folder_ = QDir::homePath();
    }
}

std::optional<SaveTarget> TapeFileChooser::Choose(const QString& suggestedName,
                                                  const std::optional<std::string>& tapeName) {
    QFileDialog dialog(&owner_, QCoreApplication::translate("reckora", "Save Tape As"), folder_);
    dialog.setObjectName(QStringLiteral("SaveTapeAs"));
    // Above a main window that is always on top.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FilterRow& row : Filters) {
        filters << FilterText(row);
    }
    dialog.setNameFilters(filters);
    const auto formatOfFilter = [&filters](const QString& filter) {
        const qsizetype index = filters.indexOf(filter);
        return index >= 0 ? Filters[static_cast<std::size_t>(index)].format : TapeFormat::Text;
    };
    dialog.selectNameFilter(FilterOf(format_));
    dialog.setDefaultSuffix(TapeFileExtension(format_).mid(1));
    dialog.selectFile(BaseName(suggestedName) + TapeFileExtension(format_));
    // Another file type changes the extension of the name typed so far (the dialog does that
    // itself) and the one added to a name typed without one.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &formatOfFilter](const QString& filter) {
                         dialog.setDefaultSuffix(TapeFileExtension(formatOfFilter(filter)).mid(1));
                     });
    // The tape's name in a row of its own under the file type; only Qt's own dialog can take one.
    QLineEdit* nameField = nullptr;
    if (tapeName) {
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            nameField = new QLineEdit(QString::fromStdString(*tapeName), &dialog);
            nameField->setObjectName(QStringLiteral("TapeName"));
            auto* label =
                new QLabel(QCoreApplication::translate("reckora", "Tape &name:"), &dialog);
            label->setBuddy(nameField);
            const int row = grid->rowCount();
            grid->addWidget(label, row, 0);
            grid->addWidget(nameField, row, 1);
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(chosen).absolutePath();
    SaveTarget target = ResolveSaveTarget(chosen, formatOfFilter(dialog.selectedNameFilter()));
    if (nameField != nullptr) {
        target.tapeName = nameField->text().toStdString();
    }
    format_ = target.format;
    return target;
}

}  // namespace reckora
