// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <vector>

#include "tools/CharacterTable.h"
#include "tools/ExampleSelector.h"
#include "text/KanjiFacts.h"
#include "tools/KanjiEntry.h"

// The file names the program opens in its working directory.
inline constexpr const char* kJisFileName = "jis0208.dat";
inline constexpr const char* kKanjiFileName = "kanji_data.dat";
inline constexpr const char* kExamplesFileName = "examples.dat";
inline constexpr const char* kSentencesFileName = "sentences.dat";
inline constexpr const char* kStudyListFileName = "study_list.vls";
inline constexpr const char* kSoundFileName = "Sound/00000.wav";
inline constexpr const char* kNoticeFileName = "DATA-LICENCE.txt";

// The writers below return false when the file cannot be written or a character of the data
// has no Unicode in the table (which would make the program's loader fail).

// "kanji_data.dat": kanji, tab, grade digit, tab, ON readings, tab, KUN readings, tab,
// meaning; readings separated by ／; CR LF between lines and none after the last.
bool WriteKanjiFile(const std::filesystem::path& file, const std::vector<KanjiEntry>& kanji,
                    const CharacterTable& table);

// "examples.dat": word, tab, 【reading field】, tab, weight, tab, meaning; CR LF between lines
// and none after the last.
bool WriteExamplesFile(const std::filesystem::path& file, const std::vector<Example>& examples,
                       const CharacterTable& table);

// The study list: one kanji per line.
bool WriteStudyList(const std::filesystem::path& file, const std::vector<KanjiCode>& order,
                    const CharacterTable& table);

// "kanji_facts.dat" (format in the program's text/KanjiFactsFile.h): one line per kanji.
bool WriteKanjiFacts(const std::filesystem::path& file, const std::vector<KanjiFacts>& facts,
                     const CharacterTable& table);

// Where the data comes from and under which licence.
bool WriteNotice(const std::filesystem::path& file, bool withSentences);

// Writes bytes to file, creating its folder.
bool WriteBinaryFile(const std::filesystem::path& file, const std::string& bytes);
