// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/DataSetWriter.h"

#include <gtest/gtest.h>

#include "tests/TestFiles.h"
#include "tests/ToolTestData.h"
#include "tools/Chime.h"
#include "tools/StudyList.h"

namespace {

TEST(DataSetWriterTest, WritesKanjiExampleAndStudyListLinesWithoutABreakAfterTheLast) {
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
  ASSERT_TRUE(WriteNotice(dir / "notice.txt", true));
  const std::string text = ReadBytes(dir / "notice.txt");
  for (const char* needed : {"EDRDG", "KANJIDIC", "EDICT", "CC BY-SA 4.0", "Tanaka"}) {
    SCOPED_TRACE(needed);
    EXPECT_NE(text.find(needed), std::string::npos);
  }
  ASSERT_TRUE(WriteNotice(dir / "plain.txt", false));
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

}  // namespace
