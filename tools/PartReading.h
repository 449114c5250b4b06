// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/JisString.h"

// Whether an example's reading field lists the word under a reading of kanji k, the way the
// program's example query decides it: the part of k's first occurrence, compared by its
// dictionary reading in parentheses or else by its kana, with a ＜ part matching ON readings
// only (kind -1) and a ＞ part KUN readings only (kind 1). reading is hiragana.
bool PartShowsReading(const JisString& word, const JisString& field, KanjiCode k,
                      const JisString& reading, int kind);
