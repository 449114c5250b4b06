// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/BenchFolder.h"
#include "platform/System.h"
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

// A working directory with a data set of `count` kanji, a profile holding all of them (every
// third active, scores spread over 0..100), a study list and a notes file.
class StudySetup {
 public:
  explicit StudySetup(int count) {
    for (int i = 0; i < count; ++i) {
      KanjiRecord record;
      record.code = static_cast<KanjiCode>(0x3021 + (i / 94) * 0x100 + i % 94);
      database.kanji.push_back(record);
      jis.Insert(record.code, static_cast<std::uint16_t>(0x4E00 + i));
    }
    profile.CreateDefaultProfile();
    for (std::size_t i = 0; i < profile.progress.size(); ++i) {
      profile.progress[i].score = static_cast<float>((i * 37) % 101);
      profile.progress[i].masteryLevel = static_cast<std::int16_t>(i % 12);
      if (i % 3 == 0) {
        profile.progress[i].active = true;
        profile.activeList.push_back(static_cast<std::int32_t>(i));
        profile.activeSet.insert(profile.progress[i].code);
      }
    }
    profile.SaveProfile();
    std::ofstream(directory / UserProfile::kStudyListFileName, std::ios::binary) << "\xFF\xFE";
  }

  BenchFolder folder;  // first made, last removed
  const std::filesystem::path directory = folder.path();
  QuietSystem system;
  FakeClock clock;
  RandomGenerator random;
  FakeNotesWindow notesWindow;
  JisTable jis;
  KanjiDatabase database{jis, system, directory};
  UserProfile profile{database, jis, system, clock, random, notesWindow, directory};
};

constexpr int kFullDataSet = 6355;

// Start-up: reading a profile of every kanji of the full data set, with decline and notes.
void BM_LoadProfile(benchmark::State& state) {
  StudySetup setup(kFullDataSet);
  for (auto _ : state) {
    UserProfile profile(setup.database, setup.jis, setup.system, setup.clock, setup.random,
                        setup.notesWindow, setup.directory);
    profile.LoadProfile();
    benchmark::DoNotOptimize(profile.progress.data());
  }
}
BENCHMARK(BM_LoadProfile)->Unit(benchmark::kMillisecond);

// Exit and Options OK: writing the profile, flushed to disk, beside unchanged notes.
void BM_SaveProfile(benchmark::State& state) {
  StudySetup setup(kFullDataSet);
  float& score = setup.profile.progress[0].score;
  for (auto _ : state) {
    // A card's result since the last save, so the profile is written; the notes are not.
    score = score == 60.0f ? 70.0f : 60.0f;
    benchmark::DoNotOptimize(setup.profile.SaveProfile());
  }
}
BENCHMARK(BM_SaveProfile)->Unit(benchmark::kMillisecond);

// Every new card: a weighted draw among the active kanji of a learner who knows the jouyou set.
void BM_SelectNextKanji(benchmark::State& state) {
  StudySetup setup(2136);
  UserProfile& profile = setup.profile;
  profile.settings.useAutoIntroduce = false;
  profile.activeList.clear();
  for (std::size_t i = 0; i < profile.progress.size(); ++i) {
    profile.progress[i].active = true;
    profile.activeList.push_back(static_cast<std::int32_t>(i));
  }
  setup.random.Seed(1);
  for (auto _ : state) benchmark::DoNotOptimize(profile.SelectNextKanji(false, true));
}
BENCHMARK(BM_SelectNextKanji)->Unit(benchmark::kMicrosecond);

}  // namespace
