#pragma once
// A scratch folder per test, a few ways to fill a sheet, and a file's bytes.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "TapeStore.h"

namespace reckora::store {

// The bytes of a file; empty when it cannot be read.
inline std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A stored line; a text with a leading minus is negative.
inline StoredLine Line(std::string text, std::int32_t mark = 2, std::int32_t count = 0) {
    StoredLine line;
    line.negative = !text.empty() && text.front() == '-';
    line.text = std::move(text);
    line.mark = mark;
    line.itemCount = count;
    return line;
}

// Command `sequence` appends `lines` to a sheet of `keep` lines; the state names the command.
inline SheetChange Append(std::int64_t sequence, std::int64_t keep, std::vector<StoredLine> lines) {
    SheetChange change;
    change.command.sequence = sequence;
    change.command.name = "add";
    change.command.entry = std::to_string(sequence);
    change.command.rounding = 2;
    change.keepLines = keep;
    change.lines = std::move(lines);
    change.state = "state " + std::to_string(sequence);
    return change;
}

class StoreFixture : public ::testing::Test {
protected:
    std::filesystem::path folder;
    std::filesystem::path path;
    std::int64_t clock = 1'700'000'000'000;

    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tapestore-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        path = folder / "tapes" / "tapes.db";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    StoreOptions Options() {
        StoreOptions options;
        options.path = path;
        options.clockMs = [this] { return ++clock; };
        return options;
    }
    std::unique_ptr<TapeStore> Open() { return std::make_unique<TapeStore>(Options()); }

    // Adds `count` items: command n adds "n.00", sheet lines 1..count.
    static void AddItems(TapeStore& store, int count, int firstSequence = 1) {
        for (int n = 0; n < count; ++n) {
            ASSERT_EQ(store.Record(Append(firstSequence + n, firstSequence - 1 + n,
                                          {Line(std::to_string(firstSequence + n) + ".00")})),
                      WriteResult::Stored);
        }
    }
    static std::vector<StoreNotice::Kind> Notices(TapeStore& store) {
        std::vector<StoreNotice::Kind> kinds;
        while (auto notice = store.TakeNotice()) {
            kinds.push_back(notice->kind);
        }
        return kinds;
    }
};

}  // namespace reckora::store
