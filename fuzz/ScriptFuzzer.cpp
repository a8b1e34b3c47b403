// Feeds arbitrary key scripts to the harness's own runner and checks, after every command, the
// invariants that must hold whatever the user does. The files a script names (journal, export,
// clipfile) stay inside a scratch folder of the fuzzer's own, emptied before every input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>

#include <unistd.h>

#include "ScriptRunner.h"
#include "ScriptSession.h"
#include "SessionInvariants.h"

namespace {

using reckora::script::ScriptRunner;
using reckora::script::ScriptSession;
namespace fs = std::filesystem;

// One folder per process (in memory where the system has /dev/shm), so that parallel workers
// never share files; it goes when the run ends.
class ScratchFolder {
public:
    ScratchFolder()
        : path_((fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
                ("reckora-script-fuzz-" + std::to_string(getpid()))) {}
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, emptied: every input starts without the files of the one before.
    const fs::path& Emptied() {
        fs::remove_all(path_);
        fs::create_directories(path_);
        return path_;
    }

private:
    fs::path path_;
};

void CheckInvariants(ScriptSession& session, bool lockedBefore, std::string_view line) {
    const std::string broken = reckora::script::BrokenInvariant(session, lockedBefore);
    if (!broken.empty()) {
        std::fprintf(stderr, "invariant broken after \"%.*s\": %s\n", static_cast<int>(line.size()),
                     line.data(), broken.c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ScratchFolder scratch;
    std::ostringstream out;
    ScriptRunner runner(out, ScriptRunner::Options{.session = {.keepTapePicture = true},
                                                   .fileFolder = scratch.Emptied()});
    std::string_view script(reinterpret_cast<const char*>(data), size);
    // Long tapes make the replay check slow without finding more.
    int commands = 0;
    while (!script.empty() && commands++ < 400) {
        const std::size_t end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
        const bool lockedBefore =
            runner.HasSession() && runner.Session().Engine().State().errorState;
        try {
            if (!runner.RunLine(line)) {
                return 0;
            }
        } catch (const reckora::script::ScriptError&) {
            return 0;
        } catch (const reckora::script::ExpectationFailed&) {
            return 0;
        }
        if (runner.HasSession()) {
            CheckInvariants(runner.Session(), lockedBefore, line);
        }
    }
    return 0;
}
