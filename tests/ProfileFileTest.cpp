// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <set>
#include <string>

#include "study/SafeSave.h"
#include "tests/StudyFixture.h"

namespace {

constexpr std::int64_t kDay = 86400;

// The settings part of a 0.5.0 file with the default settings, after the time line.
const char* const kDefaultSettings =
    "50\t\t<--score baseline\n90\t\t<--mastery threshold\n4\t\t<--score inertia\n"
    "4.50000\t\t<--selection distribution control\n1\t\t<--use score decline (1 yes, 0 no)\n"
    "8\n8\n14\n24\n40\n60\n120\n240\n360\n360\n"
    "10\t\t<--number of kanji to introduce at a time\n"
    "1\t\t<--use auto-introduce (1 yes, 0 no)\n"
    "75\t\t<--auto-introduce threshold (percent mastered)\n"
    "0\t\t<--Reverse space and enter key function (1 yes, 0 no)\n"
    "0\t\t<--allow unlimited guesses (1 yes, 0 no)\n"
    "0\t\t<--keep mastered kanji in readings drill rotation (1 yes, 0 no)\n"
    "0\t\t<--meanings stay revealed (1 yes, 0 no)\n"
    "1\t\t<--reveal kanji meanings on complete\n"
    "1\t\t<--mastery score jumps to 100% on crossing mastery threshold (1 yes, 0 no)\n"
    "1\t\t<--reveal drops mastery level (1 yes, 0 no)\n"
    "1\t\t<--keep mastered kanji in fill-in drill rotation (1 yes, 0 no)\n"
    "0\t\t<--drill only mastered cards in fill-in drill (1 yes, 0 no)\n"
    "0\t\t<--fill-in drill does not affect mastery score (1 yes, 0 no)\n"
    "0\t\t<--restrict reading type in fill-in drill (-1 ON, 0 none, 1 KUN)\n";

std::string Replaced(std::string text, std::string_view what, std::string_view by) {
  text.replace(text.find(what), what.size(), by);
  return text;
}

class ProfileFileTest : public StudyTest {
 protected:
  void SetUp() override {
    AddKanji({0x3021, 0x3022, 0x3b4e, 0x4021});
    WriteStudyList({0x3021, 0x3022});
    WriteBytes(dir / UserProfile::kNotesFileName, std::string("\0\0", 2));
  }

  static std::string TimeLine(std::int64_t time) {
    return std::to_string(time) + "\t<--time of last score decline\n";
  }
  // A complete 0.5.0 file with the given settings and progress lines.
  std::string File(std::int64_t time, std::string_view progress,
                   const std::string& settings = kDefaultSettings) {
    return "0 5 0\n" + TimeLine(time) + settings + std::string(progress);
  }

  // A profile object reading the same directory afresh, as at the next start.
  void Reload() {
    fresh = std::make_unique<UserProfile>(database, jis, system, clock, random, notesWindow,
                                          dir.path());
    fresh->LoadProfile();
  }
  std::unique_ptr<UserProfile> fresh;
};

TEST_F(ProfileFileTest, ANewProfileIsCreatedSavedAndMatchesTheFormatLineByLine) {
  profile.LoadProfile();
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text, "Creating default user profile.");
  EXPECT_EQ(system.messages[0].caption, "Veltrane");
  EXPECT_EQ(system.messages[0].owner, kNoWindow);
  EXPECT_EQ(ProfileBytes(), CrLf(File(clock.seconds,
                                      "3021\t0\t50.0000\t0\n3022\t0\t50.0000\t0\n"
                                      "3b4e\t0\t50.0000\t0\n4021\t0\t50.0000\t0\n")));
  EXPECT_EQ(random.state, clock.milliseconds);
  clock.seconds += 5000;  // every later save stamps the time of that save
  profile.SaveProfile();
  EXPECT_NE(ProfileBytes().find(std::to_string(clock.seconds) + "\t<--time"), std::string::npos);
}

