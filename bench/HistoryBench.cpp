// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/AbortingSystem.h"
#include "bench/BenchFolder.h"
#include "study/StudyHistory.h"

namespace {

constexpr int kLargeHistory = 100'000;

ReviewRecord Card(int i) {
  ReviewRecord record;
  record.time = 1'700'000'000 + i * 20;
  record.kanji = static_cast<KanjiCode>(0x3021 + (i * 7919) % 94);
  record.outcome = i % 5 == 0 ? ReviewOutcome::Reveal : ReviewOutcome::Complete;
  record.cardScore = static_cast<float>(i % 101);
  record.scoreBefore = 50.0f;
  record.scoreAfter = 62.5f;
  record.attemptsUsed = 4;
  return record;
}

// A history of count cards, written in one transaction.
void FillHistory(const std::filesystem::path& directory, int count) {
  AbortingSystem system;
  StudyHistory history(directory, system);
  std::vector<ReviewRecord> cards;
  for (int i = 0; i < count; ++i) cards.push_back(Card(i));
  if (history.RecordBatch(cards) != cards.size()) std::abort();
}

// One finished card: the row and its commit to the file. Reports the median of the single
// records, which is what the learner feels after a card.
void BM_RecordCard(benchmark::State& state) {
  BenchFolder folder;
  FillHistory(folder.path(), 1000);
  AbortingSystem system;
  StudyHistory history(folder.path(), system);
  std::vector<double> micros;
  int i = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(history.Record(Card(i++)));
    micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::nth_element(micros.begin(), micros.begin() + micros.size() / 2, micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
}
BENCHMARK(BM_RecordCard)->Unit(benchmark::kMicrosecond);

// Start-up's share: opening a large history must not read its rows.
void BM_OpenLargeHistory(benchmark::State& state) {
  BenchFolder folder;
  FillHistory(folder.path(), kLargeHistory);
  AbortingSystem system;
  for (auto _ : state) {
    StudyHistory history(folder.path(), system);
    benchmark::DoNotOptimize(history.IsRecording());
  }
}
BENCHMARK(BM_OpenLargeHistory)->Unit(benchmark::kMillisecond);

// What the Progress window reads: every row of a large history.
void BM_ReadLargeHistory(benchmark::State& state) {
  BenchFolder folder;
  FillHistory(folder.path(), kLargeHistory);
  AbortingSystem system;
  StudyHistory history(folder.path(), system);
  for (auto _ : state) {
    const std::vector<ReviewRecord> rows = history.ReadReviews();
    if (rows.size() != kLargeHistory) std::abort();
    benchmark::DoNotOptimize(rows.data());
  }
}
BENCHMARK(BM_ReadLargeHistory)->Unit(benchmark::kMillisecond);

}  // namespace
