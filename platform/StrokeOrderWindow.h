// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window that draws the current card's kanji with numbered strokes. It follows the drills
// whether or not it is on show, so that it is up to date the moment it is opened.
class StrokeOrderWindow {
 public:
  virtual ~StrokeOrderWindow() = default;

  // The kanji of the card just presented (a UTF-16 character), or 0 when there is no card.
  virtual void ShowKanji(char16_t kanji) = 0;
};
