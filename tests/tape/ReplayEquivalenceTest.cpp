// The tape draws only the lines in view; this checks that the picture is still, operation for
// operation, the one a replay of every line from the first gives. ReferenceTape below is that
// replay written out plainly: every redraw draws every line in force, each as DrawTapeLine draws
// a line alone (its layout is checked in GeometryTest and PrintTest).

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "LineLayout.h"
#include "TapeFixture.h"

namespace reckora {
namespace {

class ReferenceTape final : public ScrollBarEvents {
public:
    ReferenceTape(RecordingSurface& surface, MemoryScrollBar& bar) : surface_(surface), bar_(bar) {
        Measure();
        ClearSurface();
        bar_.SetEvents(this);
    }
    ~ReferenceTape() { bar_.SetEvents(nullptr); }

    void AddLine(const std::string& text, std::int32_t op, bool clr) {
        ++currentLine;
        store.resize(static_cast<std::size_t>(currentLine - 1));
        store.push_back({text, op, clr});
        DrawDataLine(store.back());
        UpdateScroll();
    }

    void ClearAll() {
        currentLine = 0;
        scrollTop = 0;
        store.clear();
        ClearSurface();
        bar_.SetMaximum(0);
    }

    void Redraw() {
        ClearSurface();
        for (std::int32_t i = 0; i < currentLine; ++i) {
            DrawDataLine(store[static_cast<std::size_t>(i)]);
        }
    }

    void UpdateScroll() {
        const double excess =
            std::nearbyint(static_cast<double>(nextY) - surface_.ScaleHeight() + lineHeight / 2.0);
        if (excess < 0) {
            bar_.SetMaximum(0);
            return;
        }
        const auto maximum = static_cast<std::int32_t>(std::nearbyint(excess / lineHeight));
        bar_.SetMaximum(maximum);
        bar_.SetValue(maximum);
        OnScrollChange();
    }

    void Page(bool up) {
        const auto page = static_cast<std::int32_t>(
            std::nearbyint(surface_.ScaleHeight() / static_cast<float>(lineHeight) - 1));
        bar_.SetValue(std::clamp(bar_.Value() + (up ? -page : page), 0, bar_.Maximum()));
        OnScrollChange();
    }

    void SetFontSize(float size) {
        surface_.SetFontSize(size);
        Measure();
        bar_.SetWidth(2.0f * static_cast<float>(charWidth));
    }

    void Resize() {
        bar_.SetHeight(surface_.ScaleHeight());
        UpdateScroll();
        Redraw();
    }

    void OnScrollChange() override {
        scrollTop = std::int64_t{lineHeight} * bar_.Value();
        Redraw();
    }
    void OnScrollDrag() override { OnScrollChange(); }
    void OnScrollFocus() override {}

    struct Line {
        std::string text;
        std::int32_t op;
        bool clr;
    };
    std::vector<Line> store;
    std::int32_t currentLine = 0;
    std::int64_t scrollTop = 0;
    std::int64_t nextY = 0;
    std::int32_t charWidth = 0;
    std::int32_t lineHeight = 0;
    std::string pending;

private:
    void Measure() {
        const TextSize w = surface_.MeasureText("W");
        lineHeight = static_cast<std::int32_t>(std::nearbyint(w.height));
        charWidth = static_cast<std::int32_t>(std::nearbyint(w.width));
    }

    void ClearSurface() {
        surface_.Clear();
        nextY = lineHeight;
        pending.clear();
    }

    void DrawDataLine(const Line& line) {
        std::int64_t centre = nextY;
        if (line.text == pending && line.op >= 1 && line.op <= 6) {
            centre -= lineHeight;
        }
        const TapeEntry entry = CodedEntry(line.text, line.op, line.clr);
        const TapeLine drawn{TapeText(entry.text), entry.itemCount, entry.mark, entry.ink};
        DrawTapeLine(surface_, {surface_.ScaleWidth(), charWidth, lineHeight, scrollTop}, centre,
                     drawn);
        pending = line.op == -2 ? line.text : std::string();
        // A total stands an eighth of a line lower before and after its rule, and the line after
        // it one and a half lines below, each step rounded.
        const auto down = [&](double y, double lines) {
            return std::nearbyint(y + lines * lineHeight);
        };
        const bool total = line.op < -2 || line.op > 10;
        nextY = total ? static_cast<std::int64_t>(
                            down(down(down(static_cast<double>(centre), 0.125), 0.125), 1.5))
                      : centre + lineHeight;
    }

    RecordingSurface& surface_;
    MemoryScrollBar& bar_;
};

// Both tapes side by side, driven with the same random steps.
class TwoTapes {
public:
    TwoTapes()
        : tape_(lines_, surface_, bar_, {}, printing_),
          reference_(referenceSurface_, referenceBar_) {}

