// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/TestFiles.h"

namespace {

// Runs the launcher with data from source and a stand-in program that records its working
// directory; returns the launcher's exit status.
int Launch(const TempDir& home, const std::filesystem::path& source) {
  const std::filesystem::path program = home / "program.sh";
  WriteBytes(program, "#!/bin/sh\npwd > \"$HOME/started-in\"\n");
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  const std::string command = "HOME='" + home.path().string() + "' XDG_DATA_HOME= sh '" +
                              VELTRANE_SOURCE_DIR "/resources/veltrane-launcher' '" +
                              source.string() + "' '" + program.string() + "'";
  return std::system(command.c_str());
}

TEST(LauncherTest, FillsTheWorkingDirectoryWithoutOverwritingTheLearnersFiles) {
  TempDir home;
  const std::filesystem::path source = home / "share";
  std::filesystem::create_directories(source / "Documentation");
  for (const char* name : {"kanji_data.dat", "examples.dat", "jis0208.dat", "study_list.vls",
                           "user_profile.vlu", "Documentation/Doc_Start.html"}) {
    WriteBytes(source / name, std::string("new ") + name);
  }
  const std::filesystem::path work = home / ".local" / "share" / "veltrane";
  std::filesystem::create_directories(work);
  WriteBytes(work / "study_list.vls", "the learner's own order");

  ASSERT_EQ(Launch(home, source), 0);
  EXPECT_EQ(ReadBytes(home / "started-in"), work.string() + "\n");
  EXPECT_EQ(ReadBytes(work / "kanji_data.dat"), "new kanji_data.dat");
  EXPECT_EQ(ReadBytes(work / "Documentation" / "Doc_Start.html"),
            "new Documentation/Doc_Start.html");
  EXPECT_EQ(ReadBytes(work / "study_list.vls"), "the learner's own order");
  EXPECT_EQ(ReadBytes(work / "user_profile.vlu"), "new user_profile.vlu");  // was missing

  WriteBytes(work / "user_profile.vlu", "progress");
  ASSERT_EQ(Launch(home, source), 0);
  EXPECT_EQ(ReadBytes(work / "user_profile.vlu"), "progress");
}

TEST(LauncherTest, RefusesASourceWithoutData) {
  TempDir home;
  std::filesystem::create_directories(home / "empty");
  EXPECT_NE(Launch(home, home / "empty"), 0);
  EXPECT_FALSE(std::filesystem::exists(home / "started-in"));
}

}  // namespace
