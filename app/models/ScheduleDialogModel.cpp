// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/ScheduleDialogModel.h"

#include <cstddef>
#include <cstdio>

#include "app/models/DialogNumbers.h"

ScheduleDialogModel::ScheduleDialogModel(std::vector<std::uint16_t>& editSchedule,
                                         std::uint16_t& editDaysHigherLevels)
    : schedule_(editSchedule), daysHigherLevels_(editDaysHigherLevels) {}

std::string ScheduleDialogModel::FormatLine(int level, std::uint16_t days) {
  char line[80];
  std::snprintf(line, sizeof line, "          %2d                         %3u", level,
                static_cast<unsigned>(days));
  return line;
}

void ScheduleDialogModel::Open() {
  view_ = View{};
  Refill();
  view_.levelLabel.clear();
  view_.daysEnabled = false;
  view_.higherLevelsText = FormatDialogInteger(daysHigherLevels_);
}

void ScheduleDialogModel::Select(int line) {
  if (line >= 0 && static_cast<std::size_t>(line) < schedule_.size()) {
    view_.selected = line;
    view_.levelLabel = FormatDialogInteger(static_cast<unsigned>(line));
    view_.daysEnabled = true;
    view_.daysText = FormatDialogInteger(schedule_[static_cast<std::size_t>(line)]);
  } else {
    // The texts stay; only the field and Apply are disabled.
    view_.selected = -1;
    view_.daysEnabled = false;
  }
}

void ScheduleDialogModel::AddNext() {
  const std::uint16_t days = schedule_.empty() ? kFirstLevelDays : schedule_.back();
  schedule_.push_back(days);
  Refill();
  SelectLast();
}

void ScheduleDialogModel::RemoveLast() {
  if (schedule_.empty()) return;
  schedule_.pop_back();
  Refill();
  if (!schedule_.empty()) {
    SelectLast();
  } else {
    view_.levelLabel.clear();
    view_.daysEnabled = false;
    view_.daysText.clear();
  }
}

std::optional<DialogMessage> ScheduleDialogModel::Apply(const std::string& daysText) {
  if (view_.selected < 0) return std::nullopt;
  const std::uint16_t days = ReadDialogInteger(daysText);
  view_.daysText = daysText;
  if (days < 1) return DialogMessage{"Days until baselined cannot be zero", "Error"};
  const int line = view_.selected;
  schedule_[static_cast<std::size_t>(line)] = days;
  Refill();
  view_.selected = line;  // selected again; label and field keep their texts
  return std::nullopt;
}

std::optional<DialogMessage> ScheduleDialogModel::Ok(const std::string& higherLevelsText) {
  view_.higherLevelsText = higherLevelsText;
  const std::uint16_t days = ReadDialogInteger(higherLevelsText);
  if (days == 0) {
    return DialogMessage{"Days until baselined for higher levels cannot be zero", "Error"};
  }
  daysHigherLevels_ = days;
  return std::nullopt;
}

void ScheduleDialogModel::Refill() {
  view_.lines.clear();
  for (std::size_t level = 0; level < schedule_.size(); ++level) {
    view_.lines.push_back(FormatLine(static_cast<int>(level), schedule_[level]));
  }
  // Refilling a list box drops its selection.
  view_.selected = -1;
}

void ScheduleDialogModel::SelectLast() {
  Select(static_cast<int>(schedule_.size()) - 1);
}
