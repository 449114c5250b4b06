// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <clocale>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/System.h"
#include "study/FileBackup.h"
#include "study/ProfileScanner.h"
#include "study/RandomGenerator.h"
#include "study/SafeSave.h"
#include "study/ScoreDecline.h"
#include "study/UserProfile.h"
#include "text/KanjiDatabase.h"

// Which lines a version of the profile file has beyond those every version has.
struct UserProfile::ProfileFormat {
  int minor;
  int patch;
  bool schedule;
  bool reverseSpaceEnter;
  bool revealMeaningsOnComplete;
  bool masteryJumpsTo100;
  bool revealDropsMasteryLevel;
  bool keepMasteredInFillIn;
  bool fillInOnlyMastered;
  bool fillInNoMasteryEffect;
  bool fillInReadingType;
  bool notesFile;
};

// The recognised versions, all with major version 0.
const UserProfile::ProfileFormat UserProfile::kProfileFormats[] = {
    {1, 0, false, false, false, false, false, false, false, false, false, false},
    {3, 0, false, false, false, true, false, true, false, true, true, false},
    {3, 1, true, false, false, true, false, true, false, true, true, false},
    {4, 0, true, true, false, true, true, true, true, true, true, true},
    {5, 0, true, true, true, true, true, true, true, true, true, true},
};

namespace {

constexpr const char* kCaption = "Veltrane";

// Levels are 16-bit, so schedule entries past this many can never be used; a file claiming
// billions of entries is read through without keeping them.
constexpr std::size_t kMaxScheduleEntries = 32768;

void Append(std::string& out, const char* format, auto... values) {
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, format, values...);
  if (length > 0) out.append(buffer, static_cast<std::size_t>(length));
}

// A float as formatted stream output writes it by default with showpoint: six significant
// digits, trailing zeros kept ("4.50000", "100.000"). The file always uses a full stop, whatever
// decimal separator the learner's locale has, or the next start could not read it back.
void AppendFloat(std::string& out, float value) {
  std::string number;
  Append(number, "%#g", static_cast<double>(value));
  const std::string separator = std::localeconv()->decimal_point;
  // Copied around the separator rather than replaced in place: GCC 12 warns falsely about
  // overlapping copies in an in-place replace.
  const std::size_t at = separator == "." ? std::string::npos : number.find(separator);
  if (at == std::string::npos) {
    out += number;
    return;
  }
  out.append(number, 0, at);
  out += '.';
  out.append(number, at + separator.size());
}

void AppendLine(std::string& out, const std::string& value, const char* comment) {
  out += value;
  out += comment;
  out += "\r\n";
}

}  // namespace

void UserProfile::LoadProfile() {
  // A save cut off by the end of the process leaves its temporary file; nothing reads it.
  RemoveStaleTemporary(directory_ / kProfileFileName);
  RemoveStaleTemporary(directory_ / kNotesFileName);
  int major = -1;
  int minor = -1;
  int patch = -1;
  const bool opened = ReadProfileVersion(major, minor, patch);
  if (opened && major == 0) {
    for (const ProfileFormat& format : kProfileFormats) {
      if (format.minor == minor && format.patch == patch) {
        ReadProfile(format);
        LoadStudyList();
        return;
      }
    }
  }
  std::string message =
      opened ? "User profile does not match a recognized version. Creating new profile."
             : "Creating default user profile.";
  // An unrecognised profile may be months of progress written by a later release; it is kept
  // before the new profile goes over it.
  bool mayReplace = true;
  const std::filesystem::path path = directory_ / kProfileFileName;
  std::error_code error;
  if (opened && std::filesystem::file_size(path, error) > 0 && !error) {
    const std::filesystem::path copy = KeepBackupCopy(path);
    if (copy.empty()) {
      message += "\n\nThe old profile could not be copied, so it is left as it is for now.";
      mayReplace = false;
    } else {
      message += "\n\nA copy of the old profile was kept as \"" + copy.string() + "\".";
    }
  }
  system_.ShowMessage(message, kCaption);
  CreateDefaultProfile();
  if (mayReplace) SaveProfile();
  LoadStudyList();
}

