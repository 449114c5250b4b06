// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <clocale>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "study/ExtraSettings.h"
#include "study/ProfileScanner.h"
#include "tests/StudyFixture.h"

namespace {

struct NumberCase {
  std::string text;
  bool ok;
  double value;  // expected when ok
};

// Reads one value of each case's text with read; a failed read leaves the value alone.
template <typename T>
void ExpectReads(bool (ProfileScanner::*read)(T&), std::initializer_list<NumberCase> cases) {
  const T untouched = static_cast<T>(7);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    std::istringstream in(c.text);
    ProfileScanner scanner(in);
    T value = untouched;
    EXPECT_EQ((scanner.*read)(value), c.ok);
    EXPECT_EQ(value, c.ok ? static_cast<T>(c.value) : untouched);
  }
}

TEST(ProfileScannerTest, ReadsEachKindOfValueLikeFormattedInputWithinItsType) {
  ExpectReads(&ProfileScanner::ReadUint16,
              {{" \r\n\t 42", true, 42}, {"50\t\t<--score baseline", true, 50}, {"+9", true, 9},
               {"65535", true, 65535}, {"65536", false, 0}, {"-1", false, 0}, {"-0", true, 0},
               {std::string(1000000, '9'), false, 0}, {"00000000000000000000000000000000001",
               true, 1}, {"x1", false, 0}, {"", false, 0}});
  ExpectReads(&ProfileScanner::ReadInt16,
              {{"-32768", true, -32768}, {"-32769", false, 0}, {"32767", true, 32767}});
  ExpectReads(&ProfileScanner::ReadBool,
              {{"0", true, 0}, {"1", true, 1}, {"2", false, 0}, {"-1", false, 0},
               {"true", false, 0}});
  ExpectReads(&ProfileScanner::ReadHexCode,
              {{"3b4e", true, 0x3B4E}, {"3B4E", true, 0x3B4E}, {"0x3021", true, 0x3021},
               {"0\t1", true, 0}, {"10000", false, 0}, {"zz", false, 0}, {"0x", false, 0}});
  ExpectReads(&ProfileScanner::ReadFloat,
              {{"87.5000", true, 87.5}, {"4.50000\t\t<--selection", true, 4.5},
               {"1.00000e-05", true, 1e-5f}, {"+4.5", true, 4.5}, {"-0.5", true, -0.5},
               {"1e39", false, 0}, {"inf", false, 0}, {"nan", false, 0}, {"5e", false, 0},
               // Stream input reads a token of any length.
               {"62.5" + std::string(200, '0') + "\t3", true, 62.5},
               {std::string(100, '1'), false, 0}});
  ExpectReads(&ProfileScanner::ReadInt64, {{"4294967296", true, 4294967296.0},
                                           {"-9223372036854775808", true, -0x1p63},
                                           {"9223372036854775808", false, 0}});
  // One failed read makes every later read fail.
  std::istringstream in("x 5");
  ProfileScanner scanner(in);
  std::uint16_t value = 0;
  EXPECT_FALSE(scanner.ReadUint16(value) || scanner.ReadUint16(value) || scanner.SkipRestOfLine());
  EXPECT_TRUE(scanner.failed());
}

TEST(ProfileScannerTest, SkipsTheRestOfALineUpToItsLimitAndSeesTheEndPastWhiteSpace) {
  const struct {
    std::string text;
    bool ok;
  } cases[] = {
      {"\t\t<--comment\r\n7", true},          {"\t<--comment\n7", true},
      {std::string(1022, 'c') + "\r\n7", true}, {std::string(1023, 'c') + "\r\n7", false},
      {"\t<--comment", true},                 {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    std::istringstream in(c.text);
    ProfileScanner scanner(in);
    EXPECT_EQ(scanner.SkipRestOfLine(), c.ok);
    std::uint16_t next = 0;
    EXPECT_TRUE(!c.ok || !c.text.ends_with("7") || (scanner.ReadUint16(next) && next == 7));
  }
  std::istringstream in("5 \r\n\t ");
  ProfileScanner scanner(in);
  EXPECT_FALSE(scanner.AtEndOfText());
  std::uint16_t value = 0;
  scanner.ReadUint16(value);
  EXPECT_TRUE(scanner.AtEndOfText());
}

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
  ExpectOneMessage("Creating default user profile.");
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
  using Entry = std::tuple<KanjiCode, bool, float, std::int16_t>;
  std::vector<Entry> entries;
  for (const KanjiProgress& p : profile.progress) {
    entries.emplace_back(p.code, p.active, p.score, p.masteryLevel);
  }
  // The kanji missing from the file comes last, inactive at the baseline read.
  EXPECT_EQ(entries, (std::vector<Entry>{{0x3b4e, true, 87.5f, 3}, {0x3021, false, 12.0f, 0},
                                         {0x3022, true, 100.0f, 7}, {0x4021, false, 40.0f, 0}}));
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

    loaded.SaveProfile();
    EXPECT_TRUE(ProfileBytes().starts_with("0 5 0\r\n"));
  }
}

