#pragma once
// Which way the fixed-decimal options round a result: as the calculator always has (a half to the
// even digit), or as an office's own rule asks.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace reckora {

enum class RoundingDirection : std::uint8_t {
    Designed,  // a half goes to the even digit: 2.5 -> 2, 3.5 -> 4
    HalfUp,    // a half goes away from zero: 2.5 -> 3, -2.5 -> -3
    Up,        // away from zero: 2.1 -> 3, -2.1 -> -3
    Down,      // toward zero: 2.9 -> 2, -2.9 -> -2
};

// The names the settings store, the kept tape and the key scripts use.
inline constexpr std::array<std::string_view, 4> RoundingDirectionNames{"designed", "halfup", "up",
                                                                        "down"};

constexpr std::string_view NameOf(RoundingDirection direction) {
    return RoundingDirectionNames[static_cast<std::size_t>(direction)];
}

constexpr std::optional<RoundingDirection> RoundingDirectionNamed(std::string_view name) {
    for (std::size_t i = 0; i < RoundingDirectionNames.size(); ++i) {
        if (RoundingDirectionNames[i] == name) {
            return static_cast<RoundingDirection>(i);
        }
    }
    return std::nullopt;
}

}  // namespace reckora
