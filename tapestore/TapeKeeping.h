#pragma once
// What keeping the calculator's tape needs of a store: the current sheet restored and changed
// command by command, a sheet named, another sheet made current or deleted, a sheet's journal read
// back, and the store's notices.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "StoreRecords.h"
#include "StoreResults.h"

namespace reckora::store {

class TapeKeeping {
public:
    virtual ~TapeKeeping() = default;

    virtual std::optional<StoreNotice> TakeNotice() = 0;
    virtual std::optional<SheetId> CurrentSheet() const = 0;
    virtual std::optional<LoadedSheet> LoadCurrent() = 0;
    virtual WriteResult Record(const SheetChange& change) = 0;
    virtual WriteResult SetNote(std::int64_t line, const std::optional<std::string>& note) = 0;
    virtual WriteResult NameSheet(std::optional<SheetId> sheet,
                                  const std::optional<std::string>& name) = 0;
    virtual void SyncIfDue() = 0;
    virtual bool WriteHeld() = 0;
    virtual WriteResult NewSheet() = 0;
    virtual OpenSheetResult OpenSheet(SheetId id, LoadedSheet& loaded) = 0;
    virtual WriteResult DeleteSheet(SheetId id) = 0;
    // Hands a sheet's journal to `take` command by command, in order, without holding it whole;
    // false if the sheet is missing or a command is unusable (what was handed must then be
    // dropped).
    virtual bool ReadCommands(SheetId id,
                              const std::function<void(const CommandRecord&)>& take) = 0;
    // Keeps `log` (opaque text) beside the current sheet in place of the one kept before; it goes
    // with the sheet. False when it cannot be written now (nothing is lost: it can be made again).
    virtual bool KeepEntryLog(const std::string& log) = 0;
    // The log kept beside a sheet; nothing when none is, or it cannot be read.
    virtual std::optional<std::string> KeptEntryLog(SheetId id) = 0;

protected:
    TapeKeeping() = default;
    TapeKeeping(const TapeKeeping&) = default;
    TapeKeeping& operator=(const TapeKeeping&) = default;
};

}  // namespace reckora::store