TEST_F(ProfileFileTest, WritesTimesPast2038AndScoresToSixDigitsWithFullStopsAndReadsThemBack) {
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

// The desktop toolkit takes the learner's locale, where the decimal separator may be a comma.
TEST_F(ProfileFileTest, SavesFullStopsUnderALocaleWithADecimalComma) {
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  const char* comma = nullptr;
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", "nl_NL.UTF-8"}) {
    if (std::setlocale(LC_NUMERIC, name) && *std::localeconv()->decimal_point == ',') {
      comma = name;
      break;
    }
  }
  std::setlocale(LC_NUMERIC, before.c_str());
  if (comma == nullptr) GTEST_SKIP() << "No locale with a decimal comma is installed.";
  profile.LoadProfile();
  profile.progress[1].score = 12.5f;
  std::setlocale(LC_NUMERIC, comma);
  const bool written = profile.SaveProfile();
  std::setlocale(LC_NUMERIC, before.c_str());
  ASSERT_TRUE(written);
  const std::string saved = ProfileBytes();
  EXPECT_NE(saved.find("4.50000\t\t<--selection"), std::string::npos);
  EXPECT_NE(saved.find("3022\t0\t12.5000\t0\r\n"), std::string::npos);
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
  // With every name taken, the last one is reused rather than the profile lost.
  for (int i = 3; i <= 999; ++i) WriteBytes(dir / ("user_profile.vlu.bak" + std::to_string(i)), "");
  WriteBytes(dir / UserProfile::kProfileFileName, later);
  Reload();
  EXPECT_EQ(ReadBytes(dir / "user_profile.vlu.bak999"), later);
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
      {"0 5 0\r\n1\r\n" + std::string(1'000'000, 'x'), kSettings, 0},
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

TEST_F(ProfileFileTest, AnInterruptedOrRefusedSaveLeavesTheOldOrTheNewFileWholeAndSaysWhich) {
  AddKanjiRange(700, 0x5021);  // a profile of several write chunks
  profile.LoadProfile();
  const std::string oldProfile = ProfileBytes();
  const std::string oldNotes = ReadBytes(dir / UserProfile::kNotesFileName);
  for (auto& entry : profile.progress) entry.score = 66.0f;
  profile.notes[0].text.assign(KanjiNote::kTextUnits, 0);
  profile.notes[0].text[0] = u'x';
  const std::string path = (dir / "user_profile.vlu").string();
  for (const bool interrupt : {true, false}) {
    WriteBytes(dir / UserProfile::kProfileFileName, oldProfile);
    WriteBytes(dir / UserProfile::kNotesFileName, oldNotes);
    for (int step = 0;; ++step) {
      SCOPED_TRACE(testing::Message() << (interrupt ? "interrupted at " : "refused at ") << step);
      ASSERT_LT(step, 100);
      StepFaults faults(step, interrupt);
      profile.saveFaults = &faults;
      system.messages.clear();
      bool finished = false;
      try {
        finished = profile.SaveProfile();
      } catch (const ProcessEnded&) {
      }
      const std::string nowProfile = ProfileBytes();
      const bool newProfile = nowProfile.find("\t66.0000\t") != std::string::npos;
      EXPECT_TRUE(nowProfile == oldProfile ||
                  (newProfile && nowProfile.size() == oldProfile.size()));
      const std::string nowNotes = ReadBytes(dir / UserProfile::kNotesFileName);
      EXPECT_TRUE(nowNotes == oldNotes || nowNotes.size() == oldNotes.size() + 2048);
      ASSERT_EQ(system.messages.size(), interrupt || finished ? 0u : 1u);
      if (!system.messages.empty()) {
        // Refused in the profile's own steps, the old profile stays and the message says so.
        const std::string& said = system.messages[0].text;
        EXPECT_EQ(system.messages[0].caption, "Veltrane");
        EXPECT_FALSE(std::filesystem::exists(dir / "user_profile.vlu.tmp") ||
                     std::filesystem::exists(dir / "kanji_notes.dat.tmp"));
        EXPECT_EQ(said.starts_with("The user profile could not be saved to \"" + path + "\" (") &&
                      said.ends_with("The file saved before is unchanged."),
                  nowProfile == oldProfile);
      }
      // What the next start reads is always a complete profile, without temporary files.
      system.messages.clear();
      Reload();
      EXPECT_EQ(fresh->progress.size(), profile.progress.size());
      EXPECT_TRUE(system.messages.empty());
      EXPECT_FALSE(std::filesystem::exists(dir / "user_profile.vlu.tmp"));
      if (finished) break;
    }
  }
  // A file that would not change is not written again.
  StepFaults counter(-1, false);
  profile.saveFaults = &counter;
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

std::string Le16(std::uint16_t value) {
  return std::string{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

// A 2048-byte text field holding text, then a 0 unit, then filler.
std::string TextField(std::u16string_view text, char filler = '\0') {
  std::string field;
  for (const char16_t unit : text) field += Le16(unit);
  if (field.size() < 2048) field += Le16(0);
  field.resize(2048, filler);
  return field;
}

class KanjiNotesTest : public StudyTest {
 protected:
  void SetUp() override { AddKanji({0x3021, 0x3022, 0x3023}); }
  std::string NotesBytes() { return ReadBytes(dir / UserProfile::kNotesFileName); }
  std::u16string TextOf(const KanjiNote& note) { return std::u16string(note.text.data()); }
};

// Texts read are ended inside their buffer; an empty one gives no buffer at all.
TEST_F(KanjiNotesTest, ReadsRecordsInFileOrderAndAddsTheKanjiTheyLack) {
  const std::u16string full(1023, u'a');
  WriteBytes(dir / UserProfile::kNotesFileName,
             Le16(3) + Le16(0x3022) + Le16(1) + TextField(full + u'b') + Le16(0x7777) + Le16(5) +
                 TextField(u"old code") + Le16(0x3021) + Le16(1) + TextField(u"", 'z'));
  profile.LoadNotesFile();
  // Each note's code and text, "-" for a note without buffer.
  std::vector<std::pair<KanjiCode, std::u16string>> listing;
  for (const KanjiNote& n : profile.notes) {
    listing.emplace_back(n.code, n.HasText() ? TextOf(n) : u"-");
  }
  EXPECT_EQ(listing, (decltype(listing){
                         {0x3022, full}, {0x7777, u"old code"}, {0x3021, u"-"}, {0x3023, u"-"}}));
  EXPECT_TRUE(system.messages.empty());
  profile.ShowNote(0x3022);
  EXPECT_EQ(notesWindow.text.size(), NotesWindow::kMaxTextUnits);

  // Written back in the same order; the unknown code stays, hasText is written as 1.
  ASSERT_TRUE(profile.SaveNotesFile());
  EXPECT_EQ(NotesBytes(), Le16(4) + Le16(0x3022) + Le16(1) + TextField(full) + Le16(0x7777) +
                              Le16(1) + TextField(u"old code") + Le16(0x3021) + Le16(0) +
                              Le16(0x3023) + Le16(0));
}

TEST_F(KanjiNotesTest, ADamagedFileKeepsItsCompleteRecordsAndEveryKanjiGetsANote) {
  const std::string first = Le16(0x3022) + Le16(1) + TextField(u"kept");
  const struct {
    std::string bytes;
    bool kept;
  } cases[] = {
      {Le16(3) + first, true},  // records missing
      {Le16(2) + first + Le16(0x3021) + Le16(1) + "abc", true},  // text cut short
      {"\x01", false},
      {Le16(2) + std::string(3000, '\xFF'), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    WriteBytes(dir / UserProfile::kNotesFileName, c.bytes);
    system.messages.clear();
    profile.LoadNotesFile();
    EXPECT_TRUE(!c.kept || TextOf(profile.notes[0]) == u"kept");
    for (const KanjiCode code : {0x3021, 0x3022, 0x3023}) {
      EXPECT_EQ(std::ranges::count(profile.notes, code, &KanjiNote::code), 1);
    }
    for (const KanjiNote& n : profile.notes) EXPECT_TRUE(!n.HasText() || n.text.back() == 0);
    EXPECT_EQ(system.messages.size(), c.bytes.size() > 2 ? 1u : 0u);
  }
}

TEST_F(KanjiNotesTest, CapturingAndShowingFollowTheCards) {
  profile.CreateDefaultProfile();
  notesWindow.text = u"typed before any card";
  profile.CaptureNote();  // no kanji shown yet: nothing is taken
  for (const auto& note : profile.notes) EXPECT_FALSE(note.HasText());

  profile.ShowNote(0x3021);
  EXPECT_EQ(notesWindow.text, u"");
  notesWindow.text = u"first note\r\nline two";
  profile.CaptureNote();
  profile.ShowNote(0x3022);
  EXPECT_EQ(notesWindow.text, u"");
  profile.CaptureNote();  // empty text on a note without buffer: still none
  EXPECT_FALSE(profile.notes[1].HasText());
  profile.ShowNote(0x3021);
  EXPECT_EQ(notesWindow.text, u"first note\r\nline two");

  // A text longer than the window holds is cut.
  profile.ShowNote(0x3023);
  notesWindow.text = std::u16string(2000, u'n');
  profile.CaptureNote();
  EXPECT_EQ(TextOf(profile.notes[2]).size(), NotesWindow::kMaxTextUnits);
  EXPECT_TRUE(system.messages.empty());
  // Unknown kanji are reported and change nothing.
  profile.ShowNote(0x7777);
  EXPECT_EQ(profile.notesKanji, 0x3023);
  profile.notesKanji = 0x7777;
  profile.CaptureNote();
  ASSERT_EQ(system.messages.size(), 2u);
  EXPECT_EQ(system.messages[1].text, "1 Didn't find kanji in notes.");

  // A cleared note keeps its buffer until the next load (which drops it, as the first test shows).
  profile.ShowNote(0x3021);
  notesWindow.text.clear();
  profile.CaptureNote();
  ASSERT_TRUE(profile.notes[0].HasText());
  EXPECT_TRUE(profile.notes[0].IsEmpty());
  profile.SaveNotesFile();
  EXPECT_EQ(NotesBytes().substr(2, 4), Le16(0x3021) + Le16(1));
}

TEST_F(KanjiNotesTest, ANewProfileKeepsTheLearnersNotesAndAProfileWithNotesNeedsThem) {
  WriteStudyList({0x3021});
  WriteBytes(dir / UserProfile::kNotesFileName,
             Le16(1) + Le16(0x3023) + Le16(1) + TextField(u"precious"));
  profile.LoadProfile();
  ASSERT_EQ(profile.notes.size(), 3u);
  EXPECT_EQ(TextOf(profile.notes[0]), u"precious");
  EXPECT_NE(NotesBytes().find(TextField(u"precious")), std::string::npos);
  std::filesystem::remove(dir / UserProfile::kNotesFileName);
  UserProfile next(database, jis, system, clock, random, notesWindow, dir.path());
  ExpectFatal(
      system, [&] { next.LoadProfile(); }, "Failed to open notes file.", "Veltrane Error");
}

constexpr WindowHandle kOwner = 7;

struct RefuseAll : SaveFaults {
  bool Allow() override { return false; }
};

class ExtraSettingsTest : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return dir / ExtraSettings::kFileName; }
  ExtraSettings Loaded(std::string_view bytes) {
    WriteBytes(File(), bytes);
    ExtraSettings settings(dir.path(), system);
    settings.Load(kOwner);
    return settings;
  }

  TempDir dir;
  FakeSystem system;
};

TEST_F(ExtraSettingsTest, DamagedFileGivesDefaultsWithOneMessageAndIsCopiedAsideBeforeTheSave) {
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"byte that is not UTF-8", "zoom = 150\nname = \xFF\n"},
      {"over-long UTF-8 form", "zoom = 150\nname = \xC0\xAF\n"},
      {"UTF-8 sequence cut off at the end", "zoom = 150\nname = \xE3\x81"},
      {"UTF-16 surrogate", "zoom = 150\nname = \xED\xA0\x80\n"},
      {"line without equals sign", "zoom = 150\nzoom 200\n"},
      {"empty key", "zoom = 150\n = 3\n"},
      {"key with a blank", "zoom = 150\nzoom level = 3\n"},
      {"control character in a value", "zoom = 150\nname = a\x01z\n"},
      {"file too large", "zoom = 150\n" + std::string(ExtraSettings::kMaxFileSize, '#')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(dir.path());
    std::filesystem::create_directories(dir.path());
    system.messages.clear();
    ExtraSettings settings = Loaded(c.bytes);
    EXPECT_EQ(settings.GetInt("zoom", 100, 100, 250), 100);
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].caption, "Veltrane");

    ASSERT_TRUE(settings.SetInt("zoom", 125));
    ASSERT_TRUE(settings.Save(kOwner));
    ASSERT_TRUE(settings.Save(kOwner));
    EXPECT_EQ(ReadBytes(dir / "veltrane_settings.conf.bak"), c.bytes);
    EXPECT_FALSE(std::filesystem::exists(dir / "veltrane_settings.conf.bak2"));
    EXPECT_EQ(Loaded(ReadBytes(File())).GetInt("zoom", 100, 100, 250), 125);
    EXPECT_EQ(system.messages.size(), 1u);
  }
}

