// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/StudyListDialogModel.h"

#include <algorithm>

#include "study/ReadyStudyList.h"
#include "study/StudyListFile.h"
#include "study/UserProfile.h"
#include "text/KanjiDatabase.h"
#include "text/KanjiFactsFile.h"

StudyListDialogModel::StudyListDialogModel(UserProfile& profile, const KanjiDatabase& database,
                                           const JisTable& jis, std::filesystem::path directory)
    : profile_(profile), database_(database), jis_(jis), directory_(std::move(directory)) {}

void StudyListDialogModel::Open() {
  // A direct table: a lookup in the profile scans every kanji, and the count changes with
  // every click.
  inDataSet_.assign(0x10000, false);
  for (const KanjiRecord& record : database_.kanji) inDataSet_[record.code] = true;
  LoadFacts();
  LoadReadyLists();
  StudyListChoice first;
  first.compose = ready_.empty();
  Choose(first);
}

void StudyListDialogModel::LoadFacts() {
  std::vector<KanjiFacts> loaded;
  factsAvailable_ =
      LoadKanjiFacts(directory_ / kKanjiFactsFileName, jis_, loaded, factsLine_) == FactsLoad::kLoaded;
  if (factsAvailable_) factsLine_.clear();
  // Without the file the grades still come from the kanji data.
  facts_ = FactsForDataSet(database_.kanji, loaded);
}

void StudyListDialogModel::LoadReadyLists() {
  ready_.clear();
  readyLine_.clear();
  for (const ReadyStudyList& known : ReadyStudyLists()) {
    const std::filesystem::path file = directory_ / kStudyListsFolder / known.fileName;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) continue;
    ReadyList list;
    list.title = known.title;
    if (!ReadStudyListFile(file, jis_, list.kanji, list.problem)) list.kanji.clear();
    ready_.push_back(std::move(list));
  }
  if (ready_.empty()) {
    readyLine_ = "No ready study lists were found in the folder \"" +
                 std::string(kStudyListsFolder) + "\": compose one below.";
  }
}

void StudyListDialogModel::Choose(const StudyListChoice& choice) {
  choice_ = choice;
  if (!choice.compose && choice.readyIndex >= 0 &&
      static_cast<std::size_t>(choice.readyIndex) < ready_.size()) {
    list_ = ready_[static_cast<std::size_t>(choice.readyIndex)].kanji;
  } else if (choice.compose) {
    list_ = ComposeStudyList(choice.recipe, facts_, profile_.studyList);
  } else {
    list_.clear();
  }
  // What introduction would make of the list: kanji of the data set, each once, in list order.
  std::vector<bool> seen(0x10000, false);
  count_ = 0;
  upcoming_.clear();
  for (const KanjiCode code : list_) {
    if (seen[code] || !inDataSet_[code]) continue;
    seen[code] = true;
    ++count_;
    if (!profile_.activeSet.contains(code)) upcoming_.push_back(code);
  }
}

std::vector<KanjiCode> StudyListDialogModel::Preview(std::size_t limit) const {
  return {upcoming_.begin(), upcoming_.begin() + static_cast<std::ptrdiff_t>(std::min(limit, upcoming_.size()))};
}

std::string StudyListDialogModel::CountLine() const {
  std::string line = std::to_string(count_) + " kanji";
  if (count_ != upcoming_.size()) {
    line += ", " + std::to_string(upcoming_.size()) + " of them not yet studied";
  }
  return line;
}

std::string StudyListDialogModel::ApplyBlocked() const {
  if (!choice_.compose) {
    if (choice_.readyIndex < 0 || static_cast<std::size_t>(choice_.readyIndex) >= ready_.size()) {
      return "Choose a list first.";
    }
    const std::string& problem = ready_[static_cast<std::size_t>(choice_.readyIndex)].problem;
    if (!problem.empty()) return problem;
  }
  if (count_ == 0) return "The list holds no kanji of the data set: choose other kanji.";
  return {};
}

bool StudyListDialogModel::Apply(std::string& error) {
  error = ApplyBlocked();
  if (!error.empty()) return false;
  if (!profile_.ReplaceStudyList(list_, error)) {
    error = "The study list was not changed: " + error + ".";
    return false;
  }
  return true;
}
