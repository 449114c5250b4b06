// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "platform/NotesWindow.h"

// Holds the notes window's text like the real edit control, with its length limit.
class FakeNotesWindow : public NotesWindow {
 public:
  std::u16string GetText() const override { return text; }
  void SetText(const std::u16string& newText) override { text = newText.substr(0, kMaxTextUnits); }

  std::u16string text;
};
