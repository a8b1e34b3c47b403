// Saving a long tape as PDF: time, the process's peak memory while it is written, and the bytes
// the file takes per tape line.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "CalcTape.h"
#include "CodedEntry.h"
#include "MemoryScrollBar.h"
#include "PdfFile.h"
#include "RecordingPrinter.h"
#include "RecordingSurface.h"

namespace reckora {
namespace {

namespace fs = std::filesystem;

// The peak resident memory of this process so far, in bytes (Linux: VmHWM); 0 elsewhere.
double PeakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmHWM:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

// Starts the peak over from the present size (Linux: clear_refs 5).
void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// A tape of items with a total every 20 lines and a note on every 50th line.
struct NotedTape {
    explicit NotedTape(std::int64_t lines) {
        for (std::int64_t i = 1; i <= lines; ++i) {
            const std::string text = std::to_string(i % 100000) + ".25";
            model.AddLine(i % 20 == 0 ? CodedEntry(text, 119, true)
                                      : CodedEntry(text, i % 7 == 0 ? 1 : 2, i % 7 != 0));
            if (i % 50 == 0) {
                model.SetExtras(
                    static_cast<std::int32_t>(i),
                    {"Rent, \"March\" for the flat, \u0141\u00F3d\u017A \u20AC5", {}, false});
            }
        }
    }
    RecordingSurface surface{[] {
        RecordingSurface::Options options;
        options.keepPicture = false;
        return options;
    }()};
    MemoryScrollBar bar;
    RecordingPrintService printing;
    TapeModel model;
    CalcTape tape{model, surface, bar, [] {}, printing};
};

void BM_SaveTapeAsPdf(benchmark::State& state) {
    const std::int64_t lines = state.range(0);
    static std::map<std::int64_t, NotedTape> tapes;
    const NotedTape& noted = tapes.try_emplace(lines, lines).first->second;
    const fs::path path = fs::temp_directory_path() / "reckora-pdf-bench.pdf";
    const PrintExtras with{
        [&](std::int32_t line) { return noted.model.Extras(line); }, "2026-12-07", {}};
    double peak = 0;
    for (auto _ : state) {
        ResetPeak();
        pdf::SaveTapeAsPdf(path, noted.model.Lines(), noted.model.CurrentLine(), with);
        peak = std::max(peak, PeakResidentBytes());
    }
    state.counters["bytesPerLine"] =
        static_cast<double>(fs::file_size(path)) / static_cast<double>(lines);
    state.counters["peakMB"] = peak / 1e6;
    fs::remove(path);
}
BENCHMARK(BM_SaveTapeAsPdf)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace reckora

BENCHMARK_MAIN();
