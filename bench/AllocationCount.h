// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The number of allocations through operator new since the benchmark program started, so a
// benchmark can report how many its operation makes (the loaders' time goes mostly there).
std::uint64_t AllocationCount();
