#include "LineLayout.h"

#include <algorithm>
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

// The widest left-hand mark, so that the selection's band and a note start right of every mark.
double WidestLeftMark() {
    int widest = 0;
    for (const GlyphBitmap& glyph : kGlyphs) {
        if (MarkKindOf(glyph.mark) == MarkKind::Left) {
            widest = std::max(widest, glyph.widthPixels);
        }
    }
    return (widest + 1) * kGlyphTwipsPerPixel;
}

// Where a line's parts go across the tape and where its number stands.
struct LinePlaces {
    double leftMarkX;
    double numberLeft;
    double textTop;  // of the number and the original, on the surface
    double y;        // the number's row on the unscrolled tape
};

void DrawSelectionBand(TextCanvas& canvas, const LineFrame& frame, std::int64_t centre,
                       const TapeLine& line, const LinePlaces& places) {
    const LineBand band = BandOf(centre, line.mark, frame.lineHeight);
    const double left = places.leftMarkX + WidestLeftMark();
    const double right = frame.rightEdge - 2.0 * frame.charWidth;
    canvas.FillRect(ToSurface(left), ToSurface(band.top - static_cast<double>(frame.scrollTop)),
                    ToSurface(right - left), ToSurface(band.bottom - band.top), kSelectionBand);
}

// The original struck through left of the number, in small type where the tape's size leaves
// no room for it beside a long number; returns where the free room now ends.
double DrawOriginal(TextCanvas& canvas, const LineFrame& frame, const LinePlaces& places,
                    std::string_view original) {
    const double room = places.numberLeft - frame.charWidth - places.leftMarkX - WidestLeftMark();
    const bool small = canvas.MeasureText(original).width > room;
    if (small) {
        canvas.SetTextStyle(TextStyle::Small);
    }
    const TextSize size = canvas.MeasureText(original);
    const double x = places.numberLeft - frame.charWidth - size.width;
    const double middle = places.y - static_cast<double>(frame.scrollTop);
    canvas.SetTextColor(kOriginalInk);
    canvas.DrawText(ToSurface(x), ToSurface(middle - size.height / 2), original);
    const double thickness = std::max(frame.lineHeight / 14.0, 1.0);
    canvas.FillRect(ToSurface(x), ToSurface(middle - thickness / 2), ToSurface(size.width),
                    ToSurface(thickness), kOriginalInk);
    if (small) {
        canvas.SetTextStyle(TextStyle::Normal);
    }
    return x;
}

void DrawNote(TextCanvas& canvas, const LineFrame& frame, const TapeLine& line,
              const LinePlaces& places, std::string_view note, double roomEnd) {
    canvas.SetTextStyle(TextStyle::Small);
    double left = places.leftMarkX + WidestLeftMark();
    if (MarkKindOf(line.mark) == MarkKind::Total) {
        canvas.SetTextStyle(TextStyle::Normal);
        const double countEnd = places.leftMarkX +
                                canvas.MeasureText(TotalCountText(line.itemCount)).width +
                                frame.charWidth;
        canvas.SetTextStyle(TextStyle::Small);
        left = std::max(left, countEnd);
    }
    const std::string fitted = FitText(canvas, note, roomEnd - frame.charWidth - left);
    if (!fitted.empty()) {
        const double height = canvas.MeasureText(fitted).height;
        canvas.SetTextColor(kNoteInk);
        canvas.DrawText(ToSurface(left),
                        ToSurface(places.y - height / 2 - static_cast<double>(frame.scrollTop)),
                        fitted);
    }
    canvas.SetTextStyle(TextStyle::Normal);
}

