#include "LineLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

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
    for (const GlyphBitmap& glyph : GlyphBitmaps) {
        if (MarkKindOf(glyph.mark) == MarkKind::Left) {
            widest = std::max(widest, glyph.widthPixels);
        }
    }
    return (widest + 1) * GlyphTwipsPerPixel;
}

// Where a total's count starts: at the left-hand marks' place, or for a counted line with a mark
// of its own (a grand total) after the mark and a character's gap, as the saved text writes
// "GT 2"; the mark keeps its natural width whatever the font's size.
double CountLeft(const LineFrame& frame, TapeMark mark, double leftMarkX) {
    if (!HasGlyph(mark)) {
        return leftMarkX;
    }
    const double markWidth = GlyphFor(mark).widthPixels * GlyphTwipsPerPixel;
    return leftMarkX + std::max(3.0 * frame.charWidth, markWidth + frame.charWidth);
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
                    ToSurface(right - left), ToSurface(band.bottom - band.top), SelectionBand);
}

// Where the original starts and whether it is set in small type: small where the tape's size
// leaves no room for it beside a long number.
struct OriginalPlace {
    double x;
    bool small;
};

OriginalPlace PlaceOriginal(TextCanvas& canvas, const LineFrame& frame, const LinePlaces& places,
                            std::string_view original) {
    const double room = places.numberLeft - frame.charWidth - places.leftMarkX - WidestLeftMark();
    const bool small = canvas.MeasureText(original).width > room;
    if (small) {
        canvas.SetTextStyle(TextStyle::Small);
    }
    const double width = canvas.MeasureText(original).width;
    canvas.SetTextStyle(TextStyle::Normal);
    return {places.numberLeft - frame.charWidth - width, small};
}

// The original struck through left of the number; returns where the free room now ends.
double DrawOriginal(TextCanvas& canvas, const LineFrame& frame, const LinePlaces& places,
                    std::string_view original) {
    const OriginalPlace place = PlaceOriginal(canvas, frame, places, original);
    if (place.small) {
        canvas.SetTextStyle(TextStyle::Small);
    }
    const TextSize size = canvas.MeasureText(original);
    const double x = place.x;
    const double middle = places.y - static_cast<double>(frame.scrollTop);
    canvas.SetTextColor(OriginalInk);
    canvas.DrawText(ToSurface(x), ToSurface(middle - size.height / 2), original);
    const double thickness = std::max(frame.lineHeight / 14.0, 1.0);
    canvas.FillRect(ToSurface(x), ToSurface(middle - thickness / 2), ToSurface(size.width),
                    ToSurface(thickness), OriginalInk);
    if (place.small) {
        canvas.SetTextStyle(TextStyle::Normal);
    }
    return x;
}

// Where a note starts: right of every mark, and on a total line right of its count.
double NoteLeft(TextCanvas& canvas, const LineFrame& frame, const TapeLine& line,
                const LinePlaces& places) {
    double left = places.leftMarkX + WidestLeftMark();
    if (MarkKindOf(line.mark) == MarkKind::Total) {
        left = std::max(left, CountLeft(frame, line.mark, places.leftMarkX) +
                                  canvas.MeasureText(TotalCountText(line.itemCount)).width +
                                  frame.charWidth);
    }
    return left;
}

// The note's rows in small type, and whether they stand under the line: on paper one row beside
// the line, cut to the free room; in a document the whole note, beside the line when it fits
// there and otherwise wrapped in rows under it, so that a reader copies it in one piece.
struct NoteRows {
    std::vector<std::string> rows;
    bool under = false;
};

NoteRows NoteRowsAt(TextCanvas& canvas, const LineFrame& frame, const TapeLine& line,
                    const LinePlaces& places, std::string_view note, double roomEnd, NoteFit fit) {
    const double left = NoteLeft(canvas, frame, line, places);
    canvas.SetTextStyle(TextStyle::Small);
    NoteRows noteRows;
    const double room = roomEnd - frame.charWidth - left;
    if (fit == NoteFit::Cut || canvas.MeasureText(note).width <= room) {
        std::string fitted = FitText(canvas, note, room);
        if (!fitted.empty()) {
            noteRows.rows.push_back(std::move(fitted));
        }
    } else {
        const double width = frame.rightEdge - frame.charWidth - left;
        noteRows.rows = WrapText(canvas, note, width, width);
        noteRows.under = true;
    }
    canvas.SetTextStyle(TextStyle::Normal);
    return noteRows;
}

