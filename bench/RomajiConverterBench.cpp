// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <string>

#include "text/RomajiConverter.h"

// Typing speed of the converter over a long romaji text with every kind of spelling.
static void BM_RomajiAddLetter(benchmark::State& state) {
  std::string text;
  while (text.size() < 100000) {
    text += "watashihanihongonobenkyouwoshiteimasu kon'nichiha kitte matcha shinbun ryokou ";
    text += "gakkou zasshi jidousha byouin xtsu dzu fu tsukue onna ";
  }
  RomajiConverter converter;
  char pendingOut[5];
  std::size_t kana = 0;
  for (auto _ : state) {
    converter.Reset(pendingOut);
    for (char c : text) kana += converter.AddLetter(c, pendingOut).length();
  }
  benchmark::DoNotOptimize(kana);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_RomajiAddLetter)->Unit(benchmark::kMillisecond);
