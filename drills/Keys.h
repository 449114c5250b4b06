// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Virtual-key codes that reach Drill::OnKeyDown. The desktop program translates its toolkit's
// keys into these.
namespace vk {
inline constexpr int kSpace = 0x20;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kNumpad0 = 0x60;
inline constexpr int kF3 = 0x72;
inline constexpr int kF4 = 0x73;
inline constexpr int kF5 = 0x74;
inline constexpr int kF8 = 0x77;
inline constexpr int kF9 = 0x78;
inline constexpr int kF12 = 0x7B;
inline constexpr int kComma = 0xBC;
inline constexpr int kPeriod = 0xBE;
inline constexpr int kOpenBracket = 0xDB;
inline constexpr int kCloseBracket = 0xDD;
}  // namespace vk

// Control characters that reach Drill::OnChar.
namespace ch {
inline constexpr char kBackspace = 8;
inline constexpr char kTab = 9;
inline constexpr char kLineFeed = 10;
inline constexpr char kEnter = 13;
inline constexpr char kEscape = 27;
}  // namespace ch
