// The tape store on a file on disk: storing a command, restoring a sheet, the history list, and
// the bytes the file takes per tape line.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "TapeStore.h"

namespace {

using namespace reckora::store;

// A scratch folder, removed at the end of the benchmark.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tapestore-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scratch folder");
        }
        folder_ = pattern;
    }
    ~ScratchFolder() { std::filesystem::remove_all(folder_); }
    std::filesystem::path Store() const { return folder_ / "tapes.db"; }

private:
    std::filesystem::path folder_;
};

StoreOptions Options(const ScratchFolder& folder, Durability durability = Durability::Normal) {
    StoreOptions options;
    options.path = folder.Store();
    options.durability = durability;
    return options;
}

StoredLine Item(std::int64_t n) {
    StoredLine line;
    line.text = std::to_string(1000 + n % 9000) + "." + std::to_string(10 + n % 90);
    line.mark = n % 3 == 0 ? 1 : 2;
    line.negative = false;
    return line;
}

// Command n of a typical session: an item; every tenth a total of the nine before it.
SheetChange Command(std::int64_t n, std::int64_t lines) {
    SheetChange change;
    change.command = {n,
                      "add",
                      std::to_string(1000 + n % 9000) + "." + std::to_string(10 + n % 90),
                      2,
                      std::nullopt,
                      std::nullopt,
                      std::nullopt,
                      std::nullopt,
                      std::nullopt};
    change.keepLines = lines;
    if (n % 10 == 0) {
        StoredLine total;
        total.text = std::to_string(45000 + n % 1000) + ".00";
        total.mark = TotalMark;
        total.itemCount = 9;
        change.lines = {total};
    } else {
        change.lines = {Item(n)};
    }
    change.state = "1 0 2 " + std::to_string(n) + " 0 0 " + change.lines.back().text;
    return change;
}

// Stores `commands` commands on the current sheet, in batches of `batch` lines per command.
void Fill(TapeStore& store, std::int64_t lines, std::int64_t batch) {
    for (std::int64_t n = 0; n * batch < lines; ++n) {
        SheetChange change = Command(n + 1, n * batch);
        change.lines.clear();
        for (std::int64_t k = 0; k < batch; ++k) {
            change.lines.push_back(Item(n * batch + k));
        }
        store.Record(change);
    }
}

void StoreOneCommand(benchmark::State& state, Durability durability) {
    ScratchFolder folder;
    TapeStore store(Options(folder, durability));
    std::int64_t n = 0;
    std::int64_t lines = 0;
    for (auto _ : state) {
        const SheetChange change = Command(++n, lines);
        if (store.Record(change) != WriteResult::Stored) {
            state.SkipWithError("not stored");
            break;
        }
        lines = change.keepLines + static_cast<std::int64_t>(change.lines.size());
    }
}

void BM_StoreCommand(benchmark::State& state) {
    StoreOneCommand(state, Durability::Normal);
}
BENCHMARK(BM_StoreCommand)->Unit(benchmark::kMicrosecond);

void BM_StoreCommandFullSync(benchmark::State& state) {
    StoreOneCommand(state, Durability::Full);
}
BENCHMARK(BM_StoreCommandFullSync)->Unit(benchmark::kMicrosecond);

void BM_LoadSheet(benchmark::State& state) {
    ScratchFolder folder;
    const std::int64_t lines = state.range(0);
    {
        TapeStore store(Options(folder));
        Fill(store, lines, 1000);
    }
    TapeStore store(Options(folder));
    for (auto _ : state) {
        const auto sheet = store.LoadCurrent();
        if (!sheet || static_cast<std::int64_t>(sheet->lines.size()) != lines) {
            state.SkipWithError("sheet not restored");
            break;
        }
        benchmark::DoNotOptimize(sheet->lines.data());
    }
}
BENCHMARK(BM_LoadSheet)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A store of the first format version, made by that version under a comma locale, grown to
// `lines` lines and as many commands on its sheet, in the old layout.
void GrowVersionOneStore(const std::filesystem::path& path, std::int64_t lines) {
    std::filesystem::copy_file(std::filesystem::path(RECKORA_TEST_DATA) / "v1" / "v1-comma.sqlite",
                               path, std::filesystem::copy_options::overwrite_existing);
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    const std::string grow =
        "WITH RECURSIVE n(i) AS (SELECT 15 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(14 + lines) +
        ") INSERT INTO line(sheet, no, text, mark, count, negative, amount) "
        "SELECT 1, i, printf('%d.%03d,%02d', 1 + i % 9, i % 1000, i % 100), 2, 0, 0, NULL FROM n;"
        "WITH RECURSIVE n(i) AS (SELECT 47 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(46 + lines) +
        ") INSERT INTO command(sheet, seq, kind, entry, rounding, payload) "
        "SELECT 1, i, 15, printf('%d%03d,%02d', 1 + i % 9, i % 1000, i % 100), 2, NULL FROM n;"
        "UPDATE sheet SET lines = " +
        std::to_string(14 + lines) + ", last_seq = " + std::to_string(46 + lines) +
        " WHERE id = 1; COMMIT;";
    sqlite3_exec(db, grow.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// The first start after an update: the store of the first format version is copied and migrated.
void BM_MigrateVersionOne(benchmark::State& state) {
    ScratchFolder folder;
    for (auto _ : state) {
        state.PauseTiming();
        GrowVersionOneStore(folder.Store(), state.range(0));
        state.ResumeTiming();
        TapeStore store(Options(folder));
        if (store.HowOpened() != OpenedAs::Existing) {
            state.SkipWithError("the old store was not migrated");
            break;
        }
    }
}
BENCHMARK(BM_MigrateVersionOne)->Arg(100'000)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_ListSheets(benchmark::State& state) {
    ScratchFolder folder;
    TapeStore store(Options(folder));
    for (std::int64_t sheet = 0; sheet < state.range(0); ++sheet) {
        if (sheet > 0) {
            store.NewSheet();
        }
        Fill(store, 12, 4);
    }
    for (auto _ : state) {
        const auto sheets = store.ListSheets();
        if (static_cast<std::int64_t>(sheets.size()) != state.range(0)) {
            state.SkipWithError("not every sheet listed");
            break;
        }
    }
}
BENCHMARK(BM_ListSheets)->Arg(10'000)->Iterations(20)->Unit(benchmark::kMillisecond);

// The file after 10^5 typical commands, checkpointed and closed, over its tape lines.
void BM_StoredBytesPerLine(benchmark::State& state) {
    for (auto _ : state) {
        ScratchFolder folder;
        std::int64_t lines = 0;
        {
            TapeStore store(Options(folder));
            for (std::int64_t n = 1; n <= state.range(0); ++n) {
                const SheetChange change = Command(n, lines);
                store.Record(change);
                lines += static_cast<std::int64_t>(change.lines.size());
            }
        }
        state.counters["bytesPerLine"] =
            static_cast<double>(std::filesystem::file_size(folder.Store())) /
            static_cast<double>(lines);
    }
}
BENCHMARK(BM_StoredBytesPerLine)->Arg(100'000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
