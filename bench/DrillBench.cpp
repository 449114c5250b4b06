// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/AbortingSystem.h"
#include "bench/BenchFolder.h"
#include "bench/SyntheticDataSet.h"

#include "drills/DrillFonts.h"
#include "drills/DrillHost.h"
#include "drills/FillInDrill.h"
#include "drills/ReadingsDrill.h"
#include "platform/System.h"
#include "study/RandomGenerator.h"
#include "study/UserProfile.h"
#include "tests/FakeButtons.h"
#include "tests/FakeClock.h"
#include "tests/FakeFontFactory.h"
#include "tests/FakeNotesWindow.h"
#include "tests/FakeSentencesWindow.h"
#include "tests/FakeSoundPlayer.h"
#include "tests/FakeWindowManager.h"
#include "tests/RecordingPainter.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"

namespace {

// The full-scale data set loaded, and a profile whose one active kanji is the kanji planted in
// 5,000 examples, so that every card is set up for it.
struct Scene {
  Scene() {
    database.LoadAll();
    jis.UnicodeToCode(SyntheticDataSet::kPlantedKanji, planted);
    for (const KanjiRecord& record : database.kanji) {
      const bool active = record.code == planted;
      if (active) profile.activeList.push_back(static_cast<std::int32_t>(profile.progress.size()));
      profile.progress.push_back({record.code, 50.0f, 0, active});
      profile.notes.push_back({record.code, {}});
    }
    profile.activeSet.insert(planted);
    profile.settings.useAutoIntroduce = false;
    fonts.Create(fontFactory);
    readings.CreateControls();
    fillIn.CreateControls();
  }

  DrillHost Host(WindowHandle window) {
    return {database, profile, jis,   fonts,     random, system,
            buttons,  windows, sound, sentences, 1,      window};
  }

  BenchFolder folder{100};
  AbortingSystem system;
  JisTable jis{folder.path() / JisTable::kFileName, system};
  KanjiDatabase database{jis, system, folder.path()};
  KanjiCode planted = 0;
  FakeClock clock;
  RandomGenerator random;
  FakeNotesWindow notesWindow;
  UserProfile profile{database, jis, system, clock, random, notesWindow, folder.path()};
  FakeFontFactory fontFactory;
  DrillFonts fonts;
  FakeButtons buttons;
  FakeWindowManager windows;
  FakeSoundPlayer sound;
  FakeSentencesWindow sentences;
  ReadingsDrill readings{Host(2)};
  FillInDrill fillIn{Host(3)};
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

}  // namespace

static void BM_ReadingsNextCard(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) scene.readings.NextCard();
  state.counters["pool"] = static_cast<double>(scene.readings.pool.size());
}
BENCHMARK(BM_ReadingsNextCard)->Unit(benchmark::kMillisecond);

static void BM_FillInNextCard(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) scene.fillIn.NextCard();
}
BENCHMARK(BM_FillInNextCard)->Unit(benchmark::kMillisecond);

static void BM_ReadingsPaint(benchmark::State& state) {
  Scene& scene = TheScene();
  scene.readings.NextCard();
  scene.readings.OnChar('a');
  scene.readings.OnChar('\r');
  scene.readings.SelectReading(ReadingsDrill::kKunReading, 0);
  RecordingPainter painter;
  for (auto _ : state) {
    painter.calls.clear();
    scene.readings.Paint(painter);
  }
}
BENCHMARK(BM_ReadingsPaint)->Unit(benchmark::kMicrosecond);

static void BM_FillInPaint(benchmark::State& state) {
  Scene& scene = TheScene();
  scene.fillIn.NextCard();
  scene.fillIn.OnChar('a');
  scene.fillIn.OnChar('\r');
  RecordingPainter painter;
  for (auto _ : state) {
    painter.calls.clear();
    scene.fillIn.Paint(painter);
  }
}
BENCHMARK(BM_FillInPaint)->Unit(benchmark::kMicrosecond);

// What the card set-up costs beyond the data set's query: the query alone, for comparison.
static void BM_ExamplesContainingAlone(benchmark::State& state) {
  Scene& scene = TheScene();
  std::vector<ExampleRecord> out;
  for (auto _ : state) scene.database.ExamplesContaining(scene.planted, out);
}
BENCHMARK(BM_ExamplesContainingAlone)->Unit(benchmark::kMillisecond);
