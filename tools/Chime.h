// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The Fill-in drill's sound: a short two-note chime, synthesised, as a 16-bit PCM mono WAVE
// file's bytes.
std::string ChimeWave();
