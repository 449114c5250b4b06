// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rule of the key filter on the settings dialogs' number fields: which typed characters
// reach the field. A dropped character is answered with the system's beep by the caller.
// Only typed characters are filtered; text inserted by the field's context menu is not.
class NumericEditFilter {
 public:
  // Whether character, typed into the field with controlId, reaches the field. Backspace, Tab,
  // line feed, Enter and Escape always do, and so do the digits; a full stop only in the
  // selection distribution field (1012). Everything else is dropped, including the control
  // characters of Ctrl+C, Ctrl+V and Ctrl+X and any character beyond 8 bits.
  static bool Passes(int controlId, char32_t character);
};
