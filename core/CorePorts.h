#pragma once
// What the calculator's core needs of the window around it. The Qt program hands in its widgets
// and dialogs, the key-script harness in-memory stand-ins. Interfaces where the core asks several
// things of one part, functions for single calls.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "DrawingSurface.h"
#include "EnginePorts.h"
#include "InputPorts.h"
#include "KeyCommand.h"
#include "NumberLocale.h"
#include "PrintService.h"
#include "ScrollBar.h"
#include "SettingsPorts.h"
#include "SheetStore.h"
#include "StoreNotices.h"
#include "TapeRequests.h"
#include "WindowModel.h"

namespace reckora {

// The forms a tape is saved in.
enum class TapeFormat { Text, Csv, Pdf };

// Where Save Tape As writes, as the user chose it.
struct SaveTarget {
    std::filesystem::path path;
    TapeFormat format = TapeFormat::Text;
    // The name the tape is to have, as typed in the dialog; none when the dialog offered no name
    // field (nothing is kept) and the name stays as it is.
    std::optional<std::string> tapeName = std::nullopt;
};

struct CorePorts {
    // The user's decimal and grouping separators, read first of all.
    std::function<NumberLocale()> readLocale;

    // The window's parts.
    DisplayLabel& display;
    CaptionLabel& memory;
    CaptionLabel& counter;
    Clipboard& clipboard;
    WindowModel& window;
    WindowPlacement& placement;
    SettingsStore& store;

    // The tape's parts.
    DrawingSurface& tapeSurface;
    ScrollBar& tapeScrollBar;
    PrintService& printing;

    // Single calls to the window.
    std::function<void(RoundingOption option)> showSelectedOption;
    std::function<void(int milliseconds)> setBlinkInterval;  // 0 stops the blink timer
    std::function<void(bool available)> showUndoAvailable;   // the Undo key and menu entry
    std::function<void(Key key, bool pressed)> showKeyFace;
    std::function<void()> giveFocusToMainWindow;
    std::function<void(bool onTop)> setAlwaysOnTop;  // topmost or not, without moving
    std::function<void(int frequencyHz, int durationMs)> beep;
    std::function<QuestionAnswer(const std::string& prompt, const std::string& title)> ask;
    std::function<void()> showAbout;         // a fresh about window, modal
    std::function<void()> closeWindow;       // ends the program without saving anything
    std::function<void()> requestNumLockOn;  // the last step of start-up

    // The kept tapes: the store file; none keeps nothing (the tape lives as long as the window).
    std::optional<std::filesystem::path> tapeStorePath = std::nullopt;
    // The program makes no store file before there is something to keep; the key-script harness
    // makes it at `journal`, as its users expect.
    StoreFileMade storeFileMade = StoreFileMade::WithFirstChange;
    // Off: the constructor brings the kept tape back. On: the owner calls BringBackTape itself,
    // so that opening the store and reading the sheet do not delay the window's first frame.
    bool bringBackTapeLater = false;
    // A message the user reads once and answers (a save that failed, the tape not written at
    // exit): lines of marked texts, with a path or the system's words on lines of their own.
    std::function<void(const std::string& message)> showMessage = {};
    // A notice about the kept tapes (moved aside, cannot be kept, kept again, open in another
    // window), given in the middle of typing: it must never take the keyboard. When empty it goes
    // to showMessage.
    std::function<void(const TapeNotice& notice)> showNotice = {};
    // Save Tape As asks where to write, and with `tapeName` (the current tape's name) for the
    // tape's name too; nothing when the user cancels.
    std::function<std::optional<SaveTarget>(const std::optional<std::string>& tapeName)>
        chooseSaveFile = {};
    // Tape History opens the list of kept sheets.
    std::function<void()> showTapeHistory = {};
    // The current tape's name changed (empty: it has none); the window shows it in its title.
    std::function<void(const std::string& name)> showSheetName = {};

    // Work on the tape. Asks for one line of text (Correct Entry, Note); nothing when cancelled.
    std::function<std::optional<std::string>(const TextRequest&)> askText = {};
    // Paste Column's preview; true when the user chose OK.
    std::function<bool(const ColumnPreview&)> confirmColumn = {};
    // Edit, Find opens the find bar.
    std::function<void()> showFind = {};
    // A new line, or the selection, for screen readers.
    std::function<void(std::int32_t line)> announceLine = {};
    // A text marked RECKORA_USER_TEXT in the user's language, for what the core writes itself (a
    // tape saved as text); the English text when empty.
    std::function<std::string(const char* text)> userText = {};
};

// A message through the showMessage port, when the window has one.
inline void ShowMessage(const CorePorts& ports, const std::string& message) {
    if (ports.showMessage) {
        ports.showMessage(message);
    }
}

// A notice through the showNotice port, or as a message when the window has no notice bar.
inline void ShowNotice(const CorePorts& ports, const TapeNotice& notice) {
    if (ports.showNotice) {
        ports.showNotice(notice);
    } else {
        ShowMessage(ports, notice.text);
    }
}

}  // namespace reckora
