// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "study/StudyListRecipe.h"
#include "text/KanjiFacts.h"

class JisTable;
class KanjiDatabase;
class UserProfile;

// What the learner has picked in the Study List dialog: one of the ready lists, or a list
// composed from a recipe.
struct StudyListChoice {
  bool compose = false;
  int readyIndex = 0;
  StudyListRecipe recipe;
};

// The Study List dialog without its windows: reads the kanji facts and the ready lists when it
// opens, tells what the chosen list holds, and applies it to the profile. Nothing changes
// until Apply.
class StudyListDialogModel {
 public:
  struct ReadyList {
    std::string title;
    std::vector<KanjiCode> kanji;
    std::string problem;  // why it cannot be used; empty when it can
  };

  // directory holds the facts file and the StudyLists folder (the working directory). Everything
  // passed in must outlive the model.
  StudyListDialogModel(UserProfile& profile, const KanjiDatabase& database, const JisTable& jis,
                       std::filesystem::path directory);

  // Reads the facts and the ready lists; the first ready list is chosen, or composing when
  // there is none.
  void Open();

  // Empty when the facts loaded; otherwise the line the dialog shows about what is missing.
  const std::string& factsLine() const { return factsLine_; }
  // Whether the JLPT, frequency and stroke criteria and orders can be used (grades always can).
  bool factsAvailable() const { return factsAvailable_; }
  const std::vector<ReadyList>& readyLists() const { return ready_; }
  // Empty, or a line saying that no ready lists were found.
  const std::string& readyLine() const { return readyLine_; }

  // Makes choice the list the dialog shows and would apply.
  void Choose(const StudyListChoice& choice);
  const StudyListChoice& choice() const { return choice_; }

  // Kanji of the data set on the chosen list (each counted once) and how many of them are not
  // yet being studied.
  std::size_t count() const { return count_; }
  std::size_t notYetStudied() const { return upcoming_.size(); }
  // The first kanji the next introductions would take, at most limit of them.
  std::vector<KanjiCode> Preview(std::size_t limit) const;
  // The line under the count: how many kanji, how many still to come.
  std::string CountLine() const;

  // Empty when Apply can go ahead; otherwise why not (the Apply button says it).
  std::string ApplyBlocked() const;
  // Writes the chosen list as the learner's study list. False, with the reason, when it could
  // not be written; nothing has changed then.
  bool Apply(std::string& error);

 private:
  void LoadFacts();
  void LoadReadyLists();

  UserProfile& profile_;
  const KanjiDatabase& database_;
  const JisTable& jis_;
  std::filesystem::path directory_;

  std::vector<bool> inDataSet_;    // by code
  std::vector<KanjiFacts> facts_;  // one per kanji of the data set
  bool factsAvailable_ = false;
  std::string factsLine_;
  std::vector<ReadyList> ready_;
  std::string readyLine_;

  StudyListChoice choice_;
  std::vector<KanjiCode> list_;
  std::size_t count_ = 0;
  std::vector<KanjiCode> upcoming_;
};
