// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "app/models/DialogMessage.h"
#include "app/models/OptionsFields.h"
#include "study/StudySettings.h"
#include "study/UserProfile.h"

// The outcome of pressing OK in the Options dialog.
struct OptionsVerdict {
  // The low auto-introduction threshold warning, shown before the error if there is one.
  std::optional<DialogMessage> warning;
  // The first failed check; the dialog stays open and nothing is stored.
  std::optional<DialogMessage> error;
  // The settings the fields describe (meaningful only without an error). The decline schedule
  // is left as it was: it comes from the draft copy.
  StudySettings settings;
};

// Checks the fields in the dialog's order and returns the first failure or the new settings.
// current supplies what the fields do not hold (the schedule, and the reading type when no
// radio button is checked).
OptionsVerdict CheckOptions(const OptionsFields& fields, const StudySettings& current);

// The Options dialog without its windows: fills the controls from the settings, keeps the
// dependent check box in step, passes the decline schedule to and from the schedule dialog
// through the draft and edit copies, and stores the settings on a valid OK.
class OptionsDialogModel {
 public:
  // Everything passed in must outlive the model.
  OptionsDialogModel(StudySettings& settings, std::vector<std::uint16_t>& draftSchedule,
                     std::uint16_t& draftDaysHigherLevels, std::vector<std::uint16_t>& editSchedule,
                     std::uint16_t& editDaysHigherLevels);
  // The model over the profile's settings and working copies.
  static OptionsDialogModel For(UserProfile& profile) {
    return OptionsDialogModel(profile.settings, profile.draftSchedule,
                              profile.draftDaysHigherLevels, profile.editSchedule,
                              profile.editDaysHigherLevels);
  }

  // The most characters each number field takes; 0 for no limit.
  static int TextLimit(int controlId);

  // Refreshes the draft schedule from the settings and returns the controls' contents.
  OptionsFields Open();

  // "Drill Only Mastered Kanji" (1028) was toggled: while it is checked, the Fill-in drill's
  // "Keep Mastered Kanji in Drill Rotation" (1019) is checked and disabled.
  static void OnlyMasteredChanged(OptionsFields& fields);

  // The Schedule button: the schedule dialog starts from the draft...
  void BeginScheduleEdit();
  // ...and its result is taken back into the draft only when it ended with OK (result 1).
  void EndScheduleEdit(int dialogResult);

  // OK: checks the fields; without an error, stores the settings and the draft schedule.
  OptionsVerdict Ok(const OptionsFields& fields);

 private:
  StudySettings& settings_;
  std::vector<std::uint16_t>& draftSchedule_;
  std::uint16_t& draftDaysHigherLevels_;
  std::vector<std::uint16_t>& editSchedule_;
  std::uint16_t& editDaysHigherLevels_;
};
