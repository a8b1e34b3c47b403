#pragma once
// Checks the tape's drawn picture against a full replay of its lines from the first, the way a
// tape that redraws everything would draw it: the draw operations that land in the view must be
// the same, coordinate for coordinate. Each line is replayed with its extras and selection.

namespace reckora::script {

class ScriptSession;

// True when the session's tape (kept with SessionOptions::keepTapePicture) shows in its view
// exactly what a full replay at the same scroll position shows.
bool TapePictureMatchesReplay(ScriptSession& session);

}  // namespace reckora::script
