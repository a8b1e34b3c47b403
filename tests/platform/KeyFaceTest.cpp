// The painted window: a screenshot under the offscreen platform carries every key's face
// colours where the description puts the key, and faces stay crisp at a device-pixel ratio of 2.

#include <QDir>
#include <QImage>
#include <set>

#include "CalculatorFixture.h"
#include "ControlOrder.h"
#include "KeyFacePainter.h"

namespace reckora {
namespace {

QColor Colour(std::uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// A point of the face that no legend covers: near the top-left corner.
QPoint FacePoint(const KeyDescription& key) {
    return {static_cast<int>(key.geometry.left / 15) + 2,
            static_cast<int>(key.geometry.top / 15) + 2};
}

TEST(KeyFaces, ScreenshotCarriesTheFaceColoursAtTheKeyPositions) {
    auto calculator = StartCalculator(15);
    MainWindow& window = calculator->Window();
    for (int key : {7, 8, KeyNumber(Key::Add), 9, KeyNumber(Key::Total)}) {
        QTest::mouseClick(window.Key(key), Qt::LeftButton);
    }
    QTest::qWait(150);

    const QImage shot = window.ClientArea()->grab().toImage();
    const QString file = QDir::temp().filePath("reckora-offscreen.png");
    ASSERT_TRUE(shot.save(file));

    std::set<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 3) {
        for (int x = 0; x < shot.width(); x += 3) {
            colours.insert(shot.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 12u) << "the window looks blank";

    for (const KeyDescription& key : Keys) {
        const FaceStyle& style = StyleOf(key.group);
        const QPoint p = FacePoint(key);
        const int x0 = static_cast<int>(key.geometry.left / 15);
        const int y0 = static_cast<int>(key.geometry.top / 15);
        EXPECT_EQ(shot.pixelColor(p), Colour(FacePixel(style, 2, 2))) << "key " << key.index;
        EXPECT_EQ(shot.pixelColor(p + QPoint(1, 0)), Colour(FacePixel(style, 3, 2)))
            << "key " << key.index;
        // The raised edge: outer black, inner dark grey, along the right and the bottom.
        const int right = x0 + key.pictureWidth - 1;
        const int bottom = y0 + key.pictureHeight - 1;
        EXPECT_EQ(shot.pixelColor(right, y0 + 5), QColor(Qt::black)) << "key " << key.index;
        EXPECT_EQ(shot.pixelColor(right - 1, y0 + 5), Colour(ShadowInner)) << "key " << key.index;
        EXPECT_EQ(shot.pixelColor(x0 + 5, bottom), QColor(Qt::black)) << "key " << key.index;
        EXPECT_EQ(shot.pixelColor(x0 + 5, bottom - 1), Colour(ShadowInner)) << "key " << key.index;
    }
    // The two checkerboards alternate from pixel to pixel.
    const QPoint add = FacePoint(Keys[15]);
    EXPECT_NE(shot.pixelColor(add), shot.pixelColor(add + QPoint(1, 0)));
    EXPECT_EQ(shot.pixelColor(add), shot.pixelColor(add + QPoint(1, 1)));
    // The display is white with the total in black on it.
    const QRect display = window.Label("C_Display")->geometry();
    EXPECT_EQ(shot.pixelColor(display.left() + 5, display.top() + 5), QColor(Qt::white));
}

TEST(KeyFaces, UndoFaceHoldersShowTheTwoUndoFaces) {
    auto calculator = StartCalculator(15);
    auto* greyed = qobject_cast<QLabel*>(calculator->Window().Control({"Picture1", 0}));
    auto* active = qobject_cast<QLabel*>(calculator->Window().Control({"Picture1", 1}));
    ASSERT_NE(greyed, nullptr);
    ASSERT_NE(active, nullptr);
    EXPECT_FALSE(greyed->isVisible());
    const QImage greyedFace = greyed->pixmap().toImage();
    const QImage activeFace = active->pixmap().toImage();
    EXPECT_EQ(greyedFace.size(), QSize(38, 29));
    EXPECT_NE(greyedFace, activeFace);
    EXPECT_EQ(calculator->Window().Key(30)->Face().toImage(), greyedFace);
}

bool HasColour(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

TEST(KeyFaces, PaintedAtTheDevicePixelRatio) {
    const KeyDescription& seven = Keys[7];
    const QPixmap face = PaintKeyFace(seven.group, seven.legend, 38, 38, ".", 2.0);
    EXPECT_EQ(face.size(), QSize(76, 76));
    EXPECT_EQ(face.deviceIndependentSize(), QSizeF(38, 38));
    const QImage image = face.toImage();
    // The shadow is two device pixels per picture pixel.
    EXPECT_EQ(image.pixelColor(75, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(74, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(73, 10), Colour(ShadowInner));
    EXPECT_EQ(image.pixelColor(4, 4), Colour(0x8080FF));
    EXPECT_TRUE(HasColour(image, Qt::white));  // the legend
}

TEST(KeyFaces, DecimalKeyShowsTheLocaleSeparator) {
    const KeyDescription& separator = Keys[KeyNumber(Key::DecimalSeparator)];
    const QImage point = PaintKeyFace(separator.group, separator.legend, 38, 38, ".", 1).toImage();
    const QImage comma = PaintKeyFace(separator.group, separator.legend, 38, 38, ",", 1).toImage();
    EXPECT_NE(point, comma);
    EXPECT_TRUE(HasColour(point, Qt::white));
}

TEST(KeyFaces, FunctionIconsUseTheirColours) {
    for (int index : {23, 24, 25, 28, 29}) {
        const KeyDescription& key = Keys[static_cast<std::size_t>(index)];
        const QImage face =
            PaintKeyFace(key.group, key.legend, key.pictureWidth, key.pictureHeight, ".", 1)
                .toImage();
        EXPECT_EQ(face.pixelColor(1, 1), Colour(0xC0C0C0)) << index;
        EXPECT_TRUE(HasColour(face, Qt::white)) << index;
        EXPECT_TRUE(HasColour(face, Qt::black)) << index;
    }
    const KeyDescription& undo = Keys[30];
    const QImage active = PaintKeyFace(undo.group, UndoFaceLegend(true), 38, 29, ".", 1).toImage();
    const QImage greyed = PaintKeyFace(undo.group, UndoFaceLegend(false), 38, 29, ".", 1).toImage();
    EXPECT_TRUE(HasColour(active, Colour(0x000080)));
    EXPECT_FALSE(HasColour(greyed, Colour(0x000080)));
    EXPECT_TRUE(HasColour(greyed, Colour(0x808080)));
}

}  // namespace
}  // namespace reckora
