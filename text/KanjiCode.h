// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// A JIS X 0208 character: row + 0x20 in the high byte, cell + 0x20 in the low byte.
// 0 is never a character; it ends zero-terminated arrays of codes.
using KanjiCode = std::uint16_t;

// Codes with a fixed meaning in readings, reading parts and the converter.
namespace jis {
inline constexpr KanjiCode kIdeographicSpace = 0x2121;
inline constexpr KanjiCode kProlongedSound = 0x213C;
inline constexpr KanjiCode kHorizontalBar = 0x213D;
inline constexpr KanjiCode kSolidus = 0x213F;
inline constexpr KanjiCode kLeftParen = 0x214A;
inline constexpr KanjiCode kRightParen = 0x214B;
inline constexpr KanjiCode kLessThan = 0x2163;
inline constexpr KanjiCode kGreaterThan = 0x2164;
inline constexpr KanjiCode kAmpersand = 0x2175;
inline constexpr KanjiCode kAsterisk = 0x2176;
inline constexpr KanjiCode kSmallTu = 0x2443;
inline constexpr KanjiCode kHiraganaN = 0x2473;
inline constexpr KanjiCode kFirstHiragana = 0x2421;
inline constexpr KanjiCode kFirstKatakana = 0x2521;
inline constexpr KanjiCode kKatakanaOffset = 0x100;
}  // namespace jis
