#pragma once
// The paper tape CalcTape: the line store the calculator appends to, its drawing on a retained
// surface with mark glyphs, rules and counts, the scroll bar that keeps the newest line in view,
// and printing. It never calls the calculator; its only call outward is handing the keyboard
// focus back to the main window.
//
// A redraw draws only the lines that reach into the view (found by binary search on the centres
// stored with the lines); the picture is the one a replay of every line from the first gives.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "DrawingSurface.h"
#include "EnginePorts.h"
#include "LineChanges.h"
#include "LineExtras.h"
#include "LineLayout.h"
#include "PrintService.h"
#include "ScrollBar.h"
#include "TapeLine.h"

namespace reckora {

class CalcTape final : public PaperTape, private ScrollBarEvents {
public:
    // Creation: no lines, ScrollTop 0, metrics measured in the surface's font, surface cleared.
    // The tape registers itself for the scroll bar's events (see ScrollBar.h).
    // giveFocusBack hands the keyboard focus back to the main window: the tape's scroll bar must
    // never keep it, so that every key stroke keeps reaching the calculator.
    CalcTape(DrawingSurface& surface, ScrollBar& scrollBar, std::function<void()> giveFocusBack,
             PrintService& printing);
    ~CalcTape() override;
    CalcTape(const CalcTape&) = delete;
    CalcTape& operator=(const CalcTape&) = delete;

    // Stores the line as line CurrentLine + 1 (discarding lines hidden by a lowered CurrentLine),
    // draws it and scrolls it into view. Throws Failure Overflow, changing nothing, when
    // CurrentLine is already the largest 32-bit value.
    void AddLine(const TapeEntry& entry) override;
    // Empties the tape: no lines, view at the top, blank surface, scroll maximum 0.
    void ClearAll() override;
    // Redraws lines 1..CurrentLine at the current scroll position; the scroll range stays.
    void Redraw() override;
    // Prints lines 1..CurrentLine on the default printer, or tells the user there is nothing to
    // print. Never throws: printer failures go to the print service; the tape stays unchanged.
    void PrintContent() override;
    std::int32_t CurrentLine() const override { return currentLine_; }
    // Lowering hides the lines above at once for Redraw and PrintContent; nothing is redrawn.
    // Throws Failure OutOfRange, changing nothing, for a value outside 0..StoredLines().
    void SetCurrentLine(std::int32_t lines) override;

    // Replaces every line by `entries` and their extras (a stored tape brought back), draws the
    // end of the tape and scrolls it into view, as adding them one by one would, without drawing
    // each.
    void LoadLines(const std::vector<TapeEntry>& entries,
                   const std::map<std::int32_t, LineExtras>& extras = {});
    // Replaces lines position.. by `entries` and their extras by `extras` (a correction),
    // keeping the scroll place.
    void ReplaceLinesFrom(std::int32_t position, const std::vector<TapeEntry>& entries,
                          const std::map<std::int32_t, LineExtras>& extras);
    // Lines position..CurrentLine as the engine gave them.
    std::vector<TapeEntry> EntriesFrom(std::int32_t position) const;

    // The title a printed document of the tape is headed with, asked for at each print.
    void SetDocumentTitle(std::function<std::string()> title) { documentTitle_ = std::move(title); }

    // The note, original and change mark of a line in force; nullptr when it has none.
    const LineExtras* Extras(std::int32_t position) const;
    // Empty extras remove the line's; redraws. Positions outside 1..CurrentLine are ignored.
    void SetExtras(std::int32_t position, LineExtras extras);
    const std::map<std::int32_t, LineExtras>& AllExtras() const { return extras_; }
    // The selected line, 0 for none.
    std::int32_t SelectedLine() const { return selected_; }
    // 0 clears; a line in force is selected and scrolled into view; others are ignored.
    void SelectLine(std::int32_t position);

    // What changed in the lines in force since the last call; starts counting again.
    LineChanges TakeLineChanges();

    // Clears the surface; NextY := LineHeight; PendingText := empty.
    void ClearSurface();
    // Recomputes the scroll range from NextY and moves the view to the end of the tape.
    void UpdateScroll();
    // One page (the whole lines in the view less one) up or down.
    void PageUp();
    void PageDown();

