// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/RomajiConverter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(RomajiConverterTest, WholeInputs) {
  const struct {
    const char* romaji;
    CodeString kana;
    const char* pending;
    bool katakana = false;
  } cases[] = {
      {"kka", {0x2443, 0x242B}, ""},          {"nna", {0x2473, 0x2422}, ""},
      {"shinbun", {0x2437, 0x2473, 0x2456}, "n"}, {"kon'ya", {0x2433, 0x2473, 0x2464}, ""},
      {"matcha", {0x245E, 0x2443, 0x2441, 0x2463}, ""}, {"xtsu", {0x2443}, ""},
      {"nya", {0x244B, 0x2463}, ""},          {"nka", {0x2473, 0x242B}, ""},
      {"KA", {}, "KA"},                       {"bcdf", {}, "f"},
      {"bcda", {0x2422}, ""},                 {"qqq", {0x2443, 0x2443}, "q"},
      {"ka1 ", {0x242B}, ""},                 {"ji", {0x2438}, ""},
      {"zi", {}, "zi"},                       {"fu", {0x2455}, ""},
      {"dzu", {0x2445}, ""},                  {"onna", {0x242A, 0x2473, 0x2422}, ""},
      {"tsu", {0x2444}, ""},                  {"ka", {0x252B}, "", true},
      {"nn", {0x2573}, "", true},             {"kk", {0x2543}, "k", true},
      {"kyo", {0x252D, 0x2567}, "", true},    {"qwrtzpqwrtzpxcvbnmlkjhgfds", {}, "ds"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.romaji);
    RomajiConverter converter;
    converter.katakana = c.katakana;
    const Typed typed = Type(converter, c.romaji);
    EXPECT_EQ(typed.kana, c.kana);
    EXPECT_EQ(typed.pending, c.pending);
  }
}

TEST(RomajiConverterTest, FlushTurnsOnlyALoneNIntoKana) {
  char pendingOut[5];
  RomajiConverter converter;
  Type(converter, "n");
  EXPECT_EQ(converter.Flush(pendingOut), CodeString(std::uint16_t{0x2473}));
  EXPECT_STREQ(pendingOut, "");

  converter.katakana = true;
  Type(converter, "n");
  EXPECT_EQ(converter.Flush(pendingOut), CodeString(std::uint16_t{0x2573}));

  Type(converter, "ky");
  EXPECT_TRUE(converter.Flush(pendingOut).empty());
  EXPECT_STREQ(pendingOut, "");
  EXPECT_EQ(converter.pendingLength, 0);
}

TEST(RomajiConverterTest, RefusedCharactersLeavePendingAloneBackspaceAndResetRemoveIt) {
  char pendingOut[5] = "ky";  // as the display shows it
  RomajiConverter converter;
  Type(converter, "ky");
  for (char c : std::string("1 -\t\x80")) {
    EXPECT_TRUE(converter.AddLetter(c, pendingOut).empty());
  }
  EXPECT_STREQ(pendingOut, "ky");
  EXPECT_EQ(converter.pendingLength, 2);
  EXPECT_TRUE(converter.Backspace(pendingOut));
  EXPECT_STREQ(pendingOut, "k");
  EXPECT_TRUE(converter.Backspace(pendingOut));
  EXPECT_FALSE(converter.Backspace(pendingOut));
  EXPECT_STREQ(pendingOut, "");

  Type(converter, "ky");
  converter.Reset(pendingOut);
  EXPECT_STREQ(pendingOut, "");
  EXPECT_EQ(converter.pendingLength, 0);
}

}  // namespace
