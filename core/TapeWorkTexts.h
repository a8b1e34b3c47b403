#pragma once
// The texts of the work on the tape: the dialogs' titles and prompts and the refusal of a
// correction. A refusal's line follows on a line of its own, so that the window can translate
// the first line as it is.

#include "UserText.h"

namespace reckora {

inline constexpr char CorrectTitle[] = RECKORA_USER_TEXT("Correct Entry");
inline constexpr char CorrectPrompt[] = RECKORA_USER_TEXT("The number this line should show:");
inline constexpr char NoteTitle[] = RECKORA_USER_TEXT("Note");
inline constexpr char NotePrompt[] = RECKORA_USER_TEXT("Note on this line:");
inline constexpr char CorrectionErrorText[] = RECKORA_USER_TEXT(
    "This correction would put the calculator into the error state. Nothing was changed. Line:");
inline constexpr char CorrectionCapacityText[] = RECKORA_USER_TEXT(
    "This correction would run past the display's capacity. Nothing was changed. Line:");

}  // namespace reckora
