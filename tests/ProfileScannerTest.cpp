// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/ProfileScanner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

struct NumberCase {
  std::string text;
  bool ok;
  double value;  // expected when ok
};

// Reads one value of each case's text with read; a failed read leaves the value alone.
template <typename T>
void ExpectReads(bool (ProfileScanner::*read)(T&), std::initializer_list<NumberCase> cases) {
  const T untouched = static_cast<T>(7);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    std::istringstream in(c.text);
    ProfileScanner scanner(in);
    T value = untouched;
    EXPECT_EQ((scanner.*read)(value), c.ok);
    EXPECT_EQ(value, c.ok ? static_cast<T>(c.value) : untouched);
  }
}

TEST(ProfileScannerTest, ReadsEachKindOfValueLikeFormattedInputWithinItsType) {
  ExpectReads(&ProfileScanner::ReadUint16,
              {{" \r\n\t 42", true, 42}, {"50\t\t<--score baseline", true, 50}, {"+9", true, 9},
               {"65535", true, 65535}, {"65536", false, 0}, {"-1", false, 0}, {"-0", true, 0},
               {std::string(1000000, '9'), false, 0}, {"00000000000000000000000000000000001",
               true, 1}, {"x1", false, 0}, {"", false, 0}});
  ExpectReads(&ProfileScanner::ReadInt16,
              {{"-32768", true, -32768}, {"-32769", false, 0}, {"32767", true, 32767}});
  ExpectReads(&ProfileScanner::ReadBool,
              {{"0", true, 0}, {"1", true, 1}, {"2", false, 0}, {"-1", false, 0},
               {"true", false, 0}});
  ExpectReads(&ProfileScanner::ReadHexCode,
              {{"3b4e", true, 0x3B4E}, {"3B4E", true, 0x3B4E}, {"0x3021", true, 0x3021},
               {"0\t1", true, 0}, {"10000", false, 0}, {"zz", false, 0}, {"0x", false, 0}});
  ExpectReads(&ProfileScanner::ReadFloat,
              {{"87.5000", true, 87.5}, {"4.50000\t\t<--selection", true, 4.5},
               {"1.00000e-05", true, 1e-5f}, {"+4.5", true, 4.5}, {"-0.5", true, -0.5},
               {"1e39", false, 0}, {"inf", false, 0}, {"nan", false, 0}, {"5e", false, 0},
               // Stream input reads a token of any length.
               {"62.5" + std::string(200, '0') + "\t3", true, 62.5},
               {std::string(100, '1'), false, 0}});
  std::istringstream in("4294967296 -9223372036854775808 9223372036854775808");
  ProfileScanner scanner(in);
  std::int64_t value = 0;
  EXPECT_TRUE(scanner.ReadInt64(value) && value == 4294967296LL);
  EXPECT_TRUE(scanner.ReadInt64(value) && value == INT64_MIN);
  EXPECT_FALSE(scanner.ReadInt64(value));
}

TEST(ProfileScannerTest, OneFailedReadMakesEveryLaterReadFail) {
  std::istringstream in("x 5 6");
  ProfileScanner scanner(in);
  std::uint16_t value = 0;
  EXPECT_FALSE(scanner.ReadUint16(value));
  EXPECT_FALSE(scanner.ReadUint16(value));
  EXPECT_FALSE(scanner.SkipRestOfLine());
  EXPECT_TRUE(scanner.failed());
}

TEST(ProfileScannerTest, SkipsTheRestOfALineUpToItsLimitAndSeesTheEndPastWhiteSpace) {
  const struct {
    std::string text;
    bool ok;
  } cases[] = {
      {"\t\t<--comment\r\n7", true},          {"\t<--comment\n7", true},
      {std::string(1022, 'c') + "\r\n7", true}, {std::string(1023, 'c') + "\r\n7", false},
      {"\t<--comment", true},                 {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    std::istringstream in(c.text);
    ProfileScanner scanner(in);
    EXPECT_EQ(scanner.SkipRestOfLine(), c.ok);
    std::uint16_t next = 0;
    EXPECT_TRUE(!c.ok || !c.text.ends_with("7") || (scanner.ReadUint16(next) && next == 7));
  }
  std::istringstream in("5 \r\n\t ");
  ProfileScanner scanner(in);
  EXPECT_FALSE(scanner.AtEndOfText());
  std::uint16_t value = 0;
  scanner.ReadUint16(value);
  EXPECT_TRUE(scanner.AtEndOfText());
}

}  // namespace
