// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tools/KanjiEntry.h"

// The figures of one build, with the quality bars they are held to.
struct BuildReport {
  int kanji = 0;
  int onReadings = 0;
  int kunReadings = 0;
  ReadingRuleCounts rules;
  int examples = 0;
  int aligned = 0;
  int special = 0;
  int irregular = 0;
  int commonWords = 0;    // (P) words with a kanji
  int commonAligned = 0;  // of them without ＆ or ＊
  int handChecked = 0;
  int handCheckedRight = 0;
  std::string handCheckedMisses;    // the words that came out differently, for a reader to look at
  int joyoUnderThree = 0;           // jouyou kanji with fewer than 3 examples
  int joyoUnderThreeAvoidable = 0;  // ... although edict has 3 usable words with them
  std::string joyoUnderThreeList;
  int kanjiWithout = 0;         // kanji with no example although edict has a word with them
  int readingsWithExample = 0;  // ON and KUN readings listed with an example word
  int readingsEdictLacks = 0;   // readings no usable edict word shows
  int untypeableBlanks = 0;     // blankable parts a learner cannot type
  int duplicateBareReadings = 0;
  int studyList = 0;
  int joyoOnStudyList = 0;
  std::vector<std::pair<std::string, int>> readyLists;  // file name and kanji count
  int sentences = -1;  // -1: no Tanaka corpus given
  int unreadableLines = 0;  // kanjidic and edict entry lines skipped as damaged
  double seconds = 0;
};

inline constexpr double kCommonAlignedBar = 97.0;
inline constexpr double kHandCheckedBar = 98.0;

// True when every quality bar holds.
bool QualityBarsHold(const BuildReport& report);

void PrintReport(const BuildReport& report, std::FILE* out);
