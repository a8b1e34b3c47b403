#pragma once
// The engine's view of a caption label (C_Display, LMem, LCounter) over a QLabel. The caption
// is kept exactly as written; on screen its trailing blanks are shown as fixed spaces, because
// right alignment would otherwise drop them and set the number against the border.

#include <QLabel>
#include <QPointer>

#include "EnginePorts.h"

namespace reckora {

class LabelCaption : public DisplayLabel {
public:
    explicit LabelCaption(QLabel* label) : label_(label) {}

    void SetCaption(const std::string& caption) override;
    std::string Caption() const override { return caption_; }
    void SetForeColor(std::uint32_t rgbRedLow) override;
    void RepaintNow() override;

    // The text as the label shows it.
    static QString ShownText(const std::string& caption);

private:
    QPointer<QLabel> label_;
    std::string caption_;
};

}  // namespace reckora
