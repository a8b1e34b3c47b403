#pragma once
// The names `key` and `burst` accept in place of key numbers (listed in the README).

#include <array>
#include <optional>
#include <string_view>

#include "KeyCommand.h"

namespace reckora::script {

struct KeyName {
    std::string_view name;
    Key key;
};

inline constexpr auto KeyNames = std::to_array<KeyName>({
    {"clearall", Key::ClearAll},
    {"memclear", Key::MemoryClear},
    {"clear", Key::Clear},
    {"back", Key::Backspace},
    {"sub", Key::Subtract},
    {"add", Key::Add},
    {"div", Key::Divide},
    {"mul", Key::Multiply},
    {"percent", Key::Percent},
    {"total", Key::Total},
    {"memrecall", Key::MemoryRecall},
    {"memsub", Key::MemorySubtract},
    {"memadd", Key::MemoryAdd},
    {"copy", Key::Copy},
    {"paste", Key::Paste},
    {"tape", Key::ShowHideTape},
    {"doublezero", Key::DoubleZero},
    {"point", Key::DecimalSeparator},
    {"print", Key::PrintTape},
    {"new", Key::New},
    {"undo", Key::Undo},
});

constexpr std::optional<Key> KeyNamed(std::string_view name) {
    for (const KeyName& entry : KeyNames) {
        if (entry.name == name) {
            return entry.key;
        }
    }
    return std::nullopt;
}

}  // namespace reckora::script
