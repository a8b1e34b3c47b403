#include "LineLayout.h"

#include <cmath>
#include <limits>

#include "Failure.h"

namespace reckora {

namespace {

// The rows of a total line: the rule hangs from the first, the count and the total sit on the
// second, each 1/8 line height further down.
struct TotalRows {
    std::int64_t rule;
    std::int64_t count;
};

TotalRows TotalRowsBelow(std::int64_t centre, std::int32_t lineHeight) {
    const double eighth = lineHeight / 8.0;
    const std::int64_t rule = RoundHalfEven(static_cast<double>(centre) + eighth);
    return {rule, RoundHalfEven(static_cast<double>(rule) + eighth)};
}

float ToSurface(double value) {
    return static_cast<float>(value);
}

}  // namespace

MarkKind MarkKindOf(TapeMark mark) {
    switch (mark) {
        case TapeMark::PendingResult:
        case TapeMark::Error:
            return MarkKind::None;
        case TapeMark::Divide:
        case TapeMark::Multiply:
        case TapeMark::Equals:
        case TapeMark::Percent:
            return MarkKind::Right;
        case TapeMark::ClearAll:
        case TapeMark::Subtract:
        case TapeMark::Add:
        case TapeMark::MemorySubtract:
        case TapeMark::MemoryAdd:
        case TapeMark::MemoryRecall:
        case TapeMark::MemoryClear:
            return MarkKind::Left;
        case TapeMark::Total:
            break;
    }
    return MarkKind::Total;
}

std::int64_t RoundHalfEven(double value) {
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    return static_cast<std::int64_t>(whole);
}

std::int32_t RoundToInt32(double value) {
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    if (!(value >= kLowest - 0.5 && value <= kHighest + 0.5)) {
        throw Failure(FailureKind::Overflow, "Value outside the 32-bit range");
    }
    const std::int64_t rounded = RoundHalfEven(value);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        throw Failure(FailureKind::Overflow, "Value outside the 32-bit range");
    }
    return static_cast<std::int32_t>(rounded);
}

bool IsOverdrawn(std::string_view text, TapeMark mark, std::string_view pendingText) {
    switch (mark) {
        case TapeMark::Subtract:
        case TapeMark::Add:
        case TapeMark::Divide:
        case TapeMark::Multiply:
        case TapeMark::MemorySubtract:
        case TapeMark::MemoryAdd:
            return text == pendingText;
        default:
            return false;
    }
}

std::int64_t NextLineCentre(std::int64_t centre, TapeMark mark, std::int32_t lineHeight) {
    if (MarkKindOf(mark) != MarkKind::Total) {
        return centre + lineHeight;
    }
    const TotalRows rows = TotalRowsBelow(centre, lineHeight);
    return RoundHalfEven(static_cast<double>(rows.count) + 1.5 * lineHeight);
}

std::string TotalCountText(std::int32_t itemCount) {
    return std::to_string(itemCount);
}

void DrawTapeLine(TextCanvas& canvas, const LineFrame& frame, std::int64_t centre,
                  const TapeLine& line) {
    const std::string_view text = line.text.View();
    const double cw = frame.charWidth;
    const double lh = frame.lineHeight;
    const double top = static_cast<double>(frame.scrollTop);
    const double leftMarkX = frame.rightEdge - 26 * cw;
    double y = static_cast<double>(centre);

    const TextSize size = canvas.MeasureText(text);
    switch (MarkKindOf(line.mark)) {
        case MarkKind::None:
            break;
        case MarkKind::Right:
            canvas.DrawGlyph(GlyphFor(line.mark), ToSurface(frame.rightEdge - 2 * cw),
                             ToSurface(y + (lh - cw) / 2 - top), ToSurface(cw));
            break;
        case MarkKind::Left:
            canvas.DrawGlyph(GlyphFor(line.mark), ToSurface(leftMarkX), ToSurface(y - cw / 2 - top),
                             ToSurface(cw));
            break;
        case MarkKind::Total: {
            const TotalRows rows = TotalRowsBelow(centre, frame.lineHeight);
            canvas.SetTextColor(frame.ink);
            const double ruleX =
                frame.rule == RulePlacement::StartsAtLeftMark
                    ? leftMarkX
                    : frame.rightEdge - 3 * cw - canvas.MeasureText(kSeparatorText).width;
            canvas.DrawText(ToSurface(ruleX), ToSurface(static_cast<double>(rows.rule) - lh - top),
                            kSeparatorText);
            y = static_cast<double>(rows.count);
            canvas.DrawText(ToSurface(leftMarkX), ToSurface(y - size.height / 2.0 - top),
                            TotalCountText(line.itemCount));
            break;
        }
    }
    canvas.SetTextColor(line.ink == Ink::Dark ? frame.ink : kTapeRed);
    canvas.DrawText(ToSurface(frame.rightEdge - 3 * cw - size.width),
                    ToSurface(y - size.height / 2.0 - top), text);
}

}  // namespace reckora
