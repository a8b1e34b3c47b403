#pragma once
// Opening the store of tape sheets. The program's store is SQLite (tapestore/); a build without
// SQLite has none, and then the calculator keeps nothing.

#include <filesystem>
#include <memory>

#include "SheetHistory.h"
#include "TapeKeeping.h"

namespace reckora {

// One open store as its two users see it: the keeper of the tape owns it, the history reads it.
struct SheetStore {
    std::unique_ptr<store::TapeKeeping> keeping;
    store::SheetHistory* history = nullptr;  // the same store; lives as long as `keeping`
};

// When a store file is made: at once, or with the first change kept (a start that keeps nothing
// then leaves no file behind).
enum class StoreFileMade { AtOnce, WithFirstChange };

// Opens the store at `path`, making it when there is none; none in a build that keeps no tapes.
SheetStore OpenSheetStore(const std::filesystem::path& path, StoreFileMade made);

}  // namespace reckora
