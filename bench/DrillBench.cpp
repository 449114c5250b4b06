#include <benchmark/benchmark.h>

#include <string>

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

class QuietSystem : public System {
 public:
  void ShowMessage(const std::string&, const std::string&, WindowHandle, MessageIcon) override {}
  void EndProcess(int) override {}
};

constexpr int kKanjiCount = 6355;
constexpr int kExampleCount = 200'000;
constexpr int kTargetEvery = 40;  // the target kanji is in 5,000 examples

KanjiCode KanjiAt(int i) {
  return static_cast<KanjiCode>(((0x30 + i / 94) << 8) | (0x21 + i % 94));
}

KanjiCode Hiragana(int i) { return static_cast<KanjiCode>(0x2422 + i % 80); }

// The full-scale data set in memory, with one active kanji (the target) so that every card is
// one of its 5,000 examples.
struct Scene {
  Scene() {
    for (int i = 0; i < 0x53; ++i) jis.Insert(static_cast<KanjiCode>(0x2421 + i), 0x3041 + i);
    for (int i = 0; i < kKanjiCount; ++i) {
      KanjiRecord record;
      record.code = KanjiAt(i);
      record.grade = static_cast<std::uint16_t>(1 + i % 9);
      const int readings = 2 + i % 3;
      for (int r = 0; r < readings; ++r) {
        const CodeString kana{Hiragana(i + r), Hiragana(i + 2 * r + 1)};
        auto& list = r % 2 == 0 ? record.onReadings : record.kunReadings;
        list.push_back({r % 2 == 0 ? ToKatakana(kana) : kana, kana});
      }
      record.meaning = "meaning of kanji number " + std::to_string(i);
      database.kanji.push_back(record);
      profile.progress.push_back({record.code, 50.0f, 0, i == 0});
      profile.notes.push_back({record.code, {}});
    }
    profile.activeList.push_back(0);
    profile.activeSet.insert(KanjiAt(0));
    profile.settings.useAutoIntroduce = false;

    const CodeString targetReading = database.kanji[0].kunReadings[0].bare;
    for (int e = 0; e < kExampleCount; ++e) {
      ExampleRecord example;
      const KanjiCode first = e % kTargetEvery == 0 ? KanjiAt(0) : KanjiAt(1 + e % (kKanjiCount - 1));
      example.word = CodeString{first, KanjiAt((e * 7) % kKanjiCount), Hiragana(e)};
      example.readingParts = {e % 80 == 0 ? targetReading : CodeString{Hiragana(e), Hiragana(e + 3)},
                              CodeString{Hiragana(e + 5)}, CodeString{Hiragana(e)}};
      for (const CodeString& part : example.readingParts) {
        example.reading.units.insert(example.reading.units.end(), part.units.begin(),
                                     part.units.end());
      }
      example.meaning = "an example word's English gloss";
      example.weight = static_cast<std::uint32_t>(e % 1000);
      database.examples.push_back(std::move(example));
    }
    fonts.Create(fontFactory);
    readings.CreateControls();
    fillIn.CreateControls();
  }

  DrillHost Host(WindowHandle window) {
    return {database, profile, jis,   fonts,     random, system,
            buttons,  windows, sound, sentences, 1,      window};
  }

  JisTable jis;
  QuietSystem system;
  FakeClock clock;
  RandomGenerator random;
  FakeNotesWindow notesWindow;
  KanjiDatabase database{jis, system};
  UserProfile profile{database, jis, system, clock, random, notesWindow};
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
  for (auto _ : state) scene.database.ExamplesContaining(KanjiAt(0), out);
}
BENCHMARK(BM_ExamplesContainingAlone)->Unit(benchmark::kMillisecond);
