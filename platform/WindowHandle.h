// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// Names a window of the program (the main window, a drill window, a button) without
// tying the logic to a toolkit. The desktop program hands these out; 0 names no window.
using WindowHandle = std::uint32_t;

inline constexpr WindowHandle kNoWindow = 0;
