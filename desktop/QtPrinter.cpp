#include "QtPrinter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <utility>

#include "Colours.h"
#include "Failure.h"
#include "QtText.h"
#include "Translations.h"

namespace reckora {

QtPrinter::QtPrinter(std::unique_ptr<PrintJob> job, QString destination)
    : job_(std::move(job)),
      destination_(std::move(destination)),
      resolution_(job_->Resolution() > 0 ? job_->Resolution() : 1200) {
    font_.setStyleHint(QFont::TypeWriter);
    font_.setFixedPitch(true);
}

QtPrinter::~QtPrinter() {
    if (painter_.isActive()) {
        AbortDocument();
    }
}

void QtPrinter::Fail(const QString& what) const {
    throw Failure(FailureKind::PrinterFailure, (what + " (" + destination_ + ")").toStdString());
}

QPainter& QtPrinter::Painter() {
    if (!painter_.isActive()) {
        if (!painter_.begin(&job_->Pages())) {
            Fail(QCoreApplication::translate("reckora", "The printer could not start the job"));
        }
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    return painter_;
}

void QtPrinter::SetFontName(const std::string& name) {
    font_.setFamily(QString::fromStdString(name));
}

void QtPrinter::SetFontSize(float points) {
    if (points > 0) {
        font_.setPointSizeF(points);
    }
}

QFont QtPrinter::StyledFont() const {
    QFont font = font_;
    font.setPointSizeF(font_.pointSizeF() * static_cast<double>(TextScale(style_)));
    return font;
}

TextSize QtPrinter::MeasureText(std::string_view text) {
    const QFontMetricsF metrics(StyledFont(), &job_->Pages());
    return {static_cast<float>(Twips(metrics.horizontalAdvance(QtText(text)))),
            static_cast<float>(Twips(metrics.height()))};
}

float QtPrinter::PageWidth() {
    return static_cast<float>(
        Twips(job_->Pages().pageLayout().paintRectPixels(resolution_).width()));
}

float QtPrinter::PageHeight() {
    return static_cast<float>(
        Twips(job_->Pages().pageLayout().paintRectPixels(resolution_).height()));
}

void QtPrinter::SetTextColor(Rgb color) {
    color_ = ToQColor(color);
}

void QtPrinter::DrawText(float x, float top, std::string_view text) {
    QPainter& painter = Painter();
    const QFont font = StyledFont();
    painter.setFont(font);
    painter.setPen(color_);
    const QFontMetricsF metrics(font, &job_->Pages());
    painter.drawText(QPointF(Pixels(x), Pixels(top) + metrics.ascent()), QtText(text));
}

void QtPrinter::DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) {
    QPainter& painter = Painter();
    const double width = glyph.widthPixels * GlyphTwipsPerPixel;
    painter.drawImage(QRectF(Pixels(x), Pixels(top), Pixels(width), Pixels(height)),
                      glyphImages_.Of(glyph));
}

void QtPrinter::FillRect(float x, float top, float width, float height, Rgb color) {
    Painter().fillRect(QRectF(Pixels(x), Pixels(top), Pixels(width), Pixels(height)),
                       ToQColor(color));
}

void QtPrinter::NewPage() {
    Painter();
    if (!job_->Pages().newPage()) {
        Fail(QCoreApplication::translate("reckora", "The printer could not start a new page"));
    }
}

void QtPrinter::EndDocument() {
    Painter();
    if (!painter_.end() || job_->Failed()) {
        Fail(QCoreApplication::translate("reckora", "The printer could not finish the job"));
    }
}

void QtPrinter::AbortDocument() noexcept {
    job_->Abort();
    if (painter_.isActive()) {
        painter_.end();
    }
}

}  // namespace reckora
