#include "SheetListModel.h"

#include <QDateTime>
#include <QFont>
#include <QLocale>
#include <algorithm>
#include <array>

namespace reckora {

namespace {

QString SheetTimeText(const QDateTime& time) {
    const QLocale locale;
    return locale.toString(time.date(), QLocale::LongFormat) + QLatin1Char(' ') +
           locale.toString(time.time(), QLocale::ShortFormat);
}

}  // namespace

QString SheetTime(std::int64_t millisecondsSince1970) {
    return SheetTimeText(QDateTime::fromMSecsSinceEpoch(millisecondsSince1970).toLocalTime());
}

int WidestSheetTime(const QFontMetrics& metrics) {
    int widest = 0;
    // Days 22 to 28 of each month fall on every weekday and have two digits.
    for (int month = 1; month <= 12; ++month) {
        for (int day = 22; day <= 28; ++day) {
            for (const int hour : {10, 12, 22}) {
                const QDateTime time(QDate(2028, month, day), QTime(hour, 58, 58));
                widest = std::max(widest, metrics.horizontalAdvance(SheetTimeText(time)));
            }
        }
    }
    return widest;
}

SheetListModel::SheetListModel(QObject* parent) : QAbstractTableModel(parent) {}

void SheetListModel::SetSheets(std::vector<store::SheetSummary> sheets,
                               std::optional<store::SheetId> current) {
    beginResetModel();
    sheets_ = std::move(sheets);
    current_ = current;
    endResetModel();
}

const store::SheetSummary* SheetListModel::SheetAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < sheets_.size()
               ? &sheets_[static_cast<std::size_t>(row)]
               : nullptr;
}

int SheetListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(sheets_.size());
}

int SheetListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SheetListModel::data(const QModelIndex& index, int role) const {
    const store::SheetSummary* sheet = SheetAt(index.row());
    if (sheet == nullptr) {
        return {};
    }
    if (role == Qt::FontRole && sheet->id == current_) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() == Lines || index.column() == LastTotal;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
        case Started:
            return SheetTime(sheet->startedMs);
        case Changed:
            return SheetTime(sheet->changedMs);
        case Lines:
            return QLocale().toString(static_cast<qlonglong>(sheet->lineCount));
        case LastTotal:
            return QString::fromStdString(sheet->lastTotal);
        case Name:
            return QString::fromStdString(sheet->name);
        default:
            return {};
    }
}

QVariant SheetListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static constexpr std::array<const char*, ColumnCount> Titles{
        QT_TR_NOOP("Started"), QT_TR_NOOP("Last change"), QT_TR_NOOP("Lines"),
        QT_TR_NOOP("Last total"), QT_TR_NOOP("Name")};
    return section >= 0 && section < ColumnCount ? tr(Titles[static_cast<std::size_t>(section)])
                                                 : QVariant();
}

}  // namespace reckora
