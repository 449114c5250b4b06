// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A kanjidic line, the input exactly as long as the line so a read past its end is caught.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tools/KanjiEntry.h"
#include "tools/Kanjidic.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  if (const auto entry = ParseKanjidicLine(line)) {
    const KanjiEntry kanji = MakeKanjiEntry(*entry);
    if (kanji.code != entry->code) __builtin_trap();
  }
  return 0;
}
