// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "study/LocalTimeZone.h"

// The system's time zone between two times (seconds since 1970), with its changes of offset
// (summer time) in that span.
LocalTimeZone SystemTimeZone(std::int64_t from, std::int64_t to);
