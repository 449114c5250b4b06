// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/CodeString.h"
#include "text/KanjiCode.h"

// Turns romaji typed one letter at a time into hiragana, or katakana when `katakana` is set.
// Letters that do not yet make a kana wait in `pending`; each call that completes a kana
// returns it. pendingOut is the caller's buffer (at least 5 bytes) that always receives the
// pending letters for display.
class RomajiConverter {
 public:
  struct Entry {
    std::string romaji;
    CodeString kana;
  };

  RomajiConverter();

  // Starts a new answer: nothing pending.
  void Reset(char* pendingOut);
  // Feeds one typed character; returns the kana it completes (often none).
  CodeString AddLetter(char c, char* pendingOut);
  // Ends the input: a lone pending n becomes the kana n, anything else pending is dropped.
  CodeString Flush(char* pendingOut);
  // Removes the last pending letter and returns true; false when nothing is pending, in which
  // case the caller deletes the last kana itself.
  bool Backspace(char* pendingOut);

  std::vector<Entry> table;
  char pending[5] = {};
  short pendingLength = 0;
  bool katakana = false;

 private:
  // The table entry spelled exactly like pending, or -1.
  int FindEntry() const;
  CodeString Output(int entry) const;
  CodeString Output(KanjiCode hiragana) const;
  void KeepOnly(char c, char* pendingOut);
  void Clear(char* pendingOut);

  // Typing speed: an open-addressed index from the packed spelling to the first table entry
  // with it, and every entry's kana already in both scripts, so a keystroke neither walks the
  // table nor converts.
  static constexpr std::uint32_t kIndexSlots = 512;
  struct IndexSlot {
    std::uint32_t key = 0;
    int entry = -1;
  };
  std::vector<IndexSlot> index_;
  std::vector<CodeString> katakanaKana_;
};
