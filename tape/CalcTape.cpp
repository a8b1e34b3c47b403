#include "CalcTape.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <utility>

#include "Failure.h"
#include "PartitionPointNear.h"
#include "TapePrint.h"

namespace reckora {

namespace {

std::int32_t ClampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

CalcTape::CalcTape(TapeModel& model, DrawingSurface& surface, ScrollBar& scrollBar,
                   std::function<void()> giveFocusBack, PrintService& printing)
    : model_(model),
      listening_(model.Listen([this](const TapeChange& change) { Follow(change); })),
      surface_(surface),
      scrollBar_(scrollBar),
      giveFocusBack_(std::move(giveFocusBack)),
      printing_(printing) {
    MeasureMetrics();
    centres_.assign(static_cast<std::size_t>(model_.StoredLines()), 0);
    centresStale_ = !centres_.empty();
    ClearSurface();
    scrollBar_.SetEvents(this);
}

CalcTape::~CalcTape() {
    scrollBar_.SetEvents(nullptr);
    model_.StopListening(listening_);
}

void CalcTape::MeasureMetrics() {
    const TextSize size = surface_.MeasureText("W");
    const std::int32_t lineHeight = RoundToInt32(size.height);
    centresStale_ = centresStale_ || lineHeight != lineHeight_;
    lineHeight_ = lineHeight;
    charWidth_ = RoundToInt32(size.width);
}

LineFrame CalcTape::ScreenFrame() {
    return {surface_.ScaleWidth(),
            charWidth_,
            lineHeight_,
            scrollTop_,
            RulePlacement::EndsAtNumberColumn,
            TapeDarkBlue};
}

void CalcTape::Follow(const TapeChange& change) {
    switch (change.kind) {
        case TapeChangeKind::Added:
            LineAdded(change.lines.unchanged);
            return;
        case TapeChangeKind::Cleared:
            Cleared();
            return;
        case TapeChangeKind::CurrentMoved:
            // Lowering hides the lines above at once for Redraw and PrintContent; nothing is
            // redrawn.
            ForgetAfter(model_.CurrentLine());
            return;
        case TapeChangeKind::Loaded:
            Reloaded();
            return;
        case TapeChangeKind::Replaced:
            LinesReplaced();
            return;
        case TapeChangeKind::ExtrasSet:
            Redraw();
            return;
    }
}

// The new line is drawn and scrolled into view.
void CalcTape::LineAdded(std::int32_t before) {
    // The new line keeps the centres equal to a replay's only if it is drawn where a replay
    // would draw it.
    const bool followsReplay = !centresStale_ && nextY_ == ReplayNextY(before) &&
                               pendingText_ == ReplayPendingText(before);
    const TapeLine& line = model_.Line(before + 1);
    std::int64_t centre = nextY_;
    if (IsOverdrawn(line.text.View(), line.mark, pendingText_)) {
        centre -= lineHeight_;
    }
    centres_.resize(static_cast<std::size_t>(before));
    centres_.push_back(centre);
    ForgetAfter(before);
    if (!followsReplay) {
        centresStale_ = true;
    }
    DrawDataLine(line, centre);
    UpdateScroll();
}

void CalcTape::DrawDataLine(const TapeLine& line, std::int64_t centre) {
    DrawTapeLine(surface_, ScreenFrame(), centre, line);
    pendingText_ = PendingTextAfter(line.text.View(), line.mark);
    nextY_ = NextLineCentre(centre, line.mark, lineHeight_);
}

// No lines, view at the top, blank surface, scroll maximum 0.
void CalcTape::Cleared() {
    scrollTop_ = 0;
    centres_.clear();
    centres_.shrink_to_fit();
    ForgetAfter(0);
    ClearSurface();
    centresStale_ = false;
    if (ChangeScrollBar([this] { scrollBar_.SetMaximum(0); })) {
        OnScrollChange();
    }
}

void CalcTape::ClearSurface() {
    surface_.Clear();
    nextY_ = lineHeight_;
    pendingText_.clear();
}

// A stored tape brought back: the end of the tape is drawn and scrolled into view, as adding the
// lines one by one would, without drawing each.
void CalcTape::Reloaded() {
    centres_.assign(static_cast<std::size_t>(model_.StoredLines()), 0);
    ForgetAfter(0);
    centresStale_ = true;
    EnsureCentresFollowReplay();
    nextY_ = ReplayNextY(model_.CurrentLine());
    pendingText_ = ReplayPendingText(model_.CurrentLine());
    UpdateScroll();
    Redraw();
}

// A correction keeps the scroll place.
void CalcTape::LinesReplaced() {
    centres_.resize(static_cast<std::size_t>(model_.StoredLines()));
    ForgetAfter(model_.CurrentLine());
    // A replaced line may draw taller or shorter (an overdraw that comes or goes).
    centresStale_ = true;
    EnsureCentresFollowReplay();
    const std::int32_t place = scrollBar_.Value();
    const std::int32_t maximum = std::max(ScrollMaximum(ReplayNextY(model_.CurrentLine())), 0);
    ChangeScrollBar([this, place, maximum] {
        scrollBar_.SetMaximum(maximum);
        scrollBar_.SetValue(std::min(place, maximum));
    });
    OnScrollChange();
}

LineMarks CalcTape::MarksOf(std::int32_t position) const {
    return {model_.Extras(position), position == selected_};
}

void CalcTape::SelectLine(std::int32_t position) {
    if (position < 0 || position > model_.CurrentLine() || position == selected_) {
        return;
    }
    selected_ = position;
    if (position == 0 || lineHeight_ <= 0) {
        Redraw();
        return;
    }
    EnsureCentresFollowReplay();
    const std::int64_t centre = Centre(position);
    const std::int64_t top = centre - lineHeight_ / 2;
    const std::int64_t bottom = centre + (lineHeight_ + 1) / 2;
    const std::int64_t height = static_cast<std::int64_t>(std::floor(surface_.ScaleHeight()));
    std::int64_t value = scrollBar_.Value();
    if (top < scrollTop_) {
        value = top / lineHeight_;
    } else if (bottom > scrollTop_ + height) {
        value = (bottom - height + lineHeight_ - 1) / lineHeight_;
    }
    value = std::clamp<std::int64_t>(value, 0, scrollBar_.Maximum());
    if (value == scrollBar_.Value()) {
        Redraw();
        return;
    }
    ChangeScrollBar([this, value] { scrollBar_.SetValue(static_cast<std::int32_t>(value)); });
    OnScrollChange();
}

void CalcTape::ForgetAfter(std::int32_t lines) {
    if (selected_ > lines) {
        selected_ = 0;
    }
}

void CalcTape::EnsureCentresFollowReplay() {
    if (!centresStale_) {
        return;
    }
    // Every stored line, also those hidden above CurrentLine, which the model may bring back.
    std::int64_t centre = lineHeight_;
    std::string_view pending;
    auto stored = centres_.begin();
    for (const TapeLine& line : model_.Lines()) {
        const std::string_view text = line.text.View();
        if (IsOverdrawn(text, line.mark, pending)) {
            centre -= lineHeight_;
        }
        *stored++ = centre;
        pending = PendingTextAfter(text, line.mark);
        centre = NextLineCentre(centre, line.mark, lineHeight_);
    }
    centresStale_ = false;
}

std::int64_t CalcTape::ReplayNextY(std::int32_t lines) const {
    if (lines == 0) {
        return lineHeight_;
    }
    return NextLineCentre(Centre(lines), model_.Line(lines).mark, lineHeight_);
}

std::string_view CalcTape::ReplayPendingText(std::int32_t lines) const {
    if (lines == 0) {
        return {};
    }
    const TapeLine& last = model_.Line(lines);
    return PendingTextAfter(last.text.View(), last.mark);
}

std::int32_t CalcTape::LineAt(double y) const {
    const std::int32_t lines = std::clamp<std::int32_t>(model_.CurrentLine(), 0,
                                                        static_cast<std::int32_t>(centres_.size()));
    const auto bandOf = [this](std::int32_t position) {
        return BandOf(Centre(position), model_.Line(position).mark, lineHeight_);
    };
    // Centres never decrease down the tape: the last line whose band starts at or above y.
    std::int32_t found = 0;  // the bands of lines 1..found start at or above y
    std::int32_t unknown = lines - found;
    while (unknown > 0) {
        const std::int32_t half = unknown / 2;
        if (bandOf(found + half + 1).top <= y) {
            found += half + 1;
            unknown -= half + 1;
        } else {
            unknown = half;
        }
    }
    return found == 0 || y >= bandOf(found).bottom ? 0 : found;
}

void CalcTape::Redraw() {
    ClearSurface();
    EnsureCentresFollowReplay();
    const std::int32_t lines = model_.CurrentLine();
    const auto begin = centres_.begin();
    const auto end = begin + lines;
    auto first = begin;
    auto last = end;
    // Centres never decrease down the tape, so the lines that can reach into the view form one
    // run. Lines outside it would only be clipped away.
    if (lineHeight_ >= 0 && charWidth_ >= 0) {
        const std::int64_t height = static_cast<std::int64_t>(std::ceil(surface_.ScaleHeight()));
        const std::int64_t lowest = scrollTop_ - LineReachBelow(lineHeight_, charWidth_);
        const std::int64_t highest = scrollTop_ + std::max<std::int64_t>(height, 0) +
                                     LineReachAbove(lineHeight_, charWidth_);
        const auto hint = begin + static_cast<std::ptrdiff_t>(
                                      std::min(firstDrawnHint_, static_cast<std::size_t>(lines)));
        first = PartitionPointNear(begin, end, hint,
                                   [lowest](std::int64_t centre) { return centre < lowest; });
        last = PartitionPointNear(first, end, first,
                                  [highest](std::int64_t centre) { return centre <= highest; });
        firstDrawnHint_ = static_cast<std::size_t>(first - begin);
    }
    const LineFrame frame = ScreenFrame();
    auto line = model_.Lines().begin() + (first - begin);
    for (auto centre = first; centre != last; ++centre, ++line) {
        DrawTapeLine(surface_, frame, *centre, *line,
                     MarksOf(static_cast<std::int32_t>(centre - begin) + 1));
    }
    nextY_ = ReplayNextY(lines);
    pendingText_ = ReplayPendingText(lines);
}

template <class Change>
bool CalcTape::ChangeScrollBar(Change change) {
    struct Hold {
        CalcTape& tape;
        explicit Hold(CalcTape& t) : tape(t) {
            tape.holdingScrollEvents_ = true;
            tape.scrollEventHeld_ = false;
        }
        ~Hold() { tape.holdingScrollEvents_ = false; }
    } hold(*this);
    change();
    return scrollEventHeld_;
}

std::int32_t CalcTape::ScrollMaximum(std::int64_t nextY) const {
    const std::int64_t excess =
        RoundHalfEven(static_cast<double>(nextY) - surface_.ScaleHeight() + lineHeight_ / 2.0);
    if (excess < 0) {
        return -1;
    }
    // A tape of 2^31 lines needs more positions than the bar has; it stays at its last one.
    return lineHeight_ > 0 ? ClampToInt32(RoundHalfEven(static_cast<double>(excess) / lineHeight_))
                           : 0;
}

void CalcTape::UpdateScroll() {
    const std::int32_t maximum = ScrollMaximum(nextY_);
    if (maximum < 0) {
        // Everything fits; only a position pulled down to 0 redraws.
        if (ChangeScrollBar([this] { scrollBar_.SetMaximum(0); })) {
            OnScrollChange();
        }
        return;
    }
    ChangeScrollBar([this, maximum] {
        scrollBar_.SetMaximum(maximum);
        scrollBar_.SetValue(maximum);
    });
    OnScrollChange();
}

void CalcTape::PageUp() {
    PageBy(-1);
}

void CalcTape::PageDown() {
    PageBy(1);
}

void CalcTape::PageBy(std::int64_t pages) {
    const std::int64_t page =
        lineHeight_ > 0
            ? RoundHalfEven(surface_.ScaleHeight() / static_cast<double>(lineHeight_) - 1)
            : 0;
    const std::int64_t maximum = scrollBar_.Maximum();
    const std::int64_t position = scrollBar_.Value();
    std::int64_t target = position + pages * page;
    // A view under half a line high has a negative page; keep the position on the bar anyway.
    target = std::max<std::int64_t>(std::min(target, maximum), 0);
    ChangeScrollBar([this, target] { scrollBar_.SetValue(static_cast<std::int32_t>(target)); });
    OnScrollChange();
}

float CalcTape::FontSize() {
    return surface_.FontSize();
}

void CalcTape::SetFontSize(double points) {
    if (!std::isfinite(points) || std::fabs(points) > FLT_MAX) {
        throw Failure(FailureKind::Overflow, "Font size out of range");
    }
    surface_.SetFontSize(static_cast<float>(points));
    MeasureMetrics();
    scrollBar_.SetWidth(2.0f * static_cast<float>(charWidth_));
}

void CalcTape::OnResize() {
    // A control made too small for its parts must still come up: each failing step is skipped.
    try {
        scrollBar_.SetHeight(surface_.ScaleHeight());
    } catch (const std::exception&) {
    }
    try {
        UpdateScroll();
    } catch (const std::exception&) {
    }
    try {
        Redraw();
    } catch (const std::exception&) {
    }
}

void CalcTape::OnScrollChange() {
    if (holdingScrollEvents_) {
        scrollEventHeld_ = true;
        return;
    }
    scrollTop_ = std::int64_t{lineHeight_} * scrollBar_.Value();
    Redraw();
}

void CalcTape::OnScrollDrag() {
    OnScrollChange();
}

void CalcTape::OnScrollFocus() {
    if (giveFocusBack_) {
        giveFocusBack_();
    }
}

void CalcTape::PrintContent() {
    try {
        if (model_.CurrentLine() == 0) {
            printing_.ShowInformation(NothingToPrint, PrintMessageTitle);
            return;
        }
        PrintWithFallbacks(printing_, model_.Lines(), model_.CurrentLine(), surface_.FontName(),
                           {[this](std::int32_t position) { return model_.Extras(position); },
                            documentTitle_ ? documentTitle_() : std::string(),
                            printing_.FollowProgress(LongWork::Printing)});
    } catch (const std::exception&) {
        // Telling the user itself failed; the tape has nothing left to report it to, and the
        // calculator must go on.
    }
}

}  // namespace reckora
