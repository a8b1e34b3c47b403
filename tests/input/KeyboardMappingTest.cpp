// The key table, every entry and its neighbours, checked through a log of what a press asks of the
// calculator, the faces and the tape. Sequences (held keys, focus, Escape) are covered by the
// keyboard golden scripts.

#include "KeyboardMapping.h"

#include <gtest/gtest.h>

#include <string>
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
            [this](int option) { Note("option " + std::to_string(option)); },
            [this] { Note("page up"); },
            [this] { Note("page down"); },
            [this](const std::string& prompt, const std::string& title) {
                Note("ask " + prompt + " | " + title);
                return answer;
            },
            [this] { Note("unload"); },
            [this](std::string_view menu) { Note("menu " + std::string(menu)); },
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

    Log Take() {
        Log taken;
        taken.swap(out.log);
        return taken;
    }
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

struct KeyCase {
    std::int16_t code;
    std::int16_t modifiers;
    Log expected;
};

Log Command(int index) {
    return {"press " + std::to_string(index), "click " + std::to_string(index)};
}

TEST_F(KeyboardMappingTest, EveryTableEntryAndItsNeighbours) {
    std::vector<KeyCase> cases = {
        // plain
        {VirtualKey::Delete, None, Command(12)},
        {VirtualKey::Back, None, Command(13)},
        {VirtualKey::Subtract, None, Command(14)},
        {VirtualKey::OemMinus, None, Command(14)},
        {VirtualKey::Add, None, Command(15)},
        {VirtualKey::OemPlus, None, Command(15)},
        {VirtualKey::Divide, None, Command(16)},
        {VirtualKey::Oem2, None, Command(16)},
        {VirtualKey::Multiply, None, Command(17)},
        {VirtualKey::Return, None, Command(19)},
        {VirtualKey::Decimal, None, Command(27)},
        {VirtualKey::OemPeriod, None, Command(27)},
        {VirtualKey::Space, None, Command(26)},
        {VirtualKey::Prior, None, {"page up"}},
        {VirtualKey::Next, None, {"page down"}},
        {VirtualKey::OemComma, None, {}},
        {VirtualKey::Letter('C'), None, {}},
        {VirtualKey::Shift, Shift, {}},
        {VirtualKey::Control, Ctrl, {}},
        {47, None, {}},
        {58, None, {}},
        {95, None, {}},
        {-1, None, {}},
        // Alt is never looked at
        {VirtualKey::Digit0 + 7, Alt, Command(7)},
        {VirtualKey::Add, Shift | Alt, Command(22)},
        // Shift
        {VirtualKey::Digit0 + 5, Shift, Command(18)},
        {VirtualKey::Digit0 + 8, Shift, Command(17)},
        {VirtualKey::Subtract, Shift, Command(21)},
        {VirtualKey::OemMinus, Shift, Command(21)},
        {VirtualKey::Add, Shift, Command(22)},
        {VirtualKey::OemPlus, Shift, Command(22)},
        {VirtualKey::Return, Shift, Command(20)},
        {VirtualKey::Delete, Shift, Command(11)},
        {VirtualKey::Digit0 + 1, Shift, {}},
        {VirtualKey::Numpad0 + 5, Shift, {}},
        {VirtualKey::Space, Shift, {}},
        {VirtualKey::Back, Shift, {}},
        {VirtualKey::Escape, Shift, {}},
        {VirtualKey::Prior, Shift, {}},
        {VirtualKey::Divide, Shift, {}},
        {VirtualKey::OemPeriod, Shift, {}},
        {VirtualKey::Multiply, Shift, {}},
        // Ctrl, with or without Shift; Ctrl+Shift+C alone has a row of its own
        {VirtualKey::Letter('C'), Ctrl, Command(23)},
        {VirtualKey::Letter('C'), Ctrl | Shift, {"menu m_CopyTape"}},
        {VirtualKey::Letter('S'), Ctrl, {"menu m_SaveAs"}},
        {VirtualKey::Letter('S'), Ctrl | Shift, {"menu m_SaveAs"}},
        {VirtualKey::Letter('C'), Shift, {}},
        {VirtualKey::Letter('V'), Ctrl, Command(24)},
        {VirtualKey::Letter('P'), Ctrl, Command(28)},
        {VirtualKey::Letter('N'), Ctrl, Command(29)},
        {VirtualKey::Space, Ctrl, Command(25)},
        {VirtualKey::Delete, Ctrl, Command(10)},
        {VirtualKey::Delete, Ctrl | Shift, Command(10)},
        {VirtualKey::Digit0 + 3, Ctrl, {"option 3"}},
        {VirtualKey::Numpad0 + 3, Ctrl, {"option 3"}},
        {VirtualKey::Digit0 + 5, Ctrl, {}},
        {VirtualKey::Numpad0 + 5, Ctrl, {}},
        {VirtualKey::Digit0 + 5, Ctrl | Shift, {}},
        {VirtualKey::Letter('A'), Ctrl, {"option 5"}},
        {VirtualKey::Letter('F'), Ctrl, {"option 6"}},
        {VirtualKey::Letter('B'), Ctrl, {}},
        {VirtualKey::Return, Ctrl, {}},
        {VirtualKey::Escape, Ctrl, {}},
        {VirtualKey::Add, Ctrl, {}},
    };
    for (int digit = 0; digit <= 9; ++digit) {
        cases.push_back(
            {static_cast<std::int16_t>(VirtualKey::Digit0 + digit), None, Command(digit)});
        cases.push_back(
            {static_cast<std::int16_t>(VirtualKey::Numpad0 + digit), None, Command(digit)});
    }
    for (int option = 0; option <= 4; ++option) {
        const Log selected = {"option " + std::to_string(option)};
        cases.push_back({static_cast<std::int16_t>(VirtualKey::Digit0 + option), Ctrl, selected});
        cases.push_back({static_cast<std::int16_t>(VirtualKey::Numpad0 + option), Ctrl, selected});
    }
    for (const KeyCase& c : cases) {
        EXPECT_EQ(PressOnly(c.code, c.modifiers), c.expected)
            << "code " << c.code << " modifiers " << c.modifiers;
    }
}

TEST_F(KeyboardMappingTest, CtrlZOnlyWhileUndoIsEnabledButAlwaysTakesTheKey) {
    out.undoEnabled = false;
    keys.KeyDown(VirtualKey::Letter('Z'), Ctrl);
    EXPECT_EQ(Take(), Log{});
    EXPECT_EQ(keys.LastKeyDown(), VirtualKey::Letter('Z'));

    // Enabling undo does not make the held key act: it was taken already.
    out.undoEnabled = true;
    keys.KeyDown(VirtualKey::Letter('Z'), Ctrl);
    EXPECT_EQ(Take(), Log{});
    keys.KeyUp(VirtualKey::Letter('Z'));
    keys.KeyDown(VirtualKey::Letter('Z'), Ctrl);
    EXPECT_EQ(Take(), Command(30));
}

}  // namespace
}  // namespace reckora
