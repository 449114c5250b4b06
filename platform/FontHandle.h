// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// Names a font the desktop program created; 0 names no font.
using FontHandle = std::uint32_t;

inline constexpr FontHandle kNoFont = 0;
