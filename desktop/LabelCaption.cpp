#include "LabelCaption.h"

#include <QPalette>

#include "Colours.h"

namespace reckora {

QString LabelCaption::ShownText(const std::string& caption) {
    QString text = QString::fromStdString(caption);
    for (qsizetype i = text.size() - 1; i >= 0 && text[i] == u' '; --i) {
        text[i] = QChar(0x00A0);
    }
    return text;
}

void LabelCaption::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (label_) {
        label_->setText(ShownText(caption));
        const QString value = QString::fromStdString(caption).trimmed();
        label_->setAccessibleName(name_.isEmpty()   ? value
                                  : value.isEmpty() ? name_
                                                    : name_ + QStringLiteral(", ") + value);
    }
}

void LabelCaption::SetForeColor(Rgb colour) {
    if (!label_) {
        return;
    }
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, ToQColor(colour));
    label_->setPalette(palette);
}

void LabelCaption::RepaintNow() {
    if (label_) {
        label_->repaint();
    }
}

}  // namespace reckora
