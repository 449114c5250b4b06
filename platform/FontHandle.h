#pragma once

#include <cstdint>

// Names a font the desktop program created; 0 names no font.
using FontHandle = std::uint32_t;

inline constexpr FontHandle kNoFont = 0;
