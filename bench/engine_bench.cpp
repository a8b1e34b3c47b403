// Speed of the engine: a digit key from dispatch to caption, FormatNumber over a spread of
// values, an Add operation as the tape grows to a million lines, and the work on a long tape
// (correcting an entry near its top, find).

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <vector>

#include "CalcTape.h"
#include "KeyCommand.h"
#include "NumberFormat.h"
#include "RecordingPrinter.h"
#include "ScriptSession.h"

namespace reckora::script {
namespace {

void BM_DigitKey(benchmark::State& state) {
    ScriptSession session(NumberLocale{});
    int typed = 0;
    for (auto _ : state) {
        // Entries of up to 12 digits, then Clear: the usual length of office figures.
        if (++typed == 12) {
            session.Key(KeyNumber(Key::Clear), false);
            typed = 0;
        }
        session.Key(typed % 10, false);
    }
}
BENCHMARK(BM_DigitKey);

void BM_FormatNumber(benchmark::State& state) {
    const std::vector<double> values = {
        0, 7, -12.5, 1234.5678, 1.0 / 3, 0.1 + 0.2, 123456789.25, -9.995, 12345678901.5, 42e-9};
    const NumberLocale locale;
    const RoundingOption options[] = {RoundingOption::Decimals2, RoundingOption::Decimals3,
                                      RoundingOption::Decimals4, RoundingOption::AutoAdd2};
    std::size_t i = 0;
    for (auto _ : state) {
        const double value = values[i++ % values.size()];
        benchmark::DoNotOptimize(FormatNumber(value, false, false, options[i & 3], locale));
    }
}
BENCHMARK(BM_FormatNumber);

// A session whose tape holds the given number of lines, each an Add of a fresh entry.
void FillTape(ScriptSession& session, std::int64_t lines) {
    for (std::int64_t i = 0; i < lines; ++i) {
        session.Key(1 + static_cast<int>(i % 9), false);
        session.Key(KeyNumber(Key::Add), false);
    }
}

// The time of one Add once the tape holds state.range(0) lines.
void BM_AddOnLongTape(benchmark::State& state) {
    const auto lines = state.range(0);
    ScriptSession session(NumberLocale{});
    const std::size_t heapBefore = mallinfo2().uordblks;
    FillTape(session, lines);
    const std::size_t heapAfter = mallinfo2().uordblks;
    state.counters["bytesPerLine"] =
        static_cast<double>(heapAfter - heapBefore) / static_cast<double>(lines);
    int digit = 0;
    for (auto _ : state) {
        session.Key(1 + ++digit % 9, false);
        session.Key(KeyNumber(Key::Add), false);
        // Cut the tape back to its length so every measured Add sees the same tape.
        state.PauseTiming();
        session.Key(KeyNumber(Key::Undo), false);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddOnLongTape)->Arg(100)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// Undo on a long tape: cutting back one line and redrawing the view.
void BM_UndoOnLongTape(benchmark::State& state) {
    ScriptSession session(NumberLocale{});
    FillTape(session, state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        session.Key(5, false);
        session.Key(KeyNumber(Key::Add), false);
        state.ResumeTiming();
        session.Key(KeyNumber(Key::Undo), false);
    }
}
BENCHMARK(BM_UndoOnLongTape)->Arg(100)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// Printing the whole tape to a printer that only counts what it is asked to draw, so that the
// figure is the program's print path; the figure to compare is lines per second.
void BM_PrintTape(benchmark::State& state) {
    ScriptSession session(NumberLocale{});
    FillTape(session, state.range(0));
    RecordingPrintService& printing = session.TapePrinting();
    printing.printerOptions.keepOperations = false;
    PrintCounts counts;
    for (auto _ : state) {
        session.Key(KeyNumber(Key::PrintTape), false);
        state.PauseTiming();
        if (printing.jobs.size() != 1 || !printing.jobs.front()->ended) {
            state.SkipWithError("the tape was not printed");
            break;
        }
        counts = printing.jobs.front()->counts;
        printing.jobs.clear();
        state.ResumeTiming();
    }
    const auto perLine = [&](std::int64_t figure) {
        return static_cast<double>(figure) / static_cast<double>(state.range(0));
    };
    state.counters["operationsPerLine"] = perLine(counts.operations);
    state.counters["drawingsPerLine"] = perLine(counts.drawings);
    state.counters["textBytesPerLine"] = perLine(counts.textBytes);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PrintTape)->Arg(100)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// New on a tape of a million lines.
void BM_NewOnLongTape(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ScriptSession session(NumberLocale{});
        FillTape(session, state.range(0));
        state.ResumeTiming();
        session.Key(KeyNumber(Key::New), false);
    }
}
BENCHMARK(BM_NewOnLongTape)->Arg(1'000'000)->Iterations(3)->Unit(benchmark::kMillisecond);

// Correcting the entry of the second line of a long tape: every later line worked out again.
void BM_CorrectNearTop(benchmark::State& state) {
    ScriptSession session(NumberLocale{});
    FillTape(session, state.range(0));
    int round = 0;
    for (auto _ : state) {
        session.Core().TapeWork().CorrectEntry(2, ++round % 2 == 0 ? "3" : "4");
    }
    if (session.Lines().Extras(2) == nullptr) {
        state.SkipWithError("the correction was refused");
    }
}
BENCHMARK(BM_CorrectNearTop)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Find over a long tape: a number (compared by value) and words of a note.
void BM_FindOnLongTape(benchmark::State& state) {
    ScriptSession session(NumberLocale{});
    FillTape(session, state.range(0));
    session.Core().TapeWork().SetNote(static_cast<std::int32_t>(state.range(0) / 2),
                                      "Office rent March");
    const char* query = state.range(1) == 0 ? "1,234.5" : "rent march";
    for (auto _ : state) {
        benchmark::DoNotOptimize(session.Core().TapeWork().FindLines(query));
    }
}
BENCHMARK(BM_FindOnLongTape)
    ->Args({1'000'000, 0})
    ->Args({1'000'000, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace reckora::script

BENCHMARK_MAIN();
