// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/DialogNumbers.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <limits>

#include <locale.h>
#include <stdlib.h>

std::uint16_t ReadDialogInteger(std::string_view text) {
  constexpr unsigned kMax = std::numeric_limits<std::uint16_t>::max();
  unsigned value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > kMax) return static_cast<std::uint16_t>(kMax);
  }
  return static_cast<std::uint16_t>(value);
}

double ReadDialogReal(std::string_view text) {
  // strtod's own rules (leading spaces, sign, exponent, "inf", "nan", overflow to infinity),
  // but always with the full stop of the "C" locale.
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  const std::string terminated(text);
  return strtod_l(terminated.c_str(), nullptr, cLocale);
}

std::string FormatDialogInteger(unsigned value) {
  return std::to_string(value);
}

std::string FormatDialogReal(float value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                              std::chars_format::fixed, 2);
  return std::string(buffer, result.ptr);
}
