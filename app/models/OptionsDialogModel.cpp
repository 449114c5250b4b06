// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/OptionsDialogModel.h"

#include "app/models/ControlIds.h"
#include "app/models/DialogNumbers.h"

namespace {

const char* const kErrorCaption = "Error";

DialogMessage Error(const char* text) {
  return {text, kErrorCaption};
}

}  // namespace

OptionsVerdict CheckOptions(const OptionsFields& fields, const StudySettings& current) {
  OptionsVerdict verdict;

  const std::uint16_t baseline = ReadDialogInteger(fields.scoreBaseline);
  const std::uint16_t threshold = ReadDialogInteger(fields.masteryThreshold);
  if (!(threshold > baseline)) {
    verdict.error = Error("Mastery threshold must be greater than score baseline.");
    return verdict;
  }

  const std::uint16_t inertia = ReadDialogInteger(fields.scoreInertia);
  if (inertia == 0) {
    verdict.error = Error("Score inertia cannot be zero.");
    return verdict;
  }

  // Written so that a pasted "nan" fails too: it compares false with everything. The upper end
  // is compared after rounding to the stored float, so "8.000000001" is 8.
  const double distribution = ReadDialogReal(fields.selectionDistribution);
  const float storedDistribution = static_cast<float>(distribution);
  if (!(distribution >= 1.0 && storedDistribution <= 8.0f)) {
    verdict.error = Error("Selection distribution must be in the range from 1.0 to 8.0.");
    return verdict;
  }

  const std::uint16_t autoThreshold = ReadDialogInteger(fields.autoIntroduceThreshold);
  if (autoThreshold < 10) {
    verdict.error = Error("Auto introduction threshold must be 10% or greater.");
    return verdict;
  }
  if (autoThreshold < 50) {
    verdict.warning = DialogMessage{
        "You may encounter problems with auto introduction threshold set this low.  "
        "Introduction may cycle repeatedly.",
        "Warning"};
  }

  const std::uint16_t introduceCount = ReadDialogInteger(fields.introduceCount);
  if (introduceCount == 0) {
    verdict.error = Error("Number of kanji to introduce cannot be zero.");
    return verdict;
  }

  StudySettings& s = verdict.settings;
  s = current;
  s.scoreBaseline = baseline;
  s.masteryThreshold = threshold;
  s.scoreInertia = inertia;
  s.selectionDistribution = storedDistribution;
  s.autoIntroduceThreshold = autoThreshold;
  s.introduceCount = introduceCount;
  s.useScoreDecline = fields.useScoreDecline;
  s.masteryJumpsTo100 = fields.masteryJumpsTo100;
  s.meaningsStayRevealed = fields.meaningsStayRevealed;
  s.revealMeaningsOnComplete = fields.revealMeaningsOnComplete;
  s.useAutoIntroduce = fields.useAutoIntroduce;
  s.reverseSpaceEnter = fields.reverseSpaceEnter;
  s.allowUnlimitedGuesses = fields.allowUnlimitedGuesses;
  s.keepMasteredInReadings = fields.keepMasteredInReadings;
  s.revealDropsMasteryLevel = fields.revealDropsMasteryLevel;
  s.fillInOnlyMastered = fields.fillInOnlyMastered;
  s.keepMasteredInFillIn = fields.keepMasteredInFillIn;
  s.fillInNoMasteryEffect = !fields.drillAffectsMasteryScore;
  if (fields.readingTypeAll) {
    s.fillInReadingType = 0;
  } else if (fields.readingTypeOn) {
    s.fillInReadingType = -1;
  } else if (fields.readingTypeKun) {
    s.fillInReadingType = 1;
  }
  return verdict;
}

