#pragma once
// The notices the calculator gives once (the kept tapes moved aside, the tape not kept just now,
// with the path or the cause): a warning box over the main window. A notice given while the
// window is being built waits until the window is up.

#include <QString>
#include <string>

class QWidget;

namespace reckora {

// The notice in the user's language: its first line is a marked text, what follows (a path or
// a cause) is shown as it is.
QString NoticeText(const std::string& message);

// Shows the notice once the event loop runs, above a main window that is always on top.
void ShowNoticeBox(QWidget& owner, const QString& text);

}  // namespace reckora
