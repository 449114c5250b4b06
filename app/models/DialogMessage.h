// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// A message box a dialog asks for: its text and caption (UTF-8), shown with an OK button and
// owned by the dialog.
struct DialogMessage {
  std::string text;
  std::string caption;

  bool operator==(const DialogMessage&) const = default;
};
