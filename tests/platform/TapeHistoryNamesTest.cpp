// Naming, saving and printing in the Tape History: a refused name keeps the rename dialog open
// with the reason, a name taken shows in the list, and a tape that cannot be printed is named in
// a box.

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "SheetListModel.h"
#include "TapeHistoryDialog.h"

namespace reckora {
namespace {

TEST(TapeHistoryNames, ARefusedNameKeepsTheDialogOpenAndATakenOneIsListed) {
    std::vector<store::SheetSummary> sheets{{2, 2000, 2500, 3, 3, "7.50", ""},
                                            {1, 1000, 1500, 1, 1, "", "Old"}};
    std::vector<std::string> typed;
    std::vector<store::SheetId> printed;
    TapeHistoryDialog dialog(
        nullptr,
        {.find = [&](const std::string&) { return sheets; },
         .current = [] { return std::optional<store::SheetId>(2); },
         .open = [](store::SheetId) { return true; },
         .remove = [](store::SheetId) { return true; },
         .rename = [&](store::SheetId id, const std::string& name) -> std::optional<std::string> {
             typed.push_back(name);
             if (name.size() > 5) {
                 return std::string("Too long.");
             }
             sheets[id == 2 ? 0 : 1].name = name;
             return std::nullopt;
         },
         .save = {},
         .print =
             [&](store::SheetId id) {
                 printed.push_back(id);
                 return id == 2;
             }});
    auto* table = dialog.findChild<QTableView*>("Tapes");
    auto* rename = dialog.findChild<QPushButton*>("Rename");
    auto* print = dialog.findChild<QPushButton*>("Print");
    ASSERT_TRUE(table && rename && print);
    EXPECT_FALSE(dialog.findChild<QPushButton*>("SaveAs")->isEnabled()) << "no way to save given";
    EXPECT_EQ(table->model()->index(1, SheetListModel::Name).data().toString(), "Old");

    table->setCurrentIndex(table->model()->index(0, 0));
    QTimer::singleShot(50, [] {
        auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(ask, nullptr);
        ask->setTextValue("Far too long");
        ask->accept();
        EXPECT_TRUE(ask->isVisible()) << "a refused name closed the dialog";
        EXPECT_TRUE(ask->labelText().contains("Too long.")) << ask->labelText().toStdString();
        ask->setTextValue("Rent");
        ask->accept();
    });
    rename->click();
    EXPECT_EQ(typed, (std::vector<std::string>{"Far too long", "Rent"}));
    EXPECT_EQ(table->model()->index(0, SheetListModel::Name).data().toString(), "Rent");

    print->click();
    table->setCurrentIndex(table->model()->index(1, 0));
    QTimer::singleShot(50, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->text().contains("cannot be read")) << box->text().toStdString();
        box->accept();
    });
    print->click();
    EXPECT_EQ(printed, (std::vector<store::SheetId>{2, 1}));
}

}  // namespace
}  // namespace reckora
