// The about window: modal and topmost, closed by OK or the close button, made afresh each time,
// its owner's topmost state kept; its pictures painted, not blank.

#include "AboutWindow.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include "AboutPictures.h"
#include "AlwaysOnTop.h"

namespace reckora {
namespace {

TEST(AboutWindow, ModalUntilOkOrTheCloseButtonAndTheOwnerKeepsItsTopmostState) {
    QWidget owner;
    SetAlwaysOnTop(owner, true);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    int seen = 0;
    for (const bool viaOk : {true, false}) {
        QTimer::singleShot(50, [&, viaOk] {
            auto* about = qobject_cast<AboutWindow*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr);
            EXPECT_TRUE(about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            EXPECT_EQ(about->parentWidget(), &owner);
            ++seen;
            if (viaOk) {
                about->findChild<QPushButton*>("cmd_Ok")->click();
            } else {
                about->close();
            }
        });
        ShowAboutWindow(owner);
    }
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(owner.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(owner.findChildren<AboutWindow*>().size(), 0);
}

TEST(AboutWindow, PicturesArePainted) {
    for (const QImage& image : {AboutLogo(), AboutBanner(), AboutIcon()}) {
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                colours.insert(image.pixel(x, y));
            }
        }
        EXPECT_GE(colours.size(), 4) << image.width() << " x " << image.height();
    }
}

}  // namespace
}  // namespace reckora
