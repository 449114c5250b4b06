#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <string>

#include "study/SafeSave.h"
#include "tests/StudyFixture.h"

namespace {

constexpr std::int64_t kDay = 86400;

// The settings part of a 0.5.0 file with the default settings, after the time line.
const char* const kDefaultSettings =
    "50\t\t<--score baseline\n"
    "90\t\t<--mastery threshold\n"
    "4\t\t<--score inertia\n"
    "4.50000\t\t<--selection distribution control\n"
    "1\t\t<--use score decline (1 yes, 0 no)\n"
    "8\n8\n14\n24\n40\n60\n120\n240\n360\n"
    "360\n"
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

class ProfileFileTest : public StudyTest {
 protected:
  void SetUp() override {
    AddKanji({0x3021, 0x3022, 0x3b4e, 0x4021});
    WriteStudyList({0x3021, 0x3022});
    WriteBytes(dir / UserProfile::kNotesFileName, std::string("\0\0", 2));
  }

  std::string TimeLine(std::int64_t time) {
    return std::to_string(time) + "\t<--time of last score decline\n";
  }
  // A complete 0.5.0 file with default settings and the given progress lines.
  std::string File(std::int64_t time, std::string_view progress) {
    return "0 5 0\n" + TimeLine(time) + kDefaultSettings + std::string(progress);
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
                                      "3021\t0\t50.0000\t0\n"
                                      "3022\t0\t50.0000\t0\n"
                                      "3b4e\t0\t50.0000\t0\n"
                                      "4021\t0\t50.0000\t0\n")));
  EXPECT_EQ(random.state, clock.milliseconds);

  // Every later save stamps the time of that save.
  clock.seconds += 5000;
  profile.SaveProfile();
  EXPECT_NE(ProfileBytes().find(std::to_string(clock.seconds) + "\t<--time"), std::string::npos);
}

TEST_F(ProfileFileTest, ReadsRecordsInFileOrderKeepsTheFirstOfEachThenAddsTheMissingKanji) {
  std::string settings = kDefaultSettings;
  settings.replace(settings.find("50\t\t<--score"), 2, "40");
  WriteProfile("0 5 0\n" + TimeLine(clock.seconds - 100) + settings +
               "3b4e\t1\t87.5000\t3\n"
               "7e7e\t1\t70.0000\t1\n"  // no longer in the data set
               "3021\t0\t12.0000\t0\n"
               "3b4e\t0\t10.0000\t0\n"  // a second record of one kanji
               "3022\t1\t100.000\t7\n");
  profile.LoadProfile();
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(profile.lastDeclineTime, clock.seconds - 100);
  ASSERT_EQ(profile.progress.size(), 4u);
  EXPECT_EQ(profile.progress[0].code, 0x3b4e);
  EXPECT_EQ(profile.progress[0].score, 87.5f);
  EXPECT_EQ(profile.progress[0].masteryLevel, 3);
  EXPECT_EQ(profile.progress[1].code, 0x3021);
  EXPECT_EQ(profile.progress[2].code, 0x3022);
  // Missing from the file: inactive at the baseline read.
  EXPECT_EQ(profile.progress[3].code, 0x4021);
  EXPECT_EQ(profile.progress[3].score, 40.0f);
  EXPECT_FALSE(profile.progress[3].active);
  EXPECT_EQ(profile.activeList, (std::vector<std::int32_t>{0, 2}));
  EXPECT_EQ(profile.lastPickPosition, 1);
  profile.SaveProfile();
  EXPECT_EQ(ProfileBytes().find("7e7e"), std::string::npos);
}

struct OldVersion {
  const char* name;
  const char* version;
  bool schedule;
  bool reverse;
  bool revealMeanings;
  bool jumpsAndKeepAndEffectAndType;
  bool dropsAndOnlyMastered;
  bool notesFile;
};

