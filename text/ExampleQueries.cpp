// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three example queries of the drills.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "text/KanjiDatabase.h"

namespace {

// Position of the first character k in word, or word's length when it holds none.
std::size_t FirstPosition(const CodeString& word, KanjiCode k) {
  return static_cast<std::size_t>(std::find(word.units.begin(), word.units.end(), k) -
                                  word.units.begin());
}

// The part of an example that belongs to the first k of its word, or null when there is none:
// a word without k, or fewer parts than characters (irregular examples have no parts).
const CodeString* PartFor(const ExampleRecord& example, KanjiCode k) {
  const std::size_t position = FirstPosition(example.word, k);
  if (position >= example.word.units.size() || position >= example.readingParts.size()) {
    return nullptr;
  }
  return &example.readingParts[position];
}

// Whether a reading part reads target for the given kind (-1 ON, 1 KUN). A parenthesised
// dictionary reading is what is compared when there is one; an unclosed one runs to the end of
// the part.
bool PartMatches(const CodeString& part, const CodeString& target, int kind) {
  const auto begin = part.units.begin();
  const auto end = part.units.end();
  const bool onOnly = !part.empty() && part[0] == jis::kLessThan;
  const bool kunOnly = !part.empty() && part[0] == jis::kGreaterThan;

  auto textBegin = begin;
  auto textEnd = end;
  const auto open = std::find(begin, end, jis::kLeftParen);
  if (open != end) {
    textBegin = open + 1;
    textEnd = std::find(textBegin, end, jis::kRightParen);
  } else if (onOnly || kunOnly) {
    ++textBegin;
  }
  if (!std::equal(textBegin, textEnd, target.units.begin(), target.units.end())) return false;
  return (onOnly && kind == -1) || (kunOnly && kind == 1) || (!onOnly && !kunOnly);
}

// Makes out a copy of the chosen records of from, in the order given. Copying into the
// records out already holds reuses their buffers: the drills query again on every card with
// the same arrays, and allocation would otherwise dominate the query.
void CopyChosen(const std::vector<ExampleRecord>& from, const std::vector<std::uint32_t>& chosen,
                std::vector<ExampleRecord>& out) {
  // The chosen records lie far apart; asking for the memory of records a few steps ahead
  // overlaps the waits for it.
  constexpr std::size_t kRecordsAhead = 8;
  constexpr std::size_t kContentsAhead = 4;
  out.resize(chosen.size());
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    if (i + kRecordsAhead < chosen.size()) __builtin_prefetch(&from[chosen[i + kRecordsAhead]]);
    if (i + kContentsAhead < chosen.size()) {
      const ExampleRecord& ahead = from[chosen[i + kContentsAhead]];
      __builtin_prefetch(ahead.word.units.data());
      __builtin_prefetch(ahead.reading.units.data());
      __builtin_prefetch(ahead.readingParts.data());
      __builtin_prefetch(ahead.meaning.data());
    }
    out[i] = from[chosen[i]];
  }
}

}  // namespace

void KanjiDatabase::IndexExamples(const std::vector<KanjiCode>& words,
                                  const std::vector<std::size_t>& wordEnds) {
  exampleIndexStarts_.clear();
  exampleIndex_.clear();
  indexedExamples_ = examples.data();
  indexedCount_ = examples.size();
  if (examples.empty() || examples.size() > UINT32_MAX || wordEnds.size() != examples.size()) {
    return;
  }

  // Counting sort of (code, position) pairs, from the words laid out one after another rather
  // than from the records spread over memory. A code repeated in a word counts once.
  constexpr std::size_t kCodes = 0x10000;
  const auto forEachCode = [&](auto action) {
    std::vector<std::uint32_t> lastPosition(kCodes, UINT32_MAX);
    std::size_t start = 0;
    for (std::uint32_t position = 0; position < wordEnds.size(); ++position) {
      for (std::size_t i = start; i < wordEnds[position]; ++i) {
        if (lastPosition[words[i]] == position) continue;
        lastPosition[words[i]] = position;
        action(words[i], position);
      }
      start = wordEnds[position];
    }
  };
  exampleIndexStarts_.assign(kCodes + 1, 0);
  forEachCode([&](KanjiCode code, std::uint32_t) { ++exampleIndexStarts_[code + 1]; });
  for (std::size_t code = 0; code < kCodes; ++code) {
    exampleIndexStarts_[code + 1] += exampleIndexStarts_[code];
  }
  exampleIndex_.resize(exampleIndexStarts_[kCodes]);
  std::vector<std::uint32_t> next(exampleIndexStarts_.begin(), exampleIndexStarts_.end() - 1);
  forEachCode(
      [&](KanjiCode code, std::uint32_t position) { exampleIndex_[next[code]++] = position; });
}

