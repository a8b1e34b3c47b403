#pragma once
// The engine's view of a caption label (C_Display, LMem, LCounter) over a QLabel. The caption
// is kept exactly as written; on screen its trailing blanks are shown as fixed spaces, because
// right alignment would otherwise drop them and set the number against the border. A screen
// reader hears the caption, after the label's own name where it has one ("Display, 42.").

#include <QLabel>
#include <QPointer>
#include <utility>

#include "EnginePorts.h"

namespace reckora {

class LabelCaption : public DisplayLabel {
public:
    explicit LabelCaption(QLabel* label, QString name = {})
        : label_(label), name_(std::move(name)) {}

    void SetCaption(const std::string& caption) override;
    std::string Caption() const override { return caption_; }
    void SetForeColor(Rgb colour) override;
    void RepaintNow() override;

    // The text as the label shows it.
    static QString ShownText(const std::string& caption);

private:
    QPointer<QLabel> label_;
    QString name_;  // translated; empty: the caption alone names the label
    std::string caption_;
};

}  // namespace reckora
