// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/AbortingSystem.h"
#include "bench/AllocationCount.h"
#include "bench/BenchFolder.h"
#include "bench/SyntheticDataSet.h"
#include "platform/System.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"

namespace {

AbortingSystem& BenchSystem() {
  static AbortingSystem system;
  return system;
}

// A folder per scale, written on first use and removed at exit.
const std::filesystem::path& DataSetFolder(int percent) {
  static std::map<int, BenchFolder> folders;
  return folders.try_emplace(percent, percent).first->second.path();
}

const JisTable& BenchJisTable() {
  static const JisTable table(DataSetFolder(100) / JisTable::kFileName, BenchSystem());
  return table;
}

// The whole set, loaded once for the query benchmarks.
KanjiDatabase& LoadedDataSet() {
  static KanjiDatabase* database = [] {
    auto* loaded = new KanjiDatabase(BenchJisTable(), BenchSystem(), DataSetFolder(100));
    loaded->LoadAll();
    return loaded;
  }();
  return *database;
}

// The floor under LoadAll: the same files' bytes read and decoded as UTF-16, nothing parsed.
// The buffers are as large as the largest file, allocated and written once before the timing,
// so the floor counts reading and decoding, not the kernel handing out fresh pages.
class ReadAndDecode {
 public:
  explicit ReadAndDecode(const std::filesystem::path& folder) : folder_(folder) {
    std::size_t largest = 0;
    for (const char* name : kNames) {
      largest = std::max<std::size_t>(largest, std::filesystem::file_size(folder / name));
    }
    raw_.assign(largest, '\0');
    text_.assign(largest / 2, u'\0');
  }

  // Reads and decodes the three files; returns the bytes read.
  std::int64_t Run() {
    std::int64_t bytes = 0;
    for (const char* name : kNames) {
      std::ifstream in(folder_ / name, std::ios::binary);
      in.read(raw_.data(), static_cast<std::streamsize>(raw_.size()));
      const auto size = static_cast<std::size_t>(in.gcount());
      for (std::size_t i = 0; i < size / 2; ++i) {
        text_[i] = static_cast<char16_t>(static_cast<unsigned char>(raw_[2 * i]) |
                                         static_cast<unsigned char>(raw_[2 * i + 1]) << 8);
      }
      benchmark::DoNotOptimize(text_.data());
      benchmark::ClobberMemory();
      bytes += static_cast<std::int64_t>(size);
    }
    return bytes;
  }

 private:
  static constexpr const char* kNames[] = {KanjiDatabase::kKanjiFileName,
                                           KanjiDatabase::kExamplesFileName,
                                           KanjiDatabase::kSentencesFileName};
  std::filesystem::path folder_;
  std::string raw_;
  std::u16string text_;
};

// The thread's processor time: on a busy machine the wall clock mostly measures the others.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void BM_LoadAll(benchmark::State& state) {
  const int percent = static_cast<int>(state.range(0));
  const std::filesystem::path& folder = DataSetFolder(percent);
  const JisTable& jis = BenchJisTable();
  std::unique_ptr<KanjiDatabase> database;
  // The floor is run beside each load, untimed, so the ratio compares the two under the same
  // conditions (a busy machine slows both): processor times, loading over the floor.
  ReadAndDecode baseline(folder);
  double loadSeconds = 0;
  double baselineSeconds = 0;
  std::uint64_t allocations = 0;
  for (auto _ : state) {
    // Freeing the previous set is not part of loading.
    state.PauseTiming();
    database.reset();
    database = std::make_unique<KanjiDatabase>(jis, BenchSystem(), folder);
    double started = CpuSeconds();
    baseline.Run();
    baselineSeconds += CpuSeconds() - started;
    started = CpuSeconds();
    const std::uint64_t allocationsBefore = AllocationCount();
    state.ResumeTiming();
    database->LoadAll();
    state.PauseTiming();
    loadSeconds += CpuSeconds() - started;
    allocations += AllocationCount() - allocationsBefore;
    state.ResumeTiming();
  }
  state.counters["x_baseline"] = loadSeconds / baselineSeconds;
  state.counters["allocs"] =
      static_cast<double>(allocations) / static_cast<double>(state.iterations());
  state.counters["kanji"] = static_cast<double>(database->kanji.size());
  state.counters["examples"] = static_cast<double>(database->examples.size());
  state.counters["words"] = static_cast<double>(database->sentenceIndex.size());
}
BENCHMARK(BM_LoadAll)
    ->ArgName("percent")
    ->Arg(25)
    ->Arg(50)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