    void Step(std::mt19937& random, bool clearing = true) {
        const int kind = Pick(random, clearing ? 100 : 96);
        if (kind < 55) {
            Add(random);
        } else if (kind < 62) {
            PendingPair(random);
        } else if (kind < 68) {
            // Undo: back a few lines, then a redraw (sometimes a line comes first).
            const std::int32_t lines = lines_.CurrentLine();
            const std::int32_t to = lines - Pick(random, std::min(lines, 3) + 1);
            lines_.SetCurrentLine(to);
            reference_.currentLine = to;
            if (Pick(random, 5) == 0) {
                Add(random);
            } else {
                tape_.Redraw();
                reference_.Redraw();
            }
        } else if (kind < 70) {
            lines_.SetCurrentLine(lines_.StoredLines());
            reference_.currentLine = static_cast<std::int32_t>(reference_.store.size());
            tape_.Redraw();
            reference_.Redraw();
        } else if (kind < 74) {
            const float sizes[] = {8, 9.75f, 11.25f, 14, 20.5f};
            const float size = sizes[Pick(random, 5)];
            tape_.SetFontSize(size);
            reference_.SetFontSize(size);
            if (Pick(random, 2) == 0) {
                Resize(random);
            }
        } else if (kind < 78) {
            Resize(random);
        } else if (kind < 84) {
            const std::int32_t to = Pick(random, bar_.Maximum() + 1);
            if (Pick(random, 2) == 0) {
                bar_.UserMoves(to);
                referenceBar_.UserMoves(to);
            } else {
                bar_.UserDrags(to);
                referenceBar_.UserDrags(to);
            }
        } else if (kind < 92) {
            const bool up = Pick(random, 2) == 0;
            if (up) {
                tape_.PageUp();
            } else {
                tape_.PageDown();
            }
            reference_.Page(up);
        } else if (kind < 96) {
            tape_.Redraw();
            reference_.Redraw();
        } else if (kind < 97) {
            lines_.ClearAll();
            reference_.ClearAll();
        } else {
            tape_.UpdateScroll();
            reference_.UpdateScroll();
        }
    }

    void ExpectSame(int step) const {
        SCOPED_TRACE("step " + std::to_string(step));
        ASSERT_EQ(lines_.CurrentLine(), reference_.currentLine);
        ASSERT_EQ(tape_.NextY(), reference_.nextY);
        ASSERT_EQ(tape_.ScrollTop(), reference_.scrollTop);
        ASSERT_EQ(tape_.PendingText(), reference_.pending);
        ASSERT_EQ(bar_.Value(), referenceBar_.Value());
        ASSERT_EQ(bar_.Maximum(), referenceBar_.Maximum());
        ASSERT_EQ(surface_.VisiblePicture(), referenceSurface_.VisiblePicture());
    }

    std::int64_t Drawings() const { return surface_.Counts().texts + surface_.Counts().glyphs; }
    std::int64_t ReferenceDrawings() const {
        return referenceSurface_.Counts().texts + referenceSurface_.Counts().glyphs;
    }

private:
    static int Pick(std::mt19937& random, int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    }

    static std::string Text(std::mt19937& random) {
        const char* texts[] = {"36.00", "1.00",    "-2.50", "1,234.00",
                               "0.",    "-Error-", "7",     "98,765,432,109,876.5"};
        return texts[Pick(random, 8)];
    }

    static std::int32_t Code(std::mt19937& random) {
        const std::int32_t codes[] = {-2, -1, 0, 1, 2, 2, 2, 3, 4, 5, 6, 7, 8, 9, 10, 100, 103};
        return codes[Pick(random, 17)];
    }

    void Add(std::mt19937& random) { Add(Text(random), Code(random), Pick(random, 4) != 0); }

    void Add(const std::string& text, std::int32_t op, bool clr) {
        lines_.AddLine(CodedEntry(text, op, clr));
        reference_.AddLine(text, op, clr);
    }

    void PendingPair(std::mt19937& random) {
        const std::string text = Text(random);
        Add(text, -2, true);
        Add(text, Pick(random, 3) == 0 ? Code(random) : 1 + Pick(random, 6), true);
    }

    void Resize(std::mt19937& random) {
        const float heights[] = {100, 600, 2000, 3600, 5000, 12000};
        const float widths[] = {3795, 5000, 2500};
        const float height = heights[Pick(random, 6)];
        const float width = widths[Pick(random, 3)];
        surface_.Resize(width, height);
        referenceSurface_.Resize(width, height);
        tape_.OnResize();
        reference_.Resize();
    }

    RecordingSurface surface_;
    MemoryScrollBar bar_;
    RecordingPrintService printing_;
    TapeModel lines_;
    CalcTape tape_;
    RecordingSurface referenceSurface_;
    MemoryScrollBar referenceBar_;
    ReferenceTape reference_;
};

TEST(ReplayEquivalence, RandomTapesDrawTheSamePictureAsAFullReplay) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        TwoTapes tapes;
        for (int step = 0; step < 400; ++step) {
            tapes.Step(random);
            tapes.ExpectSame(step);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
}

TEST(ReplayEquivalence, LongTapeDrawsFarLessThanTheReplay) {
    std::mt19937 random(4711);
    TwoTapes tapes;
    for (int step = 0; step < 1500; ++step) {
        tapes.Step(random, false);
    }
    tapes.ExpectSame(1500);
    EXPECT_LT(tapes.Drawings() * 10, tapes.ReferenceDrawings());
}

}  // namespace
}  // namespace reckora
