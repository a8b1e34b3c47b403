// reckora-script [FILE]: runs a key script (standard input when FILE is absent or "-") and prints
// the calculator's visible state as JSON lines.

#include <fstream>
#include <iostream>
#include <string>

#include "ScriptRunner.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: reckora-script [FILE]\n";
        return 2;
    }
#ifdef _WIN32
    // The output is the same bytes on every system: JSON lines ended by LF, never CR LF, and a
    // script is read as it is (a CR before the LF is ignored anyway, a Ctrl+Z ends nothing).
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::ifstream file;
    std::istream* in = &std::cin;
    if (argc == 2 && std::string(argv[1]) != "-") {
        file.open(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "reckora-script: cannot open " << argv[1] << "\n";
            return 2;
        }
        in = &file;
    }

    reckora::script::ScriptRunner runner(std::cout);
    std::string line;
    int lineNumber = 0;
    try {
        while (std::getline(*in, line)) {
            ++lineNumber;
            if (!runner.RunLine(line)) {
                return 0;
            }
        }
        runner.Finish();
    } catch (const reckora::script::ScriptError& error) {
        std::cout.flush();
        std::cerr << "reckora-script: line " << lineNumber << ": " << error.what() << "\n";
        return 2;
    } catch (const reckora::script::ExpectationFailed& failure) {
        std::cout.flush();
        std::cerr << "reckora-script: line " << lineNumber << ": " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
