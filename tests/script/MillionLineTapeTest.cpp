// A day's work and more on one tape: a million lines through the engine, then undo, paging,
// printing, a total and New still behave. (Their speed is measured in bench/engine_bench.)

#include <gtest/gtest.h>

#include "CalcTape.h"
#include "KeyCommand.h"
#include "MemoryScrollBar.h"
#include "RecordingPrinter.h"
#include "ScriptSession.h"

namespace reckora::script {
namespace {

constexpr std::int32_t LineCount = 1'000'000;

TEST(MillionLineTape, UndoPagingPrintingAndNewBehave) {
    ScriptSession session(NumberLocale{});
    for (std::int32_t i = 0; i < LineCount; ++i) {
        session.Key(1 + i % 9, false);
        session.Key(KeyNumber(Key::Add), false);
    }
    const TapeModel& tape = session.Lines();
    MemoryScrollBar& bar = session.TapeScrollBar();
    ASSERT_EQ(tape.CurrentLine(), LineCount);
    EXPECT_EQ(session.Engine().State().itemCount, LineCount);
    const std::int32_t bottom = bar.Maximum();
    EXPECT_GT(bottom, LineCount - 20);  // past the old 16-bit limit, and at the end of the tape
    EXPECT_EQ(bar.Value(), bottom);

    // Undo cuts the last line off and keeps the view where it was.
    session.Key(KeyNumber(Key::Undo), true);
    EXPECT_EQ(tape.CurrentLine(), LineCount - 1);

    // Page Up and Page Down (through the keyboard) move by the lines in view less one.
    const std::int32_t before = bar.Value();
    session.Core().Window().KeyDown(33, 0);
    session.Core().Window().KeyUp(33);
    EXPECT_EQ(bar.Value(), before - 13);
    session.Core().Window().KeyDown(34, 0);
    session.Core().Window().KeyUp(34);
    EXPECT_EQ(bar.Value(), before);

    // The whole tape prints, in columns and pages.
    session.Key(KeyNumber(Key::PrintTape), true);
    RecordingPrintService& printing = session.TapePrinting();
    ASSERT_EQ(printing.jobs.size(), 1u);
    EXPECT_TRUE(printing.jobs[0]->ended);
    EXPECT_GT(printing.jobs[0]->Pages().size(), 1000u);
    printing.jobs.clear();

    // A total of far more than 32,767 items is an ordinary total line.
    session.Key(KeyNumber(Key::Total), true);
    const TapeLine& total = tape.Line(tape.CurrentLine());
    EXPECT_EQ(total.mark, TapeMark::Total);
    EXPECT_EQ(total.itemCount, LineCount - 1);
    EXPECT_FALSE(session.Engine().State().errorState);
    EXPECT_EQ(session.Engine().State().itemCount, 0);

    // New empties it all.
    session.Key(KeyNumber(Key::New), true);
    EXPECT_EQ(tape.CurrentLine(), 0);
    EXPECT_EQ(bar.Maximum(), 0);
}

}  // namespace
}  // namespace reckora::script
