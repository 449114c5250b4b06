// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fstream>
#include <iterator>
#include <string>

#include "study/ReviewRecord.h"
#include "study/SafeSave.h"
#include "study/StudyListFile.h"
#include "study/UserProfile.h"

bool UserProfile::ReplaceStudyList(const std::vector<KanjiCode>& list, std::string& error) {
  const std::string bytes = StudyListBytes(list, jis_);
  const std::filesystem::path file = directory_ / kStudyListFileName;
  std::ifstream in(file, std::ios::binary);
  if (in.is_open()) {
    const std::string old{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::filesystem::path backup = file;
    backup += ".bak";
    // The backup goes first: without it the learner's own order could not be had back.
    if (old != bytes && !SaveFileSafely(backup, old, saveFaults, error)) {
      error = "the copy " + backup.filename().string() + " could not be written (" + error + ")";
      return false;
    }
  }
  if (!SaveFileSafely(file, bytes, saveFaults, error)) {
    error = file.filename().string() + " could not be written (" + error + ")";
    return false;
  }
  // Read back from the bytes, so that memory holds exactly what the next start will read.
  studyList = ParseStudyList(bytes, jis_);
  return true;
}

bool UserProfile::StudyNext(KanjiCode code, std::string& error) {
  std::int32_t index;
  if (!FindProgressIndex(code, index)) {
    error = "this kanji is not in the data set";
    return false;
  }
  if (activeSet.contains(code)) {
    error = "this kanji is already being studied";
    return false;
  }
  std::vector<KanjiCode> list;
  list.reserve(studyList.size() + 1);
  bool placed = false;
  for (const KanjiCode listed : studyList) {
    if (listed == code) continue;
    // The first kanji an introduction would take: the new one goes right before it.
    if (!placed && !activeSet.contains(listed) && FindProgressIndex(listed, index)) {
      list.push_back(code);
      placed = true;
    }
    list.push_back(listed);
  }
  if (!placed) list.push_back(code);
  return ReplaceStudyList(list, error);
}

bool UserProfile::IntroduceNow(KanjiCode code) {
  std::int32_t index;
  if (!FindProgressIndex(code, index) || activeSet.contains(code)) return false;
  // Recorded in the history as an introduction, so the learner's charts count it.
  RecordReview(Activate(index));
  return true;
}
