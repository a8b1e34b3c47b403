#pragma once
// The store's notices worded for the user: the text for the notice's kind, with the cause worded
// from its code and the detail (a path, the system's words) each on a line of its own.

#include "StoreNotices.h"
#include "StoreResults.h"

namespace reckora {

TapeNotice WordedNotice(const store::StoreNotice& notice);

}  // namespace reckora
