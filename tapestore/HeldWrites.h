#pragma once
// The changes to the store in the order they were made, written at once while the file can be
// written and held in memory while it cannot, with the notices that tell the user when keeping
// stops, resumes, or resumes in a fresh file.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <variant>

#include "SheetClaims.h"
#include "SheetRows.h"
#include "StoreFile.h"
#include "StoreTrouble.h"
#include "TapeStore.h"

namespace reckora::store {

struct NoteChange {
    std::int64_t line;
    std::optional<std::string> note;
};
struct StartSheet {};
struct NameChange {
    std::optional<SheetId> sheet;  // none: the current sheet, whichever it is when written
    std::optional<std::string> name;
};
using HeldChange = std::variant<SheetChange, NoteChange, StartSheet, NameChange>;

class HeldWrites {
public:
    // `openedAs` is updated when a store that could not be opened at first is opened later.
    HeldWrites(StoreFile& file, SheetRows& rows, SheetClaims& claims,
               std::deque<StoreNotice>& notices, OpenedAs& openedAs)
        : file_(file), rows_(rows), claims_(claims), notices_(notices), openedAs_(openedAs) {}

    bool IsKeeping() const { return keeping_; }
    // The file can be read but not written: nothing is tried but that.
    bool IsReadOnly() const { return readOnly_; }
    bool HasHeld() const { return !held_.empty(); }

    // Storing works: the store was opened to keep.
    void StartKeeping() { keeping_ = true; }
    // Storing stopped; told once until it resumes.
    void StopKeeping(const Cause& cause);
    // A store that can be read but not written: its sheets show, unclaimed, and every change is
    // held until the file can be written.
    void StartReadOnly();
    // Forgets what is held: it could not be kept, as the user was told.
    void DropHeld() { held_.clear(); }

    // Adds a change after those held and writes what it can.
    WriteResult Submit(HeldChange change);
    // Lets go of the current sheet; the next change starts a new one.
    WriteResult NewSheet();
    // Tries once more to write what is held; false when some of it still cannot be written.
    bool WriteHeld();

private:
    WriteResult Flush();
    void Reopen();
    void ReopenFile();
    void Apply(const HeldChange& change);

    StoreFile& file_;
    SheetRows& rows_;
    SheetClaims& claims_;
    std::deque<StoreNotice>& notices_;
    OpenedAs& openedAs_;
    std::deque<HeldChange> held_;
    bool keeping_ = false;
    bool stopNoticeGiven_ = false;
    bool restarted_ = false;
    bool readOnly_ = false;
};

}  // namespace reckora::store
