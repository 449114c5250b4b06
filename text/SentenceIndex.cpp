// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The index of "sentences.dat" and the reading of single sentences from it.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <map>
#include <span>
#include <string>
#include <system_error>
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

// The words listed during the scan, each with a number and the offsets of its sentences. A
// tree lookup per listed word, or a node-based hash map, would cost more than the rest of the
// scan (a cache miss per step); this table keeps the words in one block and finds them by an
// open-addressing hash. The ordered index is built from it once at the end.
class ListedWords {
 public:
  ListedWords() : slots_(1 << 12) {}

  void Add(Units word, std::int32_t offset) { listings_.push_back({IdOf(word), offset}); }

  // Moves the words and their offsets into index, which must be empty.
  void MoveInto(std::map<CodeString, std::vector<std::int32_t>>& index) {
    // Each word's offsets in one allocation of the right size, in file order.
    std::vector<std::vector<std::int32_t>> offsets(starts_.size());
    std::vector<std::uint32_t> counts(starts_.size(), 0);
    for (const Listing& listing : listings_) ++counts[listing.id];
    for (std::size_t id = 0; id < offsets.size(); ++id) offsets[id].reserve(counts[id]);
    for (const Listing& listing : listings_) offsets[listing.id].push_back(listing.offset);

    std::vector<std::uint32_t> byWord(starts_.size());
    for (std::uint32_t id = 0; id < byWord.size(); ++id) byWord[id] = id;
    std::sort(byWord.begin(), byWord.end(), [this](std::uint32_t a, std::uint32_t b) {
      return std::ranges::lexicographical_compare(Word(a), Word(b));
    });
    for (const std::uint32_t id : byWord) {
      const Units word = Word(id);
      index.emplace_hint(index.end(),
                         CodeString(static_cast<std::uint32_t>(word.size()), word.data()),
                         std::move(offsets[id]));
    }
  }

 private:
  // A lookup per listed word is the bulk of the scan, and each memory access it makes is
  // likely a cache miss. Most words have four units or fewer: their slot holds the units
  // themselves, so the lookup reads the slot alone.
  struct Slot {
    std::uint64_t key = 0;  // up to four units packed, else the hash
    std::uint32_t idPlusOne = 0;  // 0: empty
    std::uint32_t length = 0;
  };
  static constexpr std::size_t kPackedUnits = 4;
  struct Listing {
    std::uint32_t id;
    std::int32_t offset;
  };

  static std::uint64_t Hash(Units units) {
    std::uint64_t hash = 0xcbf29ce484222325ull;  // FNV-1a over the units
    for (const std::uint16_t unit : units) hash = (hash ^ unit) * 0x100000001b3ull;
    return hash ^ (hash >> 29);
  }

  // Words are short; a plain loop beats a call to memcmp. The lengths are equal already.
  bool Same(std::uint32_t id, Units word) const {
    const Units stored = Word(id);
    for (std::size_t i = 0; i < word.size(); ++i) {
      if (stored[i] != word[i]) return false;
    }
    return true;
  }

  static std::uint64_t Key(Units word, std::uint64_t hash) {
    if (word.size() > kPackedUnits) return hash;
    std::uint64_t packed = 0;
    for (const std::uint16_t unit : word) packed = packed << 16 | unit;
    return packed;
  }

  Units Word(std::uint32_t id) const {
    const std::size_t end = id + 1 < starts_.size() ? starts_[id + 1] : units_.size();
    return Units(units_.data() + starts_[id], end - starts_[id]);
  }

  std::uint32_t IdOf(Units word) {
    const std::uint64_t hash = Hash(word);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      Slot& slot = slots_[i];
      if (slot.idPlusOne == 0) {
        const auto id = static_cast<std::uint32_t>(starts_.size());
        starts_.push_back(static_cast<std::uint32_t>(units_.size()));
        units_.insert(units_.end(), word.begin(), word.end());
        slot = {Key(word, hash), id + 1, static_cast<std::uint32_t>(word.size())};
        if (4 * starts_.size() > 3 * slots_.size()) Grow();
        return id;
      }
      if (slot.length == word.size() && slot.key == Key(word, hash) &&
          (word.size() <= kPackedUnits || Same(slot.idPlusOne - 1, word))) {
        return slot.idPlusOne - 1;
      }
    }
  }

  void Grow() {
    std::vector<Slot> old(2 * slots_.size());
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
      if (slot.idPlusOne == 0) continue;
      std::size_t i = Hash(Word(slot.idPlusOne - 1)) & mask;
      while (slots_[i].idPlusOne != 0) i = (i + 1) & mask;
      slots_[i] = slot;
    }
  }

  std::vector<Slot> slots_;            // open addressing, at most three quarters full
  std::vector<std::uint16_t> units_;   // the words, one after another
  std::vector<std::uint32_t> starts_;  // where each word begins in units_
  std::vector<Listing> listings_;      // every listed word, in file order
};

// A word line whose tag does not end in a space.
struct TagFault {
  std::int64_t offset = 0;
  std::uint16_t unit = 0;
};

// Scans the line pairs and collects every listed word with the offsets of its sentences.
// Returns false on a faulty word-line tag. Every read checks for the end of the file, so a
// file cut anywhere ends the scan; what was collected until then stays.
bool ScanSentences(UnitReader& reader, ListedWords& words, TagFault& fault) {
  std::uint16_t unit = 0;
  std::vector<std::uint16_t> word;

  // 2. The byte-order mark, unchecked.
  if (!reader.Read(unit)) return true;
  for (;;) {
    // 3. A commented sentence line hides its word line too.
    if (!reader.Read(unit)) return true;
    if (unit == kNumberSign) {
      if (!reader.SkipPast(kCarriageReturn) || !reader.Read(unit)) return true;
      if (!reader.SkipPast(kCarriageReturn) || !reader.Read(unit)) return true;
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
    if (unit != kCarriageReturn && !reader.SkipPast(kCarriageReturn)) return true;
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
      words.Add(Units(word), offset);
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

  ListedWords words;
  TagFault fault;
  UnitReader reader(sentenceFile);
  if (!ScanSentences(reader, words, fault)) {
    char text[80];
    std::snprintf(text, sizeof text, "Problem with sentence file: %x %4x",
                  static_cast<unsigned>(fault.offset), static_cast<unsigned>(fault.unit));
    Fail(text, "ERROR");
    return;
  }
  words.MoveInto(sentenceIndex);
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
