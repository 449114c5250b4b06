// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"
#include "text/CodeString.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"

// The complete JIS table, written from the system's converter and loaded once per test run.
const JisTable& FullJisTable();

// UTF-8 text translated into JIS codes; a character without a code fails the test.
CodeString Codes(std::string_view utf8);

// UTF-8 text as UTF-16 units, the form of the sentence texts and sentence-index keys.
CodeString Units(std::string_view utf8);

// Damaged files no loader may trip over: random bytes, zeros, 0xFF with an odd count, a
// byte-order mark followed by one huge line of tabs, and one followed by nothing but line breaks.
std::vector<std::string> GarbageFiles();

// Shows the units of a failing comparison in hexadecimal.
inline void PrintTo(const CodeString& s, std::ostream* os) {
  *os << '[' << std::hex;
  for (std::size_t i = 0; i < s.units.size(); ++i) *os << (i ? " " : "") << s.units[i];
  *os << std::dec << ']';
}

inline const char* const kFileErrorCaption = "Veltrane File Error";
inline const char* const kKanjiReadFailure =
    "Problem reading kanji data. Make sure there are no blank \n"
    "lines (including extra line breaks at the end of the file).";
inline const char* const kExamplesReadFailure =
    "Problem reading examples. Make sure there are no blank \n"
    "lines (including extra line breaks at the end of the file).";

// A folder for the data files and a database reading from it.
class DataFilesTest : public ::testing::Test {
 protected:
  void WriteKanji(std::string_view utf8, bool bom = true) {
    WriteUtf16File(dir / KanjiDatabase::kKanjiFileName, utf8, bom);
  }
  void WriteExamples(std::string_view utf8, bool bom = true) {
    WriteUtf16File(dir / KanjiDatabase::kExamplesFileName, utf8, bom);
  }
  void WriteSentences(std::string_view utf8, bool bom = true) {
    WriteUtf16File(dir / KanjiDatabase::kSentencesFileName, utf8, bom);
  }

  TempDir dir;
  FakeSystem system;
  KanjiDatabase database{FullJisTable(), system, dir.path()};
};
