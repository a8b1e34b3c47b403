#pragma once
// The paper tape CalcTape on screen: the drawing of a TapeModel's lines on a retained surface with
// mark glyphs, rules and counts, the scroll bar that keeps the newest line in view, the selected
// line, and printing. It follows the model's announcements and holds no line of its own, only
// where it drew each. It never calls the calculator; its only call outward is handing the
// keyboard focus back to the main window.
//
// A redraw draws only the lines that reach into the view (found by binary search on the centres
// it keeps for the model's lines); the picture is the one a replay of every line from the first
// gives.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "DrawingSurface.h"
#include "LineLayout.h"
#include "PrintService.h"
#include "ScrollBar.h"
#include "TapeModel.h"

namespace reckora {

class CalcTape final : private ScrollBarEvents {
public:
    // Creation: ScrollTop 0, metrics measured in the surface's font, surface cleared, the lines
    // the model holds not drawn until a redraw. The tape registers itself for the model's changes
    // and the scroll bar's events (see ScrollBar.h), both of which must outlive it; it changes no
    // line.
    // giveFocusBack hands the keyboard focus back to the main window: the tape's scroll bar must
    // never keep it, so that every key stroke keeps reaching the calculator.
    CalcTape(TapeModel& model, DrawingSurface& surface, ScrollBar& scrollBar,
             std::function<void()> giveFocusBack, PrintService& printing);
    ~CalcTape();
    CalcTape(const CalcTape&) = delete;
    CalcTape& operator=(const CalcTape&) = delete;

    // Redraws lines 1..CurrentLine at the current scroll position; the scroll range stays.
    void Redraw();
    // Prints lines 1..CurrentLine on the default printer, or tells the user there is nothing to
    // print. Never throws: printer failures go to the print service; the tape stays unchanged.
    void PrintContent();

    // The title a printed document of the tape is headed with, asked for at each print.
    void SetDocumentTitle(std::function<std::string()> title) { documentTitle_ = std::move(title); }

    // The selected line, 0 for none.
    std::int32_t SelectedLine() const { return selected_; }
    // 0 clears; a line in force is selected and scrolled into view; others are ignored.
    void SelectLine(std::int32_t position);

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

    // Where a line in force is drawn: its vertical centre on the unscrolled tape, after the
    // overdraw step-back (the value NextY had when it was drawn).
    std::int64_t Centre(std::int32_t position) const {
        return centres_.at(static_cast<std::size_t>(position) - 1);
    }
    // The line in force whose band on the unscrolled tape holds height y, the later of an
    // overdrawn pair; 0 for none.
    std::int32_t LineAt(double y) const;
    std::int64_t ScrollTop() const { return scrollTop_; }
    std::int64_t NextY() const { return nextY_; }
    std::int32_t LineHeight() const { return lineHeight_; }
    std::int32_t CharWidth() const { return charWidth_; }
    std::string_view PendingText() const { return pendingText_; }

private:
    // Scroll bar events.
    void OnScrollChange() override;
    void OnScrollDrag() override;
    void OnScrollFocus() override;

    // The model changed: the drawing follows.
    void Follow(const TapeChange& change);
    void LineAdded(std::int32_t before);
    void Cleared();
    void Reloaded();
    void LinesReplaced();

    void MeasureMetrics();
    LineFrame ScreenFrame();
    // Draws a line at NextY by the overdraw rule and advances NextY and PendingText.
    void DrawDataLine(const TapeLine& line, std::int64_t centre);
    // Brings the centres of the stored lines in line with a replay at the current line height,
    // when a font change or a drawing from stale state left them behind.
    void EnsureCentresFollowReplay();
    // NextY and PendingText as a replay of lines 1..lines leaves them.
    std::int64_t ReplayNextY(std::int32_t lines) const;
    std::string_view ReplayPendingText(std::int32_t lines) const;
    // Runs scroll bar changes made by the tape itself, then the change handler at most once.
    template <class Change>
    bool ChangeScrollBar(Change change);
    void PageBy(std::int64_t pages);
    // The scroll bar's maximum for a tape whose next line would be at `nextY`; -1 when it fits.
    std::int32_t ScrollMaximum(std::int64_t nextY) const;
    // Lines after `lines` left the lines in force: so does the selection if it was there.
    void ForgetAfter(std::int32_t lines);
    // What the line at a position shows beyond its text on screen.
    LineMarks MarksOf(std::int32_t position) const;

    TapeModel& model_;
    TapeModel::ListenerId listening_;
    DrawingSurface& surface_;
    ScrollBar& scrollBar_;
    std::function<void()> giveFocusBack_;
    PrintService& printing_;
    std::function<std::string()> documentTitle_;

    // The centre of each line the model stores, also those hidden above CurrentLine, which the
    // model may bring back; equal to a replay's at the current line height unless centresStale_.
    std::deque<std::int64_t> centres_;
    bool centresStale_ = false;
    std::int64_t scrollTop_ = 0;
    std::int64_t nextY_ = 0;
    std::int32_t charWidth_ = 0;
    std::int32_t lineHeight_ = 0;
    std::string pendingText_;
    std::int32_t selected_ = 0;

    // While the tape changes its own scroll bar, change events only note that they came.
    bool holdingScrollEvents_ = false;
    bool scrollEventHeld_ = false;
    // Where the last redraw's lines began; the next search for the view starts there.
    std::size_t firstDrawnHint_ = 0;
};

}  // namespace reckora
