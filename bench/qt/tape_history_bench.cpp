// The Tape History opening over a store of 10,000 kept tapes: the list read from the file on
// disk, the dialog built and drawn (offscreen), as File > Tape History does.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QPixmap>
#include <filesystem>
#include <string>

#include "TapeHistoryDialog.h"
#include "TapeStore.h"

namespace {

using namespace reckora;

// A store of `count` tapes of twelve lines and a total each, in a scratch folder.
class StoreOfTapes {
public:
    explicit StoreOfTapes(std::int64_t count) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tape-history-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scratch folder");
        }
        folder_ = pattern;
        store::StoreOptions options;
        options.path = folder_ / "t.db";
        store_ = std::make_unique<store::TapeStore>(options);
        for (std::int64_t sheet = 0; sheet < count; ++sheet) {
            if (sheet > 0) {
                store_->NewSheet();
            }
            store::SheetChange change;
            change.command = {
                1,           "add", "1", 2, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                std::nullopt};
            store::StoredLine item;
            item.mark = 2;
            for (int line = 0; line < 12; ++line) {
                item.text = std::to_string(100 + line) + ".00";
                change.lines.push_back(item);
            }
            store::StoredLine total;
            total.text = "1266.00";
            total.mark = store::TotalMark;
            total.itemCount = 12;
            change.lines.push_back(total);
            store_->Record(change);
        }
    }
    ~StoreOfTapes() {
        store_.reset();
        std::filesystem::remove_all(folder_);
    }
    store::TapeStore& Store() { return *store_; }

private:
    std::filesystem::path folder_;
    std::unique_ptr<store::TapeStore> store_;
};

void BM_TapeHistoryOpens(benchmark::State& state) {
    StoreOfTapes tapes(state.range(0));
    store::TapeStore& store = tapes.Store();
    for (auto _ : state) {
        TapeHistoryDialog dialog(
            nullptr, {.find = [&store](const std::string&) { return store.ListSheets(); },
                      .current = [&store] { return store.CurrentSheet(); },
                      .open = [](store::SheetId) { return false; },
                      .remove = [](store::SheetId) { return false; }});
        dialog.show();
        benchmark::DoNotOptimize(dialog.grab());
    }
}
BENCHMARK(BM_TapeHistoryOpens)->Arg(10'000)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
