// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/StudyFixture.h"

namespace {

std::string Le16(std::uint16_t value) {
  return std::string{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

// A 2048-byte text field holding text, then a 0 unit, then filler.
std::string TextField(std::u16string_view text, char filler = '\0') {
  std::string field;
  for (const char16_t unit : text) field += Le16(unit);
  if (field.size() < 2048) field += Le16(0);
  field.resize(2048, filler);
  return field;
}

class KanjiNotesTest : public StudyTest {
 protected:
  void SetUp() override { AddKanji({0x3021, 0x3022, 0x3023}); }
  std::string NotesBytes() { return ReadBytes(dir / UserProfile::kNotesFileName); }
  std::u16string TextOf(const KanjiNote& note) { return std::u16string(note.text.data()); }
};

TEST_F(KanjiNotesTest, ReadsRecordsInFileOrderAndAddsTheKanjiTheyLack) {
  const std::string file = Le16(3) + Le16(0x3022) + Le16(1) + TextField(u"ON: ka") + Le16(0x7777) +
                           Le16(5) + TextField(u"old code") +  // 5 reads as 1
                           Le16(0x3021) + Le16(0);
  WriteBytes(dir / UserProfile::kNotesFileName, file);
  profile.LoadNotesFile();
  ASSERT_EQ(profile.notes.size(), 4u);
  EXPECT_EQ(std::pair(profile.notes[0].code, TextOf(profile.notes[0])),
            std::pair(KanjiCode{0x3022}, std::u16string(u"ON: ka")));
  EXPECT_EQ(std::pair(profile.notes[1].code, TextOf(profile.notes[1])),
            std::pair(KanjiCode{0x7777}, std::u16string(u"old code")));
  EXPECT_EQ(std::pair(profile.notes[2].code, profile.notes[2].HasText()),
            std::pair(KanjiCode{0x3021}, false));
  EXPECT_EQ(profile.notes[3].code, 0x3023);
  EXPECT_TRUE(system.messages.empty());

  // Written back in the same order; the unknown code stays, hasText is written as 1.
  ASSERT_TRUE(profile.SaveNotesFile());
  const std::string saved = NotesBytes();
  EXPECT_EQ(saved, Le16(4) + Le16(0x3022) + Le16(1) + TextField(u"ON: ka") + Le16(0x7777) +
                       Le16(1) + TextField(u"old code") + Le16(0x3021) + Le16(0) + Le16(0x3023) +
                       Le16(0));
}

TEST_F(KanjiNotesTest, TextsReadAreEndedInsideTheirBufferAndAnEmptyOneGivesNone) {
  std::string unended;
  for (int i = 0; i < 1024; ++i) unended += Le16(u'a');
  WriteBytes(
      dir / UserProfile::kNotesFileName,
      Le16(2) + Le16(0x3021) + Le16(1) + TextField(u"", 'z') + Le16(0x3022) + Le16(1) + unended);
  profile.LoadNotesFile();
  EXPECT_FALSE(profile.notes[0].HasText());
  ASSERT_TRUE(profile.notes[1].HasText());
  EXPECT_EQ(TextOf(profile.notes[1]).size(), 1023u);
  profile.ShowNote(0x3022);
  EXPECT_EQ(notesWindow.text.size(), NotesWindow::kMaxTextUnits);
}

TEST_F(KanjiNotesTest, ADamagedFileKeepsItsCompleteRecordsAndEveryKanjiGetsANote) {
  const std::string first = Le16(0x3022) + Le16(1) + TextField(u"kept");
  const struct {
    std::string bytes;
    bool kept;
  } cases[] = {
      {Le16(3) + first, true},  // records missing
      {Le16(2) + first + Le16(0x3021) + Le16(1) + "abc", true},  // text cut short
      {"\x01", false},
      {Le16(2) + std::string(3000, '\xFF'), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    WriteBytes(dir / UserProfile::kNotesFileName, c.bytes);
    system.messages.clear();
    profile.LoadNotesFile();
    if (c.kept) {
      EXPECT_EQ(TextOf(profile.notes[0]), u"kept");
    }
    for (const KanjiCode code : {0x3021, 0x3022, 0x3023}) {
      EXPECT_EQ(std::count_if(profile.notes.begin(), profile.notes.end(),
                              [code](const KanjiNote& n) { return n.code == code; }),
                1);
    }
    for (const KanjiNote& note : profile.notes) {
      EXPECT_TRUE(!note.HasText() || note.text.back() == 0);
    }
    EXPECT_EQ(system.messages.size(), c.bytes.size() > 2 ? 1u : 0u);
  }
  std::filesystem::remove(dir / UserProfile::kNotesFileName);
  ExpectFatal(
      system, [&] { profile.LoadNotesFile(); }, "Failed to open notes file.", "Veltrane Error");
}

TEST_F(KanjiNotesTest, CapturingAndShowingFollowTheCards) {
  profile.CreateDefaultProfile();
  notesWindow.text = u"typed before any card";
  profile.CaptureNote();  // no kanji shown yet: nothing is taken
  for (const auto& note : profile.notes) EXPECT_FALSE(note.HasText());

  profile.ShowNote(0x3021);
  EXPECT_EQ(profile.notesKanji, 0x3021);
  EXPECT_EQ(notesWindow.text, u"");
  notesWindow.text = u"first note\r\nline two";
  profile.CaptureNote();
  profile.ShowNote(0x3022);
  EXPECT_EQ(notesWindow.text, u"");
  profile.CaptureNote();  // empty text on a note without buffer: still none
  EXPECT_FALSE(profile.notes[1].HasText());
  profile.ShowNote(0x3021);
  EXPECT_EQ(notesWindow.text, u"first note\r\nline two");

  // A text longer than the window holds is cut.
  profile.ShowNote(0x3023);
  notesWindow.text = std::u16string(2000, u'n');
  profile.CaptureNote();
  EXPECT_EQ(TextOf(profile.notes[2]).size(), NotesWindow::kMaxTextUnits);
  EXPECT_TRUE(system.messages.empty());
  // Unknown kanji are reported and change nothing.
  profile.ShowNote(0x7777);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text, "2 Didn't find kanji in notes.");
  EXPECT_EQ(system.messages[0].caption, "DEBUG");
  EXPECT_EQ(profile.notesKanji, 0x3023);
  profile.notesKanji = 0x7777;
  profile.CaptureNote();
  ASSERT_EQ(system.messages.size(), 2u);
  EXPECT_EQ(system.messages[1].text, "1 Didn't find kanji in notes.");
}

TEST_F(KanjiNotesTest, AClearedNoteKeepsItsBufferUntilTheNextLoad) {
  profile.CreateDefaultProfile();
  profile.ShowNote(0x3021);
  notesWindow.text = u"something";
  profile.CaptureNote();
  notesWindow.text.clear();
  profile.CaptureNote();
  ASSERT_TRUE(profile.notes[0].HasText());
  EXPECT_TRUE(profile.notes[0].IsEmpty());
  profile.SaveNotesFile();
  EXPECT_EQ(NotesBytes().substr(2, 4), Le16(0x3021) + Le16(1));

  profile.LoadNotesFile();
  EXPECT_FALSE(profile.notes[0].HasText());
  profile.SaveNotesFile();
  EXPECT_EQ(NotesBytes().substr(2, 4), Le16(0x3021) + Le16(0));
}

TEST_F(KanjiNotesTest, ANewProfileKeepsTheLearnersNotesAndAProfileWithNotesNeedsThem) {
  WriteStudyList({0x3021});
  WriteBytes(dir / UserProfile::kNotesFileName,
             Le16(1) + Le16(0x3023) + Le16(1) + TextField(u"precious"));
  profile.LoadProfile();
  ASSERT_EQ(profile.notes.size(), 3u);
  EXPECT_EQ(TextOf(profile.notes[0]), u"precious");
  EXPECT_NE(NotesBytes().find(TextField(u"precious")), std::string::npos);
  std::filesystem::remove(dir / UserProfile::kNotesFileName);
  UserProfile next(database, jis, system, clock, random, notesWindow, dir.path());
  ExpectFatal(
      system, [&] { next.LoadProfile(); }, "Failed to open notes file.", "Veltrane Error");
}

}  // namespace
