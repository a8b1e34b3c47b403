// Speed of the engine: a digit key from dispatch to caption, FormatNumber over a spread of
// values, and an Add operation as the tape grows to a million lines.

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <vector>

#include "CalcTape.h"
#include "KeyCommand.h"
#include "NumberFormat.h"
#include "ScriptSession.h"

namespace reckora::script {
namespace {

void BM_DigitKey(benchmark::State& state) {
    ScriptSession session(NumberLocale{});
    int typed = 0;
    for (auto _ : state) {
        // Entries of up to 12 digits, then Clear: the usual length of office figures.
        if (++typed == 12) {
            session.Key(KeyCommand::Clear, false);
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
    std::size_t i = 0;
    for (auto _ : state) {
        const double value = values[i++ % values.size()];
        benchmark::DoNotOptimize(FormatNumber(value, false, false, 2 + (i & 3), locale));
    }
}
BENCHMARK(BM_FormatNumber);

// The time of one Add once the tape holds state.range(0) lines.
void BM_AddOnLongTape(benchmark::State& state) {
    const auto lines = state.range(0);
    ScriptSession session(NumberLocale{});
    const auto addOne = [&](int digit) {
        session.Key(1 + digit % 9, false);
        session.Key(KeyCommand::Add, false);
    };
    const std::size_t heapBefore = mallinfo2().uordblks;
    for (std::int64_t i = 0; i < lines; ++i) {
        addOne(static_cast<int>(i));
    }
    const std::size_t heapAfter = mallinfo2().uordblks;
    state.counters["bytesPerLine"] =
        static_cast<double>(heapAfter - heapBefore) / static_cast<double>(lines);
    const std::int32_t base = session.Tape().CurrentLine();
    int digit = 0;
    for (auto _ : state) {
        addOne(++digit);
        // Cut the tape back to its length so every measured Add sees the same tape.
        state.PauseTiming();
        session.Key(KeyCommand::Undo, false);
        state.ResumeTiming();
    }
    benchmark::DoNotOptimize(base);
}
BENCHMARK(BM_AddOnLongTape)->Arg(100)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace reckora::script

BENCHMARK_MAIN();
