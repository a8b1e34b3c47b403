#include "TapeHistoryDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "NoticeBox.h"
#include "SheetListModel.h"
#include "SheetNameTexts.h"
#include "TapeDialogs.h"

namespace reckora {

namespace {

// Typing pauses this long before the list follows the search field.
constexpr int SearchDelayMs = 250;

}  // namespace

TapeHistoryDialog::TapeHistoryDialog(QWidget* owner, TapeHistoryActions actions)
    : QDialog(owner),
      actions_(std::move(actions)),
      model_(new SheetListModel(this)),
      search_(new QLineEdit(this)),
      table_(new QTableView(this)),
      nothingFound_(new QLabel(tr("No kept tape matches the search."), this)),
      notKeeping_(new QLabel(tr("Keep Tape is off (Options menu): these tapes were kept "
                                "before, what is calculated now is not kept."),
                             this)),
      searchDelay_(new QTimer(this)) {
    setObjectName(QStringLiteral("TapeHistory"));
    setWindowTitle(tr("Tape History"));
    // Above a main window that is always on top.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    search_->setObjectName(QStringLiteral("Search"));
    search_->setPlaceholderText(tr("Search by an amount, or by words of a name or a note"));
    search_->setClearButtonEnabled(true);
    searchDelay_->setSingleShot(true);
    searchDelay_->setInterval(SearchDelayMs);
    connect(search_, &QLineEdit::textChanged, searchDelay_, qOverload<>(&QTimer::start));
    connect(search_, &QLineEdit::returnPressed, this, &TapeHistoryDialog::Search);
    search_->installEventFilter(this);
    connect(searchDelay_, &QTimer::timeout, this, &TapeHistoryDialog::Search);

    // Fixed row heights and widths from the font: nothing has to look at every row. The widths
    // are the bold current tape's, so that no row cuts its dates.
    table_->setObjectName(QStringLiteral("Tapes"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setShowGrid(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const int margin = 2 * fontMetrics().horizontalAdvance(QLatin1Char('M'));
    const auto columnWidth = [&](SheetListModel::Column column, int contents) {
        const QString title =
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        table_->setColumnWidth(column,
                               std::max(contents, boldMetrics.horizontalAdvance(title)) + margin);
    };
    const int timeWidth = WidestSheetTime(boldMetrics);
    columnWidth(SheetListModel::Started, timeWidth);
    columnWidth(SheetListModel::Changed, timeWidth);
    columnWidth(SheetListModel::Lines, boldMetrics.horizontalAdvance(QStringLiteral("000,000")));
    // The list shows where the keyboard is: its chosen row in the highlight colour while it has
    // the focus, greyed while the search field has it.
    QPalette palette = table_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Mid));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Text));
    table_->setPalette(palette);
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableView::activated, this, &TapeHistoryDialog::OpenChosen);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TapeHistoryDialog::ShowChosen);
    table_->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    open_ = buttons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
    open_->setObjectName(QStringLiteral("Open"));
    delete_ = buttons->addButton(tr("Delete…"), QDialogButtonBox::ActionRole);
    delete_->setObjectName(QStringLiteral("Delete"));
    rename_ = buttons->addButton(tr("Rename…"), QDialogButtonBox::ActionRole);
    rename_->setObjectName(QStringLiteral("Rename"));
    save_ = buttons->addButton(tr("Save As…"), QDialogButtonBox::ActionRole);
    save_->setObjectName(QStringLiteral("SaveAs"));
    print_ = buttons->addButton(tr("Print…"), QDialogButtonBox::ActionRole);
    print_->setObjectName(QStringLiteral("Print"));
    // Return opens the highlighted tape; in the search field it first lists the matches, the
    // first of them highlighted.
    for (QPushButton* button :
         {open_, delete_, rename_, save_, print_, buttons->button(QDialogButtonBox::Close)}) {
        button->setAutoDefault(false);
    }
    open_->setDefault(true);
    connect(open_, &QPushButton::clicked, this, &TapeHistoryDialog::OpenChosen);
    connect(delete_, &QPushButton::clicked, this, &TapeHistoryDialog::DeleteChosen);
    connect(rename_, &QPushButton::clicked, this, &TapeHistoryDialog::RenameChosen);
    connect(save_, &QPushButton::clicked, this, &TapeHistoryDialog::SaveChosen);
    connect(print_, &QPushButton::clicked, this, &TapeHistoryDialog::PrintChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search_);
    layout->addWidget(table_);
    layout->addWidget(nothingFound_);
    layout->addWidget(notKeeping_);
    layout->addWidget(buttons);
    notKeeping_->setObjectName(QStringLiteral("NotKeeping"));
    notKeeping_->setWordWrap(true);
    notKeeping_->setVisible(!actions_.keeping());
    const int tableWidth = table_->horizontalHeader()->length() + table_->frameWidth() * 2 +
                           table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    resize(std::max(600, tableWidth + layout->contentsMargins().left() +
                             layout->contentsMargins().right()),
           420);
    Search();
}

