// Build tool: renders the program's SVG icon into a square picture of the given size, with Qt's
// own SVG renderer, so the hicolor icons and the window icon come from one drawing. OUTPUT.png is
// a PNG for the icon theme; OUTPUT.rgba holds the bare pixels (premultiplied RGBA, one byte each,
// row by row), which the program turns into its window icon without decoding anything.
//   render-icon INPUT.svg SIZE OUTPUT.png|OUTPUT.rgba

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: render-icon INPUT.svg SIZE OUTPUT.png|OUTPUT.rgba\n", stderr);
        return 2;
    }
    QGuiApplication application(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[2]).toInt();
    if (!svg.isValid() || size <= 0) {
        std::fprintf(stderr, "render-icon: cannot render %s at %s pixels\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QString output = QString::fromLocal8Bit(argv[3]);
    bool written = false;
    if (output.endsWith(QLatin1String(".rgba"))) {
        const QImage pixels = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        QFile file(output);
        written = file.open(QIODevice::WriteOnly) &&
                  file.write(reinterpret_cast<const char*>(pixels.constBits()),
                             pixels.sizeInBytes()) == pixels.sizeInBytes() &&
                  file.flush();
    } else {
        written = image.save(output, "PNG");
    }
    if (!written) {
        std::fprintf(stderr, "render-icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
