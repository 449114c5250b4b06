// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "study/RandomGenerator.h"
#include "study/SafeSave.h"
#include "study/UserProfile.h"
#include "tests/FakeClock.h"
#include "tests/FakeNotesWindow.h"
#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"

// Counts the steps of a save; at step failAt it ends the "process" or refuses, as a full disk
// would.
struct StepFaults : SaveFaults {
  int failAt;
  bool interrupt;
  int steps = 0;
  StepFaults(int at, bool end) : failAt(at), interrupt(end) {}
  bool Allow() override {
    if (steps++ != failAt) return true;
    if (interrupt) throw ProcessEnded{0};
    return false;
  }
};

// A profile over a small data set in a temporary working directory. Kanji added with AddKanji
// map to Unicode 0x4E00 + (code - 0x3021) in the JIS table, so study lists can name them.
class StudyTest : public ::testing::Test {
 protected:
  static constexpr std::uint16_t UnicodeOf(KanjiCode code) {
    return static_cast<std::uint16_t>(0x4E00 + (code - 0x3021));
  }

  void AddKanji(std::initializer_list<KanjiCode> codes) {
    for (const KanjiCode code : codes) {
      KanjiRecord record;
      record.code = code;
      database.kanji.push_back(record);
      jis.Insert(code, UnicodeOf(code));
    }
  }
  // count kanji from first on.
  void AddKanjiRange(int count, KanjiCode first = 0x3021) {
    for (int i = 0; i < count; ++i) AddKanji({static_cast<KanjiCode>(first + i)});
  }

  // A study list of the given units after a byte-order mark.
  void WriteStudyListUnits(const std::vector<std::uint16_t>& units) {
    std::string bytes = "\xFF\xFE";
    for (const std::uint16_t unit : units) {
      bytes.push_back(static_cast<char>(unit & 0xFF));
      bytes.push_back(static_cast<char>(unit >> 8));
    }
    WriteBytes(dir / UserProfile::kStudyListFileName, bytes);
  }
  // A study list naming the kanji, one a line.
  void WriteStudyList(const std::vector<KanjiCode>& codes) {
    std::vector<std::uint16_t> units;
    for (const KanjiCode code : codes) units.insert(units.end(), {UnicodeOf(code), 0x000D, 0x000A});
    WriteStudyListUnits(units);
  }

  // Writes the profile file; "\n" in text becomes CR LF.
  void WriteProfile(std::string_view text) {
    WriteBytes(dir / UserProfile::kProfileFileName, CrLf(text));
  }
  static std::string CrLf(std::string_view text) {
    std::string out;
    for (const char c : text) {
      if (c == '\n') out += '\r';
      out += c;
    }
    return out;
  }

  // Activates the kanji (already in progress) in the given order with the given scores.
  void Activate(const std::vector<std::pair<KanjiCode, float>>& kanji) {
    for (const auto& [code, score] : kanji) {
      std::int32_t index;
      ASSERT_TRUE(profile.FindProgressIndex(code, index));
      profile.progress[static_cast<std::size_t>(index)].active = true;
      profile.progress[static_cast<std::size_t>(index)].score = score;
      profile.activeList.push_back(index);
      profile.activeSet.insert(code);
    }
  }

  std::string ProfileBytes() { return ReadBytes(dir / UserProfile::kProfileFileName); }
  void ExpectOneMessage(const std::string& text, WindowHandle owner = kNoWindow) {
    ASSERT_EQ(system.messages.size(), 1u);
    const FakeSystem::Message& said = system.messages[0];
    EXPECT_EQ(std::tuple(said.text, said.caption, said.owner), std::tuple(text, "Veltrane", owner));
  }

  TempDir dir;
  FakeSystem system;
  FakeClock clock;
  RandomGenerator random;
  FakeNotesWindow notesWindow;
  JisTable jis;
  KanjiDatabase database{jis, system, dir.path()};
  UserProfile profile{database, jis, system, clock, random, notesWindow, dir.path()};
};
