#pragma once
// File > Tape History: the kept tapes newest first, a search by an amount or by words of a name
// or a note, and opening, renaming, saving, printing or deleting (after a confirmation) the
// chosen tape, all from the keyboard too. It knows the tapes only through the functions it is
// given.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "StoreRecords.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace reckora {

class SheetListModel;

struct TapeHistoryActions {
    // The tapes matching a search text (empty: all), newest change first.
    std::function<std::vector<store::SheetSummary>(const std::string& search)> find;
    std::function<std::optional<store::SheetId>()> current;
    std::function<bool(store::SheetId)> open;    // makes it the current tape
    std::function<bool(store::SheetId)> remove;  // refused for a tape in use
    // False while Keep Tape is off: the kept tapes are listed still, and the dialog says so.
    std::function<bool()> keeping = [] { return true; };
    // Names the tape with the text typed; the result is why the name was not taken (as
    // showMessage words it).
    std::function<std::optional<std::string>(store::SheetId, const std::string& typed)> rename = {};
    // Saves the tape to a file the user chooses, without opening it; the result is why it could
    // not be saved (as showMessage words it). Nothing when it was saved or the user cancelled.
    std::function<std::optional<std::string>(const store::SheetSummary&)> save = {};
    std::function<bool(store::SheetId)> print = {};  // false: the tape could not be read
};

class TapeHistoryDialog : public QDialog {
    Q_OBJECT
public:
    TapeHistoryDialog(QWidget* owner, TapeHistoryActions actions);

    // Lists the tapes matching the search field now (it also does so shortly after typing).
    void Search();

protected:
    // The Delete key in the list deletes the chosen tape, as the Delete button does, and Return
    // opens it; Home and End go to the first and last tape; Down and Page Down in the search
    // field go on into the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const store::SheetSummary* Chosen() const;
    void ShowChosen();
    void OpenChosen();
    void DeleteChosen();
    void RenameChosen();
    void SaveChosen();
    void PrintChosen();

    TapeHistoryActions actions_;
    SheetListModel* model_;
    QLineEdit* search_;
    QTableView* table_;
    QLabel* nothingFound_;
    QLabel* notKeeping_;
    QPushButton* open_;
    QPushButton* delete_;
    QPushButton* rename_;
    QPushButton* save_;
    QPushButton* print_;
    QTimer* searchDelay_;
    QString listedFor_;  // the search the list shows; a new one highlights its first match
};

// The Tape History, modal, until it is closed or a tape is opened.
void ShowTapeHistory(QWidget& owner, TapeHistoryActions actions);

}  // namespace reckora
