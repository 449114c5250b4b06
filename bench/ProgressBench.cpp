// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/SyntheticHistory.h"
#include "platform/System.h"
#include "study/ProgressModel.h"
#include "study/RandomGenerator.h"
#include "study/UserProfile.h"
#include "tests/FakeClock.h"
#include "tests/FakeNotesWindow.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"

namespace {

class QuietSystem : public System {
 public:
  void ShowMessage(const std::string&, const std::string&, WindowHandle, MessageIcon) override {}
  void EndProcess(int) override {}
};

// Opening the Progress window: the model over 100,000 history rows and every JIS kanji on the
// study list, a third of them active.
void BM_ProgressModel(benchmark::State& state) {
  constexpr int kKanji = 6355;
  QuietSystem system;
  FakeClock clock;
  RandomGenerator random;
  FakeNotesWindow notesWindow;
  JisTable jis;
  KanjiDatabase database{jis, system, "."};
  for (int i = 0; i < kKanji; ++i) {
    KanjiRecord record;
    record.code = static_cast<KanjiCode>(0x3021 + (i / 94) * 0x100 + i % 94);
    database.kanji.push_back(record);
  }
  UserProfile profile{database, jis, system, clock, random, notesWindow, "."};
  profile.CreateDefaultProfile();
  for (std::size_t i = 0; i < profile.progress.size(); ++i) {
    profile.studyList.push_back(profile.progress[i].code);
    profile.progress[i].score = static_cast<float>((i * 37) % 101);
    profile.progress[i].masteryLevel = static_cast<std::int16_t>(i % 6);
    if (i % 3 == 0) {
      profile.progress[i].active = true;
      profile.activeList.push_back(static_cast<std::int32_t>(i));
    }
  }
  const std::vector<ReviewRecord> history =
      SyntheticHistory(profile.studyList, 100000, clock.seconds);
  const LocalTimeZone zone(9 * 3600);
  ProgressModel model(profile, zone);
  for (auto _ : state) {
    // The window reads the history afresh each time it opens, so the copy is part of the work.
    model.Compute(history, clock.seconds);
    benchmark::DoNotOptimize(model.Kanji().data());
    benchmark::DoNotOptimize(model.LastDays(365).data());
    benchmark::DoNotOptimize(model.Weeks().data());
  }
}
BENCHMARK(BM_ProgressModel)->Unit(benchmark::kMillisecond);

}  // namespace
