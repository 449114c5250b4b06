// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/ExtraSettings.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "study/SafeSave.h"
#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"

namespace {

constexpr WindowHandle kOwner = 7;

struct RefuseAll : SaveFaults {
  bool Allow() override { return false; }
};

class ExtraSettingsTest : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return dir / ExtraSettings::kFileName; }
  ExtraSettings Loaded(std::string_view bytes) {
    WriteBytes(File(), bytes);
    ExtraSettings settings(dir.path(), system);
    settings.Load(kOwner);
    return settings;
  }

  TempDir dir;
  FakeSystem system;
};

TEST_F(ExtraSettingsTest, DamagedFileGivesDefaultsWithOneMessageAndIsCopiedAsideBeforeTheSave) {
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"byte that is not UTF-8", "zoom = 150\nname = \xFF\n"},
      {"over-long UTF-8 form", "zoom = 150\nname = \xC0\xAF\n"},
      {"UTF-8 sequence cut off at the end", "zoom = 150\nname = \xE3\x81"},
      {"UTF-16 surrogate", "zoom = 150\nname = \xED\xA0\x80\n"},
      {"line without equals sign", "zoom = 150\nzoom 200\n"},
      {"empty key", "zoom = 150\n = 3\n"},
      {"key with a blank", "zoom = 150\nzoom level = 3\n"},
      {"control character in a value", "zoom = 150\nname = a\x01z\n"},
      {"file too large", "zoom = 150\n" + std::string(ExtraSettings::kMaxFileSize, '#')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(dir.path());
    std::filesystem::create_directories(dir.path());
    system.messages.clear();
    ExtraSettings settings = Loaded(c.bytes);
    EXPECT_EQ(settings.GetInt("zoom", 100, 100, 250), 100);
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].caption, "Veltrane");

    ASSERT_TRUE(settings.SetInt("zoom", 125));
    ASSERT_TRUE(settings.Save(kOwner));
    ASSERT_TRUE(settings.Save(kOwner));
    EXPECT_EQ(ReadBytes(dir / "veltrane_settings.conf.bak"), c.bytes);
    EXPECT_FALSE(std::filesystem::exists(dir / "veltrane_settings.conf.bak2"));
    EXPECT_EQ(Loaded(ReadBytes(File())).GetInt("zoom", 100, 100, 250), 125);
    EXPECT_EQ(system.messages.size(), 1u);
  }
}

TEST_F(ExtraSettingsTest, ValuesReadWithTheirFallbacksAndUnknownKeysAndCommentsSurviveASave) {
  ExtraSettings settings = Loaded(
      "\xEF\xBB\xBF# by hand\r\nzoom = 175\r\nfuture.key = keep me\r\n\r\n"
      "dark = true\nbig = 99999999999\nword = 12abc\nlow = -3\nflag = maybe\nname = 漢字 かな\n"
      "dark = no\n");
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(settings.GetInt("zoom", 100, 100, 250), 175);
  EXPECT_EQ(settings.GetInt("zoom", 100, 100, 150), 100);
  EXPECT_EQ(settings.GetInt("big", 5, INT_MIN, INT_MAX), 5);
  EXPECT_EQ(settings.GetInt("word", 5, 0, 100), 5);
  EXPECT_EQ(settings.GetInt("low", 5, -10, 10), -3);
  EXPECT_FALSE(settings.GetBool("dark", true));  // the later line wins
  EXPECT_TRUE(settings.GetBool("flag", true));
  EXPECT_FALSE(settings.GetBool("flag", false));
  EXPECT_EQ(settings.GetString("name", ""), "漢字 かな");

  EXPECT_FALSE(settings.SetString("bad key", "1"));
  EXPECT_FALSE(settings.SetString("name", "two\nlines"));
  EXPECT_FALSE(settings.SetString("name", " padded"));
  ASSERT_TRUE(settings.SetBool("dark", true));
  ASSERT_TRUE(settings.SetString("stroke", ""));
  ASSERT_TRUE(settings.Save(kOwner));
  EXPECT_EQ(ReadBytes(File()),
            "# by hand\nzoom = 175\nfuture.key = keep me\n\ndark = true\nbig = 99999999999\n"
            "word = 12abc\nlow = -3\nflag = maybe\nname = 漢字 かな\nstroke = \n");
  EXPECT_EQ(Loaded(ReadBytes(File())).GetString("future.key", ""), "keep me");
}

TEST_F(ExtraSettingsTest, MissingFileIsSilentAndAFailedSaveIsToldOnceLeavingTheOldFile) {
  ExtraSettings settings(dir.path(), system);
  settings.Load(kOwner);
  EXPECT_TRUE(settings.GetBool("dark", true));
  EXPECT_TRUE(system.messages.empty());
  ASSERT_TRUE(settings.SetInt("zoom", 150));
  ASSERT_TRUE(settings.Save(kOwner));
  const std::string before = ReadBytes(File());

  RefuseAll refuse;
  settings.saveFaults = &refuse;
  ASSERT_TRUE(settings.SetInt("zoom", 200));
  EXPECT_FALSE(settings.Save(kOwner));
  EXPECT_FALSE(settings.Save(kOwner));
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].caption, "Veltrane");
  EXPECT_EQ(ReadBytes(File()), before);
  EXPECT_EQ(settings.GetInt("zoom", 100, 100, 250), 200);  // kept for the next save

  settings.saveFaults = nullptr;
  ASSERT_TRUE(settings.Save(kOwner));
  EXPECT_EQ(Loaded(ReadBytes(File())).GetInt("zoom", 100, 100, 250), 200);
}

}  // namespace
