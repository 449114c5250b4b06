// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "study/StudyListRecipe.h"

// One of the study lists the data builder writes into the StudyLists folder beside the data
// files, from which the learner picks in the Study List dialog.
struct ReadyStudyList {
  const char* fileName;
  const char* title;
  StudyListRecipe recipe;
};

inline constexpr const char* kStudyListsFolder = "StudyLists";

// The ready lists, in the order the dialog offers them; the first is the default study list.
const std::vector<ReadyStudyList>& ReadyStudyLists();
