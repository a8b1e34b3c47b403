#pragma once
// What must hold after every command, whatever the user does: checked by the property test and
// the fuzzer alike.

#include <string>

namespace reckora::script {

class ScriptSession;

// The first invariant the session breaks, described; empty when all hold. The session must keep
// its tape picture (SessionOptions::keepTapePicture). lockedBefore: the error lock was on before
// the command.
std::string BrokenInvariant(ScriptSession& session, bool lockedBefore);

}  // namespace reckora::script
