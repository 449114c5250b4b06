#include "text/RomajiConverter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/KanjiCode.h"

namespace {

struct Typed {
  std::vector<CodeString> outputs;  // one per letter, empty ones included
  CodeString kana;                  // all outputs joined
  std::string pending;
};

Typed Type(RomajiConverter& converter, const std::string& letters) {
  char pendingOut[5] = "junk";
  Typed typed;
  for (char c : letters) {
    const CodeString out = converter.AddLetter(c, pendingOut);
    typed.outputs.push_back(out);
    typed.kana.units.insert(typed.kana.units.end(), out.units.begin(), out.units.end());
  }
  typed.pending = pendingOut;
  EXPECT_EQ(typed.pending, converter.pending);
  return typed;
}

TEST(RomajiConverterTest, TableHasEveryEntryInOrder) {
  const RomajiConverter converter;
  ASSERT_EQ(converter.table.size(), 132u);
  EXPECT_EQ(converter.table[0].romaji, "xa");
  EXPECT_EQ(converter.table[0].kana, CodeString(std::uint16_t{0x2421}));
  EXPECT_EQ(converter.table[89].romaji, "n'");
  EXPECT_EQ(converter.table[89].kana, CodeString(std::uint16_t{0x2473}));
  EXPECT_EQ(converter.table[90].romaji, "kya");
  EXPECT_EQ(converter.table[90].kana, (CodeString{0x242D, 0x2463}));
  EXPECT_EQ(converter.table[131].romaji, "ryo");
  // The single kana run through row 4 without a gap.
  KanjiCode expected = 0x2421;
  for (int i = 0; i < 90; ++i) {
    const KanjiCode code = converter.table[i].kana[0];
    EXPECT_TRUE(code == expected || code == expected + 1) << converter.table[i].romaji;
    expected = code;
  }
  EXPECT_EQ(expected, 0x2473);
}

TEST(RomajiConverterTest, WholeInputsInHiragana) {
  const struct {
    const char* romaji;
    CodeString kana;
    const char* pending;
  } cases[] = {
      {"kka", {0x2443, 0x242B}, ""},
      {"nna", {0x2473, 0x2422}, ""},
      {"shinbun", {0x2437, 0x2473, 0x2456}, "n"},
      {"kon'ya", {0x2433, 0x2473, 0x2464}, ""},
      {"matcha", {0x245E, 0x2443, 0x2441, 0x2463}, ""},
      {"xtsu", {0x2443}, ""},
      {"nya", {0x244B, 0x2463}, ""},
      {"nka", {0x2473, 0x242B}, ""},
      {"KA", {}, "KA"},
      {"bcdf", {}, "f"},
      {"bcda", {0x2422}, ""},
      {"qqq", {0x2443, 0x2443}, "q"},
      {"ka1 ", {0x242B}, ""},
      {"ji", {0x2438}, ""},
      {"zi", {}, "zi"},
      {"fu", {0x2455}, ""},
      {"dzu", {0x2445}, ""},
      {"onna", {0x242A, 0x2473, 0x2422}, ""},
      {"tsu", {0x2444}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.romaji);
    RomajiConverter converter;
    const Typed typed = Type(converter, c.romaji);
    EXPECT_EQ(typed.kana, c.kana);
    EXPECT_EQ(typed.pending, c.pending);
  }
}

TEST(RomajiConverterTest, KanaComeOutAsSoonAsComplete) {
  RomajiConverter converter;
  const Typed typed = Type(converter, "shinbun");
  ASSERT_EQ(typed.outputs.size(), 7u);
  EXPECT_TRUE(typed.outputs[1].empty());                           // sh
  EXPECT_EQ(typed.outputs[2], CodeString(std::uint16_t{0x2437}));  // shi
  EXPECT_TRUE(typed.outputs[3].empty());                           // n waits
  EXPECT_EQ(typed.outputs[4], CodeString(std::uint16_t{0x2473}));  // n before b
  EXPECT_EQ(typed.outputs[5], CodeString(std::uint16_t{0x2456}));  // bu
  EXPECT_TRUE(typed.outputs[6].empty());
}

TEST(RomajiConverterTest, KatakanaMode) {
  const struct {
    const char* romaji;
    CodeString kana;
  } cases[] = {
      {"ka", {0x252B}},
      {"nn", {0x2573}},
      {"kk", {0x2543}},
      {"kyo", {0x252D, 0x2567}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.romaji);
    RomajiConverter converter;
    converter.katakana = true;
    EXPECT_EQ(Type(converter, c.romaji).kana, c.kana);
  }
}

TEST(RomajiConverterTest, FlushTurnsOnlyALoneNIntoKana) {
  char pendingOut[5];
  RomajiConverter converter;
  Type(converter, "n");
  EXPECT_EQ(converter.Flush(pendingOut), CodeString(std::uint16_t{0x2473}));
  EXPECT_STREQ(pendingOut, "");
  EXPECT_EQ(converter.pendingLength, 0);

  converter.katakana = true;
  Type(converter, "n");
  EXPECT_EQ(converter.Flush(pendingOut), CodeString(std::uint16_t{0x2573}));

  Type(converter, "ky");
  EXPECT_TRUE(converter.Flush(pendingOut).empty());
  EXPECT_STREQ(pendingOut, "");
  EXPECT_EQ(converter.pendingLength, 0);
}

TEST(RomajiConverterTest, BackspaceRemovesPendingLetters) {
  char pendingOut[5];
  RomajiConverter converter;
  EXPECT_FALSE(converter.Backspace(pendingOut));
  Type(converter, "ky");
  EXPECT_TRUE(converter.Backspace(pendingOut));
  EXPECT_STREQ(pendingOut, "k");
  EXPECT_TRUE(converter.Backspace(pendingOut));
  EXPECT_STREQ(pendingOut, "");
  EXPECT_FALSE(converter.Backspace(pendingOut));
}

TEST(RomajiConverterTest, RefusedCharactersLeavePendingAlone) {
  char pendingOut[5] = "k";
  RomajiConverter converter;
  Type(converter, "k");
  for (char c : std::string("1 -\t\x80")) {
    EXPECT_TRUE(converter.AddLetter(c, pendingOut).empty());
  }
  EXPECT_STREQ(pendingOut, "k");
  EXPECT_EQ(converter.pendingLength, 1);
  converter.Reset(pendingOut);
  EXPECT_STREQ(pendingOut, "");
  EXPECT_EQ(converter.pendingLength, 0);
}

TEST(RomajiConverterTest, PendingNeverExceedsFourLetters) {
  RomajiConverter converter;
  const Typed typed = Type(converter, "qwrtzpqwrtzpxcvbnmlkjhgfds");
  EXPECT_LE(converter.pendingLength, 4);
  EXPECT_LE(typed.pending.size(), 4u);
}

}  // namespace
