// The about window: fixed texts and sizes, its pictures, topmost and modal, closed by OK or the
// close button, made afresh each time.

#include "AboutWindow.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "AboutPictures.h"
#include "AlwaysOnTop.h"

namespace reckora {
namespace {

QString Caption(const QWidget& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QString("<missing>");
}

TEST(AboutWindow, FixedTextsSizesAndPictures) {
    AboutWindow about(nullptr);
    EXPECT_EQ(about.windowTitle(), "About Reckora");
    EXPECT_EQ(about.size(), QSize(429, 289));  // 6435 x 4335 twips
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Caption(about, "Label1_0"), "Reckora Calculator");
    EXPECT_EQ(Caption(about, "Label1_1"), "Version 1.01");
    EXPECT_EQ(Caption(about, "Label1_3"),
              "Reckora Calculator is an emulation of desktop accounting calculator with tape");
    const auto* ok = about.findChild<QPushButton*>("cmd_Ok");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), QRect(112, 248, 201, 33));
    const auto* logo = about.findChild<QLabel*>("Picture1_0");
    const auto* banner = about.findChild<QLabel*>("Picture1_1");
    ASSERT_NE(logo, nullptr);
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(logo->pixmap().size(), QSize(171, 79));
    EXPECT_EQ(banner->pixmap().size(), QSize(401, 74));
    EXPECT_EQ(about.windowIcon().availableSizes().value(0), QSize(16, 16));
}

TEST(AboutWindow, PicturesArePaintedAtTheirSizes) {
    const QImage logo = AboutLogo();
    const QImage banner = AboutBanner();
    const QImage icon = AboutIcon();
    EXPECT_EQ(logo.size(), QSize(171, 79));
    EXPECT_EQ(banner.size(), QSize(401, 74));
    EXPECT_EQ(banner.depth(), 24);
    EXPECT_EQ(icon.size(), QSize(16, 16));
    EXPECT_LE(icon.colorCount(), 16);
    // Painted, not blank.
    for (const QImage* image : {&logo, &banner, &icon}) {
        QSet<QRgb> colours;
        for (int y = 0; y < image->height(); ++y) {
            for (int x = 0; x < image->width(); ++x) {
                colours.insert(image->pixel(x, y));
            }
        }
        EXPECT_GE(colours.size(), 4);
    }
}

TEST(AboutWindow, ModalUntilOkOrTheCloseButtonAndTheOwnerKeepsItsTopmostState) {
    QWidget owner;
    SetAlwaysOnTop(owner, true);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));

    int seen = 0;
    const auto closeWith = [&](bool viaOk) {
        QTimer::singleShot(50, [&, viaOk] {
            auto* about = qobject_cast<AboutWindow*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr);
            EXPECT_TRUE(about->isModal());
            EXPECT_TRUE(about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            EXPECT_EQ(about->parentWidget(), &owner);
            ++seen;
            if (viaOk) {
                about->findChild<QPushButton*>("cmd_Ok")->click();
            } else {
                about->close();
            }
        });
    };
    closeWith(true);
    ShowAboutWindow(owner);
    closeWith(false);
    ShowAboutWindow(owner);
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(owner.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(owner.findChildren<AboutWindow*>().size(), 0);
}

}  // namespace
}  // namespace reckora
