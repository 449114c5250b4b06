// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The files the builder writes, read back by the program's own loaders; from damaged and hostile
// dictionary input it skips what it cannot read, and whatever it writes still loads.
#include "tools/DataSetWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "tests/DataFilesFixture.h"
#include "tests/ToolTestData.h"
#include "text/KanjiFactsFile.h"
#include "tools/Chime.h"
#include "tools/DataBuilder.h"
#include "tools/Edict.h"
#include "tools/Kanjidic.h"
#include "tools/ProgressBar.h"
#include "tools/StudyList.h"
#include "tools/TanakaCorpus.h"
#include "tools/Utf8.h"

namespace {

TEST(DataSetWriterTest, WritesLinesWithoutABreakAfterTheLastThatTheProgramLoads) {
  TempDir dir;
  std::vector<KanjiEntry> kanji = {TestKanji("食 ショク ジキ く.う た.べる", 2),
                                   TestKanji("亜 ア", 8)};
  kanji[0].meaning = "eat, food";
  kanji[1].meaning = "Asia";
  ASSERT_TRUE(WriteKanjiFile(dir / "kanji_data.dat", kanji, FullCharacterTable()));
  EXPECT_EQ(
      ReadBytes(dir / "kanji_data.dat"),
      Utf16FileBytes("食\t2\tショク／ジキ\tく（う）／た（べる）\teat, food\r\n亜\t8\tア\t\tAsia"));
  std::vector<Example> examples(2);
  examples[0] = {Jis("一杯"), Jis("いっ（いち）／ぱい（はい）"), "cupful\tfull", 4165};
  examples[1] = {Jis("今日"), Jis("＊きょう"), "today", 7};
  ASSERT_TRUE(WriteExamplesFile(dir / "examples.dat", examples, FullCharacterTable()));
  EXPECT_EQ(ReadBytes(dir / "examples.dat"),  // a tab would end the meaning early
            Utf16FileBytes("一杯\t【いっ（いち）／ぱい（はい）】\t4165\tcupful full\r\n"
                           "今日\t【＊きょう】\t7\ttoday"));
  const JisString order = Jis("一人");
  ASSERT_TRUE(
      WriteStudyList(dir / "study_list.vls", {order.begin(), order.end()}, FullCharacterTable()));
  EXPECT_EQ(ReadBytes(dir / "study_list.vls"), Utf16FileBytes("一\r\n人\r\n"));
  const std::vector<KanjiFacts> facts = {{0x3021, 7, 1509, 1, 1, 8}, {0x306C, 1, 2, 4, 1, 1}};
  ASSERT_TRUE(WriteKanjiFacts(dir / kKanjiFactsFileName, facts, FullCharacterTable()));

  FakeSystem system;
  KanjiDatabase database(FullJisTable(), system, dir.path());
  database.LoadAll();
  ASSERT_TRUE(system.messages.empty());
  ASSERT_EQ(std::pair(database.kanji.size(), database.examples.size()), std::pair(2ul, 2ul));
  EXPECT_EQ(database.kanji[0].kunReadings[1].bare, Codes("た"));
  EXPECT_EQ(database.examples[0].readingParts[1], Codes("ぱい（はい）"));
  std::vector<KanjiFacts> read;
  std::string message;
  ASSERT_EQ(LoadKanjiFacts(dir / kKanjiFactsFileName, FullJisTable(), read, message),
            FactsLoad::kLoaded);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(std::tuple(read[1].code, read[1].jlpt, read[0].frequency),
            std::tuple(KanjiCode{0x306C}, std::uint8_t{4}, std::uint16_t{1509}));

  // Characters the table lacks are refused.
  examples[0].word = JisString(1, 0x2F21);
  EXPECT_FALSE(WriteExamplesFile(dir / "examples.dat", examples, FullCharacterTable()));
}

TEST(StudyOrderTest, OrdersJouyouByGradeAndFrequencyThenJinmeiyou) {
  const std::vector<KanjiEntry> kanji = {
      TestKanji("亜", 8, 1509), TestKanji("一", 1, 2),   TestKanji("右", 1, 0),
      TestKanji("丑", 9, 0),    TestKanji("人", 1, 5),   TestKanji("丞", 10, 30),
      TestKanji("乂", 0, 0),    TestKanji("羽", 2, 800),
  };
  std::string order;
  for (KanjiCode code : StudyOrder(kanji)) order += Utf8(JisString(1, code));
  EXPECT_EQ(order, "一人右羽亜丞丑");
}

TEST(DataSetWriterTest, NamesTheSourcesAndTheirLicence) {
  TempDir dir;
  ASSERT_TRUE(WriteNotice(dir / "notice.txt", true) && WriteNotice(dir / "plain.txt", false));
  for (const char* needed : {"EDRDG", "KANJIDIC", "EDICT", "CC BY-SA 4.0", "Tanaka"}) {
    EXPECT_NE(ReadBytes(dir / "notice.txt").find(needed), std::string::npos) << needed;
  }
  EXPECT_EQ(ReadBytes(dir / "plain.txt").find("Tanaka"), std::string::npos);
}

TEST(ChimeTest, IsAShort16BitPcmWave) {
  const std::string wave = ChimeWave();
  ASSERT_GT(wave.size(), 44u);
  const auto u16 = [&](std::size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>(wave[at]) |
                                 static_cast<unsigned char>(wave[at + 1]) << 8);
  };
  const auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
  EXPECT_EQ(wave.substr(0, 4) + wave.substr(8, 8), "RIFFWAVEfmt ");
  // PCM, 16 bits, sizes that add up.
  EXPECT_EQ(std::tuple(u16(20), u16(34), u32(4), u32(40)),
            std::tuple(1u, 16u, wave.size() - 8, wave.size() - 44));
  const double seconds = static_cast<double>(u32(40)) / u32(28);
  EXPECT_TRUE(seconds > 0.2 && seconds < 1.5) << seconds;
  // It starts and ends in silence, so it does not click.
  EXPECT_EQ(u16(44) + u16(wave.size() - 2), 0u);
}

