// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/BenchFolder.h"
#include "tools/DataBuilder.h"

// The whole data set from the Debian dictionaries: the goal is well under 60 seconds.
static void BM_BuildWholeDataSet(benchmark::State& state) {
  BuildOptions options;
  if (!std::filesystem::exists(options.kanjidic) || !std::filesystem::exists(options.edict)) {
    state.SkipWithError("kanjidic and edict are not installed");
    return;
  }
  const BenchFolder folder;
  options.out = folder.path();
  for (auto _ : state) {
    BuildReport report;
    ProgressBar quiet(stderr, false);
    std::string error;
    if (!BuildDataSet(options, report, quiet, error)) state.SkipWithError(error.c_str());
    state.counters["examples"] = report.examples;
  }
}
BENCHMARK(BM_BuildWholeDataSet)->Unit(benchmark::kSecond)->Iterations(1);
