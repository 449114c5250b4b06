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
  std::string NotesPath() { return (dir / UserProfile::kNotesFileName).string(); }
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
  EXPECT_EQ(profile.notes[0].code, 0x3022);
  EXPECT_EQ(TextOf(profile.notes[0]), u"ON: ka");
  EXPECT_EQ(profile.notes[1].code, 0x7777);
  EXPECT_EQ(TextOf(profile.notes[1]), u"old code");
  EXPECT_EQ(profile.notes[2].code, 0x3021);
  EXPECT_FALSE(profile.notes[2].HasText());
  EXPECT_EQ(profile.notes[3].code, 0x3023);
  EXPECT_TRUE(system.messages.empty());

  // Written back in the same order; the unknown code stays, hasText is written as 1.
  ASSERT_TRUE(profile.SaveNotesFile());
  const std::string saved = NotesBytes();
  EXPECT_EQ(saved, Le16(4) + Le16(0x3022) + Le16(1) + TextField(u"ON: ka") + Le16(0x7777) +
                       Le16(1) + TextField(u"old code") + Le16(0x3021) + Le16(0) + Le16(0x3023) +
                       Le16(0));
}

TEST_F(KanjiNotesTest, ACountOfZeroGivesOneEmptyNotePerKanji) {
  WriteBytes(dir / UserProfile::kNotesFileName, Le16(0));
  profile.LoadNotesFile();
  ASSERT_EQ(profile.notes.size(), 3u);
  EXPECT_EQ(profile.notes[2].code, 0x3023);
  EXPECT_FALSE(profile.notes[2].HasText());
}

TEST_F(KanjiNotesTest, AnEmptyTextReadFromTheFileGivesNoBuffer) {
  WriteBytes(dir / UserProfile::kNotesFileName,
             Le16(1) + Le16(0x3021) + Le16(1) + TextField(u"", 'z'));
  profile.LoadNotesFile();
  EXPECT_FALSE(profile.notes[0].HasText());
}

TEST_F(KanjiNotesTest, ATextWithoutEndIsEndedInsideItsBuffer) {
  std::string field;
  for (int i = 0; i < 1024; ++i) field += Le16(u'a');
  WriteBytes(dir / UserProfile::kNotesFileName, Le16(1) + Le16(0x3021) + Le16(1) + field);
  profile.LoadNotesFile();
  ASSERT_TRUE(profile.notes[0].HasText());
  EXPECT_EQ(TextOf(profile.notes[0]).size(), 1023u);
  profile.ShowNote(0x3021);
  EXPECT_EQ(notesWindow.text.size(), NotesWindow::kMaxTextUnits);
}

TEST_F(KanjiNotesTest, AFileEndingEarlyKeepsItsCompleteRecords) {
  struct Case {
    const char* name;
    std::string bytes;
    std::size_t fromFile;
  };
  const std::string first = Le16(0x3022) + Le16(1) + TextField(u"kept");
  const Case cases[] = {
      {"record missing", Le16(3) + first, 1},
      {"text cut short", Le16(2) + first + Le16(0x3021) + Le16(1) + "abc", 1},
      {"code only", Le16(2) + first + Le16(0x3021), 1},
      {"count without records", Le16(0xFFFF), 0},
      {"count cut in half", "\x01", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(dir / UserProfile::kNotesFileName, c.bytes);
    system.messages.clear();
    profile.LoadNotesFile();
    ASSERT_EQ(profile.notes.size(), c.fromFile + (c.fromFile == 1 ? 2u : 3u));
    if (c.fromFile == 1) {
      EXPECT_EQ(TextOf(profile.notes[0]), u"kept");
    }
    for (const auto& note : profile.notes) EXPECT_NE(note.code, 0);
    if (c.bytes.size() > 2) {
      ASSERT_EQ(system.messages.size(), 1u);
      EXPECT_EQ(system.messages[0].caption, "Veltrane");
    }
  }
}

TEST_F(KanjiNotesTest, AnyContentLoadsWithoutCrashing) {
  const std::string valid =
      Le16(2) + Le16(0x3022) + Le16(1) + TextField(u"text") + Le16(0x3021) + Le16(0);
  std::uint32_t noise = 99;
  for (int i = 0; i < 60; ++i) {
    std::string bytes = valid.substr(0, valid.size() * static_cast<std::size_t>(i) / 60);
    for (int k = 0; k < 3 && !bytes.empty(); ++k) {
      noise = noise * 1103515245u + 12345u;
      bytes[noise % bytes.size()] = static_cast<char>(noise >> 24);
    }
    WriteBytes(dir / UserProfile::kNotesFileName, bytes);
    profile.LoadNotesFile();
    for (const KanjiCode code : {0x3021, 0x3022, 0x3023}) {
      EXPECT_TRUE(std::any_of(profile.notes.begin(), profile.notes.end(),
                              [code](const KanjiNote& n) { return n.code == code; }));
    }
    for (const KanjiNote& note : profile.notes) {
      if (note.HasText()) {
        EXPECT_EQ(note.text.size(), KanjiNote::kTextUnits);
        EXPECT_EQ(note.text.back(), 0);
      }
    }
  }
}

TEST_F(KanjiNotesTest, AMissingNotesFileEndsTheProgram) {
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
  EXPECT_TRUE(system.messages.empty());
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

TEST_F(KanjiNotesTest, ATextLongerThanTheWindowHoldsIsCut) {
  profile.CreateDefaultProfile();
  profile.ShowNote(0x3023);
  notesWindow.text = std::u16string(2000, u'n');  // past the window's limit
  profile.CaptureNote();
  EXPECT_EQ(TextOf(profile.notes[2]).size(), NotesWindow::kMaxTextUnits);
}

TEST_F(KanjiNotesTest, UnknownKanjiAreReportedAndChangeNothing) {
  profile.CreateDefaultProfile();
  profile.ShowNote(0x3021);
  profile.ShowNote(0x7777);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text, "2 Didn't find kanji in notes.");
  EXPECT_EQ(system.messages[0].caption, "DEBUG");
  EXPECT_EQ(profile.notesKanji, 0x3021);

  profile.notesKanji = 0x7777;
  notesWindow.text = u"x";
  profile.CaptureNote();
  ASSERT_EQ(system.messages.size(), 2u);
  EXPECT_EQ(system.messages[1].text, "1 Didn't find kanji in notes.");
}

TEST_F(KanjiNotesTest, ANewProfileKeepsTheLearnersExistingNotes) {
  WriteStudyList({0x3021});
  WriteBytes(dir / UserProfile::kNotesFileName,
             Le16(1) + Le16(0x3023) + Le16(1) + TextField(u"precious"));
  profile.LoadProfile();
  ASSERT_EQ(profile.notes.size(), 3u);
  EXPECT_EQ(TextOf(profile.notes[0]), u"precious");
  EXPECT_NE(NotesBytes().find(TextField(u"precious")), std::string::npos);
}

TEST_F(KanjiNotesTest, AProfileWithANotesFileNeedsIt) {
  WriteStudyList({0x3021});
  profile.LoadProfile();
  std::filesystem::remove(dir / UserProfile::kNotesFileName);
  UserProfile next(database, jis, system, clock, random, notesWindow, dir.path());
  ExpectFatal(
      system, [&] { next.LoadProfile(); }, "Failed to open notes file.", "Veltrane Error");
}

}  // namespace
