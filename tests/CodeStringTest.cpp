// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/CodeString.h"

#include <gtest/gtest.h>

namespace {

TEST(CodeStringTest, ConstructorsAndEquality) {
  const std::uint16_t zeroTerminated[] = {0x2422, 0x2424, 0, 0x2426};
  EXPECT_EQ(CodeString(zeroTerminated), (CodeString{0x2422, 0x2424}));
  EXPECT_EQ(CodeString(3, zeroTerminated).length(), 3u);
  EXPECT_EQ(CodeString(0x2422, 0x2424), (CodeString{0x2422, 0x2424}));
  EXPECT_TRUE(CodeString(0u, nullptr).empty());
  EXPECT_TRUE(Equals(CodeString(), CodeString()));
  EXPECT_FALSE(Equals(CodeString{1}, CodeString{1, 2}));
}

TEST(CodeStringTest, LessIsUnsignedLexicographic) {
  EXPECT_TRUE(Less(CodeString{1, 2}, CodeString{1, 2, 0}));  // proper prefix is less
  EXPECT_FALSE(Less(CodeString{1, 2, 0}, CodeString{1, 2}));
  EXPECT_FALSE(Less(CodeString{1, 2}, CodeString{1, 2}));
  EXPECT_TRUE(Less(CodeString{0x7FFF}, CodeString{0x8000}));  // unsigned, not signed
  EXPECT_TRUE(Less(CodeString{2}, CodeString{0xFFFF, 0}));
  EXPECT_FALSE(Less(CodeString{3}, CodeString{2, 9}));
  EXPECT_TRUE(Less(CodeString(), CodeString{0}));
}

TEST(CodeStringTest, KanaConversions) {
  EXPECT_EQ(ToKatakana(CodeString{0x2442, 0x213C}), (CodeString{0x2542, 0x213C}));
  EXPECT_EQ(ToHiragana(CodeString{0x2542, 0x213C, 0x252B}), (CodeString{0x2442, 0x213C, 0x242B}));
  // Only the first unit decides.
  EXPECT_EQ(ToHiragana(CodeString{0x2442, 0x2542}), (CodeString{0x2442, 0x2542}));
  EXPECT_EQ(ToHiragana(CodeString{0x2521}), (CodeString{0x2421}));
  EXPECT_EQ(ToHiragana(CodeString{0x2520}), (CodeString{0x2520}));
  EXPECT_TRUE(ToHiragana(CodeString()).empty());
}

}  // namespace
