#pragma once
// Where the parts of one tape line go and how far the tape advances after it, shared by the
// screen and the paper: marks in front of or behind a right-aligned number, and at a total
// line a separator rule and the item count. Everything is anchored at the right edge of the
// tape column, so the numbers stay right-aligned however wide the column is.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "LineExtras.h"
#include "TapeInks.h"
#include "TapeLine.h"
#include "TextCanvas.h"

namespace reckora {

// 23 em dashes (UTF-8), as wide as the 23-character number field in the fixed-width font.
inline constexpr std::string_view SeparatorText =
    "\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014"
    "\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014";

enum class RulePlacement {
    EndsAtNumberColumn,  // screen: the rule's right end is the numbers' right end
    StartsAtLeftMark,    // paper: the rule starts where the left marks start
};

struct LineFrame {
    double rightEdge = 0;  // W on screen; the column's left edge + 26 x CharWidth on paper
    std::int32_t charWidth = 0;
    std::int32_t lineHeight = 0;
    std::int64_t scrollTop = 0;  // subtracted from every y
    RulePlacement rule = RulePlacement::EndsAtNumberColumn;
    Rgb ink = TapeDarkBlue;  // dark-ink numbers, the rule and the item count; others are red
};

enum class MarkKind { None, Left, Right, Total };

MarkKind MarkKindOf(TapeMark mark);

// Rounds to the nearest integer, an exact half to the even neighbour.
std::int64_t RoundHalfEven(double value);
// The same for a 32-bit result; Failure Overflow outside the 32-bit range or for NaN.
std::int32_t RoundToInt32(double value);

// The overdraw rule: a subtract, add, divide, multiply, memory subtract or memory add line with
// the same text as a pending result drawn just before lands on that result's centre instead of
// below it.
bool IsOverdrawn(std::string_view text, TapeMark mark, std::string_view pendingText);

// The text the next line may overdraw after a line with this text and mark.
inline std::string_view PendingTextAfter(std::string_view text, TapeMark mark) {
    return mark == TapeMark::PendingResult ? text : std::string_view{};
}

// The centre of the line after a line centred at `centre` (after its overdraw step): one line
// height lower, or for a total line 1/8 + 1/8 + 1.5 line heights, each step rounded.
std::int64_t NextLineCentre(std::int64_t centre, TapeMark mark, std::int32_t lineHeight);

// The item count a total line shows, in decimal digits.
std::string TotalCountText(std::int32_t itemCount);

// How a note meets the room beside its line: cut to it with "..." (screen and paper), or
// whole, in rows under the line when it does not fit beside it (a document, where the note is
// read and copied rather than glanced at).
enum class NoteFit { Cut, Wrap };

// What a line shows beyond its text: its extras (nullptr: none), whether it is selected, and
// how its note is fitted.
struct LineMarks {
    const LineExtras* extras = nullptr;
    bool selected = false;
    NoteFit noteFit = NoteFit::Cut;
};

// The extras of the line at a position counted from 1 (nullptr: none), for printing a tape.
using ExtrasOfLine = std::function<const LineExtras*(std::int32_t position)>;

// Draws one line centred at `centre` (after the overdraw step) in this order: the selection's
// band, the mark (for a total: colour, rule, count), the struck-through original and the note,
// the number's colour, the number, the change mark. A line without marks draws only what it
// always drew: the band and the extras take the free room left of the number, and the change
// mark the gap between the number and the right-hand marks.
void DrawTapeLine(TextCanvas& canvas, const LineFrame& frame, std::int64_t centre,
                  const TapeLine& line, LineMarks marks = {});

// The text cut at a character boundary and ended with "..." so that it is at most `width` wide
// in the canvas's current style; empty when not even "..." fits.
std::string FitText(TextCanvas& canvas, std::string_view text, double width);

// The text in rows at character boundaries, broken after a blank where the row holds one: the
// first row at most `firstWidth` wide, the others `restWidth`, in the canvas's current style. A
// row too narrow for one character still takes one.
std::vector<std::string> WrapText(TextCanvas& canvas, std::string_view text, double firstWidth,
                                  double restWidth);

// How far a line's note reaches below the line's own row: the rows under it; 0 when the note
// fits beside the line or is cut.
double NoteDepth(TextCanvas& canvas, const LineFrame& frame, std::int64_t centre,
                 const TapeLine& line, const LineExtras* extras, NoteFit fit);

// The rows a line takes on the unscrolled tape: its selection band, and where a click selects it.
struct LineBand {
    double top = 0;
    double bottom = 0;
};
LineBand BandOf(std::int64_t centre, TapeMark mark, std::int32_t lineHeight);

// How far above and below its centre a line may draw, for finding the lines in a view.
inline std::int64_t LineReachAbove(std::int32_t lineHeight, std::int32_t charWidth) {
    return std::int64_t{lineHeight} + charWidth + 2;
}
inline std::int64_t LineReachBelow(std::int32_t lineHeight, std::int32_t charWidth) {
    return 2 * std::int64_t{lineHeight} + charWidth + 2;
}

}  // namespace reckora
