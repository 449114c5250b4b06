// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "text/CodeString.h"

// One example sentence as read from "sentences.dat".
struct SentenceRecord {
  CodeString japanese;  // UTF-16 units, unchanged from the file
  std::string english;  // Latin-1
};
