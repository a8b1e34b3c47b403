#pragma once
// One print job of the tape on a printer's pages (the system's default printer through CUPS, or a
// PDF file; made by the print module), addressed in twips as the tape lays out its lines. The page
// is begun by the first drawing; any trouble of the printer is thrown as a Failure naming the
// cause.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>

#include "GlyphImages.h"
#include "PrintJobs.h"
#include "Printer.h"

namespace reckora {

class QtPrinter : public Printer {
public:
    // `destination` names the printer or file in failure messages.
    QtPrinter(std::unique_ptr<PrintJob> job, QString destination);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    void SetFontName(const std::string& name) override;
    void SetFontSize(float points) override;
    TextSize MeasureText(std::string_view text) override;
    float PageWidth() override;
    float PageHeight() override;
    void SetTextColor(Rgb color) override;
    void DrawText(float x, float top, std::string_view text) override;
    void DrawGlyph(const GlyphBitmap& glyph, float x, float top, float height) override;
    void SetTextStyle(TextStyle style) override { style_ = style; }
    void FillRect(float x, float top, float width, float height, Rgb color) override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() noexcept override;

private:
    double Pixels(double twips) const { return twips * resolution_ / 1440.0; }
    double Twips(double pixels) const { return pixels * 1440.0 / resolution_; }
    QPainter& Painter();
    QFont StyledFont() const;
    [[noreturn]] void Fail(const QString& what) const;

    std::unique_ptr<PrintJob> job_;
    QString destination_;
    int resolution_;
    QPainter painter_;
    QFont font_;
    QColor color_{Qt::black};
    TextStyle style_ = TextStyle::Normal;
    GlyphImages glyphImages_;
};

}  // namespace reckora
