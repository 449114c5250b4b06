// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading "examples.dat" into KanjiDatabase::examples.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "text/FieldReader.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"
#include "text/UnitReader.h"

namespace {

const char* const kFileErrorCaption = "Veltrane File Error";
const char* const kOpenFailure = "Could not open the examples data file.";
const char* const kReadFailure =
    "Problem reading examples. Make sure there are no blank \n"
    "lines (including extra line breaks at the end of the file).";

constexpr std::uint16_t kTab = 0x0009;
constexpr std::uint16_t kCarriageReturn = 0x000D;
constexpr std::uint16_t kRightLenticularBracket = 0x3011;

// The number of examples to make room for, counted ahead so that the examples are stored once
// instead of being moved each time the array grows (a tenth of the load, and half as much
// memory again at the peak). Garbage full of CRs must not reserve much: a well-formed line
// holds at least six units (two tabs, two brackets, CR, LF), and there is a ceiling.
std::size_t ExpectedLines(std::istream& file) {
  constexpr std::size_t kMostReserved = 1 << 20;
  constexpr std::int64_t kShortestLineBytes = 12;
  UnitReader reader(file);
  std::size_t lines = 1;
  while (lines < kMostReserved && reader.SkipPast(kCarriageReturn)) ++lines;
  const auto fit = static_cast<std::size_t>(reader.Consumed() / kShortestLineBytes + 1);
  file.clear();
  file.seekg(0);
  return lines < fit ? lines : fit;
}

// Splits the reading field at every solidus, marks kept. The first part is taken even from an
// empty field; a trailing solidus adds no empty part.
void SplitReadingParts(const std::vector<KanjiCode>& field, std::vector<CodeString>& parts) {
  std::size_t solidi = 0;
  for (const KanjiCode code : field) solidi += code == jis::kSolidus ? 1 : 0;
  parts.reserve(solidi + 1);
  std::size_t position = 0;
  do {
    const std::size_t start = position;
    while (position < field.size() && field[position] != jis::kSolidus) ++position;
    parts.emplace_back(static_cast<std::uint32_t>(position - start), field.data() + start);
    if (position < field.size()) ++position;  // the solidus
  } while (position < field.size());
}

// The whole kana reading: the parts joined, marks and parenthesised dictionary readings left
// out. Gathered in scratch first so the reading is allocated once, at its size.
CodeString JoinedReading(const std::vector<KanjiCode>& field, std::vector<KanjiCode>& scratch) {
  scratch.clear();
  bool inside = false;
  for (const KanjiCode code : field) {
    switch (code) {
      case jis::kLeftParen:
        inside = true;
        break;
      case jis::kRightParen:
        inside = false;
        break;
      case jis::kSolidus:
      case jis::kAsterisk:
      case jis::kAmpersand:
      case jis::kLessThan:
      case jis::kGreaterThan:
        break;
      default:
        if (!inside) scratch.push_back(code);
    }
  }
  return CodeString(static_cast<std::uint32_t>(scratch.size()), scratch.data());
}

// The weight: the low bytes read as a decimal number the way the C library does (leading white
// space and a sign allowed, stopping at the first non-digit, empty giving 0). Too many digits
// saturate instead of overflowing.
std::uint32_t ParseWeight(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::uint64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    if (value > UINT32_MAX) value = UINT32_MAX;
  }
  const auto weight = static_cast<std::uint32_t>(value);
  return negative ? static_cast<std::uint32_t>(0u - weight) : weight;
}

}  // namespace

void KanjiDatabase::LoadExamplesFile() {
  examples.clear();
  IndexExamples({}, {});

  // 1. Open the file.
  std::ifstream file;
  if (!OpenDataFile(kExamplesFileName, file)) {
    Fail(kOpenFailure, kFileErrorCaption);
    return;
  }
  examples.reserve(ExpectedLines(file));
  UnitReader reader(file);

  // 2. The byte-order mark, unchecked.
  std::uint16_t unit = 0;
  reader.Read(unit);
  ExampleRecord record;
  std::vector<KanjiCode> field;
  std::vector<KanjiCode> scratch;
  std::string text;
  // Every word once more, one after another, for the index built at the end.
  std::vector<KanjiCode> words;
  std::vector<std::size_t> wordEnds;
  for (;;) {
    // 3. The word. The end of the file here (a line break after the last line, an empty
    // file) and anywhere up to the weight's tab is a fault.
    if (ReadCodeField(reader, jis_, kTab, field) != FieldEnd::kTerminator) break;
    record.word = CodeString(static_cast<std::uint32_t>(field.size()), field.data());
    words.insert(words.end(), field.begin(), field.end());
    wordEnds.push_back(words.size());

    // 4. The bracketed reading between two units dropped unchecked.
    if (!reader.Read(unit)) break;
    if (ReadCodeField(reader, jis_, kRightLenticularBracket, field) != FieldEnd::kTerminator) break;
    if (!reader.Read(unit)) break;

    if (!field.empty() && field[0] == jis::kAsterisk) {
      // 5. An irregular reading is kept whole, without the asterisk.
      record.irregular = true;
      record.reading = CodeString(static_cast<std::uint32_t>(field.size() - 1), field.data() + 1);
    } else {
      // 6. and 7.
      record.irregular = false;
      SplitReadingParts(field, record.readingParts);
      record.reading = JoinedReading(field, scratch);
    }

    // 8. The weight.
    if (ReadLatinField(reader, kTab, text) != FieldEnd::kTerminator) break;
    record.weight = ParseWeight(text);

    // 9. The meaning, up to CR or the end of the file, which ends the last line.
    const bool endOfFile = ReadLatinField(reader, kCarriageReturn, text) == FieldEnd::kEndOfFile;
    record.meaning = text;

    // 10.
    examples.push_back(std::move(record));
    if (endOfFile) {
      IndexExamples(words, wordEnds);
      return;
    }

    // 11. The LF, unchecked.
    record = ExampleRecord();
    reader.Read(unit);
  }

  Fail(kReadFailure, kFileErrorCaption);
}
