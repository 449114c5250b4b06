// The index of "sentences.dat" and the reading of single sentences from it.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <span>
#include <string>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "text/FieldReader.h"
#include "text/KanjiDatabase.h"
#include "text/UnitReader.h"

namespace {

constexpr std::uint16_t kTab = 0x0009;
constexpr std::uint16_t kCarriageReturn = 0x000D;
constexpr std::uint16_t kSpace = 0x0020;
constexpr std::uint16_t kNumberSign = 0x0023;

// A sentence is short; ReadSentence reads this much at a time so a lookup of a few sentences
// stays cheap.
constexpr std::size_t kSentenceChunkBytes = 512;

using Units = std::span<const std::uint16_t>;

// The scan collects the words in a hash map: a tree lookup per listed word would cost more
// than the rest of the scan. The ordered index is built from it once at the end.
struct WordHash {
  using is_transparent = void;
  std::size_t operator()(Units units) const {
    std::uint64_t hash = 0xcbf29ce484222325ull;  // FNV-1a
    for (const std::uint16_t unit : units) hash = (hash ^ unit) * 0x100000001b3ull;
    return static_cast<std::size_t>(hash);
  }
  std::size_t operator()(const CodeString& word) const { return (*this)(Units(word.units)); }
};

struct WordEqual {
  using is_transparent = void;
  static Units Of(const CodeString& word) { return Units(word.units); }
  static Units Of(Units units) { return units; }
  template <typename A, typename B>
  bool operator()(const A& a, const B& b) const {
    return std::ranges::equal(Of(a), Of(b));
  }
};

using WordOffsets = std::unordered_map<CodeString, std::vector<std::int32_t>, WordHash, WordEqual>;

void AddWord(WordOffsets& words, Units word, std::int32_t offset) {
  auto found = words.find(word);
  if (found == words.end()) {
    found = words.try_emplace(CodeString(static_cast<std::uint32_t>(word.size()), word.data()))
                .first;
  }
  found->second.push_back(offset);
}

// A word line whose tag does not end in a space.
struct TagFault {
  std::int64_t offset = 0;
  std::uint16_t unit = 0;
};

// Reads units up to and including the next CR; false at the end of the file.
bool SkipThroughCarriageReturn(UnitReader& reader) {
  std::uint16_t unit = 0;
  do {
    if (!reader.Read(unit)) return false;
  } while (unit != kCarriageReturn);
  return true;
}

// Scans the line pairs and collects every listed word with the offsets of its sentences.
// Returns false on a faulty word-line tag. Every read checks for the end of the file, so a
// file cut anywhere ends the scan; what was collected until then stays.
bool ScanSentences(UnitReader& reader, WordOffsets& words, TagFault& fault) {
  std::uint16_t unit = 0;
  std::vector<std::uint16_t> word;

  // 2. The byte-order mark, unchecked.
  if (!reader.Read(unit)) return true;
  for (;;) {
    // 3. A commented sentence line hides its word line too.
    if (!reader.Read(unit)) return true;
    if (unit == kNumberSign) {
      if (!SkipThroughCarriageReturn(reader) || !reader.Read(unit)) return true;
      if (!SkipThroughCarriageReturn(reader) || !reader.Read(unit)) return true;
      continue;
    }

    // 4. Two more tag units, then the first unit of the Japanese text: its offset is the
    // sentence's. Offsets are 32-bit; a file beyond that is indexed up to there.
    if (!reader.Read(unit) || !reader.Read(unit) || !reader.Read(unit)) return true;
    const std::int64_t sentenceStart = reader.Consumed() - 2;
    if (sentenceStart > std::numeric_limits<std::int32_t>::max()) return true;
    const auto offset = static_cast<std::int32_t>(sentenceStart);

    // 5. The rest of the sentence line (the unit just read may already be its CR), the LF and
    // the word line's tag.
    while (unit != kCarriageReturn) {
      if (!reader.Read(unit)) return true;
    }
    for (int i = 0; i < 4; ++i) {
      if (!reader.Read(unit)) return true;
    }

    // 6.
    if (unit != kSpace) {
      fault = {reader.Consumed() - 2, unit};
      return false;
    }

    // 7. and 8. The words, separated by spaces, up to the CR LF.
    for (;;) {
      do {
        if (!reader.Read(unit)) return true;
      } while (unit == kSpace);
      if (unit == kCarriageReturn) break;
      word.clear();
      bool endOfFile = false;
      while (unit != kSpace && unit != kCarriageReturn) {
        word.push_back(unit);
        if (!reader.Read(unit)) {
          endOfFile = true;
          break;
        }
      }
      AddWord(words, Units(word), offset);
      if (endOfFile) return true;
      if (unit == kCarriageReturn) break;
    }
    // 9. The LF of the word line; the next pair follows.
    if (!reader.Read(unit)) return true;
  }
}

}  // namespace

void KanjiDatabase::LoadSentencesFile() {
  sentenceIndex.clear();
  if (sentenceFile.is_open()) sentenceFile.close();
  sentenceFile.clear();

  // 1. The file is optional: without it no sentences are found.
  const std::filesystem::path path = directory_ / kSentencesFileName;
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return;
  sentenceFile.open(path, std::ios::binary);
  if (!sentenceFile.is_open()) return;

  WordOffsets words;
  TagFault fault;
  UnitReader reader(sentenceFile);
  if (!ScanSentences(reader, words, fault)) {
    char text[80];
    std::snprintf(text, sizeof text, "Problem with sentence file: %x %4x",
                  static_cast<unsigned>(fault.offset), static_cast<unsigned>(fault.unit));
    Fail(text, "ERROR");
    return;
  }

  // Into the ordered index, in key order so each insertion lands at the end.
  std::vector<std::pair<CodeString, std::vector<std::int32_t>>> entries;
  entries.reserve(words.size());
  while (!words.empty()) {
    auto node = words.extract(words.begin());
    entries.emplace_back(std::move(node.key()), std::move(node.mapped()));
  }
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return Less(a.first, b.first); });
  for (auto& [word, offsets] : entries) {
    sentenceIndex.emplace_hint(sentenceIndex.end(), std::move(word), std::move(offsets));
  }
}

void KanjiDatabase::SentenceOffsetsFor(const CodeString& word,
                                       std::vector<std::int32_t>& out) const {
  out.clear();
  const auto found = sentenceIndex.find(word);
  if (found != sentenceIndex.end()) out = found->second;
}

void KanjiDatabase::ReadSentence(std::int32_t offset, CodeString& japanese, std::string& english) {
  japanese.units.clear();
  english.clear();
  if (!sentenceFile.is_open() || offset < 0) return;
  sentenceFile.clear();
  if (!sentenceFile.seekg(offset)) return;

  UnitReader reader(sentenceFile, kSentenceChunkBytes);
  // The Japanese text ends at the tab. A line without one ends at its CR, so that a damaged
  // line does not pull the lines after it into the sentence; the file's end ends either text.
  std::uint16_t unit = 0;
  bool tab = false;
  while (reader.Read(unit)) {
    if (unit == kTab || unit == kCarriageReturn) {
      tab = unit == kTab;
      break;
    }
    japanese.units.push_back(unit);
  }
  if (tab) ReadLatinField(reader, kCarriageReturn, english);

  // Leave the file just after the CR, however far ahead the reader's buffer went.
  sentenceFile.clear();
  sentenceFile.seekg(offset + reader.Consumed());
}