// Each loader on its own, whole set, to show where LoadAll spends its time.
template <void (KanjiDatabase::*kLoader)()>
void BM_Loader(benchmark::State& state) {
  const std::filesystem::path& folder = DataSetFolder(100);
  const JisTable& jis = BenchJisTable();
  std::unique_ptr<KanjiDatabase> database;
  for (auto _ : state) {
    state.PauseTiming();
    database.reset();
    database = std::make_unique<KanjiDatabase>(jis, BenchSystem(), folder);
    state.ResumeTiming();
    (database.get()->*kLoader)();
  }
}
BENCHMARK_TEMPLATE(BM_Loader, &KanjiDatabase::LoadKanjiFile)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Loader, &KanjiDatabase::LoadExamplesFile)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Loader, &KanjiDatabase::LoadSentencesFile)->Unit(benchmark::kMillisecond);

void BM_ReadAndDecodeBaseline(benchmark::State& state) {
  ReadAndDecode baseline(DataSetFolder(static_cast<int>(state.range(0))));
  std::int64_t bytes = 0;
  for (auto _ : state) bytes = baseline.Run();
  state.SetBytesProcessed(bytes * state.iterations());
}
BENCHMARK(BM_ReadAndDecodeBaseline)
    ->ArgName("percent")
    ->Arg(25)
    ->Arg(50)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

// What the records' allocations cost alone: as many small arrays as LoadAll allocates at the
// scale, each written and kept, with no file read at all. Set against four times the floor it
// shows how much of the load the record layout spends before any parsing.
void BM_LoadAllocationsAlone(benchmark::State& state) {
  const std::filesystem::path& folder = DataSetFolder(static_cast<int>(state.range(0)));
  std::uint64_t count = 0;
  {
    KanjiDatabase database(BenchJisTable(), BenchSystem(), folder);
    const std::uint64_t before = AllocationCount();
    database.LoadAll();
    count = AllocationCount() - before;
  }
  std::vector<std::vector<std::uint16_t>> arrays;
  arrays.reserve(count);
  for (auto _ : state) {
    state.PauseTiming();
    arrays.clear();
    state.ResumeTiming();
    for (std::uint64_t i = 0; i < count; ++i) {
      arrays.emplace_back(2 + i % 4, static_cast<std::uint16_t>(i));
    }
    benchmark::DoNotOptimize(arrays.data());
  }
  state.counters["allocs"] = static_cast<double>(count);
}
BENCHMARK(BM_LoadAllocationsAlone)
    ->ArgName("percent")
    ->Arg(25)
    ->Arg(50)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

// What the Readings drill asks when a card shows a kanji found in 5,000 examples.
void BM_ExamplesContainingThenForReading(benchmark::State& state) {
  KanjiDatabase& database = LoadedDataSet();
  KanjiCode kanji = 0;
  BenchJisTable().UnicodeToCode(SyntheticDataSet::kPlantedKanji, kanji);
  const CodeString reading = database.kanji[0].onReadings[0].bare;
  std::vector<ExampleRecord> containing;
  std::vector<ExampleRecord> forReading;
  for (auto _ : state) {
    database.ExamplesContaining(kanji, containing);
    database.ExamplesForReading(reading, kanji, -1, containing, forReading);
  }
  state.counters["containing"] = static_cast<double>(containing.size());
  state.counters["for_reading"] = static_cast<double>(forReading.size());
}
BENCHMARK(BM_ExamplesContainingThenForReading)->Unit(benchmark::kMicrosecond);

// The same with new arrays each time, as a caller that does not keep its arrays would see it:
// every copied record allocates, and the arrays are freed inside the loop.
void BM_ExamplesContainingThenForReadingFreshArrays(benchmark::State& state) {
  KanjiDatabase& database = LoadedDataSet();
  KanjiCode kanji = 0;
  BenchJisTable().UnicodeToCode(SyntheticDataSet::kPlantedKanji, kanji);
  const CodeString reading = database.kanji[0].onReadings[0].bare;
  for (auto _ : state) {
    std::vector<ExampleRecord> containing;
    std::vector<ExampleRecord> forReading;
    database.ExamplesContaining(kanji, containing);
    database.ExamplesForReading(reading, kanji, -1, containing, forReading);
    benchmark::DoNotOptimize(forReading.data());
  }
}
BENCHMARK(BM_ExamplesContainingThenForReadingFreshArrays)->Unit(benchmark::kMicrosecond);

// The sentences of one example word: the index lookup and 20 reads from the file.
void BM_SentencesOfAWord(benchmark::State& state) {
  KanjiDatabase& database = LoadedDataSet();
  CodeString word;
  for (const char16_t* unit = SyntheticDataSet::kPlantedWord; *unit != 0; ++unit) {
    word.units.push_back(*unit);
  }
  std::vector<std::int32_t> offsets;
  CodeString japanese;
  std::string english;
  for (auto _ : state) {
    database.SentenceOffsetsFor(word, offsets);
    for (const std::int32_t offset : offsets) {
      database.ReadSentence(offset, japanese, english);
      benchmark::DoNotOptimize(english.data());
    }
  }
  state.counters["sentences"] = static_cast<double>(offsets.size());
}
BENCHMARK(BM_SentencesOfAWord)->Unit(benchmark::kMicrosecond);

}  // namespace