TEST_F(ProfileFileTest, ReadsRecordsInFileOrderKeepsTheFirstOfEachThenAddsTheMissingKanji) {
  // Saves cut off by the end of the process left their temporary files.
  WriteBytes(dir / "user_profile.vlu.tmp", "half a profile");
  WriteBytes(dir / "kanji_notes.dat.tmp", "half the notes");
  WriteBytes(dir / UserProfile::kProfileFileName,
             CrLf(File(clock.seconds - 100,
                       "3b4e\t1\t87.5000\t3\n"
                       "7e7e\t1\t70.0000\t1\n"  // no longer in the data set
                       "3021\t0\t12.0000\t0\n"
                       "3b4e\t0\t10.0000\t0\n",  // a second record of one kanji
                       Replaced(kDefaultSettings, "50\t\t<--score", "40\t\t<--score"))) +
                 // a score token far longer than any printed one, and no line end at the end
                 "3022\t1\t100.000" + std::string(100, '0') + "\t7");
  profile.LoadProfile();
  EXPECT_TRUE(system.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "user_profile.vlu.tmp"));
  EXPECT_FALSE(std::filesystem::exists(dir / "kanji_notes.dat.tmp"));
  EXPECT_EQ(profile.lastDeclineTime, clock.seconds - 100);
  ASSERT_EQ(profile.progress.size(), 4u);
  const auto at = [this](int i) {
    const KanjiProgress& p = profile.progress[static_cast<std::size_t>(i)];
    return std::tuple(p.code, p.active, p.score, p.masteryLevel);
  };
  EXPECT_EQ(at(0), std::tuple(KanjiCode{0x3b4e}, true, 87.5f, std::int16_t{3}));
  EXPECT_EQ(at(1), std::tuple(KanjiCode{0x3021}, false, 12.0f, std::int16_t{0}));
  EXPECT_EQ(at(2), std::tuple(KanjiCode{0x3022}, true, 100.0f, std::int16_t{7}));
  // Missing from the file: inactive at the baseline read.
  EXPECT_EQ(at(3), std::tuple(KanjiCode{0x4021}, false, 40.0f, std::int16_t{0}));
  EXPECT_EQ(profile.activeList, (std::vector<std::int32_t>{0, 2}));
  EXPECT_EQ(profile.lastPickPosition, 1);
  profile.SaveProfile();
  EXPECT_EQ(ProfileBytes().find("7e7e"), std::string::npos);
}

