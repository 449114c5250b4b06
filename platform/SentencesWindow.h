// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The "Example Sentences" window: a read-only text view the drills fill and bring up.
class SentencesWindow {
 public:
  virtual ~SentencesWindow() = default;

  // Replaces the whole text (UTF-16; CR LF breaks lines). Any length is accepted.
  virtual void SetText(const std::u16string& text) = 0;
  // Shows the window in its normal size and repaints it.
  virtual void Show() = 0;
  // Puts the window above the program's other windows.
  virtual void BringToTop() = 0;
  // Puts the caret at the start of the text with nothing selected, scrolling to it.
  virtual void MoveSelectionToStart() = 0;
};
