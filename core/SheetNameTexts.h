#pragma once
// The texts of naming a kept tape (the rename dialog's title and prompt, why a name was not
// taken) and of saving or printing one from the history. The window translates them as they are.

#include "UserText.h"

namespace reckora {

inline constexpr char RenameTitle[] = RECKORA_USER_TEXT("Rename Tape");
inline constexpr char RenamePrompt[] =
    RECKORA_USER_TEXT("Name of this tape (leave it empty to remove the name):");
inline constexpr char NameTooLongText[] =
    RECKORA_USER_TEXT("A tape's name can have at most 80 characters. Nothing was changed.");
inline constexpr char NameNotTextText[] =
    RECKORA_USER_TEXT("A tape's name cannot hold control characters. Nothing was changed.");
inline constexpr char NameNotKeptText[] = RECKORA_USER_TEXT(
    "The name could not be kept: tapes are not being kept, or this tape is gone.");
// Why a tape chosen in the history could not be saved or printed.
inline constexpr char SheetUnreadableText[] =
    RECKORA_USER_TEXT("This tape is no longer kept, or it cannot be read.");
// Between the window's caption and the current tape's name in its title.
inline constexpr char TitleNameSeparator[] = " \u2014 ";

}  // namespace reckora
