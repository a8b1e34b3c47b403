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

CalcTape::CalcTape(DrawingSurface& surface, ScrollBar& VScroll1, MainWindowFocus& mainWindow,
                   PrintService& printing)
    : surface_(surface), VScroll1_(VScroll1), mainWindow_(mainWindow), printing_(printing) {
    MeasureMetrics();
    centresStale_ = false;  // no lines yet
    MyCLS();
    VScroll1_.SetEvents(this);
}

CalcTape::~CalcTape() {
    VScroll1_.SetEvents(nullptr);
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
            kTapeDarkBlue};
}

void CalcTape::AddDataLine(const std::string& NumStr, std::int32_t Op, bool CLR) {
    if (currentLine_ == std::numeric_limits<std::int32_t>::max()) {
        throw Failure(FailureKind::Overflow, "The tape cannot take more lines");
    }
    // The new line keeps the stored centres equal to a replay's only if it is drawn where a
    // replay would draw it.
    const bool followsReplay =
        !centresStale_ && nextY_ == ReplayNextY() && pendingText_ == ReplayPendingText();

    TapeLine line{TapeText(NumStr), Op, CLR, nextY_};
    if (IsOverdrawn(NumStr, Op, pendingText_)) {
        line.centre -= lineHeight_;
    }
    lines_.resize(static_cast<std::size_t>(currentLine_));
    lines_.push_back(std::move(line));
    ++currentLine_;
    if (!followsReplay) {
        centresStale_ = true;
    }

    DrawDataLine(lines_.back());
    UpdateScroll();
}

void CalcTape::DrawDataLine(const TapeLine& line) {
    const std::string_view text = line.NumStr.View();
    DrawTapeLine(surface_, ScreenFrame(), line.centre, text, line.Op, line.CLR);
    pendingText_ = PendingTextAfter(text, line.Op);
    nextY_ = NextLineCentre(line.centre, line.Op, lineHeight_);
}

void CalcTape::ClearAll() {
    currentLine_ = 0;
    scrollTop_ = 0;
    lines_.clear();
    lines_.shrink_to_fit();
    MyCLS();
    centresStale_ = false;
    if (ChangeScrollBar([this] { VScroll1_.SetMaximum(0); })) {
        VScroll1_Change();
    }
}

void CalcTape::MyCLS() {
    surface_.Clear();
    nextY_ = lineHeight_;
    pendingText_.clear();
}

void CalcTape::SetCurrentLine(std::int32_t lines) {
    if (lines < 0 || lines > StoredLines()) {
        throw Failure(FailureKind::OutOfRange, "The tape does not hold that many lines");
    }
    currentLine_ = lines;
}

void CalcTape::EnsureCentresFollowReplay() {
    if (!centresStale_) {
        return;
    }
    // Every stored line, also those hidden above CurrentLine, which the owner may bring back.
    std::int64_t centre = lineHeight_;
    std::string_view pending;
    for (TapeLine& line : lines_) {
        const std::string_view text = line.NumStr.View();
        if (IsOverdrawn(text, line.Op, pending)) {
            centre -= lineHeight_;
        }
        line.centre = centre;
        pending = PendingTextAfter(text, line.Op);
        centre = NextLineCentre(centre, line.Op, lineHeight_);
    }
    centresStale_ = false;
}

std::int64_t CalcTape::ReplayNextY() const {
    if (currentLine_ == 0) {
        return lineHeight_;
    }
    const TapeLine& last = lines_[currentLine_ - 1];
    return NextLineCentre(last.centre, last.Op, lineHeight_);
}

std::string_view CalcTape::ReplayPendingText() const {
    if (currentLine_ == 0) {
        return {};
    }
    const TapeLine& last = lines_[currentLine_ - 1];
    return PendingTextAfter(last.NumStr.View(), last.Op);
}

void CalcTape::Redraw() {
    MyCLS();
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
        const auto hint = begin + static_cast<std::ptrdiff_t>(
                                      std::min<std::size_t>(firstDrawnHint_, currentLine_));
        first = PartitionPointNear(begin, end, hint,
                                   [lowest](const TapeLine& l) { return l.centre < lowest; });
        last = PartitionPointNear(first, end, first,
                                  [highest](const TapeLine& l) { return l.centre <= highest; });
        firstDrawnHint_ = static_cast<std::size_t>(first - begin);
    }
    const LineFrame frame = ScreenFrame();
    for (auto line = first; line != last; ++line) {
        DrawTapeLine(surface_, frame, line->centre, line->NumStr.View(), line->Op, line->CLR);
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

void CalcTape::UpdateScroll() {
    const std::int64_t excess =
        RoundHalfEven(static_cast<double>(nextY_) - surface_.ScaleHeight() + lineHeight_ / 2.0);
    if (excess < 0) {
        // Everything fits; only a position pulled down to 0 redraws.
        if (ChangeScrollBar([this] { VScroll1_.SetMaximum(0); })) {
            VScroll1_Change();
        }
        return;
    }
    // A tape of 2^31 lines needs more positions than the bar has; it stays at its last one.
    const std::int32_t maximum =
        lineHeight_ > 0 ? ClampToInt32(RoundHalfEven(static_cast<double>(excess) / lineHeight_))
                        : 0;
    ChangeScrollBar([this, maximum] {
        VScroll1_.SetMaximum(maximum);
        VScroll1_.SetValue(maximum);
    });
    VScroll1_Change();
}

void CalcTape::PageUpDown(bool UpTrue) {
    const std::int64_t page =
        lineHeight_ > 0
            ? RoundHalfEven(surface_.ScaleHeight() / static_cast<double>(lineHeight_) - 1)
            : 0;
    const std::int64_t maximum = VScroll1_.Maximum();
    const std::int64_t position = VScroll1_.Value();
    std::int64_t target = UpTrue ? position - page : position + page;
    // A view under half a line high has a negative page; keep the position on the bar anyway.
    target = std::max<std::int64_t>(std::min(target, maximum), 0);
    ChangeScrollBar([this, target] { VScroll1_.SetValue(static_cast<std::int32_t>(target)); });
    VScroll1_Change();
}

float CalcTape::FontSize() {
    return surface_.FontSize();
}

void CalcTape::SetFontSize(double vNewValue) {
    if (!std::isfinite(vNewValue) || std::fabs(vNewValue) > FLT_MAX) {
        throw Failure(FailureKind::Overflow, "Font size out of range");
    }
    surface_.SetFontSize(static_cast<float>(vNewValue));
    MeasureMetrics();
    VScroll1_.SetWidth(2.0f * static_cast<float>(charWidth_));
}

void CalcTape::UserControl_Resize() {
    // A control made too small for its parts must still come up: each failing step is skipped.
    try {
        VScroll1_.SetHeight(surface_.ScaleHeight());
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

void CalcTape::VScroll1_Change() {
    if (holdingScrollEvents_) {
        scrollEventHeld_ = true;
        return;
    }
    scrollTop_ = std::int64_t{lineHeight_} * VScroll1_.Value();
    Redraw();
}

void CalcTape::VScroll1_Scroll() {
    VScroll1_Change();
}

void CalcTape::VScroll1_GotFocus() {
    mainWindow_.GiveFocusToMainWindow();
}

void CalcTape::PrintContent() {
    try {
        if (currentLine_ == 0) {
            printing_.ShowInformation(kNothingToPrint, kPrintMessageTitle);
            return;
        }
        PrintWithFallbacks(printing_, lines_, currentLine_, surface_.FontName());
    } catch (const std::exception&) {
        // Telling the user itself failed; the tape has nothing left to report it to, and the
        // calculator must go on.
    }
}

}  // namespace reckora
