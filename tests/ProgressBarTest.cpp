// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ProgressBar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Written(std::FILE* file) {
  std::rewind(file);
  std::string text;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
  return text;
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
    const std::string text = Written(file);
    std::fclose(file);
    if (!enabled) {
      EXPECT_EQ(text, "");
      continue;
    }
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_NE(text.find("50% reading edict"), std::string::npos);
    EXPECT_EQ(text.find("50%"), text.rfind("50%"));
    EXPECT_EQ(text.back(), '\r');
  }
}

}  // namespace