bool UserProfile::ReadProfileVersion(int& major, int& minor, int& patch) const {
  major = minor = patch = -1;
  std::ifstream file(directory_ / kProfileFileName, std::ios::binary);
  if (!file.is_open()) return false;
  ProfileScanner in(file);
  for (int* part : {&major, &minor, &patch}) {
    std::int32_t value;
    if (in.ReadInt32(value)) *part = value;
  }
  return true;
}

void UserProfile::ReadProfile(const ProfileFormat& format) {
  // 1. Open; 2. pass over the version.
  std::ifstream file(directory_ / kProfileFileName, std::ios::binary);
  ProfileScanner in(file);
  for (int i = 0; i < 3; ++i) {
    std::int32_t ignored;
    in.ReadInt32(ignored);
  }

  // 3. and 4. The time of the last decline and the whole days since.
  lastDeclineTime = 0;
  in.ReadInt64(lastDeclineTime);
  in.SkipRestOfLine();
  const std::uint16_t days = ElapsedDeclineDays(lastDeclineTime, clock_.SecondsSince1970());
  if (days != 0) lastDeclineTime = 0;

  // 5. to 7. Settings. A read that fails makes every later one fail, so the settings read
  // before a fault keep their values and the rest keep their defaults.
  settings = StudySettings{};
  const auto line = [&in](auto& field, bool (ProfileScanner::*read)(decltype(field))) {
    (in.*read)(field);
    in.SkipRestOfLine();
  };
  line(settings.scoreBaseline, &ProfileScanner::ReadUint16);
  line(settings.masteryThreshold, &ProfileScanner::ReadUint16);
  line(settings.scoreInertia, &ProfileScanner::ReadUint16);
  line(settings.selectionDistribution, &ProfileScanner::ReadFloat);
  line(settings.useScoreDecline, &ProfileScanner::ReadBool);
  if (format.schedule) {
    std::int64_t count = 0;
    if (in.ReadInt64(count)) {
      std::vector<std::uint16_t> schedule;
      for (std::int64_t i = 0; i < count && !in.failed(); ++i) {
        std::uint16_t entry = 0;
        if (in.ReadUint16(entry) && schedule.size() < kMaxScheduleEntries) {
          schedule.push_back(entry);
        }
      }
      if (!in.failed()) settings.declineSchedule = std::move(schedule);
    }
    in.ReadUint16(settings.declineDaysHigherLevels);
  }
  line(settings.introduceCount, &ProfileScanner::ReadUint16);
  line(settings.useAutoIntroduce, &ProfileScanner::ReadBool);
  line(settings.autoIntroduceThreshold, &ProfileScanner::ReadUint16);
  if (format.reverseSpaceEnter) line(settings.reverseSpaceEnter, &ProfileScanner::ReadBool);
  line(settings.allowUnlimitedGuesses, &ProfileScanner::ReadBool);
  line(settings.keepMasteredInReadings, &ProfileScanner::ReadBool);
  line(settings.meaningsStayRevealed, &ProfileScanner::ReadBool);
  if (format.revealMeaningsOnComplete) {
    line(settings.revealMeaningsOnComplete, &ProfileScanner::ReadBool);
  }
  if (format.masteryJumpsTo100) line(settings.masteryJumpsTo100, &ProfileScanner::ReadBool);
  if (format.revealDropsMasteryLevel) {
    line(settings.revealDropsMasteryLevel, &ProfileScanner::ReadBool);
  }
  if (format.keepMasteredInFillIn) line(settings.keepMasteredInFillIn, &ProfileScanner::ReadBool);
  if (format.fillInOnlyMastered) line(settings.fillInOnlyMastered, &ProfileScanner::ReadBool);
  if (format.fillInNoMasteryEffect) {
    line(settings.fillInNoMasteryEffect, &ProfileScanner::ReadBool);
  }
  if (format.fillInReadingType) line(settings.fillInReadingType, &ProfileScanner::ReadInt16);

  // 8. Progress records, declined as they are read. Two direct tables stand in for the linear
  // searches of the data set and of progress, which would make loading quadratic.
  std::vector<bool> inDatabase(0x10000, false);
  for (const KanjiRecord& record : database_.kanji) inDatabase[record.code] = true;
  std::vector<std::int32_t> indexOf(0x10000, -1);
  progress.clear();
  activeList.clear();
  activeSet.clear();
  const bool settingsRead = !in.failed();
  bool readToEnd = settingsRead;
  while (readToEnd && !in.AtEndOfText()) {
    KanjiProgress record;
    if (!(in.ReadHexCode(record.code) && in.ReadBool(record.active) && in.ReadFloat(record.score) &&
          in.ReadInt16(record.masteryLevel))) {
      readToEnd = false;
      break;
    }
    ApplyScoreDecline(record, days, settings);
    // A code the data set lacks is dropped; so is a second record of the same kanji, which
    // would otherwise give one kanji two entries.
    if (!inDatabase[record.code] || indexOf[record.code] >= 0) continue;
    indexOf[record.code] = static_cast<std::int32_t>(progress.size());
    AddProgress(record);
    if (record.active) {
      activeList.push_back(indexOf[record.code]);
      activeSet.insert(record.code);
    }
  }
  // 9. Close.
  file.close();
  // What could not be read would be lost at the next save; the file is kept first.
  if (!readToEnd) {
    const std::filesystem::path copy = KeepBackupCopy(directory_ / kProfileFileName);
    // Say what was actually lost: a fault among the settings loses settings and all progress,
    // a fault in a progress record only the records from there on.
    std::string message =
        settingsRead
            ? "The user profile could not be read to its end. The settings and the progress "
              "records before the fault are used; the kanji of the records after it start "
              "again without progress."
            : "The user profile could not be read to its end. The settings read before the "
              "fault are used; the remaining settings have their default values, and no study "
              "progress could be read.";
    message += copy.empty()
                   ? "\n\nNo copy of the profile could be made."
                   : "\n\nA copy of the profile as it was is kept as \"" + copy.string() + "\".";
    system_.ShowMessage(message, kCaption);
  }

  // 10. An inactive entry for every kanji the file did not hold.
  for (const KanjiRecord& record : database_.kanji) {
    if (indexOf[record.code] >= 0) continue;
    indexOf[record.code] = static_cast<std::int32_t>(progress.size());
    AddProgress({record.code, static_cast<float>(settings.scoreBaseline), 0, false});
  }

  // 11. to 13.
  lastPickPosition = static_cast<std::int16_t>(static_cast<std::int64_t>(activeList.size()) - 1);
  random_.Seed(static_cast<std::uint32_t>(clock_.MillisecondsSinceStart()));
  if (format.notesFile) {
    LoadNotesFile();
  } else {
    FillNotesWithoutNotesFile();
  }
}

