#pragma once
// What the store's operations answer: how a write or the opening of a sheet went, and the
// notices it has for the user, with their causes as codes the program words.

#include <string>

namespace reckora::store {

// Why a file was moved aside or storing stopped, as a code: the program words it in the user's
// language.
enum class NoticeCause {
    None,
    DiskFull,
    ReadOnly,  // the file or its folder
    Locked,    // another program holds the file
    CannotOpen,
    CannotWrite,    // any other failure; the notice's detail has the system's words
    FileVanished,   // the file was moved or deleted while in use
    FolderNotMade,  // the notice's detail is the folder
    Damaged,        // not a tape store, truncated or damaged
    NewerVersion,   // made by a newer version of the program
};

struct StoreNotice {
    enum class Kind { MovedAside, CannotKeep, Resumed, SheetRestarted, SheetTaken, ReadOnly };
    Kind kind;
    std::string detail;  // the moved file's path, the folder, or the system's words; may be empty
    NoticeCause cause = NoticeCause::None;
};

enum class WriteResult {
    Stored,   // written and committed
    Held,     // not keeping: held in memory, written when storing resumes
    Refused,  // the change does not fit the sheet (see Record); nothing happened
    Lost,     // storing resumed in a fresh file without the sheet it continued (SheetRestarted)
};

enum class OpenSheetResult { Opened, Missing, InUse, Damaged, NotKeeping };

}  // namespace reckora::store
