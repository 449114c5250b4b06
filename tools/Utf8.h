// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// UTF-8 to UTF-16. Malformed bytes become U+FFFD, so a damaged line stays visible as damage
// instead of being read as other characters.
std::u16string DecodeUtf8(std::string_view utf8);

// UTF-16 to Latin-1, the program's 8-bit text: units above 0xFF become '?'.
std::string ToLatin1(std::u16string_view utf16);