void UserProfile::CreateDefaultProfile() {
  lastDeclineTime = 0;
  settings = StudySettings{};
  progress.clear();
  activeList.clear();
  activeSet.clear();
  for (const KanjiRecord& record : database_.kanji) {
    AddProgress({record.code, static_cast<float>(settings.scoreBaseline), 0, false});
  }
  FillNotesWithoutNotesFile();
  random_.Seed(static_cast<std::uint32_t>(clock_.MillisecondsSinceStart()));
}

void UserProfile::FillNotesWithoutNotesFile() {
  notes.clear();
  std::error_code error;
  if (std::filesystem::exists(directory_ / kNotesFileName, error)) {
    // The learner's notes are data: a new or older profile must not write empty notes over them.
    LoadNotesFile();
    return;
  }
  for (const KanjiRecord& record : database_.kanji) notes.push_back({record.code, {}});
}

std::string UserProfile::ProfileText() const {
  const StudySettings& s = settings;
  std::string out;
  out.reserve(256 + progress.size() * 24);
  std::string value;
  const auto integer = [&value](long long number) {
    value.clear();
    Append(value, "%lld", number);
    return value;
  };
  out += "0 5 0\r\n";
  AppendLine(out, integer(lastDeclineTime != 0 ? lastDeclineTime : clock_.SecondsSince1970()),
             "\t<--time of last score decline");
  AppendLine(out, integer(s.scoreBaseline), "\t\t<--score baseline");
  AppendLine(out, integer(s.masteryThreshold), "\t\t<--mastery threshold");
  AppendLine(out, integer(s.scoreInertia), "\t\t<--score inertia");
  value.clear();
  AppendFloat(value, s.selectionDistribution);
  AppendLine(out, value, "\t\t<--selection distribution control");
  AppendLine(out, integer(s.useScoreDecline), "\t\t<--use score decline (1 yes, 0 no)");
  AppendLine(out, integer(static_cast<long long>(s.declineSchedule.size())), "");
  for (const std::uint16_t days : s.declineSchedule) AppendLine(out, integer(days), "");
  AppendLine(out, integer(s.declineDaysHigherLevels), "");
  AppendLine(out, integer(s.introduceCount), "\t\t<--number of kanji to introduce at a time");
  AppendLine(out, integer(s.useAutoIntroduce), "\t\t<--use auto-introduce (1 yes, 0 no)");
  AppendLine(out, integer(s.autoIntroduceThreshold),
             "\t\t<--auto-introduce threshold (percent mastered)");
  AppendLine(out, integer(s.reverseSpaceEnter),
             "\t\t<--Reverse space and enter key function (1 yes, 0 no)");
  AppendLine(out, integer(s.allowUnlimitedGuesses), "\t\t<--allow unlimited guesses (1 yes, 0 no)");
  AppendLine(out, integer(s.keepMasteredInReadings),
             "\t\t<--keep mastered kanji in readings drill rotation (1 yes, 0 no)");
  AppendLine(out, integer(s.meaningsStayRevealed), "\t\t<--meanings stay revealed (1 yes, 0 no)");
  AppendLine(out, integer(s.revealMeaningsOnComplete), "\t\t<--reveal kanji meanings on complete");
  AppendLine(out, integer(s.masteryJumpsTo100),
             "\t\t<--mastery score jumps to 100% on crossing mastery threshold (1 yes, 0 no)");
  AppendLine(out, integer(s.revealDropsMasteryLevel),
             "\t\t<--reveal drops mastery level (1 yes, 0 no)");
  AppendLine(out, integer(s.keepMasteredInFillIn),
             "\t\t<--keep mastered kanji in fill-in drill rotation (1 yes, 0 no)");
  AppendLine(out, integer(s.fillInOnlyMastered),
             "\t\t<--drill only mastered cards in fill-in drill (1 yes, 0 no)");
  AppendLine(out, integer(s.fillInNoMasteryEffect),
             "\t\t<--fill-in drill does not affect mastery score (1 yes, 0 no)");
  AppendLine(out, integer(s.fillInReadingType),
             "\t\t<--restrict reading type in fill-in drill (-1 ON, 0 none, 1 KUN)");
  for (const KanjiProgress& entry : progress) {
    // A score that is not finite could not be read back; the baseline stands in for it.
    const float score =
        std::isfinite(entry.score) ? entry.score : static_cast<float>(s.scoreBaseline);
    Append(out, "%x\t%d\t", static_cast<unsigned>(entry.code), entry.active ? 1 : 0);
    AppendFloat(out, score);
    Append(out, "\t%d\r\n", static_cast<int>(entry.masteryLevel));
  }
  return out;
}

bool UserProfile::SaveProfile() {
  const bool profileSaved = SaveFile(kProfileFileName, ProfileText(), "user profile");
  // The notes are written whatever became of the profile.
  const bool notesSaved = SaveNotesFile();
  return profileSaved && notesSaved;
}

bool UserProfile::SaveFile(const char* name, const std::string& bytes, const char* what) {
  const std::filesystem::path path = directory_ / name;
  std::error_code ignored;
  const bool existed = std::filesystem::exists(path, ignored);
  std::string error;
  if (SaveFileSafely(path, bytes, saveFaults, error)) return true;
  // The learner needs to find the file: the full path, never "./name".
  std::filesystem::path shown = std::filesystem::absolute(path, ignored).lexically_normal();
  if (shown.empty()) shown = name;
  system_.ShowMessage(std::string("The ") + what + " could not be saved to \"" + shown.string() +
                          "\" (" + error + "). " +
                          (existed ? "The file saved before is unchanged."
                                   : "There is no earlier copy of it on disk."),
                      kCaption, mainWindow, MessageIcon::Error);
  return false;
}
