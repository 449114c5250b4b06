// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting a whole drill face at the largest zoom, once into the recording painter (the
// drill's and the zoom's own work) and once through Qt's raster engine into an image the size
// of the zoomed window (what a repaint costs on screen). One frame is 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/QtFontFactory.h"
#include "app/QtPainter.h"
#include "bench/AbortingSystem.h"
#include "bench/BenchFolder.h"
#include "bench/SyntheticDataSet.h"
#include "drills/DarkColours.h"
#include "drills/DrillFonts.h"
#include "drills/FillInDrill.h"
#include "drills/ReadingsDrill.h"
#include "drills/ZoomedPainter.h"
#include "study/RandomGenerator.h"
#include "study/UserProfile.h"
#include "tests/FakeButtons.h"
#include "tests/FakeClock.h"
#include "tests/FakeNotesWindow.h"
#include "tests/FakeSentencesWindow.h"
#include "tests/FakeSoundPlayer.h"
#include "tests/FakeWindowManager.h"
#include "tests/RecordingPainter.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"

namespace {

constexpr FaceZoom kLargest{FaceZoom::kSteps.back()};

// Both drills on the planted kanji, mid-card: a reading found and its examples listed, a wrong
// answer in the Fill-in drill's list.
struct Scene {
  Scene() {
    database.LoadAll();
    KanjiCode planted = 0;
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
    readings.NextCard();
    readings.OnChar('a');
    readings.OnChar('\r');
    readings.SelectReading(ReadingsDrill::kKunReading, 0);
    fillIn.NextCard();
    fillIn.OnChar('a');
    fillIn.OnChar('\r');
  }

  DrillHost Host(WindowHandle window) {
    return {database, profile, jis,   fonts,     random, system,
            buttons,  windows, sound, sentences, 1,      window};
  }

  BenchFolder folder{10};
  AbortingSystem system;
  JisTable jis{folder.path() / JisTable::kFileName, system};
  KanjiDatabase database{jis, system, folder.path()};
  FakeClock clock;
  RandomGenerator random;
  FakeNotesWindow notesWindow;
  UserProfile profile{database, jis, system, clock, random, notesWindow, folder.path()};
  QtFontFactory fontFactory;
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

void PaintRecorded(benchmark::State& state, Drill& drill) {
  Scene& scene = TheScene();
  RecordingPainter target;
  for (auto _ : state) {
    target.calls.clear();
    ZoomedPainter zoomed(target, kLargest, scene.fontFactory);
    drill.Paint(zoomed);
  }
}

void PaintRaster(benchmark::State& state, Drill& drill, bool dark) {
  Scene& scene = TheScene();
  QImage image(kLargest.Scale(640), kLargest.Scale(440), QImage::Format_ARGB32_Premultiplied);
  const Colour ground = dark ? DarkColour(kFaceGround) : kFaceGround;
  for (auto _ : state) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(ground.red, ground.green, ground.blue));
    QtPainter face(painter, scene.fontFactory, dark);
    ZoomedPainter zoomed(face, kLargest, scene.fontFactory);
    drill.Paint(zoomed);
  }
}

}  // namespace

static void BM_ReadingsPaint250Recorded(benchmark::State& state) {
  PaintRecorded(state, TheScene().readings);
}
BENCHMARK(BM_ReadingsPaint250Recorded)->Unit(benchmark::kMicrosecond);

static void BM_FillInPaint250Recorded(benchmark::State& state) {
  PaintRecorded(state, TheScene().fillIn);
}
BENCHMARK(BM_FillInPaint250Recorded)->Unit(benchmark::kMicrosecond);

static void BM_ReadingsPaint250Raster(benchmark::State& state) {
  PaintRaster(state, TheScene().readings, false);
}
BENCHMARK(BM_ReadingsPaint250Raster)->Unit(benchmark::kMillisecond);

static void BM_ReadingsPaint250RasterDark(benchmark::State& state) {
  PaintRaster(state, TheScene().readings, true);
}
BENCHMARK(BM_ReadingsPaint250RasterDark)->Unit(benchmark::kMillisecond);

static void BM_FillInPaint250Raster(benchmark::State& state) {
  PaintRaster(state, TheScene().fillIn, false);
}
BENCHMARK(BM_FillInPaint250Raster)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  // Fonts need the GUI side of Qt; no window is shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QtFontFactory::InstallSubstitutes();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
