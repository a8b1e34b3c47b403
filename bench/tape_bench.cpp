// The paper tape at length: appending a line (store, draw, scroll into view) and paging must
// cost the same at a million lines as at a hundred, drawing only the lines in view; a stored
// line must stay small.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <map>
#include <memory>
#include <string>

#include "CalcTape.h"
#include "CodedEntry.h"
#include "MemoryScrollBar.h"
#include "RecordingPrinter.h"
#include "RecordingSurface.h"

namespace reckora {
namespace {

RecordingSurface::Options CountingOnly() {
    RecordingSurface::Options options;
    options.keepPicture = false;
    return options;
}

std::string LineText(std::int64_t i) {
    return std::to_string(i % 100000) + ".25";
}

// A tape at the design size holding `lines` lines: items with a total every 20 lines.
struct LongTape {
    explicit LongTape(std::int64_t lines) {
        for (std::int64_t i = 1; i <= lines; ++i) {
            Append(i);
        }
    }
    void Append(std::int64_t i) {
        if (i % 20 == 0) {
            model.AddLine(CodedEntry(LineText(i), 119, true));
        } else {
            model.AddLine(CodedEntry(LineText(i), i % 7 == 0 ? 1 : 2, i % 7 != 0));
        }
    }

    // Undo back to `lines` lines, the view at the end of the tape.
    void Reset(std::int64_t lines) {
        model.SetCurrentLine(static_cast<std::int32_t>(lines));
        tape.Redraw();
        tape.UpdateScroll();
    }

    RecordingSurface surface{CountingOnly()};
    MemoryScrollBar bar;
    RecordingPrintService printing;
    int focusHandedBack = 0;
    TapeModel model;
    CalcTape tape{model, surface, bar, [this] { ++focusHandedBack; }, printing};
};

LongTape& TapeOf(std::int64_t lines) {
    static std::map<std::int64_t, std::unique_ptr<LongTape>> tapes;
    auto& tape = tapes[lines];
    if (!tape) {
        tape = std::make_unique<LongTape>(lines);
    }
    return *tape;
}

void BM_AppendLine(benchmark::State& state) {
    const std::int64_t lines = state.range(0);
    LongTape& fixture = TapeOf(lines);
    constexpr int Batch = 200;
    std::int64_t appended = 0;
    const std::int64_t drawsBefore = fixture.surface.Counts().Drawings();
    std::int64_t untimedDraws = 0;
    for (auto _ : state) {
        fixture.Append(lines + 1 + appended % Batch);
        if (++appended % Batch == 0) {
            // Back to the same length, so every append meets a tape of `lines` lines.
            state.PauseTiming();
            const std::int64_t before = fixture.surface.Counts().Drawings();
            fixture.Reset(lines);
            untimedDraws += fixture.surface.Counts().Drawings() - before;
            state.ResumeTiming();
        }
    }
    const std::int64_t draws = fixture.surface.Counts().Drawings() - drawsBefore - untimedDraws;
    state.counters["drawsPerAppend"] = static_cast<double>(draws) / static_cast<double>(appended);
    fixture.Reset(lines);
}
BENCHMARK(BM_AppendLine)->Arg(100)->Arg(10'000)->Arg(1'000'000);

void BM_Page(benchmark::State& state) {
    LongTape& fixture = TapeOf(state.range(0));
    const std::int64_t drawsBefore = fixture.surface.Counts().Drawings();
    bool up = true;
    for (auto _ : state) {
        if (up) {
            fixture.tape.PageUp();
        } else {
            fixture.tape.PageDown();
        }
        up = !up;
    }
    state.counters["drawsPerPage"] =
        static_cast<double>(fixture.surface.Counts().Drawings() - drawsBefore) /
        static_cast<double>(state.iterations());
}
BENCHMARK(BM_Page)->Arg(100)->Arg(10'000)->Arg(1'000'000);

void BM_Redraw(benchmark::State& state) {
    LongTape& fixture = TapeOf(state.range(0));
    for (auto _ : state) {
        fixture.tape.Redraw();
    }
}
BENCHMARK(BM_Redraw)->Arg(100)->Arg(10'000)->Arg(1'000'000);

// Heap bytes held per stored line, allocator overhead included.
void BM_StoredLineBytes(benchmark::State& state) {
    const std::int64_t lines = state.range(0);
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        auto fixture = std::make_unique<LongTape>(lines);
        const std::size_t after = mallinfo2().uordblks;
        state.counters["bytesPerLine"] =
            static_cast<double>(after - before) / static_cast<double>(lines);
        benchmark::DoNotOptimize(fixture->model.CurrentLine());
    }
}
BENCHMARK(BM_StoredLineBytes)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace reckora

BENCHMARK_MAIN();
