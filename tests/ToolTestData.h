// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/CharacterTable.h"
#include "tools/KanjiEntry.h"

// The character table of the whole JIS X 0208 set, as the builder makes it.
const CharacterTable& FullCharacterTable();

// UTF-8 test text as JIS codes; kanjidic's ASCII marks "." and "-" keep their values.
JisString Jis(std::string_view utf8);

// JIS codes back to UTF-8, for readable failure messages.
std::string Utf8(const JisString& codes);

// UTF-8 text as the bytes of a UTF-16LE file with a byte-order mark, as the builder writes.
std::string Utf16FileBytes(std::string_view utf8);

// UTF-8 to EUC-JP, for lines in the dictionaries' own encoding.
std::string EucJp(std::string_view utf8);

// A kanji made from a kanjidic-like line of the test: "食 ショク ジキ く.う た.べる", with an
// optional grade and frequency, through the data set's reading rules (counted in counts).
KanjiEntry TestKanji(std::string_view line, int grade = 0, int frequency = 0,
                     ReadingRuleCounts* counts = nullptr);
std::vector<KanjiEntry> TestKanjiSet(const std::vector<std::string_view>& lines);
