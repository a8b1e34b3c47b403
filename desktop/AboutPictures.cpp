#include "AboutPictures.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ProgramIcon.h"

namespace reckora {

namespace {

const QColor Body(0x40, 0x40, 0x48);
const QColor BodyEdge(0x20, 0x20, 0x28);
const QColor Screen(0xC8, 0xD8, 0xB0);
const QColor Paper(0xFF, 0xFF, 0xF4);
const QColor Ink(0x00, 0x00, 0x80);
const QColor Red(0xFF, 0x00, 0x00);

// A key grid of `columns` x `rows` keys inside `area`.
void PaintKeys(QPainter& painter, const QRectF& area, int columns, int rows) {
    const double gap = 2;
    const double width = (area.width() - gap * (columns - 1)) / columns;
    const double height = (area.height() - gap * (rows - 1)) / rows;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const bool function = column == columns - 1;
            painter.setBrush(function ? QColor(0xE0, 0x80, 0x30) : QColor(0xF0, 0xF0, 0xF0));
            painter.setPen(Qt::NoPen);
            painter.drawRoundedRect(QRectF(area.left() + column * (width + gap),
                                           area.top() + row * (height + gap), width, height),
                                    1.5, 1.5);
        }
    }
}

// A strip of paper tape with a few figure lines and a total under a rule.
void PaintTape(QPainter& painter, const QRectF& strip, const QFont& font) {
    painter.setPen(QPen(QColor(0xB0, 0xB0, 0xA0), 1));
    painter.setBrush(Paper);
    painter.drawRect(strip);
    painter.setFont(font);
    const char* lines[] = {"12.50 +", "30.00 +", "-2.50 -"};
    const double lineHeight = strip.height() / 5.5;
    double y = strip.top() + lineHeight;
    for (const char* line : lines) {
        painter.setPen(line[0] == '-' ? Red : Ink);
        painter.drawText(QRectF(strip.left() + 2, y - lineHeight, strip.width() - 5, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(line));
        y += lineHeight;
    }
    painter.setPen(Ink);
    painter.drawLine(QPointF(strip.left() + 4, y - lineHeight + 1),
                     QPointF(strip.right() - 4, y - lineHeight + 1));
    painter.drawText(QRectF(strip.left() + 2, y - lineHeight + 1, strip.width() - 5, lineHeight),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("40.00 *"));
}

}  // namespace

QImage AboutLogo() {
    QImage image(AboutLogoWidth, AboutLogoHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QFont tapeFont(QStringLiteral("Liberation Mono"));
    tapeFont.setPixelSize(9);
    PaintTape(painter, QRectF(104.5, 2.5, 62, 56), tapeFont);

    painter.setPen(QPen(BodyEdge, 1));
    painter.setBrush(Body);
    painter.drawRoundedRect(QRectF(4.5, 14.5, 110, 61), 5, 5);
    painter.setBrush(Screen);
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(12, 20, 94, 13));
    QFont screenFont(QStringLiteral("Liberation Sans"));
    screenFont.setPixelSize(11);
    screenFont.setBold(true);
    painter.setFont(screenFont);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(12, 20, 91, 13), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("40.00"));
    PaintKeys(painter, QRectF(12, 38, 94, 32), 6, 3);
    return image;
}

QImage AboutBanner() {
    QImage image(AboutBannerWidth, AboutBannerHeight, QImage::Format_RGB888);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, AboutBannerWidth, 0);
    sky.setColorAt(0, QColor(0x00, 0x00, 0x60));
    sky.setColorAt(1, QColor(0x30, 0x60, 0xB0));
    painter.fillRect(image.rect(), sky);

    QFont tapeFont(QStringLiteral("Liberation Mono"));
    tapeFont.setPixelSize(10);
    PaintTape(painter, QRectF(318.5, 4.5, 72, 65), tapeFont);

    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(30);
    title.setBold(true);
    title.setItalic(true);
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(QRectF(16, 8, 300, 40), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Reckora"));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(14, 6, 300, 40), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Reckora"));
    QFont subtitle(QStringLiteral("Liberation Sans"));
    subtitle.setPixelSize(13);
    painter.setFont(subtitle);
    painter.setPen(QColor(0xFF, 0xE0, 0x90));
    painter.drawText(QRectF(16, 46, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("reckora", "adding machine with paper tape"));
    return image;
}

// The program's icon at 16 pixels on the window colour, in the 16 colours of the design.
QImage AboutIcon() {
    QImage image(AboutIconSize, AboutIconSize, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&image);
    painter.drawImage(0, 0, ProgramIconImage(AboutIconSize));
    painter.end();
    // The classic 16-colour palette.
    const QList<QRgb> palette = {
        qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00),
        qRgb(0x80, 0x80, 0x00), qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80),
        qRgb(0x00, 0x80, 0x80), qRgb(0xC0, 0xC0, 0xC0), qRgb(0x80, 0x80, 0x80),
        qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x00),
        qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF),
        qRgb(0xFF, 0xFF, 0xFF),
    };
    return image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

}  // namespace reckora
