#pragma once
// A colour as red, green and blue components: the one colour type of the program, from the
// display's text colour through the window's tables to the tape's inks.

#include <cstdint>

namespace reckora {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The number by which a kept state and the script harness write a colour: red in the low byte,
// then green, then blue (0 black, 255 red). Bits above the 24 are not a colour and are dropped.
constexpr std::uint32_t ColourNumber(Rgb colour) {
    return std::uint32_t{colour.red} | std::uint32_t{colour.green} << 8 |
           std::uint32_t{colour.blue} << 16;
}
constexpr Rgb FromColourNumber(std::uint32_t number) {
    return Rgb{static_cast<std::uint8_t>(number & 0xFF),
               static_cast<std::uint8_t>(number >> 8 & 0xFF),
               static_cast<std::uint8_t>(number >> 16 & 0xFF)};
}

}  // namespace reckora