void DrawNote(TextCanvas& canvas, const LineFrame& frame, const TapeLine& line,
              const LinePlaces& places, std::string_view note, double roomEnd, NoteFit fit) {
    const NoteRows noteRows = NoteRowsAt(canvas, frame, line, places, note, roomEnd, fit);
    const double left = NoteLeft(canvas, frame, line, places);
    canvas.SetTextStyle(TextStyle::Small);
    canvas.SetTextColor(NoteInk);
    double middle = places.y - static_cast<double>(frame.scrollTop);
    if (!noteRows.under) {
        // Beside the line: the one row centred on it by its own height.
        for (const std::string& row : noteRows.rows) {
            const double height = canvas.MeasureText(row).height;
            canvas.DrawText(ToSurface(left), ToSurface(middle - height / 2), row);
        }
    } else {
        const double rowHeight = canvas.MeasureText("W").height;
        middle += frame.lineHeight / 2.0;
        for (const std::string& row : noteRows.rows) {
            canvas.DrawText(ToSurface(left), ToSurface(middle), row);
            middle += rowHeight;
        }
    }
    canvas.SetTextStyle(TextStyle::Normal);
}

// Where the line's parts go, from its centre.
LinePlaces PlacesOf(TextCanvas& canvas, const LineFrame& frame, std::int64_t centre,
                    const TapeLine& line) {
    const double y = MarkKindOf(line.mark) == MarkKind::Total
                         ? static_cast<double>(TotalRowsBelow(centre, frame.lineHeight).count)
                         : static_cast<double>(centre);
    const TextSize size = canvas.MeasureText(line.text.View());
    return {frame.rightEdge - 26.0 * frame.charWidth,
            frame.rightEdge - 3.0 * frame.charWidth - size.width,
            y - size.height / 2.0 - static_cast<double>(frame.scrollTop), y};
}

void DrawChangeMark(TextCanvas& canvas, const LineFrame& frame, const LinePlaces& places) {
    // In the gap between the number and the right-hand marks, one character wide; the asterisk
    // sits high in its cell like a footnote's.
    canvas.SetTextColor(ChangeMarkInk);
    canvas.DrawText(ToSurface(frame.rightEdge - 3.0 * frame.charWidth), ToSurface(places.textTop),
                    "*");
}

}  // namespace

