// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/KanjiEntry.h"

#include <gtest/gtest.h>

#include "tests/ToolTestData.h"

namespace {

std::string Written(const std::vector<Reading>& readings) {
  std::string text;
  for (const Reading& reading : readings) {
    if (!text.empty()) text += "／";
    text += Utf8(reading.written);
  }
  return text;
}

TEST(KanjiEntryTest, WritesKanjidicMarksAsOkuriganaAndPositionMarks) {
  const struct {
    const char* kanjidic;
    const char* written;
    const char* bare;
  } cases[] = {
      {"た.べる", "た（べる）", "た"},
      {"-ぬ", "―ぬ", "ぬ"},
      {"こ-", "こ―", "こ"},
      {"-う.け", "―う（け）", "う"},
      {"おお.いに-", "おお（いに）―", "おお"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kanjidic);
    const JisString written = WrittenReading(Jis(c.kanjidic));
    EXPECT_EQ(Utf8(written), c.written);
    EXPECT_EQ(Utf8(BareReading(written)), c.bare);
  }
}

TEST(KanjiEntryTest, MapsKanjidicGradesToTheFilesDigit) {
  const int cases[][2] = {{0, 0}, {1, 1}, {6, 6}, {8, 8}, {9, 9}, {10, 9}, {7, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c[0]);
    EXPECT_EQ(GradeDigit(c[0]), c[1]);
  }
}

TEST(KanjiEntryTest, MergesReadingsOfOneKindThatShareABareForm) {
  ReadingRuleCounts counts;
  KanjidicEntry source;
  source.code = Jis("上")[0];
  source.on = {Jis("ジョウ"), Jis("ショウ")};
  source.kun = {Jis("うえ"),    Jis("あ.げる"), Jis("あ.がる"),
                Jis("あ.がり"), Jis("かみ"),    Jis("うわ-")};
  const KanjiEntry entry = MakeKanjiEntry(source, counts);
  EXPECT_EQ(Written(entry.kun), "うえ／あ（げる）／かみ／うわ―");
  EXPECT_EQ(counts.merged, 2);
  // The aligner still knows every okurigana the merged readings had.
  ASSERT_EQ(entry.kun[1].okurigana.size(), 3u);
  EXPECT_EQ(Utf8(entry.kun[1].okurigana[2]), "がり");
  EXPECT_TRUE(entry.kun[0].standsAlone);
  EXPECT_FALSE(entry.kun[1].standsAlone);
}

TEST(KanjiEntryTest, KeepsTheMostInformativeWrittenFormOfMergedReadings) {
  const struct {
    const char* kanjidic;
    const char* kun;
  } cases[] = {
      {"生 セイ う.まれる なま なま- -う う.む", "う（まれる）／なま"},
      {"行 コウ -い.き い.く", "い（く）"},
      {"上 ジョウ あ.げる -あ.げる あ.がる", "あ（げる）"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kanjidic);
    EXPECT_EQ(Written(TestKanji(c.kanjidic).kun), c.kun);
  }
}

TEST(KanjiEntryTest, LeavesOutOnReadingsPlusSuruAndReadingsALearnerCannotType) {
  ReadingRuleCounts counts;
  KanjidicEntry source;
  source.code = Jis("労")[0];
  source.on = {Jis("ロウ"), Jis("ダース"), Jis("キロメートル")};
  source.kun = {Jis("ろう.する"), Jis("いたわ.る"), Jis("ろう.じる"), Jis("ねぎら.う")};
  const KanjiEntry entry = MakeKanjiEntry(source, counts);
  EXPECT_EQ(Written(entry.on), "ロウ");
  EXPECT_EQ(Written(entry.kun), "いたわ（る）／ねぎら（う）");
  EXPECT_EQ(counts.suruNoise, 2);
  EXPECT_EQ(counts.untypeable, 2);
  // Six kana is still an answer.
  EXPECT_EQ(Written(TestKanji("瓩 キログラム").on), "キログラム");
}

TEST(KanjiEntryTest, JoinsTheEnglishMeaningsAndDropsNonLatinOnes) {
  KanjidicEntry source;
  source.code = Jis("亜")[0];
  source.meanings = {"Asia", "rank next", "\xA4\xA2", "-ous"};
  EXPECT_EQ(MakeKanjiEntry(source).meaning, "Asia, rank next, -ous");
}

}  // namespace
