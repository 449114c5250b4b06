// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An edict line: parsed without a crash, its meaning within the limit the files are made for.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/Edict.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  std::vector<EdictEntry> entries;
  const bool readable = ParseEdictLine(line, entries);
  if (!readable && !entries.empty()) __builtin_trap();
  for (const EdictEntry& entry : entries) {
    if (entry.meaning.size() > kMeaningLimit || entry.senses < 1) __builtin_trap();
  }
  return 0;
}