    float FontSize();
    // Sets the tape font size (any finite value within single precision; Failure otherwise),
    // measures the metrics again and sizes the scroll bar's width. Nothing is redrawn: the size
    // change that follows in the window layout does that.
    void SetFontSize(double points);

    // The control's size changed (also the first time it gets a size): scroll bar height,
    // scroll range, redraw. A failing step is skipped.
    void OnResize();

    // Scroll bar events (also reachable through ScrollBarEvents).
    void OnScrollChange() override;
    void OnScrollDrag() override;
    void OnScrollFocus() override;

    // Read access for the harness and tests. Positions count from 1.
    const TapeLine& Line(std::int32_t position) const {
        return lines_.at(static_cast<std::size_t>(position) - 1);
    }
    const TapeLines& Lines() const { return lines_; }
    std::int32_t StoredLines() const { return static_cast<std::int32_t>(lines_.size()); }
    std::int64_t ScrollTop() const { return scrollTop_; }
    std::int64_t NextY() const { return nextY_; }
    std::int32_t LineHeight() const { return lineHeight_; }
    std::int32_t CharWidth() const { return charWidth_; }
    std::string_view PendingText() const { return pendingText_; }

private:
    void MeasureMetrics();
    LineFrame ScreenFrame();
    // Draws a line at NextY by the overdraw rule and advances NextY and PendingText.
    void DrawDataLine(const TapeLine& line);
    // Brings the stored centres of lines 1..CurrentLine in line with a replay at the current
    // line height, when a font change or a drawing from stale state left them behind.
    void EnsureCentresFollowReplay();
    // NextY and PendingText as a replay of lines 1..CurrentLine leaves them.
    std::int64_t ReplayNextY() const;
    std::string_view ReplayPendingText() const;
    // Runs scroll bar changes made by the tape itself, then the change handler at most once.
    template <class Change>
    bool ChangeScrollBar(Change change);
    void PageBy(std::int64_t pages);
    // The scroll bar's maximum for a tape whose next line would be at `nextY`; -1 when it fits.
    std::int32_t ScrollMaximum(std::int64_t nextY) const;
    // Lines after `lines` were cut back: their extras go, and the selection if it was there.
    void ForgetAfter(std::int32_t lines);
    // The extras of lines position.. become `extras` (those of lines in force); nothing is drawn.
    void TakeExtrasFrom(std::int32_t position, const std::map<std::int32_t, LineExtras>& extras);
    // What the line at a position shows beyond its text on screen.
    LineMarks MarksOf(std::int32_t position) const;

    DrawingSurface& surface_;
    ScrollBar& scrollBar_;
    std::function<void()> giveFocusBack_;
    PrintService& printing_;
    std::function<std::string()> documentTitle_;

    TapeLines lines_;
    std::int32_t currentLine_ = 0;
    // Replacing lines from `keep` on by `entries`: notes which positions differ, or that the
    // change was more than a rewrite in place.
    void NoteRewrites(std::int32_t keep, const std::vector<TapeEntry>& entries);
    void NoteRewrites(std::int32_t position, const std::map<std::int32_t, LineExtras>& extras);

    // The fewest lines in force since TakeLineChanges last ran.
    std::int32_t unchangedLines_ = 0;
    // The lines rewritten in place since TakeLineChanges last ran; nothing once lines were
    // added, cut back or replaced by a different count.
    std::optional<std::set<std::int32_t>> rewritten_{std::in_place};
    std::int64_t scrollTop_ = 0;
    std::int64_t nextY_ = 0;
    std::int32_t charWidth_ = 0;
    std::int32_t lineHeight_ = 0;
    std::string pendingText_;
    std::map<std::int32_t, LineExtras> extras_;
    std::int32_t selected_ = 0;

    // The stored centres equal a replay's at the current line height unless centresStale_.
    bool centresStale_ = false;
    // While the tape changes its own scroll bar, change events only note that they came.
    bool holdingScrollEvents_ = false;
    bool scrollEventHeld_ = false;
    // Where the last redraw's lines began; the next search for the view starts there.
    std::size_t firstDrawnHint_ = 0;
};

}  // namespace reckora
