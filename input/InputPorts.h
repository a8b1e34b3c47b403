#pragma once
// The answer of a question box: a modal question with OK and Cancel, the question icon, and OK
// as the default button. Closing it any other way answers Cancel.

namespace reckora {

enum class QuestionAnswer { Ok, Cancel };

}  // namespace reckora
