// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "platform/SentencesWindow.h"

// Keeps the text and what was done to the window.
class FakeSentencesWindow : public SentencesWindow {
 public:
  void SetText(const std::u16string& newText) override { text = newText; }
  void Show() override { shown = true; }
  void BringToTop() override { onTop = true; }
  void MoveSelectionToStart() override {}

  std::u16string text;
  bool shown = false;
  bool onTop = false;
};
