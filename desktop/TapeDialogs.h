#pragma once
// The small dialogs of the work on the tape: one line of text (Correct Entry, Note) and the
// preview of a pasted column, modal over the main window.

#include <QString>
#include <optional>
#include <string>

#include "TapeRequests.h"

class QWidget;

namespace reckora {

// The text the user typed; nothing when cancelled.
std::optional<std::string> AskText(QWidget& parent, const TextRequest& request);

// What the preview of a pasted column says: how many numbers, their sum and the lines left out.
QString ColumnPreviewText(const ColumnPreview& preview);

// Shows the preview; true when the user chose OK (only offered when there is a number to add).
bool ConfirmColumn(QWidget& parent, const ColumnPreview& preview);

}  // namespace reckora
