#pragma once
// The tape worked with the mouse, the find window and screen readers: a click selects a line, a
// double click on the selected line corrects it, Find steps through the matching lines, and the
// tape's accessible list reads the lines in the user's language and hears of the selection and
// each new line. The Edit menu's entries for the selected line are enabled as the core says when
// the menu opens.

#include <cstdint>

class QRect;

namespace reckora {

class CalculatorCore;
class FindDialog;
class MainWindow;

class TapeInteraction {
public:
    TapeInteraction(MainWindow& window, CalculatorCore& core);
    ~TapeInteraction();
    TapeInteraction(const TapeInteraction&) = delete;
    TapeInteraction& operator=(const TapeInteraction&) = delete;

    // Edit, Find: opens the find window (made at the first use).
    void ShowFind();
    // The selected line, or a new line, for screen readers.
    void Announce(std::int32_t line);

    // The find window; nullptr before the first Find.
    FindDialog* Find() const { return find_; }

private:
    // The line shown at a height of the tape control; 0 for none.
    std::int32_t LineAt(double yTwips) const;
    // Where a line is in the control's pixels; empty when it is out of view.
    QRect AreaOf(std::int32_t line) const;

    MainWindow& window_;
    CalculatorCore& core_;
    FindDialog* find_ = nullptr;  // owned by the window
};

}  // namespace reckora