void DrawChangeMark(TextCanvas& canvas, const LineFrame& frame, const LinePlaces& places) {
    // In the gap between the number and the right-hand marks, one character wide; the asterisk
    // sits high in its cell like a footnote's.
    canvas.SetTextColor(kChangeMarkInk);
    canvas.DrawText(ToSurface(frame.rightEdge - 3.0 * frame.charWidth), ToSurface(places.textTop),
                    "*");
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

LineBand BandOf(std::int64_t centre, TapeMark mark, std::int32_t lineHeight) {
    const double half = lineHeight / 2.0;
    // A total's band reaches down over its count row.
    const double numberRow = MarkKindOf(mark) == MarkKind::Total
                                 ? static_cast<double>(TotalRowsBelow(centre, lineHeight).count)
                                 : static_cast<double>(centre);
    return {static_cast<double>(centre) - half, numberRow + half};
}

std::int32_t LineAtHeight(const TapeLines& lines, std::int32_t count, double y,
                          std::int32_t lineHeight) {
    const auto end =
        lines.begin() + std::clamp<std::int32_t>(count, 0, static_cast<std::int32_t>(lines.size()));
    // Centres never decrease down the tape: the last line whose band starts at or above y.
    const auto after = std::partition_point(lines.begin(), end, [&](const TapeLine& line) {
        return BandOf(line.centre, line.mark, lineHeight).top <= y;
    });
    if (after == lines.begin()) {
        return 0;
    }
    const TapeLine& line = *(after - 1);
    if (y >= BandOf(line.centre, line.mark, lineHeight).bottom) {
        return 0;
    }
    return static_cast<std::int32_t>(after - lines.begin());
}

std::string FitText(TextCanvas& canvas, std::string_view text, double width) {
    if (canvas.MeasureText(text).width <= width) {
        return std::string(text);
    }
    constexpr std::string_view kEllipsis = "...";
    std::size_t end = text.size();
    while (end > 0) {
        // Step back one whole character.
        do {
            --end;
        } while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u);
        std::string cut = std::string(text.substr(0, end)) + std::string(kEllipsis);
        if (canvas.MeasureText(cut).width <= width) {
            return cut;
        }
    }
    return {};
}

void DrawTapeLine(TextCanvas& canvas, const LineFrame& frame, std::int64_t centre,
                  const TapeLine& line, LineMarks marks) {
    const std::string_view text = line.text.View();
    const double cw = frame.charWidth;
    const double lh = frame.lineHeight;
    const double top = static_cast<double>(frame.scrollTop);
    const double leftMarkX = frame.rightEdge - 26 * cw;
    const bool total = MarkKindOf(line.mark) == MarkKind::Total;
    const TotalRows rows = TotalRowsBelow(centre, frame.lineHeight);
    // A total's number sits on its count row.
    const double y = total ? static_cast<double>(rows.count) : static_cast<double>(centre);

    const TextSize size = canvas.MeasureText(text);
    const LinePlaces places{leftMarkX, frame.rightEdge - 3 * cw - size.width,
                            y - size.height / 2.0 - top, y};
    if (marks.selected) {
        DrawSelectionBand(canvas, frame, centre, line, places);
    }
    switch (MarkKindOf(line.mark)) {
        case MarkKind::None:
            break;
        case MarkKind::Right:
            canvas.DrawGlyph(GlyphFor(line.mark), ToSurface(frame.rightEdge - 2 * cw),
                             ToSurface(static_cast<double>(centre) + (lh - cw) / 2 - top),
                             ToSurface(cw));
            break;
        case MarkKind::Left:
            canvas.DrawGlyph(GlyphFor(line.mark), ToSurface(leftMarkX),
                             ToSurface(static_cast<double>(centre) - cw / 2 - top), ToSurface(cw));
            break;
        case MarkKind::Total: {
            canvas.SetTextColor(frame.ink);
            const double ruleX =
                frame.rule == RulePlacement::StartsAtLeftMark
                    ? leftMarkX
                    : frame.rightEdge - 3 * cw - canvas.MeasureText(kSeparatorText).width;
            canvas.DrawText(ToSurface(ruleX), ToSurface(static_cast<double>(rows.rule) - lh - top),
                            kSeparatorText);
            canvas.DrawText(ToSurface(leftMarkX), ToSurface(places.textTop),
                            TotalCountText(line.itemCount));
            break;
        }
    }
    const LineExtras* extras = marks.extras;
    if (extras != nullptr) {
        double roomEnd = places.numberLeft;
        if (!extras->original.empty()) {
            roomEnd = DrawOriginal(canvas, frame, places, extras->original);
        }
        if (!extras->note.empty()) {
            DrawNote(canvas, frame, line, places, extras->note, roomEnd);
        }
    }
    canvas.SetTextColor(line.ink == Ink::Dark ? frame.ink : kTapeRed);
    canvas.DrawText(ToSurface(places.numberLeft), ToSurface(places.textTop), text);
    if (extras != nullptr && extras->changed) {
        DrawChangeMark(canvas, frame, places);
    }
}

}  // namespace reckora
