#pragma once
// The question box of the main window: a modal message box with OK and Cancel, the question
// icon and OK as the default button.

#include <string>

#include "InputPorts.h"

class QWidget;

namespace reckora {

class QtQuestionBox {
public:
    explicit QtQuestionBox(QWidget& owner) : owner_(owner) {}
    QuestionAnswer AskOkCancel(const std::string& prompt, const std::string& title);

private:
    QWidget& owner_;
};

}  // namespace reckora
