#pragma once
// The keyboard, the key faces and the exit question of the harness's calculator: the keyboard
// mapping as the window runs it, with a question box that answers as the script said and notes
// its text for the dump.

#include <string>

#include "CalculatorAdapter.h"
#include "KeyFaces.h"
#include "KeyboardMapping.h"

namespace reckora::script {

class ScriptSession;

class HeadlessKeyboard : private KeyFaceView,
                         private TapePager,
                         private QuestionBox,
                         private WindowUnloader {
public:
    explicit HeadlessKeyboard(ScriptSession& session);

    KeyboardMapping& Mapping() { return mapping_; }
    KeyFaces& Faces() { return faces_; }
    const KeyFaces& Faces() const { return faces_; }

    // Mouse press and release on a key face; a disabled key (Undo while it is unavailable) gets
    // none, as on the window.
    void MouseDown(int index);
    void MouseUp(int index);

    // How the next question is answered; later ones are answered Cancel again.
    void SetNextAnswer(QuestionAnswer answer) { nextAnswer_ = answer; }

    // The window was unloaded (Escape answered OK).
    bool Unloaded() const { return unloaded_; }

private:
    void ShowKeyFace(int, bool) override {}
    void PageUpDown(bool up) override;
    QuestionAnswer AskOkCancel(const std::string& prompt, const std::string& title) override;
    void Unload() override { unloaded_ = true; }
    bool Enabled(int index) const;

    ScriptSession& session_;
    CalculatorAdapter calculator_;
    KeyFaces faces_;
    KeyboardMapping mapping_;
    QuestionAnswer nextAnswer_ = QuestionAnswer::Cancel;
    bool unloaded_ = false;
};

}  // namespace reckora::script
