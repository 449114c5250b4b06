// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "tools/JisString.h"

// A code that stands for a character outside JIS X 0208 (half-width katakana, JIS X 0212):
// the character table has no entry for it, so text holding it is refused downstream.
inline constexpr KanjiCode kNotJisX0208 = 0xFFFF;

// Decodes EUC-JP straight into JIS X 0208 codes (each two-byte character minus 0x8080).
// ASCII bytes keep their value, which is below every JIS code and so never in the table.
JisString DecodeEucJp(std::string_view bytes);
