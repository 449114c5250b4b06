// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "drills/Drill.h"
#include "drills/DrillFonts.h"
#include "drills/DrillHost.h"
#include "study/RandomGenerator.h"
#include "study/UserProfile.h"
#include "tests/DataFilesFixture.h"
#include "tests/FakeButtons.h"
#include "tests/FakeClock.h"
#include "tests/FakeFontFactory.h"
#include "tests/FakeNotesWindow.h"
#include "tests/FakeSentencesWindow.h"
#include "tests/FakeSoundPlayer.h"
#include "tests/FakeSystem.h"
#include "tests/FakeWindowManager.h"
#include "tests/RecordingPainter.h"
#include "tests/TestFiles.h"

// A data set, a profile and fake windows for driving whole cards through a drill. Kanji and
// examples are added to the database's vectors directly; every kanji gets an active progress
// entry and a note, so a profile with one kanji always gives that kanji.
class DrillTest : public ::testing::Test {
 protected:
  static constexpr WindowHandle kMainWindow = 1;
  static constexpr WindowHandle kReadingsWindow = 2;
  static constexpr WindowHandle kFillInWindow = 3;

  DrillTest() {
    fonts.Create(fontFactory);
    profile.settings.useAutoIntroduce = false;
    profile.mainWindow = kMainWindow;
  }

  // A reading entry; the written form defaults to the bare one.
  static ReadingEntry Reading(std::string_view bare, std::string_view written = {}) {
    return {Codes(bare), Codes(written.empty() ? bare : written)};
  }

  // Adds a kanji with an active progress entry at score 50 and an empty note.
  void AddKanji(std::string_view kanji, std::initializer_list<ReadingEntry> on,
                std::initializer_list<ReadingEntry> kun, std::string meaning = "meaning") {
    KanjiRecord record;
    record.code = Code(kanji);
    record.grade = 1;
    record.onReadings = on;
    record.kunReadings = kun;
    record.meaning = std::move(meaning);
    database.kanji.push_back(record);
    profile.progress.push_back({record.code, 50.0f, 0, true});
    profile.activeList.push_back(static_cast<std::int32_t>(profile.progress.size() - 1));
    profile.activeSet.insert(record.code);
    profile.notes.push_back({record.code, {}});
  }

  // Adds an example; parts are written with their marks, reading is derived like the loader
  // does (marks and parenthesised base readings left out). No parts: irregular.
  void AddExample(std::string_view word, std::initializer_list<std::string_view> parts,
                  std::string meaning, std::uint32_t weight,
                  std::string_view irregularReading = {}) {
    ExampleRecord example;
    example.word = Codes(word);
    example.meaning = std::move(meaning);
    example.weight = weight;
    if (parts.size() == 0) {
      example.irregular = true;
      example.reading = Codes(irregularReading);
    }
    for (const std::string_view part : parts) {
      example.readingParts.push_back(Codes(part));
      bool inside = false;
      for (const KanjiCode code : example.readingParts.back().units) {
        if (code == jis::kLeftParen) inside = true;
        if (code == jis::kRightParen) inside = false;
        const bool mark = code == jis::kLessThan || code == jis::kGreaterThan ||
                          code == jis::kAmpersand || code == jis::kRightParen;
        if (!inside && !mark) example.reading.units.push_back(code);
      }
    }
    database.examples.push_back(example);
  }

  static KanjiCode Code(std::string_view character) { return Codes(character)[0]; }

  DrillHost Host(WindowHandle window) {
    return {database, profile, jis,   fonts,     random,      system,
            buttons,  windows, sound, sentences, kMainWindow, window};
  }

  // Types each character as OnChar, like the keyboard would.
  static void Type(Drill& drill, std::string_view keys) {
    for (const char c : keys) drill.OnChar(c);
  }
  // Types an answer and presses Enter.
  static void Answer(Drill& drill, std::string_view romaji) {
    Type(drill, romaji);
    drill.OnChar('\r');
  }

  KanjiProgress& Progress(std::string_view kanji) { return *profile.FindProgress(Code(kanji)); }

  RecordingPainter Painted(Drill& drill) {
    RecordingPainter painter;
    drill.Paint(painter);
    return painter;
  }

  const JisTable& jis = FullJisTable();
  TempDir dir;
  FakeSystem system;
  FakeClock clock;
  RandomGenerator random;
  FakeNotesWindow notesWindow;
  KanjiDatabase database{jis, system, dir.path()};
  UserProfile profile{database, jis, system, clock, random, notesWindow, dir.path()};
  FakeFontFactory fontFactory;
  DrillFonts fonts;
  FakeButtons buttons;
  FakeWindowManager windows;
  FakeSoundPlayer sound;
  FakeSentencesWindow sentences;
};
