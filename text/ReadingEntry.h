// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/CodeString.h"

// One ON or KUN reading of a kanji.
struct ReadingEntry {
  CodeString bare;     // the kana stem: no position mark, no okurigana, nothing after a space
  CodeString written;  // the reading as the data file writes it, marks included
};
