// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/StudyList.h"

#include <algorithm>
#include <climits>
#include <tuple>

std::vector<KanjiCode> StudyOrder(const std::vector<KanjiEntry>& kanji) {
  std::vector<const KanjiEntry*> listed;
  for (const KanjiEntry& entry : kanji) {
    if (entry.grade >= 1 && entry.grade <= 9 && entry.grade != 7) listed.push_back(&entry);
  }
  const auto key = [](const KanjiEntry* entry) {
    return std::make_tuple(entry->grade, entry->frequency == 0 ? INT_MAX : entry->frequency);
  };
  std::stable_sort(listed.begin(), listed.end(),
                   [&](const KanjiEntry* a, const KanjiEntry* b) { return key(a) < key(b); });
  std::vector<KanjiCode> order;
  order.reserve(listed.size());
  for (const KanjiEntry* entry : listed) order.push_back(entry->code);
  return order;
}

std::vector<KanjiFacts> FactsOf(const std::vector<KanjiEntry>& kanji) {
  const auto within = [](int value, int limit) { return value >= 0 && value <= limit ? value : 0; };
  std::vector<KanjiFacts> facts;
  facts.reserve(kanji.size());
  for (const KanjiEntry& entry : kanji) {
    KanjiFacts f;
    f.code = entry.code;
    f.strokes = static_cast<std::uint16_t>(within(entry.strokes, 255));
    f.frequency = static_cast<std::uint16_t>(within(entry.frequency, 0xFFFF));
    f.jlpt = static_cast<std::uint8_t>(within(entry.jlpt, 4));
    f.radical = static_cast<std::uint8_t>(within(entry.radical, 214));
    f.grade = static_cast<std::uint8_t>(within(entry.grade, 9));
    facts.push_back(f);
  }
  return facts;
}
