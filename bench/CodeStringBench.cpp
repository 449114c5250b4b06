// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include "text/CodeString.h"

// Ordering of sentence-index keys: the map compares keys on every lookup.
static void BM_CodeStringLess(benchmark::State& state) {
  const CodeString a{0x3042, 0x3044, 0x3046, 0x3048};
  const CodeString b{0x3042, 0x3044, 0x3046, 0x304A};
  for (auto _ : state) benchmark::DoNotOptimize(Less(a, b));
}
BENCHMARK(BM_CodeStringLess);
