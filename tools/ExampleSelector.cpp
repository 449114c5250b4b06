// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ExampleSelector.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

#include "tools/PartReading.h"

namespace {

struct Candidate {
  const EdictEntry* entry = nullptr;
  bool common = false;
  bool usuallyKana = false;
  std::uint32_t weight = 0;
  Alignment alignment;
  bool selected = false;
};

bool IsUsable(const EdictEntry& entry, const ReadingAligner& aligner, const CharacterTable& table) {
  if (entry.word.empty() || entry.reading.empty()) return false;
  if (!std::any_of(entry.word.begin(), entry.word.end(),
                   [&](KanjiCode c) { return aligner.IsKanji(c); })) {
    return false;
  }
  if (!std::all_of(entry.reading.begin(), entry.reading.end(), kana::IsKana)) return false;
  return table.HasAll(entry.word) && table.HasAll(entry.reading);
}

// One candidate per word and reading; a pair listed twice keeps its first meaning and is
// common when either listing is.
std::vector<Candidate> Candidates(const std::vector<EdictEntry>& entries,
                                  const ReadingAligner& aligner, const CharacterTable& table) {
  std::vector<Candidate> candidates;
  std::unordered_map<std::u16string, std::size_t> seen;
  for (const EdictEntry& entry : entries) {
    if (!IsUsable(entry, aligner, table)) continue;
    std::u16string key = entry.word;
    key.push_back(u'\0');
    key += entry.reading;
    const auto [it, inserted] = seen.try_emplace(std::move(key), candidates.size());
    if (inserted) {
      Candidate candidate;
      candidate.entry = &entry;
      candidate.common = entry.common;
      candidate.usuallyKana = entry.usuallyKana;
      candidates.push_back(std::move(candidate));
    } else {
      Candidate& first = candidates[it->second];
      first.common = first.common || entry.common;
      first.usuallyKana = first.usuallyKana && entry.usuallyKana;
    }
  }
  return candidates;
}

std::vector<KanjiCode> DistinctKanji(const JisString& word, const ReadingAligner& aligner) {
  std::vector<KanjiCode> kanji;
  for (KanjiCode c : word) {
    if (aligner.IsKanji(c) && std::find(kanji.begin(), kanji.end(), c) == kanji.end()) {
      kanji.push_back(c);
    }
  }
  return kanji;
}

// Words people write in kanji first, then regular words (the drills use them fully), then by
// weight.
bool RanksBefore(const Candidate* a, const Candidate* b) {
  const auto key = [](const Candidate* c) {
    return std::make_tuple(c->usuallyKana, c->alignment.type, -static_cast<std::int64_t>(c->weight),
                           c->entry->word.size());
  };
  return key(a) < key(b);
}

// Makes sure each reading of the kanji has an example when edict has a word for it.
template <typename Select>
void CoverReadings(const KanjiEntry& entry, const std::vector<Candidate*>& ranked,
                   const Select& select, ExampleSelection& selection) {
  const auto cover = [&](const Reading& reading, int kind) {
    ++selection.readings;
    const JisString target = kana::ToHiragana(reading.bare);
    const auto shows = [&](const Candidate* c) {
      return PartShowsReading(c->entry->word, c->alignment.field, entry.code, target, kind);
    };
    if (std::any_of(ranked.begin(), ranked.end(),
                    [&](const Candidate* c) { return c->selected && shows(c); })) {
      ++selection.readingsWithExample;
      return;
    }
    const auto best = std::find_if(ranked.begin(), ranked.end(), shows);
    if (best == ranked.end()) {
      ++selection.readingsEdictLacks;
      return;
    }
    select(**best);
    ++selection.readingsWithExample;
  };
  for (const Reading& on : entry.on) cover(on, -1);
  for (const Reading& kun : entry.kun) cover(kun, 1);
}

}  // namespace

std::uint32_t ExampleWeight(bool common, bool usuallyKana, std::size_t length, int senses) {
  const std::uint32_t tier = usuallyKana ? (common ? 2 : 1) : (common ? 4 : 3);
  const std::uint32_t shortness = length >= 10 ? 0 : static_cast<std::uint32_t>(10 - length) * 20;
  const std::uint32_t usage = static_cast<std::uint32_t>(std::clamp(senses, 1, 10)) * 5;
  return tier * 1000 + shortness + usage;
}

ExampleSelection SelectExamples(const std::vector<EdictEntry>& entries,
                                const std::vector<KanjiEntry>& kanji, const ReadingAligner& aligner,
                                const CharacterTable& table,
                                const std::function<void(double)>& progress) {
  ExampleSelection selection;
  std::vector<Candidate> candidates = Candidates(entries, aligner, table);

  std::vector<std::vector<Candidate*>> byKanji(0x10000);
  for (std::size_t n = 0; n < candidates.size(); ++n) {
    Candidate& candidate = candidates[n];
    const EdictEntry& entry = *candidate.entry;
    candidate.weight =
        ExampleWeight(candidate.common, candidate.usuallyKana, entry.word.size(), entry.senses);
    candidate.alignment = aligner.Align(entry.word, entry.reading);
    for (KanjiCode k : DistinctKanji(entry.word, aligner)) {
      byKanji[k].push_back(&candidate);
      ++selection.availableWords[k];
    }
    if (progress && n % 4096 == 0) progress(static_cast<double>(n) / candidates.size());
  }

  std::vector<int> counts(0x10000, 0);
  const auto select = [&](Candidate& candidate) {
    candidate.selected = true;
    for (KanjiCode k : DistinctKanji(candidate.entry->word, aligner)) ++counts[k];
  };
  for (Candidate& candidate : candidates) {
    if (!candidate.common) continue;
    ++selection.commonWords;
    if (candidate.alignment.type == AlignmentClass::kAligned) ++selection.commonAligned;
    select(candidate);
  }
  for (std::vector<Candidate*>& ranked : byKanji) {
    std::stable_sort(ranked.begin(), ranked.end(), RanksBefore);
  }
  for (std::size_t k = 0; k < byKanji.size(); ++k) {
    for (Candidate* candidate : byKanji[k]) {
      if (counts[k] >= kWantedExamplesPerKanji) break;
      if (!candidate->selected) select(*candidate);
    }
  }
  for (const KanjiEntry& entry : kanji) {
    CoverReadings(entry, byKanji[entry.code], select, selection);
  }

  for (const Candidate& candidate : candidates) {
    if (!candidate.selected) continue;
    Example example;
    example.word = candidate.entry->word;
    example.field = candidate.alignment.field;
    example.meaning = candidate.entry->meaning;
    example.weight = candidate.weight;
    example.type = candidate.alignment.type;
    example.common = candidate.common;
    selection.examples.push_back(std::move(example));
  }
  std::stable_sort(selection.examples.begin(), selection.examples.end(),
                   [](const Example& a, const Example& b) { return a.weight > b.weight; });
  return selection;
}