// Words lose their decorations; pairs without a word line are left out; the English keeps
// Latin-1 and marks the rest.
TEST(TanakaCorpusTest, WritesSentencePairsWithPlainWords) {
  TempDir dir;
  WriteBytes(dir / "examples.utf",
             "A: 彼は学生です。\tHe is a student.#ID=1_2\n"
             "B: 彼(かれ)[01] は 学生{学生です} です 二十歳(はたち){２０歳} なる[01]{になる}\n"
             "A: 行き先がない。\tNo café to go to.#ID=3_4\n"
             "A: 一。\tCafé — naïve.#ID=5_6\n"
             "B: 一(いち)~ 時(とき)[02]~ 何(なん){何の}\n");
  Utf16File out;
  std::string error;
  EXPECT_EQ(ConvertTanakaCorpus(dir / "examples.utf", out, error), 2);
  EXPECT_EQ(out.bytes(),
            Utf16FileBytes("A: 彼は学生です。\tHe is a student.\r\n"
                           "B: 彼 は 学生 です 二十歳 なる\r\n"
                           "A: 一。\tCafé ? naïve.\r\nB: 一 時 何\r\n"));
  EXPECT_EQ(ConvertTanakaCorpus(dir / "none.utf", out, error), -1);
  EXPECT_NE(error.find("cannot open"), std::string::npos);
}

TEST(ProgressBarTest, RedrawsOneLineAndClearsItAtTheEndOrStaysSilentWhenDisabled) {
  for (const bool enabled : {true, false}) {
    SCOPED_TRACE(enabled);
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ProgressBar bar(file, enabled);
    bar.Show("reading edict", 0.5);
    bar.Show("reading edict", 0.5);  // unchanged: not drawn again
    bar.Finish();
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
    std::fclose(file);
    EXPECT_EQ(text.empty(), !enabled);
    if (!enabled) continue;
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_NE(text.find("50% reading edict"), std::string::npos);
    EXPECT_EQ(text.find("50%"), text.rfind("50%"));
    EXPECT_EQ(text.back(), '\r');
  }
}

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
TEST(HostileDictionaryTest, BuildsSkippingWhatItCannotReadAndTheProgramLoadsIt) {
  TempDir dir;
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
  BuildOptions options;
  options.out = dir / "data";
  options.kanjidic = dir / "kanjidic";
  options.edict = dir / "edict";
  options.tanaka = dir / "examples.utf";
  BuildReport report;
  ProgressBar quiet(stderr, false);
  std::string error;
  ASSERT_TRUE(BuildDataSet(options, report, quiet, error)) << error;
  EXPECT_EQ(report.unreadableLines, 3);  // 亜 cut short, 一 with a wrong code, 字's sense
  EXPECT_EQ(report.kanji, 3);
  EXPECT_EQ(report.sentences, 2);

  FakeSystem system;
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
    std::vector<std::int32_t> offsets;
    database.SentenceOffsetsFor(Units(s.word), offsets);
    ASSERT_EQ(offsets.size(), 1u);
    CodeString japanese;
    std::string english;
    database.ReadSentence(offsets[0], japanese, english);
    EXPECT_EQ(std::pair(japanese, english), std::pair(Units(s.japanese), std::string(s.english)));
  }
}

}  // namespace