bool KanjiDatabase::ExampleIndexServes() const {
  return !exampleIndexStarts_.empty() && indexedExamples_ == examples.data() &&
         indexedCount_ == examples.size();
}

void KanjiDatabase::PositionsContaining(KanjiCode k, std::vector<std::uint32_t>& positions) const {
  positions.clear();
  if (ExampleIndexServes()) {
    // The check costs little (the records are read for copying anyway) and keeps a record
    // changed in place from being listed for a kanji it no longer holds.
    for (std::uint32_t i = exampleIndexStarts_[k]; i < exampleIndexStarts_[k + 1]; ++i) {
      const CodeString& word = examples[exampleIndex_[i]].word;
      if (FirstPosition(word, k) < word.units.size()) positions.push_back(exampleIndex_[i]);
    }
    return;
  }
  for (std::size_t position = 0; position < examples.size() && position < UINT32_MAX; ++position) {
    const CodeString& word = examples[position].word;
    if (FirstPosition(word, k) < word.units.size()) {
      positions.push_back(static_cast<std::uint32_t>(position));
    }
  }
}

void KanjiDatabase::ExamplesContaining(KanjiCode k, std::vector<ExampleRecord>& out) const {
  if (&out == &examples) {  // the copies are chosen from the array being replaced
    std::vector<ExampleRecord> result;
    ExamplesContaining(k, result);
    out = std::move(result);
    return;
  }
  std::vector<std::uint32_t> positions;
  PositionsContaining(k, positions);
  // Largest weight first. Examples of equal weight keep their file order, so the lists the
  // learner sees do not change from one card to the next. The weights are gathered first so
  // the sort does not reach into the records.
  std::vector<std::pair<std::uint32_t, std::uint32_t>> byWeight;  // weight, position
  byWeight.reserve(positions.size());
  for (const std::uint32_t position : positions) {
    byWeight.emplace_back(examples[position].weight, position);
  }
  std::stable_sort(byWeight.begin(), byWeight.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  for (std::size_t i = 0; i < byWeight.size(); ++i) positions[i] = byWeight[i].second;
  CopyChosen(examples, positions, out);
}

void KanjiDatabase::ExamplesForReading(const CodeString& reading, KanjiCode k, int kind,
                                       const std::vector<ExampleRecord>& in,
                                       std::vector<ExampleRecord>& out) const {
  if (&in == &out) {  // filtering an array into itself
    const std::vector<ExampleRecord> copy = in;
    ExamplesForReading(reading, k, kind, copy, out);
    return;
  }
  // ON readings are stored in katakana; the parts are written in hiragana.
  const CodeString target = ToHiragana(reading);
  std::vector<std::uint32_t> chosen;
  for (std::size_t i = 0; i < in.size(); ++i) {
    const CodeString* part = PartFor(in[i], k);
    if (part != nullptr && PartMatches(*part, target, kind)) {
      chosen.push_back(static_cast<std::uint32_t>(i));
    }
  }
  CopyChosen(in, chosen, out);
}

void KanjiDatabase::ExamplesWithSpecialReading(KanjiCode k, const std::vector<ExampleRecord>& in,
                                               std::vector<ExampleRecord>& out) const {
  if (&in == &out) {
    const std::vector<ExampleRecord> copy = in;
    ExamplesWithSpecialReading(k, copy, out);
    return;
  }
  std::vector<std::uint32_t> chosen;
  for (std::size_t i = 0; i < in.size(); ++i) {
    const CodeString* part = in[i].irregular ? nullptr : PartFor(in[i], k);
    if (in[i].irregular || (part != nullptr && !part->empty() && (*part)[0] == jis::kAmpersand)) {
      chosen.push_back(static_cast<std::uint32_t>(i));
    }
  }
  CopyChosen(in, chosen, out);
}
