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
