#pragma once
// The messages the user reads about the kept tape. Each is one marked text; a path or a cause
// follows on its own line, so that the window can translate the first line as it is.

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
inline constexpr char ReadOnlyStoreText[] = RECKORA_USER_TEXT(
    "The kept tapes can be read but not written: they are shown, but changes to them cannot be "
    "kept. File:");
inline constexpr char UnwrittenAtExitText[] = RECKORA_USER_TEXT(
    "The tape file could not be written, so the latest changes to the tape are lost.");
inline constexpr char SaveFailedText[] = RECKORA_USER_TEXT("The tape could not be saved:");
inline constexpr char NoStoreText[] =
    RECKORA_USER_TEXT("This version of the program cannot keep tapes.");

}  // namespace reckora
