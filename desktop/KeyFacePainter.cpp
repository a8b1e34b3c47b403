#include "KeyFacePainter.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cstring>

#include "Colours.h"
#include "QtText.h"

namespace reckora {

namespace {

// Face colour, checkerboard and shadow are pixel patterns: drawn as an image of the picture's
// own pixels and scaled without smoothing. Every key face is drawn before the window first
// shows, so only the two top and the two shadow rows are worked out pixel by pixel: a row
// between them repeats the one two rows above (the checkerboard alternates with row parity).
QImage FaceImage(const FaceStyle& style, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const auto writeRow = [&](int y) {
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        for (int x = 0; x < width; ++x) {
            Rgb colour = FacePixel(style, x, y);
            if (x == width - 1 || y == height - 1) {
                colour = ShadowOuter;
            } else if (x == width - 2 || y == height - 2) {
                colour = ShadowInner;
            }
            row[x] = qRgb(colour.red, colour.green, colour.blue);
        }
    };
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(QRgb);
    for (int y = 0; y < height; ++y) {
        if (y < 2 || y >= height - 2) {
            writeRow(y);
        } else {
            std::memcpy(bits + y * stride, bits + (y - 2) * stride, rowBytes);
        }
    }
    return image;
}

void PaintText(QPainter& painter, const FaceStyle& style, const Legend& legend,
               const QString& first, const QRect& area) {
    QFont font(QFont::substitute(QtText(LegendFontName)));
    font.setBold(true);
    font.setPixelSize(legend.pixelSize);
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    QStringList lines{first};
    if (!legend.secondLine.empty()) {
        lines << QtText(legend.secondLine);
    }
    const qreal step = static_cast<qreal>(area.height()) / static_cast<qreal>(lines.size() + 1);
    for (int i = 0; i < lines.size(); ++i) {
        const qreal centreY = area.top() + step * (i + 1);
        const QRectF box(area.left(), centreY - legend.pixelSize, area.width(),
                         2.0 * legend.pixelSize);
        if (style.legendShadow) {
            painter.setPen(Qt::black);
            painter.drawText(box.translated(1, 1), Qt::AlignCenter, lines[i]);
        }
        painter.setPen(ToQColor(style.legend));
        painter.drawText(box, Qt::AlignCenter, lines[i]);
    }
}

QColor ShapeColour(const IconShape& shape, const FaceStyle& style) {
    return ToQColor(shape.colour.value_or(style.legend));
}

QPolygonF Polygon(const IconShape& shape) {
    QPolygonF polygon;
    for (int p = 0; p < shape.pointCount; ++p) {
        polygon << QPointF(shape.c[static_cast<std::size_t>(2 * p)] + 0.5,
                           shape.c[static_cast<std::size_t>(2 * p + 1)] + 0.5);
    }
    return polygon;
}

void PaintShape(QPainter& painter, const IconShape& shape, const FaceStyle& style) {
    const QColor colour = ShapeColour(shape, style);
    const auto& c = shape.c;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);
    switch (shape.kind) {
        case ShapeKind::FillRect:
            painter.fillRect(QRect(c[0], c[1], c[2], c[3]), colour);
            break;
        case ShapeKind::FrameRect:
            painter.fillRect(QRect(c[0], c[1], c[2], 1), colour);
            painter.fillRect(QRect(c[0], c[1] + c[3] - 1, c[2], 1), colour);
            painter.fillRect(QRect(c[0], c[1], 1, c[3]), colour);
            painter.fillRect(QRect(c[0] + c[2] - 1, c[1], 1, c[3]), colour);
            break;
        case ShapeKind::Line: {
            const int width = std::max<int>(1, c[4]);
            if (c[1] == c[3] || c[0] == c[2]) {
                const QPoint from(std::min(c[0], c[2]), std::min(c[1], c[3]));
                const QPoint to(std::max(c[0], c[2]), std::max(c[1], c[3]));
                const QSize extra = c[1] == c[3] ? QSize(1, width) : QSize(width, 1);
                painter.fillRect(QRect(from, QSize(to.x() - from.x() + extra.width(),
                                                   to.y() - from.y() + extra.height())),
                                 colour);
            } else {
                painter.setRenderHint(QPainter::Antialiasing, true);
                painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
                painter.drawLine(QPointF(c[0] + 0.5, c[1] + 0.5), QPointF(c[2] + 0.5, c[3] + 0.5));
            }
            break;
        }
        case ShapeKind::FillPolygon:
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setBrush(colour);
            painter.drawPolygon(Polygon(shape));
            break;
        case ShapeKind::OutlinePolygon:
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(QPen(colour, 1));
            painter.drawPolygon(Polygon(shape));
            break;
        case ShapeKind::Arc: {
            painter.setRenderHint(QPainter::Antialiasing, true);
            const qreal pen = std::max<int>(1, c[6]);
            painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::FlatCap));
            const QRectF box(c[0] + pen / 2, c[1] + pen / 2, c[2] - pen, c[3] - pen);
            painter.drawArc(box, c[4] * 16, c[5] * 16);
            break;
        }
    }
}

}  // namespace

QPixmap PaintKeyFace(FaceGroup group, const Legend& legend, int widthPixels, int heightPixels,
                     const QString& decimalSeparator, qreal devicePixelRatio) {
    const FaceStyle& style = StyleOf(group);
    QPixmap picture(QSize(widthPixels, heightPixels) * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(0, 0, widthPixels, heightPixels),
                      FaceImage(style, widthPixels, heightPixels));

    const QRect legendArea(0, 0, widthPixels - ShadowWidth, heightPixels - ShadowWidth);
    switch (legend.kind) {
        case LegendKind::Text:
            PaintText(painter, style, legend, QtText(legend.text), legendArea);
            break;
        case LegendKind::DecimalSeparator:
            PaintText(painter, style, legend, decimalSeparator, legendArea);
            break;
        case LegendKind::Icon:
            for (const IconShape& shape : ShapesOf(legend.icon)) {
                PaintShape(painter, shape, style);
            }
            break;
    }
    return picture;
}

}  // namespace reckora
