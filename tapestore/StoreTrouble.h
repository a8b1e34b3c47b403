#pragma once
// Why storing stopped, read from what was thrown while opening or writing the store file: a
// cause code the program words for the user, and the system's words where the code alone says
// too little.

#include <exception>
#include <stdexcept>
#include <string>

#include "TapeStore.h"

namespace reckora::store {

// The folder of the store cannot be made; `what` is the folder.
class FolderNotMade : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Cause {
    NoticeCause code;
    std::string detail;
};

Cause CauseOf(const std::exception& error);

}  // namespace reckora::store
