// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

// The text of the Kanji Notes window, which the learner edits freely. The window keeps its text
// while hidden; the study model reads it when a card changes and puts the next kanji's note in.
class NotesWindow {
 public:
  // The window accepts at most this many UTF-16 units.
  static constexpr std::size_t kMaxTextUnits = 1020;

  virtual ~NotesWindow() = default;

  // The whole text as UTF-16, exactly as typed (line breaks untranslated), at most
  // kMaxTextUnits units and without a terminating 0.
  virtual std::u16string GetText() const = 0;

  // Replaces the whole text and forgets the undo history. A text longer than kMaxTextUnits is
  // cut to that length.
  virtual void SetText(const std::u16string& text) = 0;
};
