// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/WindowHandle.h"
#include "study/KanjiNote.h"
#include "study/KanjiProgress.h"
#include "study/StudySettings.h"
#include "text/KanjiCode.h"

class Clock;
class JisTable;
class KanjiDatabase;
class NotesWindow;
class RandomGenerator;
class ReviewLog;
struct ReviewRecord;
class SaveFaults;
class System;

// The learner's whole state: settings, progress per kanji, the active kanji, the study list
// and the notes, with every rule that changes them. The program has one, filled once by
// LoadProfile after the data set is loaded.
class UserProfile {
 public:
  static constexpr const char* kProfileFileName = "user_profile.vlu";
  static constexpr const char* kStudyListFileName = "study_list.vls";
  static constexpr const char* kNotesFileName = "kanji_notes.dat";

  // directory holds the profile, the study list and the notes file (the working directory in
  // the program). Everything passed in must outlive the profile.
  UserProfile(const KanjiDatabase& database, const JisTable& jis, System& system, Clock& clock,
              RandomGenerator& random, NotesWindow& notesWindow,
              std::filesystem::path directory = ".");

  // --- The profile file ---

  // Reads the profile (or creates and saves a default one), applies score decline, seeds the
  // generator, loads the notes and the study list. Once, at start-up.
  void LoadProfile();
  // Sets all three to -1, then reads the version line. False when the file cannot be opened.
  bool ReadProfileVersion(int& major, int& minor, int& patch) const;
  // Default settings and a fresh inactive entry (and an empty note) for every kanji.
  void CreateDefaultProfile();
  // Writes the profile, then the notes file. A file that cannot be replaced is reported to the
  // learner and left as it was; the result tells whether both files were written.
  bool SaveProfile();

  // --- Scoring and mastery ---

  // Feeds a finished Readings card's result (percent, 0..100) into the weighted average.
  void RecordCardResult(KanjiCode code, std::int16_t result);
  // The reveal rule: records the card like RecordCardResult, then, if revealDropsMasteryLevel
  // is set, lowers the level once more unless the result itself has just lowered it.
  void RecordRevealedCard(KanjiCode code, std::int16_t result);
  // Adds delta percentage points (Fill-in drill), clamped to 0..100.
  void AdjustScore(KanjiCode code, float delta);
  // Marks the kanji mastered by hand: one level up, score to 100 or at least the threshold.
  void PromoteKanji(KanjiCode code);
  // Kanji > Decrease Mastery Level: one level down, never below 0; the score stays.
  void DecreaseMasteryLevel(KanjiCode code);
  // Whole percent of the active kanji that are mastered (0 with none active).
  std::uint16_t PercentMastered() const;
  // Whether a score counts as mastered under the current threshold.
  bool IsMastered(float score) const;

  // --- The learner's history ---

  // Stamps record with the current time and hands it to reviewLog; the record's id, or 0 when
  // nothing was recorded (no log, or the log cannot record).
  std::int64_t RecordReview(ReviewRecord record);
  // The same for records that belong together, kept all or none; how many were kept.
  std::size_t RecordReviews(std::vector<ReviewRecord> records);

  // --- Selection ---

  // The next kanji to drill, weighted towards low scores, never the previous position twice in
  // a row. Introduces kanji first when none is active. Returns 0 when no kanji can be active
  // at all (after telling the learner); the drills then show no card.
  KanjiCode SelectNextKanji(bool onlyMastered, bool keepMastered);

  // --- Study list and introduction ---

  // Reads the study list; a missing one ends the process.
  void LoadStudyList();
  // Activates up to introduceCount kanji of the study list, in its order, and says how many.
  void IntroduceKanji(bool silentIfNone);
  // Introduces silently once the percent mastered reaches autoIntroduceThreshold.
  void CheckAutoIntroduce();

  // --- Changing the study list (the Study List dialog, the search) ---

  // Makes list the study list, in memory and in the file, which is replaced whole; the list it
  // replaces is kept as "study_list.vls.bak". Active kanji stay as they are: only the order of
  // the kanji still to come changes. False, with the reason in error, when the file could not
  // be written; nothing has changed then.
  bool ReplaceStudyList(const std::vector<KanjiCode>& list, std::string& error);
  // Moves an inactive kanji of the data set to the front of the kanji still to come, so that
  // the next introduction takes it first. False (with the reason) for an active or unknown
  // kanji or when the file could not be written.
  bool StudyNext(KanjiCode code, std::string& error);
  // Makes a kanji of the data set active at the baseline score, as an introduction does.
  // False when it is unknown or already active.
  bool IntroduceNow(KanjiCode code);

  // --- Lookups ---

  // The first entry for code, or nullptr.
  KanjiProgress* FindProgress(KanjiCode code);
  const KanjiProgress* FindProgress(KanjiCode code) const;
  // Stores the index of the first entry for code and returns true; false leaves index alone.
  bool FindProgressIndex(KanjiCode code, std::int32_t& index) const;
  // Appends an entry; only while loading or creating the profile.
  void AddProgress(const KanjiProgress& entry);

  // --- Notes ---

  // Reads "kanji_notes.dat" (which must exist) and adds an empty note for each kanji it lacks.
  void LoadNotesFile();
  // Writes every note to "kanji_notes.dat"; false (after telling the learner) when it failed.
  bool SaveNotesFile();
  // Takes the notes window's text into the note of notesKanji.
  void CaptureNote();
  // Puts code's note into the notes window and makes it notesKanji.
  void ShowNote(KanjiCode code);

  // --- State ---

  std::vector<KanjiProgress> progress;   // one per database kanji; never resized after loading
  std::vector<std::int32_t> activeList;  // indices into progress, in order of activation
  std::set<KanjiCode> activeSet;
  std::vector<KanjiCode> studyList;
  std::int16_t lastPickPosition = 0;
  std::int64_t lastDeclineTime = 0;  // seconds since 1970; 0: stamp the time at each save
  std::vector<KanjiNote> notes;
  KanjiCode notesKanji = 0;
  StudySettings settings;
  // Working copies of the decline schedule for the two settings dialogs; never saved.
  std::vector<std::uint16_t> draftSchedule;
  std::uint16_t draftDaysHigherLevels = 0;
  std::vector<std::uint16_t> editSchedule;
  std::uint16_t editDaysHigherLevels = 0;

  // Owner of the introduction messages; the program sets it once the main window exists.
  WindowHandle mainWindow = kNoWindow;
  // Tests set this to break a save off at a chosen step.
  SaveFaults* saveFaults = nullptr;
  // Where finished cards, introductions and level drops are recorded; null records nothing.
  // The history only records: nothing here reads it back.
  ReviewLog* reviewLog = nullptr;

 private:
  struct ProfileFormat;
  static const ProfileFormat kProfileFormats[];

  // The reader of one recognised version, from the version line to the notes.
  void ReadProfile(const ProfileFormat& format);
  // Notes for a profile without a notes file of its own: the learner's existing notes file if
  // there is one, otherwise an empty note per kanji.
  void FillNotesWithoutNotesFile();
  // Writes bytes over the named file of the working directory, or tells the learner why not.
  bool SaveFile(const char* name, const std::string& bytes, const char* what);
  std::string ProfileText() const;
  // Makes the kanji at index active at the baseline, as an introduction does, and returns the
  // history record of it.
  ReviewRecord Activate(std::int32_t index);

  const KanjiDatabase& database_;
  const JisTable& jis_;
  System& system_;
  Clock& clock_;
  RandomGenerator& random_;
  NotesWindow& notesWindow_;
  std::filesystem::path directory_;
  bool noKanjiReported_ = false;
};
