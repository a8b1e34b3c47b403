#include "HeadlessKeyboard.h"

#include "CalcTape.h"
#include "KeyCommand.h"
#include "ScriptSession.h"

namespace reckora::script {

HeadlessKeyboard::HeadlessKeyboard(ScriptSession& session)
    : session_(session),
      calculator_(session.Engine()),
      faces_(*this),
      mapping_({calculator_, faces_, *this, *this, *this,
                session.Engine().Locale().DecimalSep == ","}) {}

void HeadlessKeyboard::MouseDown(int index) {
    if (Enabled(index)) {
        faces_.theButton_MouseDown(index);
    }
}

void HeadlessKeyboard::MouseUp(int index) {
    if (Enabled(index)) {
        faces_.theButton_MouseUp(index);
    }
}

bool HeadlessKeyboard::Enabled(int index) const {
    return index != KeyCommand::Undo || calculator_.IsUndoEnabled();
}

void HeadlessKeyboard::PageUpDown(bool up) {
    session_.Tape().PageUpDown(up);
}

QuestionAnswer HeadlessKeyboard::AskOkCancel(const std::string& prompt, const std::string&) {
    session_.NoteMessage(prompt);
    const QuestionAnswer answer = nextAnswer_;
    nextAnswer_ = QuestionAnswer::Cancel;
    return answer;
}

}  // namespace reckora::script
