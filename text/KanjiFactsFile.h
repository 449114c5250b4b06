// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "text/KanjiFacts.h"
#include "text/KanjiRecord.h"

class JisTable;

// "kanji_facts.dat": plain ASCII, one kanji per line, beside the other data files. The first
// line is kKanjiFactsHeader; later lines starting with # are comments. Each other line holds six
// tab-separated decimal fields except the first, which is the kanji's Unicode value in hex:
//   kanji  strokes  frequency  jlpt  radical  grade
inline constexpr const char* kKanjiFactsFileName = "kanji_facts.dat";
inline constexpr const char* kKanjiFactsHeader = "# Veltrane kanji facts 1";

enum class FactsLoad { kLoaded, kMissing, kDamaged };

// Reads the facts file. kLoaded fills facts (file order); kMissing and kDamaged leave facts as
// they were and put a sentence for the learner into message.
FactsLoad LoadKanjiFacts(const std::filesystem::path& file, const JisTable& jis,
                         std::vector<KanjiFacts>& facts, std::string& message);

// One line of the file (with its line feed) for a kanji whose Unicode value is unicode.
std::string KanjiFactsLine(std::uint16_t unicode, const KanjiFacts& facts);

// The facts of each kanji of the data set, in its order: the loaded ones, and for a kanji the
// file lacks, only its code and the grade of its record.
std::vector<KanjiFacts> FactsForDataSet(const std::vector<KanjiRecord>& kanji,
                                        const std::vector<KanjiFacts>& loaded);
