#pragma once
// The messages the user reads about the kept tape. Each line is one marked text, or a path or the
// system's own words shown as they are, so that the window can translate line by line.

#include <string>

#include "UserText.h"

namespace reckora {

inline constexpr char StoreMovedAsideText[] = RECKORA_USER_TEXT(
    "The stored tapes could not be read. The file was moved aside and a new one started:");
inline constexpr char CannotKeepText[] =
    RECKORA_USER_TEXT("The tape cannot be kept for now. Calculating goes on. Cause:");
inline constexpr char KeepingResumedText[] =
    RECKORA_USER_TEXT("The tape is kept again; nothing was lost.");
inline constexpr char SheetRestartedText[] = RECKORA_USER_TEXT(
    "The tape is kept again, in a new file: the tape before this point could not be kept.");
inline constexpr char SheetTakenText[] =
    RECKORA_USER_TEXT("The current tape is open in another window; this window has a new tape.");
inline constexpr char ReadOnlyStoreText[] = RECKORA_USER_TEXT(
    "The kept tapes can be read but not written: they are shown, but changes to them cannot be "
    "kept. File:");
inline constexpr char UnwrittenAtExitText[] = RECKORA_USER_TEXT(
    "The tape file could not be written, so the latest changes to the tape are lost.");
inline constexpr char SaveFailedText[] = RECKORA_USER_TEXT("The tape could not be saved:");
inline constexpr char NoStoreText[] =
    RECKORA_USER_TEXT("This version of the program cannot keep tapes.");

// Why the tapes could not be kept or read.
inline constexpr char DiskFullText[] = RECKORA_USER_TEXT("The disk is full.");
inline constexpr char ReadOnlyText[] =
    RECKORA_USER_TEXT("The tape file or its folder is read-only.");
inline constexpr char LockedText[] = RECKORA_USER_TEXT("Another program is holding the tape file.");
inline constexpr char CannotOpenText[] = RECKORA_USER_TEXT("The tape file cannot be opened.");
inline constexpr char CannotWriteText[] = RECKORA_USER_TEXT("The tape file cannot be written:");
inline constexpr char FileVanishedText[] = RECKORA_USER_TEXT("The tape file was moved or deleted.");
inline constexpr char FolderNotMadeText[] =
    RECKORA_USER_TEXT("The folder for the tape file cannot be made:");
inline constexpr char DamagedText[] =
    RECKORA_USER_TEXT("The file is damaged or is not a tape file.");
inline constexpr char NewerVersionText[] =
    RECKORA_USER_TEXT("The file was made by a newer version of this program.");

// How a notice about the kept tapes looks: good news, or something the user should know.
enum class NoticeSeverity { Information, Warning };

// A notice about the kept tapes. It never interrupts typing: the window shows it beside the tape.
struct TapeNotice {
    NoticeSeverity severity = NoticeSeverity::Warning;
    std::string text;  // lines as above
};

}  // namespace reckora
