// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/KanjiDatabase.h"

#include <system_error>
#include <utility>

#include "platform/System.h"
#include "text/FieldReader.h"
#include "text/JisTable.h"
#include "text/UnitReader.h"

namespace {

const char* const kFileErrorCaption = "Veltrane File Error";
const char* const kOpenFailure = "Could not open the kanji data file.";
const char* const kReadFailure =
    "Problem reading kanji data. Make sure there are no blank \n"
    "lines (including extra line breaks at the end of the file).";

constexpr std::uint16_t kTab = 0x0009;
constexpr std::uint16_t kCarriageReturn = 0x000D;

}  // namespace

KanjiDatabase::KanjiDatabase(const JisTable& jis, System& system, std::filesystem::path directory)
    : jis_(jis), system_(system), directory_(std::move(directory)) {}

void KanjiDatabase::LoadAll() {
  failed_ = false;
  LoadKanjiFile();
  if (failed_) return;
  LoadExamplesFile();
  if (failed_) return;
  LoadSentencesFile();
}

bool KanjiDatabase::OpenDataFile(const char* name, std::ifstream& file) const {
  const std::filesystem::path path = directory_ / name;
  // Opening a folder succeeds on Linux and then fails on the first read; it is no data file.
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  file.open(path, std::ios::binary);
  return file.is_open();
}

void KanjiDatabase::Fail(const char* text, const char* caption) {
  failed_ = true;
  system_.Fail(text, caption);
}

void KanjiDatabase::LoadKanjiFile() {
  kanji.clear();

  // 1. Open the file.
  std::ifstream file;
  if (!OpenDataFile(kKanjiFileName, file)) {
    Fail(kOpenFailure, kFileErrorCaption);
    return;
  }
  UnitReader reader(file);

  // 2. The byte-order mark is taken unchecked; then the first kanji. A file that ends here
  // holds no line, which is a fault like a blank line.
  std::uint16_t unit = 0;
  reader.Read(unit);
  KanjiCode code = 0;
  if (!reader.Read(unit) || !jis_.UnicodeToCode(unit, code)) {
    Fail(kReadFailure, kFileErrorCaption);
    return;
  }

  KanjiRecord record;
  std::vector<KanjiCode> field;
  for (;;) {
    // 3. Kanji, separator, grade digit, separator. A line cut short anywhere before the
    // meaning is a fault.
    record.code = code;
    std::uint16_t separator = 0;
    std::uint16_t grade = 0;
    if (!reader.Read(separator) || !reader.Read(grade) || !reader.Read(separator)) break;
    record.grade = grade >= '0' && grade <= '9' ? static_cast<std::uint16_t>(grade - '0') : 0;

    // 4. and 5. The ON and KUN readings fields, each ended by a tab.
    if (ReadCodeField(reader, jis_, kTab, field) != FieldEnd::kTerminator) break;
    field.push_back(0);
    ParseReadings(field.data(), record, false);
    if (ReadCodeField(reader, jis_, kTab, field) != FieldEnd::kTerminator) break;
    field.push_back(0);
    ParseReadings(field.data(), record, true);

    // 6. The meaning, up to CR or the end of the file, which ends the last line.
    const bool endOfFile =
        ReadLatinField(reader, kCarriageReturn, record.meaning) == FieldEnd::kEndOfFile;

    // 7. and 8.
    kanji.push_back(std::move(record));
    if (endOfFile) return;

    // 9. The LF, unchecked; then the next line's kanji. Nothing there means a line break
    // after the last line.
    record = KanjiRecord();
    reader.Read(unit);
    if (!reader.Read(unit) || !jis_.UnicodeToCode(unit, code)) break;
  }

  // 10.
  Fail(kReadFailure, kFileErrorCaption);
}

void ParseReadings(const KanjiCode* field, KanjiRecord& record, bool kun) {
  if (field == nullptr || *field == 0) return;
  std::vector<ReadingEntry>& readings = kun ? record.kunReadings : record.onReadings;
  const KanjiCode* current = field;
  for (;;) {
    // 1. The written reading runs up to the next solidus or the end of the field.
    const KanjiCode* start = current;
    while (*current != 0 && *current != jis::kSolidus) ++current;
    ReadingEntry entry;
    entry.written = CodeString(static_cast<std::uint32_t>(current - start), start);

    // 2. The bare reading: after a leading position mark, up to okurigana, a position mark
    // or an ideographic space.
    const KanjiCode* bareStart = start;
    if (bareStart < current && *bareStart == jis::kHorizontalBar) ++bareStart;
    const KanjiCode* bareEnd = bareStart;
    while (bareEnd < current && *bareEnd != jis::kLeftParen && *bareEnd != jis::kHorizontalBar &&
           *bareEnd != jis::kIdeographicSpace) {
      ++bareEnd;
    }
    entry.bare = CodeString(static_cast<std::uint32_t>(bareEnd - bareStart), bareStart);

    // 3.
    readings.push_back(std::move(entry));

    // 4. A trailing solidus adds no empty reading; two in a row add one.
    if (*current == jis::kSolidus) ++current;
    if (*current == 0) return;
  }
}
