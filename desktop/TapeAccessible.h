#pragma once
// The tape for screen readers: an accessible list with one item per line in force, each named by
// the line in words; the selected line is the list's focus. Lines are made accessible only when
// a reader asks for them, so a long tape costs nothing until then.

#include <QString>
#include <cstdint>
#include <functional>

class QAccessibleInterface;
class QRect;
class QWidget;

namespace reckora {

// What the accessible list reads of the tape, set by the owner of the calculator.
struct TapeReading {
    std::function<std::int32_t()> lines;               // the lines in force
    std::function<QString(std::int32_t line)> spoken;  // the line in words
    std::function<QString(std::int32_t line)> note;    // empty: none
    std::function<std::int32_t()> selected;            // 0: none
    std::function<QRect(std::int32_t line)> area;      // in the tape's pixels; empty: out of view
};

// Makes every TapeWidget accessible as such a list (once per program; later calls do nothing).
void InstallTapeAccessibility();

// Tells screen readers of a line: the selected line as the new focus, another as a line just
// added. Nothing when no reader listens.
void AnnounceTapeLine(QWidget& tape, std::int32_t line, bool selected);

}  // namespace reckora
