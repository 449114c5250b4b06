// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// Writes a synthetic data set of real JIS characters that the loaders accept: "jis0208.dat",
// "kanji_data.dat", "examples.dat" and "sentences.dat". At percent 100 it holds every JIS kanji
// (6,355) with 2-4 readings, 200,000 examples and 150,000 sentence pairs; smaller percentages
// scale all three counts. Two items are planted for the query benchmarks: the kanji
// kPlantedKanji occurs in exactly 1 of every 40 examples (5,000 in the whole set), and the word
// kPlantedWord is listed by exactly 20 sentences.
struct SyntheticDataSet {
  static constexpr std::uint16_t kPlantedKanji = 0x4E00;  // 一
  static constexpr const char16_t* kPlantedWord = u"一一一一";

  // Writes the set into directory, which must exist. Returns false when a file cannot be
  // written.
  static bool Write(const std::filesystem::path& directory, int percent);
};
