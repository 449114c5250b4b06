// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/models/DialogMessage.h"
#include "study/UserProfile.h"

// The Score Decline Schedule dialog without its windows. It edits the edit copy of the schedule
// (days until baselined per mastery level, plus the days for all higher levels) and keeps what
// its controls show; the Qt layer mirrors that state after every operation.
class ScheduleDialogModel {
 public:
  // The fields' text limit (1028 and 1033).
  static constexpr int kDaysTextLimit = 3;
  // Days given to the first level added to an empty schedule.
  static constexpr std::uint16_t kFirstLevelDays = 8;

  // What the dialog's controls show.
  struct View {
    std::vector<std::string> lines;  // list 1027, one line per level
    int selected = -1;               // selected line, -1 for none
    std::string levelLabel;          // 1030
    std::string daysText;            // 1028
    bool daysEnabled = false;        // 1028 and Apply (1031)
    std::string higherLevelsText;    // 1033
  };

  // Both must outlive the model.
  ScheduleDialogModel(std::vector<std::uint16_t>& editSchedule,
                      std::uint16_t& editDaysHigherLevels);
  static ScheduleDialogModel For(UserProfile& profile) {
    return ScheduleDialogModel(profile.editSchedule, profile.editDaysHigherLevels);
  }

  // One list line: the level right-aligned in 2 characters after ten spaces, then 25 spaces
  // and the days right-aligned in 3 characters.
  static std::string FormatLine(int level, std::uint16_t days);

  const View& view() const { return view_; }

  // Fills the controls; no level is selected.
  void Open();
  // The list's selection changed to line (or -1 for none).
  void Select(int line);
  // Appends a level with the days of the last one (or 8) and selects it.
  void AddNext();
  // Removes the highest level and selects the new last one, if any.
  void RemoveLast();
  // Stores daysText into the selected level; the error when it reads as 0.
  std::optional<DialogMessage> Apply(const std::string& daysText);
  // Takes higherLevelsText into the days for higher levels; the error when it reads as 0, in
  // which case the dialog stays open. The days field is not read: only Apply stores it.
  std::optional<DialogMessage> Ok(const std::string& higherLevelsText);

 private:
  void Refill();
  void SelectLast();

  std::vector<std::uint16_t>& schedule_;
  std::uint16_t& daysHigherLevels_;
  View view_;
};