bool TapeHistoryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // Home, End and Down of the number pad count as the plain keys.
    const bool plain = !(key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier));
    if (watched == table_ && key->matches(QKeySequence::Delete)) {
        DeleteChosen();
        return true;
    }
    // Taken here: the list would pass Return on to the Open button after opening, so a tape that
    // could not be opened would be tried, and refused, twice.
    if (watched == table_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        OpenChosen();
        return true;
    }
    if (watched == table_ && plain && (key->key() == Qt::Key_Home || key->key() == Qt::Key_End)) {
        const int rows = model_->rowCount();
        if (rows > 0) {
            table_->setCurrentIndex(model_->index(key->key() == Qt::Key_Home ? 0 : rows - 1, 0));
        }
        return true;
    }
    if (watched == search_ && plain &&
        (key->key() == Qt::Key_Down || key->key() == Qt::Key_PageDown)) {
        if (searchDelay_->isActive()) {
            Search();
        }
        table_->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TapeHistoryDialog::Search() {
    searchDelay_->stop();
    const QString searchText = search_->text().trimmed();
    const bool newSearch = searchText != listedFor_;
    listedFor_ = searchText;
    const store::SheetSummary* before = Chosen();
    const store::SheetId chosenBefore = before != nullptr ? before->id : 0;
    const int rowBefore = table_->currentIndex().row();
    // Found first: with Keep Tape off, finding is what takes up the store and its current tape.
    std::vector<store::SheetSummary> found = actions_.find(searchText.toStdString());
    model_->SetSheets(std::move(found), actions_.current ? actions_.current() : std::nullopt);
    const int rows = model_->rowCount();
    nothingFound_->setVisible(rows == 0);
    notKeeping_->setVisible(!actions_.keeping());
    // A new search highlights its first match, so that Return opens it. Listed again for the
    // same search, the same tape stays chosen when it is still listed, else the row where it was.
    int row = newSearch ? std::min(0, rows - 1) : std::min(std::max(rowBefore, 0), rows - 1);
    for (int i = 0; !newSearch && before != nullptr && i < rows; ++i) {
        if (model_->SheetAt(i)->id == chosenBefore) {
            row = i;
            break;
        }
    }
    if (row >= 0) {
        table_->setCurrentIndex(model_->index(row, 0));
    }
    ShowChosen();
}

const store::SheetSummary* TapeHistoryDialog::Chosen() const {
    return model_->SheetAt(table_->currentIndex().row());
}

void TapeHistoryDialog::ShowChosen() {
    const store::SheetSummary* sheet = Chosen();
    open_->setEnabled(sheet != nullptr);
    rename_->setEnabled(sheet != nullptr && actions_.rename);
    save_->setEnabled(sheet != nullptr && actions_.save);
    print_->setEnabled(sheet != nullptr && actions_.print);
    // The tape in use cannot be deleted: New starts another one first.
    delete_->setEnabled(sheet != nullptr && !(actions_.current && actions_.current() == sheet->id));
}

void TapeHistoryDialog::OpenChosen() {
    const store::SheetSummary* sheet = Chosen();
    if (sheet == nullptr) {
        return;
    }
    if (actions_.open(sheet->id)) {
        accept();
        return;
    }
    QMessageBox::warning(this, windowTitle(),
                         tr("This tape could not be opened. Another Reckora window may be "
                            "working on it, or it is damaged."));
    Search();
}

void TapeHistoryDialog::DeleteChosen() {
    const store::SheetSummary* sheet = Chosen();
    if (sheet == nullptr || !delete_->isEnabled()) {
        return;
    }
    const store::SheetId id = sheet->id;
    const QString lines = QLocale().toString(qlonglong{sheet->lineCount});
    // A tape without a name is called by when it was started.
    const QString question =
        sheet->name.empty()
            ? tr("Delete the tape started %1 (lines: %2)?\n\nA deleted tape cannot be brought "
                 "back.")
                  .arg(SheetTime(sheet->startedMs), lines)
            : tr("Delete the tape \u201C%1\u201D (lines: %2)?\n\nA deleted tape cannot be "
                 "brought back.")
                  .arg(QString::fromStdString(sheet->name), lines);
    const auto answer = QMessageBox::question(this, windowTitle(), question,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        return;
    }
    if (!actions_.remove(id)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("This tape could not be deleted. Another Reckora window may be "
                                "working on it, or the tapes cannot be kept just now."));
    }
    Search();
}

void TapeHistoryDialog::RenameChosen() {
    const store::SheetSummary* sheet = Chosen();
    if (sheet == nullptr || !actions_.rename) {
        return;
    }
    const store::SheetId id = sheet->id;
    const std::optional<std::string> named = AskText(
        *this,
        {.title = RenameTitle,
         .prompt = RenamePrompt,
         .initial = sheet->name,
         .apply = [this, id](const std::string& typed) { return actions_.rename(id, typed); }});
    if (named) {
        Search();
    }
}

void TapeHistoryDialog::SaveChosen() {
    const store::SheetSummary* sheet = Chosen();
    if (sheet == nullptr || !actions_.save) {
        return;
    }
    if (const std::optional<std::string> failure = actions_.save(*sheet)) {
        QMessageBox::warning(this, windowTitle(), NoticeText(*failure));
    }
}

void TapeHistoryDialog::PrintChosen() {
    const store::SheetSummary* sheet = Chosen();
    if (sheet == nullptr || !actions_.print) {
        return;
    }
    if (!actions_.print(sheet->id)) {
        QMessageBox::warning(this, windowTitle(), NoticeText(SheetUnreadableText));
        Search();
    }
}

void ShowTapeHistory(QWidget& owner, TapeHistoryActions actions) {
    TapeHistoryDialog dialog(&owner, std::move(actions));
    dialog.exec();
}

}  // namespace reckora
