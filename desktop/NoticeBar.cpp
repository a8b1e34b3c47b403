#include "NoticeBar.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace reckora {

namespace {

// Good news is read in this time; a warning stays until it is closed or another notice comes.
constexpr int InformationShownMs = 20000;

struct Look {
    NoticeSeverity severity;
    QStyle::StandardPixmap icon;
    QRgb background;
    QRgb border;
};

constexpr Look NoticeLooks[] = {
    {NoticeSeverity::Information, QStyle::SP_MessageBoxInformation, 0xFFE3EEFA, 0xFF7A9CC6},
    {NoticeSeverity::Warning, QStyle::SP_MessageBoxWarning, 0xFFFFF4CE, 0xFFC8A600},
};

const Look& LookOf(NoticeSeverity severity) {
    for (const Look& look : NoticeLooks) {
        if (look.severity == severity) {
            return look;
        }
    }
    return NoticeLooks[1];
}

}  // namespace

NoticeBar::NoticeBar(QWidget& area, QWidget& tape)
    : QFrame(&area),
      area_(area),
      tape_(tape),
      icon_(new QLabel(this)),
      text_(new QLabel(this)),
      close_(new QToolButton(this)) {
    setObjectName(QStringLiteral("NoticeBar"));
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setAccessibleName(QCoreApplication::translate("reckora", "Notice"));

    QPalette black = text_->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    text_->setPalette(black);
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setFocusPolicy(Qt::NoFocus);
    text_->setTextInteractionFlags(Qt::NoTextInteraction);

    const QString closeText = QCoreApplication::translate("reckora", "Close this notice");
    close_->setText(QStringLiteral("\u00D7"));
    close_->setAutoRaise(true);
    close_->setToolTip(closeText);
    close_->setAccessibleName(closeText);
    // A click closes the notice and leaves the keyboard where it was.
    close_->setFocusPolicy(Qt::NoFocus);
    connect(close_, &QToolButton::clicked, this, &QWidget::hide);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 3, 2, 3);
    layout->setSpacing(4);
    layout->addWidget(icon_, 0, Qt::AlignTop);
    layout->addWidget(text_, 1);
    layout->addWidget(close_, 0, Qt::AlignTop);

    fade_.setSingleShot(true);
    fade_.setInterval(InformationShownMs);
    connect(&fade_, &QTimer::timeout, this, &QWidget::hide);

    tape_.installEventFilter(this);
    area_.installEventFilter(this);
    hide();
}

void NoticeBar::Show(NoticeSeverity severity, const QString& text) {
    const Look& look = LookOf(severity);
    // A plain box is drawn in the text colour; the text has black of its own.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(look.background));
    colours.setColor(QPalette::WindowText, QColor::fromRgb(look.border));
    setPalette(colours);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    icon_->setPixmap(style()->standardIcon(look.icon, nullptr, this).pixmap(iconSize));
    text_->setText(text);
    setAccessibleDescription(text);
    if (severity == NoticeSeverity::Information) {
        fade_.start();
    } else {
        fade_.stop();
    }
    Place();
    show();
    raise();
    QAccessibleEvent changed(text_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

QString NoticeBar::Text() const {
    return isHidden() ? QString() : text_->text();
}

bool NoticeBar::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Move:
        case QEvent::Show:
        case QEvent::Hide:
            if (!isHidden()) {
                Place();
            }
            break;
        default:
            break;
    }
    return QFrame::eventFilter(watched, event);
}

// Over the top of the tape, where the oldest lines shown are; without the tape, over the top of
// the window. Never taller than what it lies over.
void NoticeBar::Place() {
    const QRect over = tape_.isVisible() || (tape_.isVisibleTo(&area_) && !area_.isVisible())
                           ? tape_.geometry()
                           : area_.rect();
    const int width = over.width();
    const int wanted = hasHeightForWidth() ? heightForWidth(width) : sizeHint().height();
    setGeometry(over.x(), over.y(), width, std::min(std::max(wanted, 0), over.height()));
}

}  // namespace reckora
