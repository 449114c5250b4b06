// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// How the settings dialogs read and show numbers. Locale-independent on purpose: Qt sets the
// C library's locale from the environment, and a decimal comma would break the "%.2f" field
// that only accepts digits and a full stop.

// The leading decimal digits of text as a number, stopping at the first non-digit (so "", "-3"
// and " 5" read as 0). Values beyond 65535 read as 65535.
std::uint16_t ReadDialogInteger(std::string_view text);

// The leading real number of text (after spaces and an optional sign), 0 when there is none;
// too large a number reads as infinity.
// "nan" and "inf" read as what they say; the range checks must reject them.
double ReadDialogReal(std::string_view text);

// value as "%d".
std::string FormatDialogInteger(unsigned value);

// value as "%.2f" (4.5 shows as "4.50").
std::string FormatDialogReal(float value);
