#pragma once
// The texts of the work on the tape: the dialogs' titles and prompts, the refusals, and the words
// of a saved tape. What a refusal names (a line, the text typed) follows on a line of its own, so
// that the window can translate the first line as it is.

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
inline constexpr char CorrectionNotEnteredText[] = RECKORA_USER_TEXT(
    "Only a number that was typed or pasted can be corrected; this line shows none. Line:");
inline constexpr char CorrectionNotNumberText[] = RECKORA_USER_TEXT(
    "Not a number. Type digits, a sign and a decimal separator only. Nothing was changed.");
inline constexpr char ColumnEmptyText[] =
    RECKORA_USER_TEXT("The clipboard is empty. Copy a column of numbers first.");
inline constexpr char ColumnNoNumberText[] =
    RECKORA_USER_TEXT("The clipboard holds no number to add. Nothing was added. It begins with:");
// A corrected line's original in the tape saved as text; %1 is the original as shown.
inline constexpr char OriginalInText[] = RECKORA_USER_TEXT("(was %1)");

}  // namespace reckora
