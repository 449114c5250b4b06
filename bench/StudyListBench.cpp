// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/AbortingSystem.h"
#include "bench/BenchFolder.h"
#include "bench/SyntheticDataSet.h"
#include "study/ReadyStudyList.h"
#include "study/StudyListRecipe.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"
#include "text/KanjiSearch.h"

namespace {

// The whole synthetic data set's kanji with facts spread like kanjidic's: every kanji has a
// stroke count, about 2,500 a frequency rank, 2,230 a JLPT level, 2,890 a grade.
struct StudyListSetup {
  StudyListSetup() {
    jis = std::make_unique<JisTable>(folder.path() / JisTable::kFileName, system);
    database = std::make_unique<KanjiDatabase>(*jis, system, folder.path());
    database->LoadKanjiFile();
    for (std::size_t i = 0; i < database->kanji.size(); ++i) {
      KanjiFacts f;
      f.code = database->kanji[i].code;
      f.strokes = static_cast<std::uint16_t>(1 + (i * 7) % 29);
      f.frequency = static_cast<std::uint16_t>(i % 5 < 2 ? (i * 7919) % 2501 + 1 : 0);
      f.jlpt = static_cast<std::uint8_t>(i % 3 == 0 ? 1 + i % 4 : 0);
      f.grade = static_cast<std::uint8_t>(i % 2 == 0 ? 1 + i % 9 : 0);
      facts.push_back(f);
      currentList.insert(currentList.begin(), f.code);
    }
    search = std::make_unique<KanjiSearch>(database->kanji, facts, *jis);
  }

  BenchFolder folder{100};
  AbortingSystem system;
  std::unique_ptr<JisTable> jis;
  std::unique_ptr<KanjiDatabase> database;
  std::vector<KanjiFacts> facts;
  std::vector<KanjiCode> currentList;
  std::unique_ptr<KanjiSearch> search;
};

StudyListSetup& Setup() {
  static StudyListSetup setup;
  return setup;
}

// Each ready list, then a list in the learner's own order (the most keys to look up).
void BM_ComposeStudyList(benchmark::State& state) {
  StudyListSetup& setup = Setup();
  const auto which = static_cast<std::size_t>(state.range(0));
  StudyListRecipe recipe;
  if (which < ReadyStudyLists().size()) {
    recipe = ReadyStudyLists()[which].recipe;
  } else {
    recipe.order = StudyListRecipe::Order::kListOrder;
    recipe.thenBy = StudyListRecipe::Order::kStrokes;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComposeStudyList(recipe, setup.facts, setup.currentList));
  }
}
BENCHMARK(BM_ComposeStudyList)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// A reading, a word every meaning has (every kanji matches), a stroke count and a character.
void BM_SearchKanji(benchmark::State& state) {
  StudyListSetup& setup = Setup();
  const std::u16string queries[] = {u"sui", u"number", u"12", u"\u4E00"};
  const std::u16string& query = queries[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(setup.search->Find(query));
}
BENCHMARK(BM_SearchKanji)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