TEST_F(ProfileFileTest, ReadsEveryRecognisedVersionWithDefaultsForWhatItLacks) {
  const struct {
    const char* version;
    bool schedule, reverse, revealMeanings, jumpsKeepEffectType, dropsOnlyMastered, notes;
  } versions[] = {
      {"0 1 0", false, false, false, false, false, false},
      {"0 3 0", false, false, false, true, false, false},
      {"0 3 1", true, false, false, true, false, false},
      {"0 4 0", true, true, false, true, true, true},
      {"0 5 0", true, true, true, true, true, true},
  };
  for (const auto& v : versions) {
    SCOPED_TRACE(v.version);
    // Every value the version has is the opposite of its default, so each one read shows.
    std::string text = std::string(v.version) + "\n" + TimeLine(clock.seconds) +
                       "30\t\t<--b\n70\t\t<--m\n2\t\t<--i\n1.50000\t\t<--s\n0\t\t<--d\n";
    if (v.schedule) text += "2\n4\n6\n44\n";
    text += "3\t\t<--n\n0\t\t<--a\n55\t\t<--t\n";
    if (v.reverse) text += "1\t\t<--r\n";
    text += "1\t\t<--u\n1\t\t<--k\n1\t\t<--m\n";
    if (v.revealMeanings) text += "0\t\t<--r\n";
    if (v.jumpsKeepEffectType) text += "0\t\t<--j\n";
    if (v.dropsOnlyMastered) text += "0\t\t<--d\n";
    if (v.jumpsKeepEffectType) text += "0\t\t<--k\n";
    if (v.dropsOnlyMastered) text += "1\t\t<--o\n";
    if (v.jumpsKeepEffectType) text += "1\t\t<--f\n1\t\t<--t\n";
    WriteProfile(text + "3022\t1\t65.0000\t2\n3021\t0\t50.0000\t0\n");
    std::filesystem::remove(dir / UserProfile::kNotesFileName);
    if (v.notes) WriteBytes(dir / UserProfile::kNotesFileName, std::string("\0\0", 2));
    system.messages.clear();

    UserProfile loaded(database, jis, system, clock, random, notesWindow, dir.path());
    loaded.LoadProfile();
    EXPECT_TRUE(system.messages.empty());
    const StudySettings& s = loaded.settings;
    EXPECT_EQ(std::tuple(s.scoreBaseline, s.introduceCount, s.meaningsStayRevealed),
              std::tuple(30, 3, true));
    const std::vector<std::uint16_t> schedule = {4, 6};
    EXPECT_EQ(s.declineSchedule, v.schedule ? schedule : StudySettings::DefaultDeclineSchedule());
    EXPECT_EQ(s.declineDaysHigherLevels, v.schedule ? 44 : 360);
    EXPECT_EQ(s.reverseSpaceEnter, v.reverse);
    EXPECT_EQ(s.revealMeaningsOnComplete, !v.revealMeanings);
    const bool j = v.jumpsKeepEffectType, d = v.dropsOnlyMastered;
    EXPECT_EQ(std::tuple(s.masteryJumpsTo100, s.keepMasteredInFillIn, s.fillInNoMasteryEffect),
              std::tuple(!j, !j, j));
    EXPECT_EQ(s.fillInReadingType, j ? 1 : 0);
    EXPECT_EQ(std::tuple(s.revealDropsMasteryLevel, s.fillInOnlyMastered), std::tuple(!d, d));
    ASSERT_EQ(loaded.progress.size(), 4u);
    EXPECT_EQ(std::tuple(loaded.progress[0].code, loaded.progress[0].score,
                         loaded.progress[0].masteryLevel),
              std::tuple(KanjiCode{0x3022}, 65.0f, std::int16_t{2}));
    EXPECT_EQ(loaded.activeList, std::vector<std::int32_t>{0});
    // Older versions have no notes file: one empty note per kanji, in data-set order.
    ASSERT_EQ(loaded.notes.size(), 4u);
    EXPECT_EQ(loaded.notes[0].code, 0x3021);

    // Saved as 0.5.0, and read back unchanged: none of the values is its default.
    loaded.SaveProfile();
    const std::string saved = ProfileBytes();
    EXPECT_TRUE(saved.starts_with("0 5 0\r\n"));
    Reload();
    fresh->SaveProfile();
    EXPECT_EQ(ProfileBytes(), saved);
  }
}

