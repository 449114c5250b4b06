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

  // Cuts the file written from utf8 at every byte. A cut inside the meaning of a line ends that
  // line, and the file, there: load gives the lines up to it; anywhere else it is fatal.
  template <typename Records>
  void ExpectEveryCutLoadsOrFails(std::string_view name, std::string_view utf8,
                                  const std::vector<std::string>& meanings,
                                  void (KanjiDatabase::*load)(), const Records& records,
                                  const char* failure) {
    const std::string whole = ReadBytes(dir / name);
    const std::u16string text = Utf16(utf8);
    for (std::size_t size = 0; size < whole.size(); ++size) {
      SCOPED_TRACE(size);
      WriteBytes(dir / name, whole.substr(0, size));
      bool loads = false;
      for (std::size_t line = 0; line < meanings.size(); ++line) {
        const std::string& meaning = meanings[line];
        const std::size_t start = 2 + 2 * text.find(Utf16(meaning));
        // (A lone byte of the CR after it is no unit.)
        if (size < start || size > start + 2 * meaning.size() + 1) continue;
        loads = true;
        (database.*load)();
        ASSERT_EQ(records.size(), line + 1);
        EXPECT_EQ(records.back().meaning, meaning.substr(0, (size - start) / 2));
      }
      if (!loads)
        ExpectFatal(
            system, [&] { (database.*load)(); }, failure, kFileErrorCaption);
    }
  }

  TempDir dir;
  FakeSystem system;
  KanjiDatabase database{FullJisTable(), system, dir.path()};
};
