#pragma once
// What printing the tape needs of the window system: the default printer, obtained afresh for
// each print, and the messages the user reads about it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "Failure.h"
#include "Printer.h"
#include "UserText.h"

namespace reckora {

// Told how far a print or export has come (`done` of `total` steps); returns false to stop it.
using PrintProgress = std::function<bool(std::int32_t done, std::int32_t total)>;

// What a long piece of work does, for the words its progress is shown with.
enum class LongWork { Printing, Saving };

// A character array, so that lupdate files the text under the context "reckora".
inline constexpr char NothingToPrint[] = RECKORA_USER_TEXT("Nothing to print");
// The title of every message about printing: the application's title, translated like it.
inline constexpr char PrintMessageTitle[] = RECKORA_USER_TEXT("Reckora Calculator");

class PrintService {
public:
    virtual ~PrintService() = default;

    // A new job on the system's default printer. Throws Failure of kind NoPrinter when no
    // printer is installed, PrinterFailure when the printer cannot be used.
    virtual std::unique_ptr<Printer> DefaultPrinter() = 0;

    // A modal message box with the information icon and an OK button; returns when closed.
    virtual void ShowInformation(std::string_view text, std::string_view title) = 0;

    // Tells the user that printing failed and why. May return another printer to print the same
    // tape on instead (for example a PDF file when no printer is installed); the tape then prints
    // on it from the start. nullptr ends the print.
    virtual std::unique_ptr<Printer> PrintFailed(const Failure& failure) = 0;

    // Follows one print or export from its start: shows its progress once it has taken over a
    // second, and returns false to the work once the user stops it. Nothing to follow by default.
    virtual PrintProgress FollowProgress(LongWork /*work*/) { return {}; }
};

}  // namespace reckora
