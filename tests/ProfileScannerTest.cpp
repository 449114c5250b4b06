#include "study/ProfileScanner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

struct NumberCase {
  const char* name;
  std::string text;
  bool ok;
  double value;  // expected when ok
};

// Reads one value of each case's text with read; a failed read leaves the value alone.
template <typename T>
void ExpectReads(bool (ProfileScanner::*read)(T&), std::initializer_list<NumberCase> cases) {
  const T untouched = static_cast<T>(7);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::istringstream in(c.text);
    ProfileScanner scanner(in);
    T value = untouched;
    EXPECT_EQ((scanner.*read)(value), c.ok);
    EXPECT_EQ(value, c.ok ? static_cast<T>(c.value) : untouched);
  }
}

TEST(ProfileScannerTest, ReadsUnsigned16BitValuesLikeFormattedInput) {
  ExpectReads(&ProfileScanner::ReadUint16,
              {
                  {"leading white space and line ends", " \r\n\t 42", true, 42},
                  {"comment after the value", "50\t\t<--score baseline", true, 50},
                  {"plus sign", "+9", true, 9},
                  {"largest", "65535", true, 65535},
                  {"too large", "65536", false, 0},
                  {"negative", "-1", false, 0},
                  {"minus zero", "-0", true, 0},
                  {"a million digits", std::string(1000000, '9'), false, 0},
                  {"not a number", "x1", false, 0},
                  {"empty", "", false, 0},
              });
}

TEST(ProfileScannerTest, ReadsSignedValuesWithinTheirType) {
  ExpectReads(&ProfileScanner::ReadInt16, {
                                              {"smallest", "-32768", true, -32768},
                                              {"below the smallest", "-32769", false, 0},
                                              {"largest", "32767", true, 32767},
                                          });
  std::istringstream in("4294967296 -9223372036854775808 9223372036854775808");
  ProfileScanner scanner(in);
  std::int64_t value = 0;
  EXPECT_TRUE(scanner.ReadInt64(value));
  EXPECT_EQ(value, 4294967296LL);
  EXPECT_TRUE(scanner.ReadInt64(value));
  EXPECT_EQ(value, INT64_MIN);
  EXPECT_FALSE(scanner.ReadInt64(value));
}

TEST(ProfileScannerTest, ReadsBooleansOnlyAsZeroOrOne) {
  ExpectReads(&ProfileScanner::ReadBool, {
                                             {"zero", "0", true, 0},
                                             {"two", "2", false, 0},
                                             {"minus one", "-1", false, 0},
                                             {"word", "true", false, 0},
                                         });
}

TEST(ProfileScannerTest, ReadsHexadecimalCodes) {
  ExpectReads(&ProfileScanner::ReadHexCode, {
                                                {"letters", "3b4e", true, 0x3B4E},
                                                {"capitals", "3B4E", true, 0x3B4E},
                                                {"prefix", "0x3021", true, 0x3021},
                                                {"zero", "0\t1", true, 0},
                                                {"too large", "10000", false, 0},
                                                {"not hex", "zz", false, 0},
                                                {"prefix alone", "0x", false, 0},
                                            });
}

TEST(ProfileScannerTest, ReadsFiniteFloatsOnly) {
  ExpectReads(&ProfileScanner::ReadFloat,
              {
                  {"written score", "87.5000", true, 87.5},
                  {"distribution", "4.50000\t\t<--selection", true, 4.5},
                  {"exponent", "1.00000e-05", true, 1e-5f},
                  {"plus sign", "+4.5", true, 4.5},
                  {"minus sign", "-0.5", true, -0.5},
                  {"beyond a float", "1e39", false, 0},
                  {"infinity", "inf", false, 0},
                  {"not a number", "nan", false, 0},
                  {"dangling exponent", "5e", false, 0},
                  {"endless digits", std::string(100, '1'), false, 0},
              });
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

TEST(ProfileScannerTest, SkipsTheRestOfALineUpToItsLimit) {
  struct Case {
    const char* name;
    std::string text;
    bool ok;
  };
  const Case cases[] = {
      {"CR LF", "\t\t<--comment\r\n7", true},
      {"LF alone", "\t<--comment\n7", true},
      {"longest rest", std::string(1022, 'c') + "\r\n7", true},
      {"one too long", std::string(1023, 'c') + "\r\n7", false},
      {"end of file after text", "\t<--comment", true},
      {"end of file at once", "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::istringstream in(c.text);
    ProfileScanner scanner(in);
    EXPECT_EQ(scanner.SkipRestOfLine(), c.ok);
    std::uint16_t next = 0;
    if (c.ok && c.text.ends_with("7")) {
      EXPECT_TRUE(scanner.ReadUint16(next));
      EXPECT_EQ(next, 7);
    }
  }
}

TEST(ProfileScannerTest, SeesTheEndOfTextPastWhiteSpace) {
  std::istringstream in("5 \r\n\t ");
  ProfileScanner scanner(in);
  EXPECT_FALSE(scanner.AtEndOfText());
  std::uint16_t value = 0;
  scanner.ReadUint16(value);
  EXPECT_TRUE(scanner.AtEndOfText());
}

}  // namespace
