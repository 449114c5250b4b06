// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Damaged and hostile dictionary input: the builder skips what it cannot read, and whatever it
// writes loads in the program.
#include <gtest/gtest.h>

#include <memory>

#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"
#include "tests/ToolTestData.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"
#include "tools/DataBuilder.h"
#include "tools/Edict.h"
#include "tools/Kanjidic.h"
#include "tools/Utf8.h"

namespace {

TEST(HostileDictionaryTest, Utf8DecoderRefusesIllFormedSequencesOneReplacementPerBrokenPart) {
  const struct {
    const char* bytes;
    std::u16string text;
  } cases[] = {
      {"\xC0\x8D", u"\uFFFD\uFFFD"},                // overlong CR
      {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},      // overlong solidus
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},      // a surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
      {"\xF8\x88\x80\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"a\xE3\x81" "b", u"a\uFFFDb"},  // cut short: the next character survives
      {"\xE3\x81\x82\xC2\x80\xF0\x9F\x98\x80", u"\u3042\u0080\U0001F600"},
      {"\xED\x9F\xBF\xEF\xBF\xBD\xF4\x8F\xBF\xBF", u"\uD7FF\uFFFD\U0010FFFF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(DecodeUtf8(c.bytes), c.text);
  }
}

TEST(HostileDictionaryTest, KanjidicLineCutAfterItsCodeIsRefusedWithoutReadingPastIt) {
  const std::string line = EucJp("亜 3021");
  // A buffer of exactly the line's size, so a sanitizer sees a read past it.
  const auto exact = std::make_unique<char[]>(line.size());
  std::copy(line.begin(), line.end(), exact.get());
  EXPECT_FALSE(ParseKanjidicLine(std::string_view(exact.get(), line.size())));
  EXPECT_TRUE(ParseKanjidicLine(EucJp("亜 3021 ア {Asia}")));
}

TEST(HostileDictionaryTest, EdictLineWithAnImpossibleSenseNumberIsDamaged) {
  std::vector<EdictEntry> entries;
  EXPECT_FALSE(ParseEdictLine(EucJp("字 [じ] /(1) letter/(9999999999) sign/"), entries));
  EXPECT_TRUE(entries.empty());
  EXPECT_TRUE(ParseEdictLine(EucJp("字 [じ] /(1) letter/(2147483647) sign/"), entries));
  EXPECT_EQ(EdictMeaning("(1) letter/(99999999999) sign/"), "letter; sign");
}

// Builds from dictionaries with damage of every kind found so far, then loads the result as the
// program does.
class HostileBuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(dir / "kanjidic", EucJp("漢 3441 G3 カン {Sino-\r}\n"
                                       "字 3B7A G1 ジ あざ あ.z {char\x01" "acter}\n"
                                       "亜 3021\n"
                                       "一 9999 イチ\n") +
                                     EucJp("語 386C G2 ゴ かた.る {word}"));
    WriteBytes(dir / "edict", EucJp("漢字 [かんじ] /(n) kanji\rcharacters/(P)/\n"
                                    "字 [じ] /(1) letter/(9999999999) sign/\n"
                                    "語 [ご] /(n) word/\n"));
    WriteBytes(dir / "examples.utf",
               "\xEF\xBB\xBF" "A: 漢\r字です。\tThey\tare kanji.\r\x01#ID=1\r\n"
               "B: 漢字\r\x7F" "です\n"
               "A: 語\xC0\x8D" "です。\tA word.#ID=2\n"
               "B: 語\n"
               "A: \r\tOnly a control character.#ID=3\n"
               "B: 語\n");
    options.out = dir / "data";
    options.kanjidic = dir / "kanjidic";
    options.edict = dir / "edict";
    options.tanaka = dir / "examples.utf";
  }

  TempDir dir;
  BuildOptions options;
  BuildReport report;
  FakeSystem system;
};

TEST_F(HostileBuildTest, BuildsSkippingWhatItCannotReadAndTheProgramLoadsIt) {
  ProgressBar quiet(stderr, false);
  std::string error;
  ASSERT_TRUE(BuildDataSet(options, report, quiet, error)) << error;
  EXPECT_EQ(report.unreadableLines, 3);  // 亜 cut short, 一 with a wrong code, 字's sense
  EXPECT_EQ(report.kanji, 3);
  EXPECT_EQ(report.sentences, 2);

  const JisTable jis(options.out / JisTable::kFileName, system);
  KanjiDatabase database(jis, system, options.out);
  ASSERT_NO_THROW(database.LoadAll());
  ASSERT_TRUE(system.messages.empty());
  ASSERT_EQ(database.kanji.size(), 3u);
  EXPECT_EQ(database.kanji[0].meaning, "Sino- ");
  EXPECT_EQ(database.kanji[1].kunReadings.size(), 1u);  // あ.z cannot be written
  EXPECT_EQ(database.examples.size(), 2u);

  const struct {
    const char* word;
    const char* japanese;
    const char* english;
  } sentences[] = {
      {"漢字", "漢字です。", "They are kanji.  "},
      {"です", "漢字です。", "They are kanji.  "},
      {"語", "語\uFFFD\uFFFDです。", "A word."},
  };
  for (const auto& s : sentences) {
    SCOPED_TRACE(s.word);
    std::u16string word = Utf16(s.word);
    std::vector<std::int32_t> offsets;
    database.SentenceOffsetsFor(CodeString(static_cast<std::uint32_t>(word.size()),
                                           reinterpret_cast<const std::uint16_t*>(word.data())),
                                offsets);
    ASSERT_EQ(offsets.size(), 1u);
    CodeString japanese;
    std::string english;
    database.ReadSentence(offsets[0], japanese, english);
    const std::u16string expected = Utf16(s.japanese);
    EXPECT_EQ(std::u16string(japanese.units.begin(), japanese.units.end()), expected);
    EXPECT_EQ(english, s.english);
  }
}

}  // namespace
