// The kept tape through the core: bringing it back, as the program's start does (the store
// read, the lines put on the tape and drawn, the state restored), and correcting an entry near
// the top of a long one (the lines it changed written to the store).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "ScriptSession.h"
#include "TapeStore.h"

namespace {

using namespace reckora;

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "keep-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scratch folder");
        }
        folder_ = pattern;
    }
    ~ScratchFolder() { std::filesystem::remove_all(folder_); }
    std::filesystem::path Store() const { return folder_ / "tapes.sqlite"; }

private:
    std::filesystem::path folder_;
};

// A current sheet of `lines` items, with the state a session leaves.
void FillStore(const std::filesystem::path& path, std::int64_t lines) {
    const std::string state =
        StateAsText(script::ScriptSession(NumberLocale{}).Core().CurrentState());
    store::StoreOptions options;
    options.path = path;
    store::TapeStore tapes(options);
    store::SheetChange change;
    change.command = {
        1, "add", "0", 6, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    change.state = state;
    change.lines.reserve(static_cast<std::size_t>(lines));
    for (std::int64_t n = 0; n < lines; ++n) {
        store::StoredLine line;
        line.text = std::to_string(1000 + n % 9000) + "." + std::to_string(10 + n % 90);
        line.mark = static_cast<std::int32_t>(TapeLineCode(TapeMark::Add, 0));
        change.lines.push_back(std::move(line));
    }
    if (tapes.Record(change) != store::WriteResult::Stored) {
        throw std::runtime_error("cannot fill the store");
    }
}

void BM_RestoreThroughCore(benchmark::State& state) {
    const ScratchFolder folder;
    FillStore(folder.Store(), state.range(0));
    for (auto _ : state) {
        auto session = std::make_unique<script::ScriptSession>(
            NumberLocale{}, script::SessionOptions{.tapeStore = folder.Store()});
        if (session->Lines().CurrentLine() != state.range(0)) {
            state.SkipWithError("the sheet did not come back");
        }
        // Closing is the end of the previous run, not part of a start.
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RestoreThroughCore)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A kept tape of `items` items typed one by one, each an added digit, as a session that then
// ends keeps it, at `store`. The typing (a command written to disk per item) takes longer than any
// benchmark here, so it is done once per length and the file copied.
void TypeItems(const std::filesystem::path& store, std::int64_t items) {
    static std::map<std::int64_t, std::unique_ptr<ScratchFolder>> typed;
    auto& folder = typed[items];
    if (!folder) {
        folder = std::make_unique<ScratchFolder>();
        script::ScriptSession typing(NumberLocale{},
                                     script::SessionOptions{.tapeStore = folder->Store()});
        for (std::int64_t i = 0; i < items; ++i) {
            typing.Key(1 + static_cast<int>(i % 9), false);
            typing.Key(KeyNumber(Key::Add), false);
        }
        typing.End();
    }
    std::filesystem::copy_file(folder->Store(), store,
                               std::filesystem::copy_options::overwrite_existing);
}

// Correcting line 2 of a kept tape of state.range(0) items, after a restart as a user would
// come back to it: the later lines worked out again, and those whose text changed (here the
// corrected one only) written to the store, a file on disk, with the command.
void BM_CorrectNearTopKept(benchmark::State& state) {
    const ScratchFolder folder;
    const script::SessionOptions options{.tapeStore = folder.Store()};
    TypeItems(folder.Store(), state.range(0));
    script::ScriptSession session(NumberLocale{}, options);
    int round = 0;
    for (auto _ : state) {
        session.Core().TapeWork().CorrectEntry(2, ++round % 2 == 0 ? "3" : "4");
    }
    if (session.Lines().Extras(2) == nullptr) {
        state.SkipWithError("the correction was refused");
    }
}
BENCHMARK(BM_CorrectNearTopKept)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The first correction after a restart: line 2 of state.range(0) items is corrected, with the log
// of entries the start read beside the sheet, and the changed lines written. Each
// run starts from the same kept file, so the journal does not grow with the runs.
void BM_FirstCorrectionAfterRestart(benchmark::State& state) {
    const ScratchFolder folder;
    const script::SessionOptions options{.tapeStore = folder.Store()};
    for (auto _ : state) {
        state.PauseTiming();
        TypeItems(folder.Store(), state.range(0));
        auto session = std::make_unique<script::ScriptSession>(NumberLocale{}, options);
        state.ResumeTiming();
        session->Core().TapeWork().CorrectEntry(2, "3");
        state.PauseTiming();
        if (session->Lines().Extras(2) == nullptr) {
            state.SkipWithError("the correction was refused");
        }
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstCorrectionAfterRestart)
    ->Arg(100'000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// Bringing back a kept tape of state.range(0) items whose journal holds ten corrections, spread
// over the tape, as the start of the next session does: the sheet's lines and their extras (the
// originals and change marks) come back with the tape.
void BM_RestoreCorrectedSheet(benchmark::State& state) {
    const ScratchFolder folder;
    const script::SessionOptions options{.tapeStore = folder.Store()};
    const std::int64_t items = state.range(0);
    TypeItems(folder.Store(), items);
    {
        script::ScriptSession correcting(NumberLocale{}, options);
        for (std::int64_t n = 0; n < 10; ++n) {
            correcting.Core().TapeWork().CorrectEntry(
                static_cast<std::int32_t>(2 + n * (items / 10)), "4");
        }
        correcting.End();
    }
    for (auto _ : state) {
        auto session = std::make_unique<script::ScriptSession>(NumberLocale{}, options);
        state.PauseTiming();
        if (session->Lines().CurrentLine() != items || session->Lines().AllExtras().size() != 10) {
            state.SkipWithError("the corrected sheet did not come back");
        }
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RestoreCorrectedSheet)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
