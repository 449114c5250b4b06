// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/JisString.h"

// One line of kanjidic as the dictionary states it, before any of the data set's rules.
struct KanjidicEntry {
  KanjiCode code = 0;
  int grade = 0;      // kanjidic's G field: 1-6, 8 jouyou, 9-10 jinmeiyou, 0 none
  int frequency = 0;  // kanjidic's F field: rank among newspaper kanji, 0 unranked
  int strokes = 0;    // the first S field (later ones are common miscounts), 0 none
  int jlpt = 0;       // J field: old JLPT level 4 to 1, 0 none
  int radical = 0;    // B field: classical radical number, 0 none
  // Readings in dictionary order with kanjidic's own marks still in: "." before the okurigana
  // and "-" for a prefix or suffix, as ASCII units. ON in katakana, KUN in hiragana.
  std::vector<JisString> on;
  std::vector<JisString> kun;
  std::vector<std::string> meanings;  // English, ASCII
};

// True when line starts as an entry does (with a kanji) rather than as a comment.
bool IsKanjiLine(std::string_view line);

// Parses one EUC-JP line; comment lines and lines that do not start with a kanji give nothing.
// Name readings (after the T1 or T2 marker) are not readings and are left out.
std::optional<KanjidicEntry> ParseKanjidicLine(std::string_view line);

// Reads a whole kanjidic file; entry lines it cannot read are skipped and counted in
// *unreadable when given. Returns false with a message in error when it cannot be read or
// holds no kanji.
bool ReadKanjidic(const std::filesystem::path& file, std::vector<KanjidicEntry>& entries,
                  std::string& error, int* unreadable = nullptr);
