// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/DialogNumbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/models/ControlIds.h"
#include "app/models/NumericEditFilter.h"

namespace {

TEST(DialogNumbersTest, IntegersStopAtTheFirstNonDigit) {
  for (const auto& [text, value] : std::initializer_list<std::pair<const char*, unsigned>>{
           {"", 0}, {"07", 7}, {"12ab", 12}, {"-3", 0}, {" 5", 0}, {"65535", 65535},
           {"65536", 65535}, {"123456789012345678901234567890", 65535}}) {
    EXPECT_EQ(ReadDialogInteger(text), value) << text;
  }
}

TEST(DialogNumbersTest, RealsReadLikeStrtodWithAFullStop) {
  for (const auto& [text, value] : std::initializer_list<std::pair<const char*, double>>{
           {"abc", 0.0}, {".5", 0.5}, {"1.5x", 1.5}, {" 2", 2.0}, {"1e1", 10.0}, {"4,5", 4.0}}) {
    EXPECT_EQ(ReadDialogReal(text), value) << text;
  }
  EXPECT_TRUE(std::isnan(ReadDialogReal("nan")));
  EXPECT_EQ(ReadDialogReal("inf"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadDialogReal("1e999"), std::numeric_limits<double>::infinity());
}

TEST(DialogNumbersTest, FormatsShowTwoDecimalsWhateverTheLocale) {
  EXPECT_EQ(FormatDialogReal(4.5f), "4.50");
  EXPECT_EQ(FormatDialogReal(7.999f), "8.00");
  EXPECT_EQ(FormatDialogInteger(9999), "9999");
}

TEST(NumericEditFilterTest, PassesDigitsEditingKeysAndTheDistributionsFullStop) {
  constexpr int kBaseline = ControlId::kScoreBaseline;
  const struct {
    int control;
    char32_t character;
    bool passes;
  } cases[] = {
      {kBaseline, U'9', true},    {kBaseline, 8, true},  // Backspace
      {kBaseline, 10, true},                             // line feed
      {kBaseline, U'.', false},   {ControlId::kSelectionDistribution, U'.', true},
      {kBaseline, U'a', false},   {ControlId::kScheduleDays, U'.', false},
      {kBaseline, 3, false},       // Ctrl+C
      {kBaseline, 0x130, false},   // low byte is "0"
      {kBaseline, 0xFF11, false},  // full-width 1
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.control << " U+" << std::hex << static_cast<unsigned>(c.character));
    EXPECT_EQ(NumericEditFilter::Passes(c.control, c.character), c.passes);
  }
}

}  // namespace
