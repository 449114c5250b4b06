// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/EucJp.h"

JisString DecodeEucJp(std::string_view bytes) {
  JisString codes;
  codes.reserve(bytes.size() / 2);
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    if (first < 0x80) {
      codes.push_back(first);
      ++i;
    } else if (first == 0x8F) {  // JIS X 0212: three bytes
      codes.push_back(kNotJisX0208);
      i += 3;
    } else if (first >= 0xA1 && first <= 0xFE && i + 1 < bytes.size()) {
      const auto second = static_cast<unsigned char>(bytes[i + 1]);
      codes.push_back(second >= 0xA1 ? static_cast<KanjiCode>((first & 0x7F) << 8 | (second & 0x7F))
                                     : kNotJisX0208);
      i += 2;
    } else {  // half-width katakana (0x8E) and stray bytes
      codes.push_back(kNotJisX0208);
      i += first == 0x8E ? 2 : 1;
    }
  }
  return codes;
}
