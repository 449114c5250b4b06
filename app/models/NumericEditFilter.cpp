// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/NumericEditFilter.h"

#include "app/models/ControlIds.h"

bool NumericEditFilter::Passes(int controlId, char32_t character) {
  // Looking only at the low byte would let characters such as U+0130 through as the digit 0.
  if (character > 0xFF) return false;
  switch (character) {
    case 8:   // Backspace
    case 9:   // Tab
    case 10:  // line feed
    case 13:  // Enter
    case 27:  // Escape
      return true;
    default:
      break;
  }
  if (character >= U'0' && character <= U'9') return true;
  if (character == U'.') return controlId == ControlId::kSelectionDistribution;
  return false;
}