TEST_F(ProfileFileTest, ReadsEveryRecognisedVersionWithDefaultsForWhatItLacks) {
  const OldVersion versions[] = {
      {"0.1.0", "0 1 0", false, false, false, false, false, false},
      {"0.3.0", "0 3 0", false, false, false, true, false, false},
      {"0.3.1", "0 3 1", true, false, false, true, false, false},
      {"0.4.0", "0 4 0", true, true, false, true, true, true},
      {"0.5.0", "0 5 0", true, true, true, true, true, true},
  };
  for (const auto& v : versions) {
    SCOPED_TRACE(v.name);
    // Every value the version has is the opposite of its default, so each one read shows.
    std::string text = std::string(v.version) + "\n" + TimeLine(clock.seconds) +
                       "30\t\t<--b\n70\t\t<--m\n2\t\t<--i\n1.50000\t\t<--s\n0\t\t<--d\n";
    if (v.schedule) text += "2\n4\n6\n44\n";
    text += "3\t\t<--n\n0\t\t<--a\n55\t\t<--t\n";
    if (v.reverse) text += "1\t\t<--r\n";
    text += "1\t\t<--u\n1\t\t<--k\n1\t\t<--m\n";
    if (v.revealMeanings) text += "0\t\t<--r\n";
    if (v.jumpsAndKeepAndEffectAndType) text += "0\t\t<--j\n";
    if (v.dropsAndOnlyMastered) text += "0\t\t<--d\n";
    if (v.jumpsAndKeepAndEffectAndType) text += "0\t\t<--k\n";
    if (v.dropsAndOnlyMastered) text += "1\t\t<--o\n";
    if (v.jumpsAndKeepAndEffectAndType) text += "1\t\t<--f\n1\t\t<--t\n";
    text += "3022\t1\t65.0000\t2\n3021\t0\t50.0000\t0\n";
    WriteProfile(text);
    std::filesystem::remove(dir / UserProfile::kNotesFileName);
    if (v.notesFile) WriteBytes(dir / UserProfile::kNotesFileName, std::string("\0\0", 2));
    system.messages.clear();

    UserProfile loaded(database, jis, system, clock, random, notesWindow, dir.path());
    loaded.LoadProfile();
    EXPECT_TRUE(system.messages.empty());
    const StudySettings& s = loaded.settings;
    // The lines every version has are read alike: a few of them stand for the rest.
    EXPECT_EQ(s.scoreBaseline, 30);
    const std::vector<std::uint16_t> schedule =
        v.schedule ? std::vector<std::uint16_t>{4, 6} : StudySettings::DefaultDeclineSchedule();
    EXPECT_EQ(s.declineSchedule, schedule);
    EXPECT_EQ(s.declineDaysHigherLevels, v.schedule ? 44 : 360);
    EXPECT_EQ(s.introduceCount, 3);
    EXPECT_EQ(s.reverseSpaceEnter, v.reverse);
    EXPECT_TRUE(s.meaningsStayRevealed);
    EXPECT_EQ(s.revealMeaningsOnComplete, !v.revealMeanings);
    EXPECT_EQ(s.masteryJumpsTo100, !v.jumpsAndKeepAndEffectAndType);
    EXPECT_EQ(s.revealDropsMasteryLevel, !v.dropsAndOnlyMastered);
    EXPECT_EQ(s.keepMasteredInFillIn, !v.jumpsAndKeepAndEffectAndType);
    EXPECT_EQ(s.fillInOnlyMastered, v.dropsAndOnlyMastered);
    EXPECT_EQ(s.fillInNoMasteryEffect, v.jumpsAndKeepAndEffectAndType);
    EXPECT_EQ(s.fillInReadingType, v.jumpsAndKeepAndEffectAndType ? 1 : 0);
    ASSERT_EQ(loaded.progress.size(), 4u);
    EXPECT_EQ(loaded.progress[0].code, 0x3022);
    EXPECT_EQ(loaded.progress[0].score, 65.0f);
    EXPECT_EQ(loaded.progress[0].masteryLevel, 2);
    EXPECT_EQ(loaded.activeList, std::vector<std::int32_t>{0});
    // Older versions have no notes file: one empty note per kanji, in data-set order.
    ASSERT_EQ(loaded.notes.size(), 4u);
    EXPECT_EQ(loaded.notes[0].code, 0x3021);
    EXPECT_FALSE(loaded.notes[0].HasText());

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
  profile.progress[3] = {0x4021, 100.0f, 32767, false};
  clock.seconds = 2'500'000'000LL + 3600;
  ASSERT_TRUE(profile.SaveProfile());
  const std::string saved = ProfileBytes();
  EXPECT_NE(saved.find("2500000000\t<--time"), std::string::npos);
  EXPECT_NE(saved.find("7.12500\t\t<--selection"), std::string::npos);
  EXPECT_NE(saved.find("3b4e\t1\t0.00000\t0\r\n"), std::string::npos);
  EXPECT_NE(saved.find("3022\t1\t12.3457\t12\r\n"), std::string::npos);

  Reload();
  EXPECT_EQ(fresh->lastDeclineTime, 2'500'000'000LL);
  EXPECT_EQ(fresh->progress[1].score, 12.3457f);
  EXPECT_EQ(fresh->progress[3].masteryLevel, 32767);
  EXPECT_EQ(fresh->activeList, (std::vector<std::int32_t>{1, 2}));
  fresh->SaveProfile();
  EXPECT_EQ(ProfileBytes(), saved);
}

TEST_F(ProfileFileTest, AfterLoadingTheFirstChoiceIsNeverTheLastActiveKanji) {
  WriteProfile(File(clock.seconds,
                    "3021\t1\t50.0000\t0\n"
                    "3022\t1\t50.0000\t0\n"
                    "3b4e\t1\t50.0000\t0\n"));
  for (std::uint64_t start = 1; start < 60; ++start) {
    SCOPED_TRACE(start);
    clock.milliseconds = start * 7919;
    Reload();
    EXPECT_EQ(fresh->lastPickPosition, 2);
    EXPECT_NE(fresh->SelectNextKanji(false, true), 0x3b4e);
  }
}

TEST_F(ProfileFileTest, KeepsALastRecordWithoutLineEnd) {
  WriteBytes(dir / UserProfile::kProfileFileName,
             CrLf(File(clock.seconds, "3022\t1\t60.0000\t1\n")) + "3021\t1\t70.0000\t2");
  profile.LoadProfile();
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(profile.FindProgress(0x3021)->score, 70.0f);
  EXPECT_EQ(profile.activeList.size(), 2u);
}

TEST_F(ProfileFileTest, DeclinesOnLoadAndRenewsTheTimeOnlyAfterWholeDays) {
  struct Case {
    const char* name;
    std::int64_t elapsed;
    bool decline;
    float score;
    bool timeKept;
  };
  const Case cases[] = {
      {"four days and an hour", 4 * kDay + 3600, true, 75.0f, false},
      {"just under a day", kDay - 1, true, 100.0f, true},
      {"two days, decline switched off", 2 * kDay, false, 100.0f, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string settings = kDefaultSettings;
    if (!c.decline) settings.replace(settings.find("1\t\t<--use score"), 1, "0");
    WriteProfile("0 5 0\n" + TimeLine(clock.seconds - c.elapsed) + settings +
                 "3021\t1\t100.000\t0\n3022\t0\t100.000\t0\n");
    Reload();
    EXPECT_FLOAT_EQ(fresh->FindProgress(0x3021)->score, c.score);
    EXPECT_EQ(fresh->FindProgress(0x3022)->score, 100.0f);  // inactive
    EXPECT_EQ(fresh->lastDeclineTime, c.timeKept ? clock.seconds - c.elapsed : 0);
  }
}

TEST_F(ProfileFileTest, ReplacesAnUnrecognisedProfileAfterKeepingACopy) {
  const std::string later = "0 5 1\r\n1700000000\t<--time of last score decline\r\nnew stuff\r\n";
  WriteBytes(dir / UserProfile::kProfileFileName, later);
  profile.LoadProfile();
  ASSERT_EQ(system.messages.size(), 1u);
  const std::string& text = system.messages[0].text;
  EXPECT_TRUE(
      text.starts_with("User profile does not match a recognized version. Creating new profile."));
  const auto copy = dir / "user_profile.vlu.bak";
  EXPECT_NE(text.find(copy.string()), std::string::npos);
  EXPECT_EQ(ReadBytes(copy), later);
  EXPECT_TRUE(ProfileBytes().starts_with("0 5 0\r\n"));

  // A second bad file does not overwrite the first copy.
  WriteBytes(dir / UserProfile::kProfileFileName, "garbage");
  Reload();
  EXPECT_EQ(ReadBytes(copy), later);
  EXPECT_EQ(ReadBytes(dir / "user_profile.vlu.bak2"), "garbage");
}

TEST_F(ProfileFileTest, AnEmptyOrNonNumericFileIsUnrecognised) {
  for (const char* content : {"", "version 5", "0 5", "\xFF\xFE\x30\x00"}) {
    SCOPED_TRACE(content);
    WriteBytes(dir / UserProfile::kProfileFileName, content);
    int major = 9, minor = 9, patch = 9;
    EXPECT_TRUE(profile.ReadProfileVersion(major, minor, patch));
    system.messages.clear();
    Reload();
    ASSERT_FALSE(system.messages.empty());
    EXPECT_TRUE(system.messages[0].text.starts_with("User profile does not match"));
  }
  int major = 9, minor = 9, patch = 9;
  WriteBytes(dir / UserProfile::kProfileFileName, "0 x");
  EXPECT_TRUE(profile.ReadProfileVersion(major, minor, patch));
  EXPECT_EQ(major, 0);
  EXPECT_EQ(minor, -1);
  EXPECT_EQ(patch, -1);
  std::filesystem::remove(dir / UserProfile::kProfileFileName);
  EXPECT_FALSE(profile.ReadProfileVersion(major, minor, patch));
  EXPECT_EQ(major, -1);
}

TEST_F(ProfileFileTest, AFaultInsideARecognisedFileKeepsWhatCameBeforeAndACopy) {
  std::string settings = kDefaultSettings;
  settings.replace(settings.find("50\t\t<--score"), 2, "45");
  settings.replace(settings.find("4\t\t<--score inertia"), 1, "7");
  settings.replace(settings.find("0\t\t<--Reverse"), 1, "1");
  settings.replace(settings.find("0\t\t<--allow"), 1, "2");  // not a boolean
  settings.replace(settings.find("0\t\t<--keep mastered kanji in r"), 1, "1");
  const std::string text =
      CrLf("0 5 0\n" + TimeLine(clock.seconds) + settings + "3021\t1\t70.0000\t1\n");
  WriteBytes(dir / UserProfile::kProfileFileName, text);
  profile.LoadProfile();
  const StudySettings& s = profile.settings;
  EXPECT_EQ(s.scoreBaseline, 45);
  EXPECT_EQ(s.scoreInertia, 7);
  EXPECT_TRUE(s.reverseSpaceEnter);
  EXPECT_FALSE(s.allowUnlimitedGuesses);   // failed: default
  EXPECT_FALSE(s.keepMasteredInReadings);  // after the fault: default
  // The progress part is lost to the fault; every kanji is inactive at the baseline read.
  EXPECT_TRUE(profile.activeList.empty());
  EXPECT_EQ(profile.progress.size(), 4u);
  EXPECT_EQ(profile.FindProgress(0x3021)->score, 45.0f);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].caption, "Veltrane");
  EXPECT_EQ(ReadBytes(dir / "user_profile.vlu.bak"), text);
}

TEST_F(ProfileFileTest, AFaultAmongTheRecordsKeepsTheRecordsBeforeIt) {
  WriteProfile(File(clock.seconds,
                    "3021\t1\t70.0000\t1\n"
                    "3022\t1\tseventy\t1\n"
                    "3b4e\t1\t70.0000\t1\n"));
  profile.LoadProfile();
  EXPECT_EQ(profile.activeList.size(), 1u);
  EXPECT_EQ(profile.FindProgress(0x3021)->score, 70.0f);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(dir / "user_profile.vlu.bak"));
}

