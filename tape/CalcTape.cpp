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

CalcTape::CalcTape(DrawingSurface& surface, ScrollBar& scrollBar,
                   std::function<void()> giveFocusBack, PrintService& printing)
    : surface_(surface),
      scrollBar_(scrollBar),
      giveFocusBack_(std::move(giveFocusBack)),
      printing_(printing) {
    MeasureMetrics();
    centresStale_ = false;  // no lines yet
    ClearSurface();
    scrollBar_.SetEvents(this);
}

CalcTape::~CalcTape() {
    scrollBar_.SetEvents(nullptr);
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

void CalcTape::AddLine(const TapeEntry& entry) {
    if (currentLine_ == std::numeric_limits<std::int32_t>::max()) {
        throw Failure(FailureKind::Overflow, "The tape cannot take more lines");
    }
    // The new line keeps the stored centres equal to a replay's only if it is drawn where a
    // replay would draw it.
    const bool followsReplay =
        !centresStale_ && nextY_ == ReplayNextY() && pendingText_ == ReplayPendingText();

    TapeLine line{TapeText(entry.text), entry.itemCount, entry.mark, entry.ink, nextY_};
    if (IsOverdrawn(entry.text, entry.mark, pendingText_)) {
        line.centre -= lineHeight_;
    }
    lines_.resize(static_cast<std::size_t>(currentLine_));
    ForgetAfter(currentLine_);
    lines_.push_back(std::move(line));
    unchangedLines_ = std::min(unchangedLines_, currentLine_);
    rewritten_.reset();
    ++currentLine_;
    if (!followsReplay) {
        centresStale_ = true;
    }

    DrawDataLine(lines_.back());
    UpdateScroll();
}

void CalcTape::DrawDataLine(const TapeLine& line) {
    DrawTapeLine(surface_, ScreenFrame(), line.centre, line);
    pendingText_ = PendingTextAfter(line.text.View(), line.mark);
    nextY_ = NextLineCentre(line.centre, line.mark, lineHeight_);
}

void CalcTape::ClearAll() {
    currentLine_ = 0;
    unchangedLines_ = 0;
    rewritten_.reset();
    scrollTop_ = 0;
    lines_.clear();
    lines_.shrink_to_fit();
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

void CalcTape::SetCurrentLine(std::int32_t lines) {
    if (lines < 0 || lines > StoredLines()) {
        throw Failure(FailureKind::OutOfRange, "The tape does not hold that many lines");
    }
    if (lines != currentLine_) {
        rewritten_.reset();
    }
    currentLine_ = lines;
    unchangedLines_ = std::min(unchangedLines_, lines);
    ForgetAfter(lines);
}

void CalcTape::LoadLines(const std::vector<TapeEntry>& entries,
                         const std::map<std::int32_t, LineExtras>& extras) {
    if (entries.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw Failure(FailureKind::Overflow, "The tape cannot take more lines");
    }
    lines_.clear();
    ForgetAfter(0);
    for (const TapeEntry& entry : entries) {
        lines_.push_back(TapeLine{TapeText(entry.text), entry.itemCount, entry.mark, entry.ink, 0});
    }
    currentLine_ = static_cast<std::int32_t>(lines_.size());
    unchangedLines_ = 0;
    rewritten_.reset();
    TakeExtrasFrom(1, extras);
    centresStale_ = true;
    EnsureCentresFollowReplay();
    nextY_ = ReplayNextY();
    pendingText_ = ReplayPendingText();
    UpdateScroll();
    Redraw();
}

void CalcTape::ReplaceLinesFrom(std::int32_t position, const std::vector<TapeEntry>& entries,
                                const std::map<std::int32_t, LineExtras>& extras) {
    const std::int32_t keep = std::clamp(position - 1, 0, currentLine_);
    if (entries.size() >
        static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() - keep)) {
        throw Failure(FailureKind::Overflow, "The tape cannot take more lines");
    }
    NoteRewrites(keep, entries);
    lines_.resize(static_cast<std::size_t>(keep));
    for (const TapeEntry& entry : entries) {
        lines_.push_back(TapeLine{TapeText(entry.text), entry.itemCount, entry.mark, entry.ink, 0});
    }
    currentLine_ = static_cast<std::int32_t>(lines_.size());
    unchangedLines_ = std::min(unchangedLines_, keep);
    ForgetAfter(currentLine_);
    TakeExtrasFrom(position, extras);
    // A replaced line may draw taller or shorter (an overdraw that comes or goes).
    centresStale_ = true;
    EnsureCentresFollowReplay();
    const std::int32_t place = scrollBar_.Value();
    const std::int32_t maximum = std::max(ScrollMaximum(ReplayNextY()), 0);
    ChangeScrollBar([this, place, maximum] {
        scrollBar_.SetMaximum(maximum);
        scrollBar_.SetValue(std::min(place, maximum));
    });
    OnScrollChange();
}

void CalcTape::TakeExtrasFrom(std::int32_t position,
                              const std::map<std::int32_t, LineExtras>& extras) {
    NoteRewrites(position, extras);
    extras_.erase(extras_.lower_bound(position), extras_.end());
    for (auto it = extras.lower_bound(position); it != extras.end() && it->first <= currentLine_;
         ++it) {
        if (!it->second.Empty()) {
            extras_.insert(*it);
        }
    }
}

std::vector<TapeEntry> CalcTape::EntriesFrom(std::int32_t position) const {
    std::vector<TapeEntry> entries;
    for (std::int32_t at = std::max(position, 1); at <= currentLine_; ++at) {
        const TapeLine& line = Line(at);
        entries.push_back(
            TapeEntry{std::string(line.text.View()), line.mark, line.itemCount, line.ink});
    }
    return entries;
}

const LineExtras* CalcTape::Extras(std::int32_t position) const {
    const auto found = extras_.find(position);
    return found == extras_.end() ? nullptr : &found->second;
}

void CalcTape::SetExtras(std::int32_t position, LineExtras extras) {
    if (position < 1 || position > currentLine_) {
        return;
    }
    const LineExtras* before = Extras(position);
    if ((before == nullptr && extras.Empty()) || (before != nullptr && *before == extras)) {
        return;
    }
    if (extras.Empty()) {
        extras_.erase(position);
    } else {
        extras_[position] = std::move(extras);
    }
    Redraw();
}

LineMarks CalcTape::MarksOf(std::int32_t position) const {
    return {Extras(position), position == selected_};
}

void CalcTape::SelectLine(std::int32_t position) {
    if (position < 0 || position > currentLine_ || position == selected_) {
        return;
    }
    selected_ = position;
    if (position == 0 || lineHeight_ <= 0) {
        Redraw();
        return;
    }
    EnsureCentresFollowReplay();
    const TapeLine& line = Line(position);
    const std::int64_t top = line.centre - lineHeight_ / 2;
    const std::int64_t bottom = line.centre + (lineHeight_ + 1) / 2;
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
    extras_.erase(extras_.upper_bound(lines), extras_.end());
    if (selected_ > lines) {
        selected_ = 0;
    }
}

void CalcTape::NoteRewrites(std::int32_t keep, const std::vector<TapeEntry>& entries) {
    if (!rewritten_ || entries.size() != static_cast<std::size_t>(currentLine_ - keep)) {
        rewritten_.reset();
        return;
    }
    for (std::int32_t position = keep + 1; const TapeEntry& entry : entries) {
        const TapeLine& line = Line(position);
        if (line.text.View() != entry.text || line.mark != entry.mark ||
            line.itemCount != entry.itemCount || line.ink != entry.ink) {
            rewritten_->insert(position);
        }
        ++position;
    }
}

void CalcTape::NoteRewrites(std::int32_t position,
                            const std::map<std::int32_t, LineExtras>& extras) {
    if (!rewritten_) {
        return;
    }
    const auto from = [position](const std::map<std::int32_t, LineExtras>& all) {
        return all.lower_bound(position);
    };
    // Extras beyond the lines in force are dropped, so they change nothing.
    const auto differs = [this](const auto& kept, const std::map<std::int32_t, LineExtras>& other) {
        if (kept.first > currentLine_ || kept.second.Empty()) {
            return;
        }
        const auto found = other.find(kept.first);
        if (found == other.end() || found->second != kept.second) {
            rewritten_->insert(kept.first);
        }
    };
    for (auto it = from(extras); it != extras.end(); ++it) {
        differs(*it, extras_);
    }
    for (auto it = from(extras_); it != extras_.end(); ++it) {
        differs(*it, extras);
    }
}

LineChanges CalcTape::TakeLineChanges() {
    LineChanges changes{.unchanged = std::exchange(unchangedLines_, currentLine_),
                        .rewritten = std::nullopt};
    if (rewritten_) {
        changes.rewritten.emplace(rewritten_->begin(), rewritten_->end());
    }
    rewritten_.emplace();
    return changes;
}

void CalcTape::EnsureCentresFollowReplay() {
    if (!centresStale_) {
        return;
    }
    // Every stored line, also those hidden above CurrentLine, which the owner may bring back.
    std::int64_t centre = lineHeight_;
    std::string_view pending;
    for (TapeLine& line : lines_) {
        const std::string_view text = line.text.View();
        if (IsOverdrawn(text, line.mark, pending)) {
            centre -= lineHeight_;
        }
        line.centre = centre;
        pending = PendingTextAfter(text, line.mark);
        centre = NextLineCentre(centre, line.mark, lineHeight_);
    }
    centresStale_ = false;
}

std::int64_t CalcTape::ReplayNextY() const {
    if (currentLine_ == 0) {
        return lineHeight_;
    }
    const TapeLine& last = lines_[static_cast<std::size_t>(currentLine_) - 1];
    return NextLineCentre(last.centre, last.mark, lineHeight_);
}

std::string_view CalcTape::ReplayPendingText() const {
    if (currentLine_ == 0) {
        return {};
    }
    const TapeLine& last = lines_[static_cast<std::size_t>(currentLine_) - 1];
    return PendingTextAfter(last.text.View(), last.mark);
}

void CalcTape::Redraw() {
    ClearSurface();
    EnsureCentresFollowReplay();
    const auto begin = lines_.begin();
    const auto end = begin + currentLine_;
    auto first = begin;
    auto last = end;
    // Centres never decrease down the tape, so the lines that can reach into the view form one
    // run. Lines outside it would only be clipped away.
    if (lineHeight_ >= 0 && charWidth_ >= 0) {
        const std::int64_t height = static_cast<std::int64_t>(std::ceil(surface_.ScaleHeight()));
        const std::int64_t lowest = scrollTop_ - LineReachBelow(lineHeight_, charWidth_);
        const std::int64_t highest = scrollTop_ + std::max<std::int64_t>(height, 0) +
                                     LineReachAbove(lineHeight_, charWidth_);
        const auto hint = begin + static_cast<std::ptrdiff_t>(std::min(
                                      firstDrawnHint_, static_cast<std::size_t>(currentLine_)));
        first = PartitionPointNear(begin, end, hint,
                                   [lowest](const TapeLine& l) { return l.centre < lowest; });
        last = PartitionPointNear(first, end, first,
                                  [highest](const TapeLine& l) { return l.centre <= highest; });
        firstDrawnHint_ = static_cast<std::size_t>(first - begin);
    }
    const LineFrame frame = ScreenFrame();
    for (auto line = first; line != last; ++line) {
        DrawTapeLine(surface_, frame, line->centre, *line,
                     MarksOf(static_cast<std::int32_t>(line - begin) + 1));
    }
    nextY_ = ReplayNextY();
    pendingText_ = ReplayPendingText();
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
        if (currentLine_ == 0) {
            printing_.ShowInformation(NothingToPrint, PrintMessageTitle);
            return;
        }
        PrintWithFallbacks(printing_, lines_, currentLine_, surface_.FontName(),
                           {[this](std::int32_t position) { return Extras(position); },
                            documentTitle_ ? documentTitle_() : std::string(),
                            printing_.FollowProgress(LongWork::Printing)});
    } catch (const std::exception&) {
        // Telling the user itself failed; the tape has nothing left to report it to, and the
        // calculator must go on.
    }
}

}  // namespace reckora
