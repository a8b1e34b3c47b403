#pragma once
// Runs a whole key script in memory, as the harness tool does, for tests of the script language.

#include <sstream>
#include <string>

#include "ScriptRunner.h"

namespace reckora::script {

// The output of a whole script, "malformed" when a line is refused, or the message of a failed
// `expect`.
inline std::string RunScript(const std::string& script) {
    std::ostringstream out;
    ScriptRunner runner(out);
    std::istringstream in(script);
    std::string line;
    try {
        while (std::getline(in, line)) {
            if (!runner.RunLine(line)) {
                return out.str();
            }
        }
        runner.Finish();
    } catch (const ScriptError&) {
        return "malformed";
    } catch (const ExpectationFailed& failure) {
        return failure.what();
    }
    return out.str();
}

}  // namespace reckora::script
