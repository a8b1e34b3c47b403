// How the key tables are looked up, each kind of row and the neighbours of the rows, through a log
// of what a press asks of the calculator, the faces and the tape. The rows the keyboard golden
// scripts and the real-client test type are theirs, as are sequences (held keys, focus, Escape).

#include "KeyboardMapping.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "VirtualKey.h"

namespace reckora {
namespace {

using Log = std::vector<std::string>;

struct Recorder {
    Log log;
    bool undoEnabled = false;
    QuestionAnswer answer = QuestionAnswer::Cancel;

    void Note(const std::string& entry) { log.push_back(entry); }
    KeyboardActions Actions() {
        return {
            [this](Key key) { Note("click " + std::to_string(KeyNumber(key))); },
            [this] { return undoEnabled; },
            [this](RoundingOption option) {
                Note("option " + std::to_string(OptionIndex(option)));
            },
            [this] { Note("page up"); },
            [this] { Note("page down"); },
            [this](const std::string& prompt, const std::string& title) {
                Note("ask " + prompt + " | " + title);
                return answer;
            },
            [this] { Note("unload"); },
            [this](MenuId menu) { Note("menu " + std::string(MenuRow(menu).name)); },
        };
    }
};

class KeyboardMappingTest : public ::testing::Test {
protected:
    Recorder out;
    KeyFaces faces{[this](Key key, bool pressed) {
        out.Note((pressed ? "press " : "rest ") + std::to_string(KeyNumber(key)));
    }};
    KeyboardMapping keys{out.Actions(), faces};

    Log Take() { return std::exchange(out.log, {}); }
    // One press on a fresh mapping, the log it leaves; the release is not part of it.
    Log PressOnly(std::int16_t code, std::int16_t modifiers) {
        keys.KeyUp(0);
        faces.RestAll();
        Take();
        keys.KeyDown(code, modifiers);
        return Take();
    }
};

constexpr std::int16_t None = KeyModifier::None;
constexpr std::int16_t Shift = KeyModifier::Shift;
constexpr std::int16_t Ctrl = KeyModifier::Ctrl;
constexpr std::int16_t Alt = KeyModifier::Alt;

// Keys that do the same with the same modifiers share a row.
struct KeyCase {
    std::vector<int> codes;
    std::int16_t modifiers;
    Log expected;
};

Log Command(int index) {
    return {"press " + std::to_string(index), "click " + std::to_string(index)};
}

TEST_F(KeyboardMappingTest, TableRowsAndTheirNeighbours) {
    using namespace VirtualKey;
    std::vector<KeyCase> cases = {
        // plain
        {{Subtract, OemMinus}, None, Command(14)},
        {{VirtualKey::Add, OemPlus}, None, Command(15)},
        {{Divide, Oem2}, None, Command(16)},
        {{Prior}, None, {"page up"}},
        {{Next}, None, {"page down"}},
        {{OemComma, Letter('C'), 47, 58, 95, -1}, None, {}},
        {{VirtualKey::Shift}, Shift, {}},
        {{Control}, Ctrl, {}},
        // Alt is never looked at
        {{Digit0 + 7}, Alt, Command(7)},
        {{VirtualKey::Add}, Shift | Alt, Command(22)},
        // Shift
        {{Digit0 + 5}, Shift, Command(18)},
        {{Subtract, OemMinus}, Shift, Command(21)},
        {{Digit0 + 1, Numpad0 + 5, Space, Back, Escape, Prior, Divide, OemPeriod, Multiply,
          Letter('C')},
         Shift,
         {}},
        // Ctrl, with or without Shift; Ctrl+Shift+C alone has a row of its own
        {{Letter('C')}, Ctrl, Command(23)},
        {{Letter('C')}, Ctrl | Shift, {"menu m_CopyTape"}},
        {{Letter('S')}, Ctrl, {"menu m_SaveAs"}},
        {{Letter('S')}, Ctrl | Shift, {"menu m_SaveAs"}},
        {{Letter('V')}, Ctrl, Command(24)},
        {{Letter('P')}, Ctrl, Command(28)},
        {{Letter('N')}, Ctrl, Command(29)},
        {{Space}, Ctrl, Command(25)},
        {{Delete}, Ctrl | Shift, Command(10)},
        {{Digit0 + 5, Numpad0 + 5, Letter('B'), Escape}, Ctrl, {}},
        // The business keys take strokes the design leaves free; their row is hidden, so no
        // face shows pressed.
        {{Return}, Ctrl, {"click 32"}},
        {{VirtualKey::Add, VirtualKey::OemPlus}, Ctrl, {"click 34"}},
        {{Letter('M')}, Ctrl, {"click 38"}},
        {{Digit0 + 5}, Ctrl | Shift, {}},
        {{Letter('A')}, Ctrl, {"option 5"}},
        {{Letter('F')}, Ctrl, {"option 6"}},
    };
    for (int digit = 0; digit <= 9; ++digit) {
        cases.push_back({{Digit0 + digit, Numpad0 + digit}, None, Command(digit)});
    }
    for (int option = 0; option <= 4; ++option) {
        cases.push_back(
            {{Digit0 + option, Numpad0 + option}, Ctrl, {"option " + std::to_string(option)}});
    }
    for (const KeyCase& c : cases) {
        for (const int code : c.codes) {
            EXPECT_EQ(PressOnly(static_cast<std::int16_t>(code), c.modifiers), c.expected)
                << "code " << code << " modifiers " << c.modifiers;
        }
    }
}

// A business key's face shows pressed while its row is shown, and rests when the row goes.
TEST_F(KeyboardMappingTest, BusinessFacesPressOnlyWhileTheirRowIsShown) {
    faces.ShowBusinessFaces(true);
    EXPECT_EQ(PressOnly(VirtualKey::Letter('G'), Ctrl), (Log{"press 31", "click 31"}));
    faces.ShowBusinessFaces(false);
    EXPECT_EQ(Take(), (Log{"rest 31"}));
    EXPECT_EQ(PressOnly(VirtualKey::Letter('G'), Ctrl), (Log{"click 31"}));
}

// Ctrl+Z while Undo is disabled does nothing but is taken, so that enabling Undo does not make the
// held key act (what it does while enabled is the golden keyboard-undo's).
TEST_F(KeyboardMappingTest, CtrlZIsTakenWhileUndoIsDisabled) {
    keys.KeyDown(VirtualKey::Letter('Z'), Ctrl);
    EXPECT_EQ(Take(), Log{});
    EXPECT_EQ(keys.LastKeyDown(), VirtualKey::Letter('Z'));
    out.undoEnabled = true;
    keys.KeyDown(VirtualKey::Letter('Z'), Ctrl);
    EXPECT_EQ(Take(), Log{});
}

}  // namespace
}  // namespace reckora
