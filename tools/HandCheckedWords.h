// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

// Common words whose split per character a person has checked: the word, its reading and the
// expected reading field without the ＜/＞ kind marks (UTF-8).
struct HandCheckedWord {
  const char* word;
  const char* reading;
  const char* field;
};

std::span<const HandCheckedWord> HandCheckedWords();
