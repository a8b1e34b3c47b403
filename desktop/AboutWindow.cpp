#include "AboutWindow.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "AboutPictures.h"
#include "AlwaysOnTop.h"
#include "TwipScale.h"

namespace reckora {

namespace {

// The window is laid out in twips at 15 twips per (device-independent) pixel, whatever the
// screen.
constexpr TwipScale AboutScale(15);

int Px(int twips) {
    return AboutScale.WholePixels(twips);
}

constexpr int ClientWidth = 6435;
constexpr int ClientHeight = 4335;
constexpr int RuleLeft = 120;
constexpr int RuleRight = 6360;
constexpr int RuleTop = 3600;

QRect Box(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

QLabel* PictureBox(QWidget* parent, const char* name, const QRect& box, const QImage& picture) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(box);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPixmap(QPixmap::fromImage(picture));
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    return label;
}

QLabel* TextLabel(QWidget* parent, const char* name, const QRect& box, const QString& caption,
                  double points, bool bold, QColor colour) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(box);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(tr("About Reckora"));
    setWindowIcon(QIcon(QPixmap::fromImage(AboutIcon())));
    setFixedSize(Px(ClientWidth), Px(ClientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setSizeGripEnabled(false);

    PictureBox(this, "Picture1_0", Box(240, 240, 2655, 1215), AboutLogo());
    const QColor title(0x00, 0x00, 0x40);
    TextLabel(this, "Label1_0", Box(3480, 240, 2505, 255), tr("Reckora Calculator"), 12, true,
              title);
    TextLabel(this, "Label1_1", Box(3480, 600, 2505, 255), tr("Version 1.01"), 12, true, title);
    QLabel* about = TextLabel(
        this, "Label1_3", Box(300, 1680, 5925, 615),
        tr("Reckora Calculator is an emulation of desktop accounting calculator with tape"), 9.75,
        false, QColor(0x00, 0x00, 0x80));
    about->setWordWrap(true);
    PictureBox(this, "Picture1_1", Box(240, 2280, 6012, 1212), AboutBanner());

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmd_Ok"));
    ok->setGeometry(Box(1680, 3720, 3015, 495));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // Above the main window even when that one is always on top.
    SetAlwaysOnTop(*this, true);
}

void AboutWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(Px(RuleLeft), Px(RuleTop), Px(RuleRight), Px(RuleTop));
}

void ShowAboutWindow(QWidget& owner) {
    AboutWindow about(&owner);
    about.exec();
}

}  // namespace reckora