TEST_F(ProfileFileTest, WritesTimesPast2038AndScoresToSixDigitsAndReadsThemBack) {
  profile.LoadProfile();
  profile.settings.selectionDistribution = 7.125f;
  profile.lastDeclineTime = 2'500'000'000LL;
  profile.progress[1] = {0x3022, 12.34567f, 12, true};
  profile.progress[2] = {0x3b4e, 0.0f, 0, true};
  profile.progress[3] = {0x4021, std::numeric_limits<float>::quiet_NaN(), 32767, false};
  clock.seconds = 2'500'000'000LL + 3600;
  ASSERT_TRUE(profile.SaveProfile());
  const std::string saved = ProfileBytes();
  for (const char* line : {"2500000000\t<--time", "7.12500\t\t<--selection",
                           "3b4e\t1\t0.00000\t0\r\n", "3022\t1\t12.3457\t12\r\n",
                           "4021\t0\t50.0000\t32767\r\n"}) {  // never a score not finite
    EXPECT_NE(saved.find(line), std::string::npos) << line;
  }
  Reload();
  EXPECT_EQ(fresh->lastDeclineTime, 2'500'000'000LL);
  EXPECT_EQ(fresh->progress[1].score, 12.3457f);
  EXPECT_EQ(fresh->activeList, (std::vector<std::int32_t>{1, 2}));
  fresh->SaveProfile();
  EXPECT_EQ(ProfileBytes(), saved);
}

TEST_F(ProfileFileTest, DeclinesOnLoadAndRenewsTheTimeOnlyAfterWholeDays) {
  const struct {
    std::int64_t elapsed;
    bool decline;
    float score;
    bool timeKept;
  } cases[] = {
      {4 * kDay + 3600, true, 75.0f, false},
      {kDay - 1, true, 100.0f, true},
      {2 * kDay, false, 100.0f, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.elapsed);
    WriteProfile(File(clock.seconds - c.elapsed, "3021\t1\t100.000\t0\n3022\t0\t100.000\t0\n",
                      c.decline ? kDefaultSettings
                                : Replaced(kDefaultSettings, "1\t\t<--use score", "0\t\t<--u")));
    Reload();
    EXPECT_FLOAT_EQ(fresh->FindProgress(0x3021)->score, c.score);
    EXPECT_EQ(fresh->FindProgress(0x3022)->score, 100.0f);  // inactive
    EXPECT_EQ(fresh->lastDeclineTime, c.timeKept ? clock.seconds - c.elapsed : 0);
  }
}

TEST_F(ProfileFileTest, ReplacesAnUnrecognisedProfileAfterKeepingACopy) {
  const std::string later = "0 5 1\r\n1700000000\t<--time of last score decline\r\nnew stuff\r\n";
  const auto copy = dir / "user_profile.vlu.bak";
  for (const std::string& content : {later, std::string(""), std::string("version 5"),
                                    std::string("0 5"), std::string("\xFF\xFE\x30\x00", 4)}) {
    SCOPED_TRACE(content);
    WriteBytes(dir / UserProfile::kProfileFileName, content);
    system.messages.clear();
    Reload();
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_TRUE(system.messages[0].text.starts_with(
        "User profile does not match a recognized version. Creating new profile."));
    EXPECT_TRUE(ProfileBytes().starts_with("0 5 0\r\n"));
    // A second bad file does not overwrite the first copy.
    EXPECT_EQ(ReadBytes(copy), later);
  }
  EXPECT_EQ(ReadBytes(dir / "user_profile.vlu.bak2"), "version 5");
  int major = 9, minor = 9, patch = 9;
  WriteBytes(dir / UserProfile::kProfileFileName, "0 x");
  EXPECT_TRUE(profile.ReadProfileVersion(major, minor, patch));
  EXPECT_EQ(std::tuple(major, minor, patch), std::tuple(0, -1, -1));
  std::filesystem::remove(dir / UserProfile::kProfileFileName);
  EXPECT_FALSE(profile.ReadProfileVersion(major, minor, patch));
}

// Each damaged file loads with every kanji exactly once, keeps what came before the fault, and
// is reported in words that say what was lost.
TEST_F(ProfileFileTest, DamagedFilesKeepWhatCameBeforeTheFaultAndSayWhatWasLost) {
  std::string faulty = Replaced(kDefaultSettings, "50\t\t<--score", "45\t\t<--score");
  faulty = Replaced(faulty, "0\t\t<--Reverse", "1\t\t<--Reverse");
  faulty = Replaced(faulty, "0\t\t<--allow", "2\t\t<--allow");  // not a boolean
  faulty = Replaced(faulty, "0\t\t<--keep mastered kanji in r", "1\t\t<--k");
  const std::string records = "3021\t1\t70.0000\t1\n3022\t0\t50.0000\t0\n";
  const std::string valid = CrLf(File(clock.seconds, records));
  const std::string negativeCount = CrLf(File(
      clock.seconds, records,
      Replaced(kDefaultSettings, "8\n8\n14\n24\n40\n60\n120\n240\n360\n360\n", "-3\n77\n")));
  enum Lost { kNothing, kSettings, kRecords };
  const struct {
    std::string content;
    Lost lost;
    std::size_t active;
  } cases[] = {
      {CrLf(File(clock.seconds, records, faulty)), kSettings, 0},
      {CrLf(File(clock.seconds, "3021\t1\t70.0000\t1\n3022\t1\tseventy\t1\n3b4e\t1\t70\t1\n")),
       kRecords, 1},
      {valid.substr(0, valid.size() / 3), kSettings, 0},
      {valid.substr(0, valid.size() - 9), kRecords, 1},
      {valid + "3022\t1\t50.0000\t99999\r\n3021\t7\t\xFF\xFE\r\n", kRecords, 1},
      {CrLf(File(clock.seconds, records,
                 Replaced(kDefaultSettings, "8\n8\n", "4294967296\n"))),  // schedule count
       kSettings, 0},
      {negativeCount, kNothing, 1},
      {"0 5 0\r\n" + std::string(1'000'000, '9') + "\r\n", kSettings, 0},
      {"0 5 0\r\n1\r\n" + std::string(1'000'000, 'x'), kSettings, 0},
      {"0 1 0\r\n99999999999999999999999\r\n", kSettings, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    WriteBytes(dir / UserProfile::kProfileFileName, c.content);
    std::filesystem::remove(dir / "user_profile.vlu.bak");
    system.messages.clear();
    Reload();
    ASSERT_EQ(fresh->progress.size(), 4u);
    std::set<KanjiCode> codes;
    for (const auto& entry : fresh->progress) codes.insert(entry.code);
    EXPECT_EQ(codes.size(), 4u);
    EXPECT_EQ(fresh->activeList.size(), c.active);
    for (const std::int32_t index : fresh->activeList) EXPECT_TRUE(fresh->progress[index].active);
    if (c.lost == kNothing) {
      EXPECT_TRUE(system.messages.empty());
      continue;
    }
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].caption, "Veltrane");
    const std::string& text = system.messages[0].text;
    EXPECT_EQ(text.find("remaining settings have their default") != std::string::npos,
              c.lost == kSettings);
    EXPECT_EQ(text.find("records after it start again") != std::string::npos, c.lost == kRecords);
    EXPECT_EQ(ReadBytes(dir / "user_profile.vlu.bak"), c.content);
  }
  // The first case: the settings before the fault are kept, the rest default.
  WriteBytes(dir / UserProfile::kProfileFileName, cases[0].content);
  Reload();
  const StudySettings& s = fresh->settings;
  EXPECT_EQ(std::tuple(s.scoreBaseline, s.reverseSpaceEnter, s.allowUnlimitedGuesses,
                       s.keepMasteredInReadings),
            std::tuple(45, true, false, false));
  EXPECT_EQ(fresh->FindProgress(0x3021)->score, 45.0f);  // inactive at the baseline read
  // A negative schedule count reads as an empty schedule.
  WriteBytes(dir / UserProfile::kProfileFileName, negativeCount);
  Reload();
  EXPECT_TRUE(fresh->settings.declineSchedule.empty());
  EXPECT_EQ(fresh->settings.declineDaysHigherLevels, 77);
}

