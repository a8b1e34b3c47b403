// Save Tape As: the dated name offered, the extension following the chosen file type, the format
// remembered for the next time, and a cancel.

#include "TapeFileChooser.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

namespace reckora {
namespace {

// Acts on the file dialog about to open, after checking the name it offers.
void WhenTheDialogOpens(const QString& offered, const std::function<void(QFileDialog&)>& act) {
    QTimer::singleShot(50, [offered, act] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), offered);
        act(*dialog);
    });
}

TEST(TapeFileChooser, OffersTheDatedNameInTheFormatChosenLast) {
    QWidget owner;
    TapeFileChooser chooser(owner);
    WhenTheDialogOpens("Tape 2026-12-06.txt", [](QFileDialog& dialog) {
        auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
        ASSERT_EQ(types->count(), 3);
        types->setCurrentIndex(1);  // CSV, as the user picks it
        emit types->activated(1);
        EXPECT_EQ(dialog.findChild<QLineEdit*>("fileNameEdit")->text(), "Tape 2026-12-06.csv");
        static_cast<QDialog&>(dialog).accept();  // the Save button
    });
    const std::optional<SaveTarget> chosen = chooser.Choose("Tape 2026-12-06.txt");
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path.filename(), "Tape 2026-12-06.csv");
    EXPECT_EQ(chosen->format, TapeFormat::Csv);

    WhenTheDialogOpens("Tape 2026-12-07.csv", [](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(chooser.Choose("Tape 2026-12-07.txt"));
}

// A kept tape is offered under its name, with characters a file name cannot hold replaced, and
// the dialog's name field hands back what was typed there.
TEST(TapeFileChooser, OffersANamedTapeUnderItsNameAndReturnsTheNameTyped) {
    EXPECT_EQ(SuggestedTapeName(QDate(2026, 12, 6), "Rent 3/2026: \"a\"?"),
              "Rent 3-2026- -a--.txt");
    EXPECT_EQ(SuggestedTapeName(QDate(2026, 12, 6), ".."), "Tape 2026-12-06.txt");
    QWidget owner;
    TapeFileChooser chooser(owner);
    WhenTheDialogOpens("März.txt", [](QFileDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>("TapeName");
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), "März");
        name->setText("  April ");
        static_cast<QDialog&>(dialog).accept();
    });
    std::optional<SaveTarget> chosen =
        chooser.Choose(SuggestedTapeName(QDate(2026, 12, 6), "März"), std::string("März"));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->tapeName, "  April ");

    WhenTheDialogOpens("Tape 2026-12-06.txt", [](QFileDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>("TapeName"), nullptr);
        static_cast<QDialog&>(dialog).accept();
    });
    chosen = chooser.Choose("Tape 2026-12-06.txt");
    ASSERT_TRUE(chosen);
    EXPECT_FALSE(chosen->tapeName);
}

}  // namespace
}  // namespace reckora