TEST_F(ProfileFileTest, ANegativeOrHugeScheduleCountIsHandled) {
  std::string settings = kDefaultSettings;
  settings.replace(0, settings.find("10\t\t<--number"),
                   "50\t\t<--b\n90\t\t<--m\n4\t\t<--i\n4.5\t\t<--s\n1\t\t<--d\n-3\n77\n");
  WriteProfile("0 5 0\n" + TimeLine(clock.seconds) + settings + "3021\t1\t70.0000\t1\n");
  profile.LoadProfile();
  EXPECT_TRUE(profile.settings.declineSchedule.empty());
  EXPECT_EQ(profile.settings.declineDaysHigherLevels, 77);
  EXPECT_EQ(profile.activeList.size(), 1u);

  settings = kDefaultSettings;
  settings.replace(settings.find("8\n8\n"), 2, "4294967296\n");
  WriteProfile("0 5 0\n" + TimeLine(clock.seconds) + settings + "3021\t1\t70.0000\t1\n");
  system.messages.clear();
  Reload();
  EXPECT_EQ(fresh->settings.declineSchedule, StudySettings::DefaultDeclineSchedule());
  EXPECT_EQ(system.messages.size(), 1u);  // read to no end: kept and reported
}

TEST_F(ProfileFileTest, DamagedFilesLoadWithEveryKanjiExactlyOnce) {
  const std::string valid = CrLf(File(clock.seconds, "3021\t1\t70.0000\t1\n3022\t0\t50.0000\t0\n"));
  const std::string contents[] = {
      valid.substr(0, valid.size() / 3),  // cut among the settings
      valid.substr(0, valid.size() - 9),  // cut inside a record
      valid.substr(0, 200) + std::string(5, '\0') + valid.substr(200),
      valid + "3022\t1\t50.0000\t99999\r\n3021\t7\t\xFF\xFE\r\n",
      "0 5 0\r\n" + std::string(1'000'000, '9') + "\r\n",
      "0 5 0\r\n1\r\n" + std::string(1'000'000, 'x'),
      "0 1 0\r\n99999999999999999999999\r\n",
  };
  for (const std::string& content : contents) {
    SCOPED_TRACE(&content - contents);
    WriteBytes(dir / UserProfile::kProfileFileName, content);
    Reload();
    ASSERT_EQ(fresh->progress.size(), 4u);
    std::set<KanjiCode> codes;
    for (const auto& entry : fresh->progress) codes.insert(entry.code);
    EXPECT_EQ(codes.size(), 4u);
    for (const std::int32_t index : fresh->activeList) EXPECT_TRUE(fresh->progress[index].active);
  }
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
  bool finished = false;
  for (int step = 0; !finished; ++step) {
    SCOPED_TRACE(step);
    StepFaults interruption(step, true);
    profile.saveFaults = &interruption;
    try {
      profile.SaveProfile();
      finished = true;
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
    ASSERT_LT(step, 100);
  }
  profile.saveFaults = nullptr;
}

TEST_F(ProfileFileTest, AFailedSaveIsReportedAndKeepsTheOldFile) {
  profile.LoadProfile();
  const std::string old = ProfileBytes();
  profile.progress[0].score = 99.0f;
  for (int step = 0; step < 3; ++step) {
    SCOPED_TRACE(step);
    StepFaults refusal(step, false);
    profile.saveFaults = &refusal;
    system.messages.clear();
    EXPECT_FALSE(profile.SaveProfile());
    EXPECT_EQ(ProfileBytes(), old);
    ASSERT_FALSE(system.messages.empty());
    EXPECT_EQ(system.messages[0].caption, "Veltrane");
    EXPECT_NE(system.messages[0].text.find("user profile could not be saved"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "user_profile.vlu.tmp"));
  }
  profile.saveFaults = nullptr;
}

TEST_F(ProfileFileTest, AFileThatWouldNotChangeIsNotWrittenAgain) {
  profile.LoadProfile();
  StepFaults counter(-1, false);
  profile.saveFaults = &counter;
  EXPECT_TRUE(profile.SaveProfile());
  EXPECT_EQ(counter.steps, 0);
  profile.progress[0].score = 61.0f;
  EXPECT_TRUE(profile.SaveProfile());
  EXPECT_GT(counter.steps, 0);
  profile.saveFaults = nullptr;
}

TEST_F(ProfileFileTest, ASaveIntoAMissingFolderIsReported) {
  UserProfile lost(database, jis, system, clock, random, notesWindow, dir / "gone");
  lost.CreateDefaultProfile();
  EXPECT_FALSE(lost.SaveProfile());
  ASSERT_EQ(system.messages.size(), 2u);  // the profile and the notes
  EXPECT_EQ(system.messages[0].caption, "Veltrane");
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
  const std::string bytes = ProfileBytes();
  EXPECT_NE(bytes.find("4.50000\t\t<--selection"), std::string::npos);
  EXPECT_NE(bytes.find("3022\t0\t12.5000\t0\r\n"), std::string::npos);
}

TEST_F(ProfileFileTest, NonFiniteScoresAreNeverSaved) {
  profile.LoadProfile();
  profile.progress[0].score = std::numeric_limits<float>::infinity();
  profile.progress[1].score = std::numeric_limits<float>::quiet_NaN();
  profile.SaveProfile();
  EXPECT_NE(ProfileBytes().find("3021\t0\t50.0000\t0\r\n3022\t0\t50.0000\t0\r\n"),
            std::string::npos);
}

}  // namespace