// Counts the steps of a save; at step failAt it ends the "process" or refuses, as a full disk
// would.
struct StepFaults : SaveFaults {
  int failAt;
  bool interrupt;
  int steps = 0;
  StepFaults(int at, bool end) : failAt(at), interrupt(end) {}
  bool Allow() override {
    if (steps++ != failAt) return true;
    if (interrupt) throw ProcessEnded{0};
    return false;
  }
};

TEST_F(ProfileFileTest, AnInterruptedSaveLeavesTheOldOrTheNewFileWhole) {
  AddKanjiRange(700, 0x5021);  // a profile of several write chunks
  profile.LoadProfile();
  const std::string oldProfile = ProfileBytes();
  const std::string oldNotes = ReadBytes(dir / UserProfile::kNotesFileName);
  for (auto& entry : profile.progress) entry.score = 66.0f;
  profile.notes[0].text.assign(KanjiNote::kTextUnits, 0);
  profile.notes[0].text[0] = u'x';
  for (int step = 0;; ++step) {
    SCOPED_TRACE(step);
    ASSERT_LT(step, 100);
    StepFaults interruption(step, true);
    profile.saveFaults = &interruption;
    bool finished = false;
    try {
      finished = profile.SaveProfile();
    } catch (const ProcessEnded&) {
    }
    const std::string nowProfile = ProfileBytes();
    EXPECT_TRUE(nowProfile == oldProfile || (nowProfile.find("\t66.0000\t") != std::string::npos &&
                                             nowProfile.size() == oldProfile.size()));
    const std::string nowNotes = ReadBytes(dir / UserProfile::kNotesFileName);
    EXPECT_TRUE(nowNotes == oldNotes || nowNotes.size() == oldNotes.size() + 2048);
    // What the next start reads is always a complete profile.
    system.messages.clear();
    Reload();
    EXPECT_EQ(fresh->progress.size(), profile.progress.size());
    EXPECT_TRUE(system.messages.empty());
    if (finished) break;
  }
  profile.saveFaults = nullptr;
}

