#pragma once
// The progress of a print or a save shown in a window-modal dialog with a Cancel button, once the
// work has taken over a second; shorter work, and work for a window that is not shown, shows
// nothing.

#include <QString>
#include <QWidget>

#include "PrintService.h"

namespace reckora {

// A progress to hand to one piece of work; the dialog goes when the work is done or dropped.
PrintProgress ProgressAfterASecond(QWidget* parent, const QString& label);

}  // namespace reckora
