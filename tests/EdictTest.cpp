#include "tools/Edict.h"

#include <gtest/gtest.h>

#include "tests/TestFiles.h"
#include "tests/ToolTestData.h"

namespace {

std::vector<EdictEntry> Parse(const char* utf8) {
  return ParseEdictLine(EucJp(utf8));
}

TEST(EdictTest, ReadsAnEdictLineWithItsFlags) {
  const auto entries = Parse("漢字 [かんじ] /(n) Chinese characters/kanji/(P)/");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(Utf8(entries[0].word), "漢字");
  EXPECT_EQ(Utf8(entries[0].reading), "かんじ");
  EXPECT_EQ(entries[0].meaning, "Chinese characters; kanji");
  EXPECT_TRUE(entries[0].common);
  EXPECT_FALSE(entries[0].usuallyKana);
}

TEST(EdictTest, SplitsEdict2SpellingsAndReadingsAndDropsTaggedForms) {
  const auto entries =
      Parse("受付;受け付け;受附(oK) [うけつけ;うけつき(ok)] /(n) reception/(P)/EntL1234567X/");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(Utf8(entries[0].word), "受付");
  EXPECT_EQ(Utf8(entries[1].word), "受け付け");
  EXPECT_EQ(Utf8(entries[1].reading), "うけつけ");
}

TEST(EdictTest, TakesTheCommonFormsFromTheirOwnMarksAndHonoursReadingRestrictions) {
  const auto common = Parse("分かる;解る(P) [わかる(P)] /(v5r) to understand/(P)/");
  ASSERT_EQ(common.size(), 2u);
  EXPECT_FALSE(common[0].common);
  EXPECT_TRUE(common[1].common);

  const auto restricted = Parse("空;虚 [から;そら(空)] /(n) emptiness/");
  ASSERT_EQ(restricted.size(), 3u);
  EXPECT_EQ(Utf8(restricted[1].reading), "そら");
  EXPECT_EQ(Utf8(restricted[2].word), "虚");
  EXPECT_EQ(Utf8(restricted[2].reading), "から");
}

TEST(EdictTest, LeavesOutIrregularRareAndOutdatedWords) {
  for (const char* line : {"いさぎ良い [いさぎよい] /(iK) (adj-i) manly/",
                           "古い字 [ふるいじ] /(n) (1) (obsc) old letter/(2) (arch) old type/"}) {
    SCOPED_TRACE(line);
    EXPECT_TRUE(Parse(line).empty());
  }
  // One archaic sense among modern ones does not make the word archaic.
  EXPECT_EQ(Parse("古字 [こじ] /(n) (1) old letter/(2) (arch) old type/").size(), 1u);
  // Kept here; it has no kanji, which the selection checks.
  EXPECT_EQ(Parse("ＡＢ [エービー] /(n) AB/").size(), 1u);
}

TEST(EdictTest, MarksWordsUsuallyWrittenInKanaOnTheirFirstSense) {
  EXPECT_TRUE(Parse("此れ [これ] /(pn) (uk) this/(P)/")[0].usuallyKana);
  EXPECT_FALSE(Parse("一杯 [いっぱい] /(n) (1) cupful/(adv) (2) (uk) fully/(P)/")[0].usuallyKana);
}

TEST(EdictTest, ShortensTheMeaningToTheFirstSensesWithoutTags) {
  const struct {
    const char* body;
    const char* meaning;
  } cases[] = {
      {"(n,adj-no) (1) amount (e.g. cupful)/drink/(adj-na) (2) full/(P)/",
       "amount (e.g. cupful); drink; full"},
      {"(n) {comp} display/", "display"},
      {"(n) (ksb:) fool/", "fool"},
      {"(n) this is a very long gloss that goes on and on well beyond one line of text/",
       "this is a very long gloss that goes on and on well beyond..."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const std::string meaning = EdictMeaning(c.body);
    EXPECT_EQ(meaning, c.meaning);
    EXPECT_LE(meaning.size(), kMeaningLimit);
  }
}

TEST(EdictFileTest, RefusesAFileInAnotherEncoding) {
  TempDir dir;
  WriteBytes(dir / "edict.utf8",
             "漢字 [かんじ] /(n) Chinese characters/(P)/\n"
             "一杯 [いっぱい] /(n) cupful/(P)/\n");
  std::vector<EdictEntry> entries;
  std::string error;
  EXPECT_FALSE(ReadEdict(dir / "edict.utf8", entries, error, nullptr));
  EXPECT_NE(error.find("EUC-JP"), std::string::npos);
  entries.clear();
  WriteBytes(dir / "edict", EucJp("漢字 [かんじ] /(n) Chinese characters/(P)/\n"));
  EXPECT_TRUE(ReadEdict(dir / "edict", entries, error, nullptr));
  EXPECT_EQ(entries.size(), 1u);
}

}  // namespace