TEST_F(ProfileFileTest, AFailedSaveIsReportedWithTheFullPathAndKeepsTheOldFile) {
  profile.LoadProfile();
  const std::string old = ProfileBytes();
  profile.progress[0].score = 99.0f;
  const std::string path = (dir / "user_profile.vlu").string();
  for (int step = 0; step < 3; ++step) {
    SCOPED_TRACE(step);
    StepFaults refusal(step, false);
    profile.saveFaults = &refusal;
    system.messages.clear();
    EXPECT_FALSE(profile.SaveProfile());
    EXPECT_EQ(ProfileBytes(), old);
    ASSERT_FALSE(system.messages.empty());
    EXPECT_EQ(system.messages[0].caption, "Veltrane");
    EXPECT_TRUE(system.messages[0].text.starts_with("The user profile could not be saved to \"" +
                                                    path + "\" ("));
    EXPECT_TRUE(system.messages[0].text.ends_with("The file saved before is unchanged."));
    EXPECT_FALSE(std::filesystem::exists(dir / "user_profile.vlu.tmp"));
  }
  // A file that would not change is not written again.
  StepFaults counter(-1, false);
  profile.saveFaults = &counter;
  profile.progress[0].score = 50.0f;
  EXPECT_TRUE(profile.SaveProfile());
  EXPECT_EQ(counter.steps, 0);
  profile.saveFaults = nullptr;
}

TEST_F(ProfileFileTest, ASaveWithNoEarlierFileSaysSoAndNamesTheFolderInFull) {
  // Given as a relative path, as the program's "." is; the message names it in full.
  const std::filesystem::path relative =
      std::filesystem::relative(dir / "gone", std::filesystem::current_path());
  UserProfile lost(database, jis, system, clock, random, notesWindow, relative);
  lost.CreateDefaultProfile();
  EXPECT_FALSE(lost.SaveProfile());
  ASSERT_EQ(system.messages.size(), 2u);  // the profile and the notes
  EXPECT_EQ(system.messages[1].text.find("The notes file could not be saved to \"" +
                                         (dir / "gone" / "kanji_notes.dat").string() + "\" ("),
            0u);
  EXPECT_TRUE(system.messages[0].text.ends_with("There is no earlier copy of it on disk."));
}

// The desktop toolkit takes the learner's locale, where the decimal separator may be a comma.
TEST_F(ProfileFileTest, SavesFullStopsWhateverTheLocaleSeparator) {
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE locale";
  profile.LoadProfile();
  profile.progress[1].score = 12.5f;
  const bool saved = profile.SaveProfile();
  std::setlocale(LC_NUMERIC, before.c_str());
  ASSERT_TRUE(saved);
  EXPECT_NE(ProfileBytes().find("4.50000\t\t<--selection"), std::string::npos);
  EXPECT_NE(ProfileBytes().find("3022\t0\t12.5000\t0\r\n"), std::string::npos);
}

}  // namespace
