// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "app/models/KanjiSearchModel.h"
#include "app/models/StudyListDialogModel.h"
#include "study/ReadyStudyList.h"
#include "study/StudyListFile.h"
#include "tests/StudyFixture.h"
#include "text/KanjiFactsFile.h"

namespace {

class StudyListDialogModelTest : public StudyTest {
 protected:
  void SetUp() override {
    AddKanjiRange(6);
    for (std::size_t i = 0; i < database.kanji.size(); ++i) {
      database.kanji[i].grade = static_cast<std::uint16_t>(i < 3 ? 1 : 2);
    }
    profile.CreateDefaultProfile();
    WriteStudyList({0x3021, 0x3022, 0x3023, 0x3024, 0x3025, 0x3026});
    profile.LoadStudyList();
    Activate({{0x3021, 50.0f}});
  }
  // JLPT level 4 for the last two kanji, 3 for the first two.
  void WriteFacts() {
    std::string text = std::string(kKanjiFactsHeader) + "\n";
    const int jlpt[] = {3, 3, 0, 0, 4, 4};
    for (int i = 0; i < 6; ++i) {
      const auto code = static_cast<KanjiCode>(0x3021 + i);
      text += KanjiFactsLine(UnicodeOf(code), {code, static_cast<std::uint16_t>(i + 1),
                                                static_cast<std::uint16_t>(10 - i),
                                                static_cast<std::uint8_t>(jlpt[i]), 1, 1});
    }
    WriteBytes(dir / kKanjiFactsFileName, text);
  }
  void WriteReadyList(const char* name, const std::vector<KanjiCode>& codes) {
    std::filesystem::create_directories(dir / kStudyListsFolder);
    WriteBytes(dir / kStudyListsFolder / name, StudyListBytes(codes, jis));
  }
  static StudyListChoice Ready(int index) { return {.readyIndex = index, .recipe = {}}; }

  StudyListDialogModel model{profile, database, jis, dir.path()};
};

TEST_F(StudyListDialogModelTest, SwitchingToJlptLevel4FirstMakesTheNextIntroductionFollowIt) {
  WriteFacts();
  WriteReadyList("grade.vls", {0x3021, 0x3022, 0x3023});
  WriteReadyList("jlpt.vls", {0x3025, 0x3026, 0x3021, 0x3022, 0x3099});
  model.Open();
  EXPECT_TRUE(model.factsLine().empty());
  ASSERT_EQ(model.readyLists().size(), 2u);
  EXPECT_EQ(model.readyLists()[1].title, "JLPT level 4 first, then frequency");

  model.Choose(Ready(1));
  EXPECT_EQ(model.count(), 4u);  // the kanji the data set lacks does not count
  EXPECT_EQ(model.CountLine(), "4 kanji, 3 of them not yet studied");
  EXPECT_EQ(model.Preview(2), (std::vector<KanjiCode>{0x3025, 0x3026}));
  std::string error;
  ASSERT_TRUE(model.Apply(error)) << error;

  profile.settings.introduceCount = 1;
  profile.IntroduceKanji(true);
  EXPECT_EQ(profile.progress[static_cast<std::size_t>(profile.activeList.back())].code, 0x3025);
}

TEST_F(StudyListDialogModelTest, ListsThatCannotBeAppliedSayWhyAndChangeNothing) {
  WriteFacts();
  WriteReadyList("grade.vls", {0x3021});
  WriteBytes(dir / kStudyListsFolder / "frequency.vls", "not UTF-16");
  const std::string before = ReadBytes(dir / UserProfile::kStudyListFileName);
  model.Open();
  const StudyListChoice none{.compose = true,
                             .readyIndex = 0,
                             .recipe = {.byStrokes = true, .strokesLow = 20, .strokesHigh = 30}};
  const struct {
    const char* name;
    StudyListChoice choice;
    const char* reason;
  } cases[] = {
      {"composed list without kanji", none, "holds no kanji"},
      {"unreadable ready list", Ready(1), "is not a study list"},
      {"no such ready list", Ready(5), "Choose a list"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    model.Choose(c.choice);
    EXPECT_NE(model.ApplyBlocked().find(c.reason), std::string::npos) << model.ApplyBlocked();
    std::string error;
    EXPECT_FALSE(model.Apply(error));
  }
  model.Choose(Ready(0));  // looked at, never applied: Cancel
  EXPECT_TRUE(model.ApplyBlocked().empty());
  EXPECT_EQ(ReadBytes(dir / UserProfile::kStudyListFileName), before);
  EXPECT_FALSE(std::filesystem::exists(dir / "study_list.vls.bak"));
}

// Composing by grade, which needs no facts, is the recipe's own test.
TEST_F(StudyListDialogModelTest, WithoutTheFactsFileItSaysSoAndOpensOnComposing) {
  model.Open();
  EXPECT_FALSE(model.factsAvailable());
  EXPECT_NE(model.factsLine().find("missing"), std::string::npos);
  EXPECT_FALSE(model.readyLine().empty());
  EXPECT_TRUE(model.choice().compose);
}

// The search bar's model on the same data set, where 丁 (0x3022) reads みず and means water.
TEST_F(StudyListDialogModelTest, KanjiSearchSaysWhatItFound) {
  constexpr KanjiCode kMi = 0x245F, kZu = 0x243A;
  database.kanji[1].kunReadings.push_back({CodeString{kMi, kZu}, CodeString{kMi, kZu}});
  database.kanji[1].meaning = "water";
  jis.Insert(kMi, 0x307F);
  jis.Insert(kZu, 0x305A);
  KanjiSearchModel search(profile, database, jis, dir.path());
  const struct {
    const char16_t* query;
    std::vector<KanjiCode> matches;
    const char* line;
  } cases[] = {
      {u"mizu", {0x3022}, "1 kanji read みず or meaning \"mizu\"."},
      {u" water ", {0x3022}, "1 kanji meaning \"water\"."},
      {u"\u4E01\u4E00", {0x3022, 0x3021}, "2 kanji."},
      {u"dog", {}, "No kanji meaning \"dog\"."},
      {u"4", {}, "Stroke counts are not available: the kanji facts file is missing."},
      {u"\u6F22", {}, "No kanji of the data set found for \"漢\"."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::u16string(c.query).size()));
    search.Search(c.query);
    EXPECT_EQ(search.matches(), c.matches);
    EXPECT_EQ(search.line(), c.line);
  }
}

}  // namespace
