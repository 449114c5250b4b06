// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "platform/System.h"
#include "study/ReviewRecord.h"
#include "study/StudyListFile.h"
#include "study/UserProfile.h"
#include "text/JisTable.h"

void UserProfile::LoadStudyList() {
  // 1. and 2.
  std::ifstream file(directory_ / kStudyListFileName, std::ios::binary);
  if (!file.is_open()) {
    system_.Fail("Could not open the study list file.", "Veltrane File Error");
    return;
  }
  // 3. to 5. The byte-order mark is taken on trust; a CR takes the unit after it (its LF)
  // along.
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  studyList = ParseStudyList(bytes, jis_);
}

void UserProfile::IntroduceKanji(bool silentIfNone) {
  int count = 0;
  std::vector<ReviewRecord> introductions;
  for (const KanjiCode code : studyList) {
    if (activeSet.contains(code)) continue;
    std::int32_t index;
    if (!FindProgressIndex(code, index)) continue;
    introductions.push_back(Activate(index));
    // Counted after the kanji, so a count of 0 from a hand-edited file introduces every kanji
    // left rather than none.
    if (++count == settings.introduceCount) break;
  }
  // One transaction: introducing the whole list at once must not cost a commit per kanji.
  RecordReviews(std::move(introductions));
  if (count > 0) {
    system_.ShowMessage("Introduced " + std::to_string(count) + " kanji.", "Veltrane", mainWindow);
  } else if (!silentIfNone) {
    system_.ShowMessage("All possible kanji on the study list are active.", "Veltrane", mainWindow);
  }
}

ReviewRecord UserProfile::Activate(std::int32_t index) {
  KanjiProgress& entry = progress[static_cast<std::size_t>(index)];
  ReviewRecord introduced;
  introduced.kanji = entry.code;
  introduced.outcome = ReviewOutcome::Introduced;
  introduced.scoreBefore = entry.score;
  introduced.levelBefore = introduced.levelAfter = entry.masteryLevel;
  entry.active = true;
  entry.score = settings.scoreBaseline;
  introduced.scoreAfter = entry.score;
  activeList.push_back(index);
  activeSet.insert(entry.code);
  return introduced;
}

void UserProfile::CheckAutoIntroduce() {
  if (activeList.size() == progress.size()) return;
  if (PercentMastered() >= settings.autoIntroduceThreshold) IntroduceKanji(true);
}
