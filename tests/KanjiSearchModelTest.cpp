// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <optional>

#include "app/models/KanjiSearchModel.h"
#include "tests/StudyFixture.h"

namespace {

constexpr KanjiCode kMi = 0x245F, kZu = 0x243A;

class KanjiSearchModelTest : public StudyTest {
 protected:
  void SetUp() override {
    AddKanjiRange(3);
    database.kanji[1].kunReadings.push_back({CodeString{kMi, kZu}, CodeString{kMi, kZu}});
    database.kanji[1].meaning = "water";
    jis.Insert(kMi, 0x307F);
    jis.Insert(kZu, 0x305A);
    profile.CreateDefaultProfile();
    WriteStudyList({0x3021, 0x3023});
    profile.LoadStudyList();
    Activate({{0x3021, 50.0f}});
    model.emplace(profile, database, jis, dir.path());
  }
  std::optional<KanjiSearchModel> model;
};

TEST_F(KanjiSearchModelTest, SaysWhatItFound) {
  struct Case {
    const char16_t* query;
    std::vector<KanjiCode> matches;
    const char* line;
  };
  const Case cases[] = {
      {u"mizu", {0x3022}, "1 kanji read みず or meaning \"mizu\"."},
      {u" water ", {0x3022}, "1 kanji meaning \"water\"."},
      {u"\u4E01\u4E00", {0x3022, 0x3021}, "2 kanji."},
      {u"dog", {}, "No kanji meaning \"dog\"."},
      {u"4", {}, "Stroke counts are not available: the kanji facts file is missing."},
      {u"\u6F22", {}, "No kanji of the data set found for \"漢\"."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::u16string(c.query).size()));
    model->Search(c.query);
    EXPECT_EQ(model->matches(), c.matches);
    EXPECT_EQ(model->line(), c.line);
  }
}

}  // namespace