TEST_F(ExtraSettingsTest, ValuesReadWithTheirFallbacksAndAFailedSaveIsToldOnceKeepingTheFile) {
  ExtraSettings missing(dir.path(), system);
  missing.Load(kOwner);  // silently
  EXPECT_TRUE(missing.GetBool("dark", true));
  ExtraSettings settings = Loaded(
      "\xEF\xBB\xBF# by hand\r\nzoom = 175\r\nfuture.key = keep me\r\n\r\n"
      "dark = true\nbig = 99999999999\nword = 12abc\nlow = -3\nflag = maybe\nname = 漢字 かな\n"
      "dark = no\n");
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(settings.GetInt("zoom", 100, 100, 250), 175);
  EXPECT_EQ(settings.GetInt("zoom", 100, 100, 150), 100);
  EXPECT_EQ(settings.GetInt("big", 5, INT_MIN, INT_MAX), 5);
  EXPECT_EQ(settings.GetInt("word", 5, 0, 100), 5);
  EXPECT_EQ(settings.GetInt("low", 5, -10, 10), -3);
  EXPECT_FALSE(settings.GetBool("dark", true));  // the later line wins
  EXPECT_TRUE(settings.GetBool("flag", true));
  EXPECT_FALSE(settings.GetBool("flag", false));
  EXPECT_EQ(settings.GetString("name", ""), "漢字 かな");

  EXPECT_FALSE(settings.SetString("bad key", "1"));
  EXPECT_FALSE(settings.SetString("name", "two\nlines"));
  EXPECT_FALSE(settings.SetString("name", " padded"));
  ASSERT_TRUE(settings.SetBool("dark", true));
  ASSERT_TRUE(settings.SetString("stroke", ""));
  ASSERT_TRUE(settings.Save(kOwner));
  EXPECT_EQ(ReadBytes(File()),
            "# by hand\nzoom = 175\nfuture.key = keep me\n\ndark = true\nbig = 99999999999\n"
            "word = 12abc\nlow = -3\nflag = maybe\nname = 漢字 かな\nstroke = \n");

  const std::string before = ReadBytes(File());
  RefuseAll refuse;
  settings.saveFaults = &refuse;
  ASSERT_TRUE(settings.SetInt("zoom", 200));
  EXPECT_FALSE(settings.Save(kOwner));
  EXPECT_FALSE(settings.Save(kOwner));
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].caption, "Veltrane");
  EXPECT_EQ(ReadBytes(File()), before);
  EXPECT_EQ(settings.GetInt("zoom", 100, 100, 250), 200);  // kept for the next save

  settings.saveFaults = nullptr;
  ASSERT_TRUE(settings.Save(kOwner));
  EXPECT_EQ(Loaded(ReadBytes(File())).GetInt("zoom", 100, 100, 250), 200);
}

}  // namespace