OptionsDialogModel::OptionsDialogModel(StudySettings& settings,
                                       std::vector<std::uint16_t>& draftSchedule,
                                       std::uint16_t& draftDaysHigherLevels,
                                       std::vector<std::uint16_t>& editSchedule,
                                       std::uint16_t& editDaysHigherLevels)
    : settings_(settings),
      draftSchedule_(draftSchedule),
      draftDaysHigherLevels_(draftDaysHigherLevels),
      editSchedule_(editSchedule),
      editDaysHigherLevels_(editDaysHigherLevels) {}

int OptionsDialogModel::TextLimit(int controlId) {
  switch (controlId) {
    case ControlId::kScoreBaseline:
    case ControlId::kMasteryThreshold:
    case ControlId::kAutoIntroduceThreshold:
      return 2;
    case ControlId::kScoreInertia:
      return 1;
    case ControlId::kIntroduceCount:
      return 4;
    default:
      return 0;
  }
}

OptionsFields OptionsDialogModel::Open() {
  draftSchedule_ = settings_.declineSchedule;
  draftDaysHigherLevels_ = settings_.declineDaysHigherLevels;

  OptionsFields f;
  f.scoreBaseline = FormatDialogInteger(settings_.scoreBaseline);
  f.masteryThreshold = FormatDialogInteger(settings_.masteryThreshold);
  f.scoreInertia = FormatDialogInteger(settings_.scoreInertia);
  f.selectionDistribution = FormatDialogReal(settings_.selectionDistribution);
  f.useScoreDecline = settings_.useScoreDecline;
  f.masteryJumpsTo100 = settings_.masteryJumpsTo100;
  f.meaningsStayRevealed = settings_.meaningsStayRevealed;
  f.revealMeaningsOnComplete = settings_.revealMeaningsOnComplete;
  f.useAutoIntroduce = settings_.useAutoIntroduce;
  f.autoIntroduceThreshold = FormatDialogInteger(settings_.autoIntroduceThreshold);
  f.introduceCount = FormatDialogInteger(settings_.introduceCount);
  f.reverseSpaceEnter = settings_.reverseSpaceEnter;
  f.allowUnlimitedGuesses = settings_.allowUnlimitedGuesses;
  f.keepMasteredInReadings = settings_.keepMasteredInReadings;
  f.revealDropsMasteryLevel = settings_.revealDropsMasteryLevel;
  f.drillAffectsMasteryScore = !settings_.fillInNoMasteryEffect;
  f.keepMasteredInFillIn = settings_.keepMasteredInFillIn;
  f.fillInOnlyMastered = settings_.fillInOnlyMastered;
  if (f.fillInOnlyMastered) {
    f.keepMasteredInFillIn = true;
    f.keepMasteredInFillInEnabled = false;
  }
  f.readingTypeOn = settings_.fillInReadingType == -1;
  f.readingTypeKun = settings_.fillInReadingType == 1;
  f.readingTypeAll = !f.readingTypeOn && !f.readingTypeKun;
  return f;
}

void OptionsDialogModel::OnlyMasteredChanged(OptionsFields& fields) {
  if (fields.fillInOnlyMastered) {
    fields.keepMasteredInFillIn = true;
    fields.keepMasteredInFillInEnabled = false;
  } else {
    fields.keepMasteredInFillInEnabled = true;
  }
}

void OptionsDialogModel::BeginScheduleEdit() {
  editSchedule_ = draftSchedule_;
  editDaysHigherLevels_ = draftDaysHigherLevels_;
}

void OptionsDialogModel::EndScheduleEdit(int dialogResult) {
  if (dialogResult != 1) return;
  draftSchedule_ = editSchedule_;
  draftDaysHigherLevels_ = editDaysHigherLevels_;
}

OptionsVerdict OptionsDialogModel::Ok(const OptionsFields& fields) {
  OptionsVerdict verdict = CheckOptions(fields, settings_);
  if (verdict.error) return verdict;
  settings_ = verdict.settings;
  settings_.declineSchedule = draftSchedule_;
  settings_.declineDaysHigherLevels = draftDaysHigherLevels_;
  return verdict;
}
