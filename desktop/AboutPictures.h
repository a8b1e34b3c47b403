#pragma once
// The about window's pictures, painted by the program: a calculator with its tape at
// 171 x 79 pixels, a banner of 401 x 74 pixels and the program's icon at 16 x 16 pixels in 16
// colours.

#include <QImage>

namespace reckora {

inline constexpr int AboutLogoWidth = 171;
inline constexpr int AboutLogoHeight = 79;
inline constexpr int AboutBannerWidth = 401;
inline constexpr int AboutBannerHeight = 74;
inline constexpr int AboutIconSize = 16;

QImage AboutLogo();
QImage AboutBanner();
QImage AboutIcon();  // indexed, at most 16 colours

}  // namespace reckora
