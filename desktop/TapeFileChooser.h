#pragma once
// Save Tape As: a file dialog offering plain text, CSV and PDF, starting from a suggested name in
// the folder and format the user chose last in this run (the documents folder at first).

#include <QString>
#include <optional>
#include <string>

#include "TapeFileFormat.h"

class QDate;
class QWidget;

namespace reckora {

// "Tape 2026-12-06.txt", with the word in the user's language and the day as the user's clock
// shows it; a named tape is offered under its name ("March rent.txt"), without the characters a
// file name cannot hold.
QString SuggestedTapeName(const QDate& day, const std::string& tapeName = {});

class TapeFileChooser {
public:
    explicit TapeFileChooser(QWidget& owner);

    // The file and format chosen, or nothing when the user cancelled. The dialog offers
    // `suggestedName` with the extension of the format chosen last (plain text at first). With
    // `tapeName` it also has a field for the tape's name, filled with it, and the target carries
    // what was typed there.
    std::optional<SaveTarget> Choose(const QString& suggestedName,
                                     const std::optional<std::string>& tapeName = std::nullopt);

private:
    QWidget& owner_;
    QString folder_;
    TapeFormat format_ = TapeFormat::Text;
};

}  // namespace reckora
