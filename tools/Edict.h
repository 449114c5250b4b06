// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/JisString.h"

// One written form of an edict word with one of its readings.
struct EdictEntry {
  JisString word;
  JisString reading;
  std::string meaning;       // the first senses without tags, Latin-1, at most kMeaningLimit
  bool common = false;       // (P)
  bool usuallyKana = false;  // (uk) on the first sense
  int senses = 1;
};

inline constexpr std::size_t kMeaningLimit = 60;

// Parses one EUC-JP line of edict (EDICT or EDICT2 layout) into one entry per written form
// and reading that may be shown to a learner. Forms tagged irregular, outdated or rare, and
// words whose every sense is obsolete or archaic, give nothing.
std::vector<EdictEntry> ParseEdictLine(std::string_view line);
// The same, appending to entries; false for a damaged line (which adds nothing).
bool ParseEdictLine(std::string_view line, std::vector<EdictEntry>& entries);

// The meaning text of an edict body (the part after the first " /").
std::string EdictMeaning(std::string_view body);

// Reads a whole edict file, calling progress with the fraction read now and then; damaged
// lines are skipped and counted in *unreadable when given. Returns false with a message in
// error when it cannot be read or holds no entries.
bool ReadEdict(const std::filesystem::path& file, std::vector<EdictEntry>& entries,
               std::string& error, const std::function<void(double)>& progress,
               int* unreadable = nullptr);
