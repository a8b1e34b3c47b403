#pragma once
// The messages the calculator gives once and the user answers (a save that failed, the tape not
// written at exit): a warning box over the main window. A message given while the window is being
// built waits until the window is up. The notices about the kept tapes go to the NoticeBar.

#include <QString>
#include <string>

class QWidget;

namespace reckora {

// The message in the user's language, line by line: a line that is a marked text is translated,
// any other (a path, the system's own words) is shown as it is.
QString NoticeText(const std::string& message);

// Shows the notice once the event loop runs, above a main window that is always on top.
void ShowNoticeBox(QWidget& owner, const QString& text);

}  // namespace reckora
