// The painted key faces: a screenshot under the offscreen platform carries every key's face
// colours and raised edge where the table puts the key, and faces stay crisp at a device-pixel
// ratio of 2.

#include <QImage>

#include "CalculatorFixture.h"
#include "ControlOrder.h"
#include "KeyFacePainter.h"

namespace reckora {
namespace {

QColor Colour(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

bool HasColour(const QImage& image, const QColor& colour) {
    return ColumnsOf(image, colour).second >= 0;
}

QImage Face(const KeyDescription& key, const char* separator = ".", double ratio = 1) {
    return PaintKeyFace(key.group, key.legend, key.pictureWidth, key.pictureHeight, separator,
                        ratio)
        .toImage();
}

TEST(KeyFaces, ScreenshotCarriesTheFaceColoursAtTheKeyPositions) {
    auto calculator = StartCalculator(15);
    const QImage shot = calculator->Window().ClientArea()->grab().toImage();
    for (const KeyDescription& key : Keys) {
        SCOPED_TRACE(key.index);
        const FaceStyle& style = StyleOf(key.group);
        const int x0 = static_cast<int>(key.geometry.left / 15);
        const int y0 = static_cast<int>(key.geometry.top / 15);
        // Near the top-left corner no legend covers the face; the checkerboards alternate.
        EXPECT_EQ(shot.pixelColor(x0 + 2, y0 + 2), Colour(FacePixel(style, 2, 2)));
        EXPECT_EQ(shot.pixelColor(x0 + 3, y0 + 2), Colour(FacePixel(style, 3, 2)));
        // The raised edge: outer black, inner dark grey, along the right and the bottom.
        const int right = x0 + key.pictureWidth - 1;
        const int bottom = y0 + key.pictureHeight - 1;
        EXPECT_EQ(shot.pixelColor(right, y0 + 5), QColor(Qt::black));
        EXPECT_EQ(shot.pixelColor(right - 1, y0 + 5), Colour(ShadowInner));
        EXPECT_EQ(shot.pixelColor(x0 + 5, bottom - 1), Colour(ShadowInner));
    }
}

TEST(KeyFaces, PaintedAtTheDevicePixelRatio) {
    const QPixmap face = PaintKeyFace(Keys[7].group, Keys[7].legend, 38, 38, ".", 2.0);
    EXPECT_EQ(face.deviceIndependentSize(), QSizeF(38, 38));
    const QImage image = face.toImage();
    // The shadow is two device pixels per picture pixel.
    EXPECT_EQ(image.pixelColor(74, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(73, 10), Colour(ShadowInner));
    EXPECT_TRUE(HasColour(image, Qt::white));  // the legend
}

TEST(KeyFaces, LegendsAndIcons) {
    const KeyDescription& separator = Keys[KeyNumber(Key::DecimalSeparator)];
    EXPECT_NE(Face(separator, "."), Face(separator, ","));
    for (int index : {23, 24, 25, 28, 29}) {
        const QImage face = Face(Keys[static_cast<std::size_t>(index)]);
        EXPECT_TRUE(HasColour(face, Qt::white) && HasColour(face, Qt::black)) << index;
    }
    const KeyDescription& undo = Keys[30];
    const auto paint = [&](bool active) {
        return PaintKeyFace(undo.group, UndoFaceLegend(active), 38, 29, ".", 1).toImage();
    };
    EXPECT_TRUE(HasColour(paint(true), Colour(IconNavy)));
    EXPECT_FALSE(HasColour(paint(false), Colour(IconNavy)));
}

}  // namespace
}  // namespace reckora
