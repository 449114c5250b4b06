// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "platform/NotesWindow.h"
#include "platform/System.h"
#include "study/FileBackup.h"
#include "study/UserProfile.h"
#include "text/KanjiDatabase.h"

namespace {

constexpr std::size_t kTextBytes = KanjiNote::kTextUnits * 2;
// The count is 16 bits in the file.
constexpr std::size_t kMaxNotesInFile = 0xFFFF;

std::uint16_t Unit(const char* bytes) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[0]) |
                                    static_cast<unsigned char>(bytes[1]) << 8);
}

void AppendUnit(std::string& out, std::uint16_t unit) {
  out.push_back(static_cast<char>(unit & 0xFF));
  out.push_back(static_cast<char>(unit >> 8));
}

// Stores a text into a note: a non-empty text gives the note a buffer; an empty one only
// clears a buffer the note already has, so a note never written stays without one.
void StoreText(KanjiNote& note, const std::vector<char16_t>& text) {
  if (text[0] != 0) {
    note.text = text;
  } else if (note.HasText()) {
    note.text = text;
  }
}

}  // namespace

void UserProfile::LoadNotesFile() {
  // 1.
  const std::filesystem::path path = directory_ / kNotesFileName;
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) {
    system_.Fail("Failed to open notes file.", "Veltrane Error");
    return;
  }
  // 2. The count is taken as unsigned: a count above 32767 is a count, not a negative number.
  notes.clear();
  char bytes[4];
  std::size_t count = 0;
  if (file.read(bytes, 2)) count = Unit(bytes);
  // 3. and 4. Only complete records are kept; a file that ends early keeps those read so far.
  notes.reserve(count);
  bool complete = true;
  std::vector<char16_t> text(KanjiNote::kTextUnits);
  std::string raw(kTextBytes, '\0');
  for (std::size_t i = 0; i < count; ++i) {
    if (!file.read(bytes, 4)) {
      complete = false;
      break;
    }
    KanjiNote note{Unit(bytes), {}};
    if (Unit(bytes + 2) != 0) {
      if (!file.read(raw.data(), static_cast<std::streamsize>(kTextBytes))) {
        complete = false;
        break;
      }
      for (std::size_t u = 0; u < KanjiNote::kTextUnits; ++u) text[u] = Unit(&raw[u * 2]);
      // A text without a 0 unit is ended at the buffer's end.
      text.back() = 0;
      StoreText(note, text);
    }
    notes.push_back(std::move(note));
  }
  // 5.
  file.close();
  if (!complete) {
    const std::filesystem::path copy = KeepBackupCopy(path);
    std::string message = "The notes file \"" + path.string() + "\" ends early; the " +
                          std::to_string(notes.size()) + " complete notes in it are kept.";
    if (!copy.empty())
      message += "\n\nA copy of the file as it was is kept as \"" + copy.string() + "\".";
    system_.ShowMessage(message, "Veltrane");
  }
  // 6. A note for every kanji the file lacked, after those of the file.
  std::vector<bool> hasNote(0x10000, false);
  for (const KanjiNote& note : notes) hasNote[note.code] = true;
  for (const KanjiRecord& record : database_.kanji) {
    if (hasNote[record.code]) continue;
    hasNote[record.code] = true;
    notes.push_back({record.code, {}});
  }
}

bool UserProfile::SaveNotesFile() {
  // The count has 16 bits; notes past that many (only a crafted file can hold them) are left
  // out rather than writing a count that does not match the records.
  const std::size_t count = std::min(notes.size(), kMaxNotesInFile);
  std::string out;
  out.reserve(2 + count * 4);
  AppendUnit(out, static_cast<std::uint16_t>(count));
  for (std::size_t i = 0; i < count; ++i) {
    const KanjiNote& note = notes[i];
    AppendUnit(out, note.code);
    AppendUnit(out, note.HasText() ? 1 : 0);
    if (note.HasText()) {
      // Always exactly one field of kTextUnits, ended by a 0 unit, whatever the buffer holds.
      for (std::size_t u = 0; u + 1 < KanjiNote::kTextUnits; ++u) {
        AppendUnit(out, u < note.text.size() ? note.text[u] : 0);
      }
      AppendUnit(out, 0);
    }
  }
  return SaveFile(kNotesFileName, out, "notes file");
}

void UserProfile::CaptureNote() {
  // 1. The window's text into a full buffer, ended by a 0 unit.
  const std::u16string windowText = notesWindow_.GetText();
  std::vector<char16_t> text(KanjiNote::kTextUnits, 0);
  std::copy_n(windowText.begin(), std::min(windowText.size(), NotesWindow::kMaxTextUnits),
              text.begin());
  // 2. to 4.
  if (notesKanji == 0) return;
  const auto note = std::find_if(notes.begin(), notes.end(),
                                 [this](const KanjiNote& n) { return n.code == notesKanji; });
  if (note == notes.end()) {
    system_.ShowMessage("1 Didn't find kanji in notes.", "DEBUG");
    return;
  }
  StoreText(*note, text);
}

void UserProfile::ShowNote(KanjiCode code) {
  const auto note = std::find_if(notes.begin(), notes.end(),
                                 [code](const KanjiNote& n) { return n.code == code; });
  if (note == notes.end()) {
    system_.ShowMessage("2 Didn't find kanji in notes.", "DEBUG");
    return;
  }
  notesKanji = code;
  std::u16string text;
  if (note->HasText()) {
    const auto end = std::find(note->text.begin(), note->text.end(), u'\0');
    text.assign(note->text.begin(), end);
  }
  notesWindow_.SetText(text);
}