MarkKind MarkKindOf(TapeMark mark) {
    switch (mark) {
        case TapeMark::PendingResult:
        case TapeMark::Error:
            return MarkKind::None;
        // Factors and results stand behind the number; the right-hand place is one character
        // wide, so only single symbols go there.
        case TapeMark::Divide:
        case TapeMark::Multiply:
        case TapeMark::Equals:
        case TapeMark::Percent:
        case TapeMark::Subtotal:
            return MarkKind::Right;
        // Items, memory, clearing, and every two-letter mark stand in front of it; a non-add
        // number's # stands where the + of an added item would.
        case TapeMark::ClearAll:
        case TapeMark::Subtract:
        case TapeMark::Add:
        case TapeMark::MemorySubtract:
        case TapeMark::MemoryAdd:
        case TapeMark::MemoryRecall:
        case TapeMark::MemoryClear:
        case TapeMark::NonAdd:
        case TapeMark::Tax:
        case TapeMark::TaxPlus:
        case TapeMark::TaxMinus:
        case TapeMark::AfterTax:
        case TapeMark::Cost:
        case TapeMark::Sell:
        case TapeMark::Margin:
        case TapeMark::MarginAmount:
            return MarkKind::Left;
        // A grand total is drawn as a total, with its mark in front of the count.
        case TapeMark::GrandTotal:
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
    constexpr double Lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double Highest = std::numeric_limits<std::int32_t>::max();
    if (!(value >= Lowest - 0.5 && value <= Highest + 0.5)) {
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

std::string FitText(TextCanvas& canvas, std::string_view text, double width) {
    if (canvas.MeasureText(text).width <= width) {
        return std::string(text);
    }
    constexpr std::string_view Ellipsis = "...";
    std::size_t end = text.size();
    while (end > 0) {
        // Step back one whole character.
        do {
            --end;
        } while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u);
        std::string cut = std::string(text.substr(0, end)) + std::string(Ellipsis);
        if (canvas.MeasureText(cut).width <= width) {
            return cut;
        }
    }
    return {};
}

std::vector<std::string> WrapText(TextCanvas& canvas, std::string_view text, double firstWidth,
                                  double restWidth) {
    std::vector<std::string> rows;
    double width = firstWidth;
    while (!text.empty()) {
        // The longest run of whole characters that fits; at least one, so that a row too narrow
        // for any character still moves on.
        std::size_t fits = 0;
        std::size_t lastBlank = std::string_view::npos;
        for (std::size_t end = 0; end < text.size();) {
            std::size_t next = end + 1;
            while (next < text.size() &&
                   (static_cast<unsigned char>(text[next]) & 0xC0u) == 0x80u) {
                ++next;
            }
            if (fits > 0 && canvas.MeasureText(text.substr(0, next)).width > width) {
                break;
            }
            if (text[end] == ' ') {
                lastBlank = end;
            }
            fits = next;
            end = next;
        }
        // Break after the last blank of the row when the text goes on, unless the row is one word.
        std::size_t cut = fits;
        if (fits < text.size() && text[fits] != ' ' && lastBlank != std::string_view::npos &&
            lastBlank > 0) {
            cut = lastBlank;
        }
        rows.emplace_back(text.substr(0, cut));
        text.remove_prefix(cut);
        while (!text.empty() && text.front() == ' ') {
            text.remove_prefix(1);
        }
        width = restWidth;
    }
    return rows;
}

double NoteDepth(TextCanvas& canvas, const LineFrame& frame, std::int64_t centre,
                 const TapeLine& line, const LineExtras* extras, NoteFit fit) {
    if (extras == nullptr || extras->note.empty() || fit == NoteFit::Cut) {
        return 0;
    }
    const LinePlaces places = PlacesOf(canvas, frame, centre, line);
    const double roomEnd = extras->original.empty()
                               ? places.numberLeft
                               : PlaceOriginal(canvas, frame, places, extras->original).x;
    const NoteRows noteRows = NoteRowsAt(canvas, frame, line, places, extras->note, roomEnd, fit);
    if (!noteRows.under) {
        return 0;
    }
    canvas.SetTextStyle(TextStyle::Small);
    const double rowHeight = canvas.MeasureText("W").height;
    canvas.SetTextStyle(TextStyle::Normal);
    return rowHeight * static_cast<double>(noteRows.rows.size());
}

void DrawTapeLine(TextCanvas& canvas, const LineFrame& frame, std::int64_t centre,
                  const TapeLine& line, LineMarks marks) {
    const std::string_view text = line.text.View();
    const double cw = frame.charWidth;
    const double lh = frame.lineHeight;
    const double top = static_cast<double>(frame.scrollTop);
    const double leftMarkX = frame.rightEdge - 26 * cw;

    const LinePlaces places = PlacesOf(canvas, frame, centre, line);
    if (marks.selected) {
        DrawSelectionBand(canvas, frame, centre, line, places);
    }
    switch (MarkKindOf(line.mark)) {
        case MarkKind::None:
            break;
        case MarkKind::Right:
            // The text first, so that the glyph's white ground covers it where they meet.
            canvas.WriteMarkText(line.mark, ToSurface(frame.rightEdge - 2 * cw),
                                 ToSurface(places.textTop));
            canvas.DrawGlyph(GlyphFor(line.mark), ToSurface(frame.rightEdge - 2 * cw),
                             ToSurface(static_cast<double>(centre) + (lh - cw) / 2 - top),
                             ToSurface(cw));
            break;
        case MarkKind::Left:
            canvas.WriteMarkText(line.mark, ToSurface(leftMarkX), ToSurface(places.textTop));
            canvas.DrawGlyph(GlyphFor(line.mark), ToSurface(leftMarkX),
                             ToSurface(static_cast<double>(centre) - cw / 2 - top), ToSurface(cw));
            break;
        case MarkKind::Total: {
            // Only here: the rounded rows cost more than the rest of a plain line's layout.
            const TotalRows rows = TotalRowsBelow(centre, frame.lineHeight);
            canvas.SetTextColor(frame.ink);
            const double ruleX =
                frame.rule == RulePlacement::StartsAtLeftMark
                    ? leftMarkX
                    : frame.rightEdge - 3 * cw - canvas.MeasureText(SeparatorText).width;
            canvas.DrawText(ToSurface(ruleX), ToSurface(static_cast<double>(rows.rule) - lh - top),
                            SeparatorText);
            if (HasGlyph(line.mark)) {
                // Centred on the count's row, as a left-hand mark is on its line.
                canvas.WriteMarkText(line.mark, ToSurface(leftMarkX), ToSurface(places.textTop));
                canvas.DrawGlyph(GlyphFor(line.mark), ToSurface(leftMarkX),
                                 ToSurface(static_cast<double>(rows.count) - cw / 2 - top),
                                 ToSurface(cw));
            }
            canvas.DrawText(ToSurface(CountLeft(frame, line.mark, leftMarkX)),
                            ToSurface(places.textTop), TotalCountText(line.itemCount));
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
            DrawNote(canvas, frame, line, places, extras->note, roomEnd, marks.noteFit);
        }
    }
    canvas.SetTextColor(line.ink == Ink::Dark ? frame.ink : TapeRed);
    canvas.DrawText(ToSurface(places.numberLeft), ToSurface(places.textTop), text);
    if (extras != nullptr && extras->changed) {
        DrawChangeMark(canvas, frame, places);
    }
}

}  // namespace reckora
