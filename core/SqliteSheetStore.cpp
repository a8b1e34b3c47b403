// The program's store of tape sheets: the SQLite tape store.

#include "SheetStore.h"
#include "TapeStore.h"

namespace reckora {

SheetStore OpenSheetStore(const std::filesystem::path& path, StoreFileMade made) {
    store::StoreOptions options;
    options.path = path;
    options.makeFileWhenFirstWritten = made == StoreFileMade::WithFirstChange;
    auto tapes = std::make_unique<store::TapeStore>(std::move(options));
    store::SheetHistory* history = tapes.get();
    return {std::move(tapes), history};
}

}  // namespace reckora
