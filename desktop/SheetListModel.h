#pragma once
// The kept tapes as rows of a table for the Tape History: started, last change, lines, last
// total and name, in the order given (newest change first), the current tape in bold. Texts are
// made only for the rows a view shows, so a history of years lists at once.

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <optional>
#include <vector>

#include "StoreRecords.h"

namespace reckora {

// A stored time (milliseconds since 1970, UTC) in the user's time zone: the locale's long date
// (the year in full) and its short time.
QString SheetTime(std::int64_t millisecondsSince1970);
// The widest SheetTime in `metrics`, over every month, weekday and hour: a column this wide
// shows any of them whole without looking at the rows.
int WidestSheetTime(const QFontMetrics& metrics);

class SheetListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Started, Changed, Lines, LastTotal, Name, ColumnCount };

    explicit SheetListModel(QObject* parent = nullptr);

    void SetSheets(std::vector<store::SheetSummary> sheets, std::optional<store::SheetId> current);
    const store::SheetSummary* SheetAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<store::SheetSummary> sheets_;
    std::optional<store::SheetId> current_;
};

}  // namespace reckora
