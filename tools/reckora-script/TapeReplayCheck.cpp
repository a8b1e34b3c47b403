#include "TapeReplayCheck.h"

#include "CalcTape.h"
#include "LineLayout.h"
#include "RecordingSurface.h"
#include "ScriptSession.h"

namespace reckora::script {

bool TapePictureMatchesReplay(ScriptSession& session) {
    const CalcTape& tape = session.Tape();
    const TapeModel& lines = session.Lines();
    RecordingSurface& shown = session.TapeSurface();

    RecordingSurface::Options options;
    options.width = shown.ScaleWidth();
    options.height = shown.ScaleHeight();
    RecordingSurface replay(options);
    replay.SetFontSize(shown.FontSize());
    LineFrame frame;
    frame.rightEdge = shown.ScaleWidth();
    frame.charWidth = tape.CharWidth();
    frame.lineHeight = tape.LineHeight();
    frame.scrollTop = tape.ScrollTop();
    std::int64_t nextY = tape.LineHeight();
    std::string pending;
    for (std::int32_t position = 1; position <= lines.CurrentLine(); ++position) {
        const TapeLine& line = lines.Line(position);
        const std::string_view text = line.text.View();
        std::int64_t centre = nextY;
        if (IsOverdrawn(text, line.mark, pending)) {
            centre -= tape.LineHeight();
        }
        // The reference draws what the tape holds: a line's note, struck original, change mark
        // and selection band belong to its picture as much as its number does.
        DrawTapeLine(replay, frame, centre, line,
                     LineMarks{lines.Extras(position), position == tape.SelectedLine()});
        pending = std::string(PendingTextAfter(text, line.mark));
        nextY = NextLineCentre(centre, line.mark, tape.LineHeight());
    }
    return replay.VisiblePicture() == shown.VisiblePicture();
}

}  // namespace reckora::script
