// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/Chime.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kSeconds = 0.7;

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A bell-like note: a sine with a softer octave partial, a 5 ms attack and an exponential
// decay, so it neither clicks nor drones.
double Note(double t, double frequency) {
  if (t < 0) return 0;
  const double attack = std::min(1.0, t / 0.005);
  const double decay = std::exp(-t * 6.0);
  const double twoPi = 2 * std::numbers::pi;
  return attack * decay *
         (std::sin(twoPi * frequency * t) + 0.3 * std::sin(twoPi * 2 * frequency * t));
}

}  // namespace

std::string ChimeWave() {
  const auto samples = static_cast<std::uint32_t>(kSampleRate * kSeconds);
  const std::uint32_t dataBytes = samples * 2;
  std::string bytes = "RIFF";
  PutLittleEndian(bytes, 36 + dataBytes, 4);
  bytes += "WAVEfmt ";
  PutLittleEndian(bytes, 16, 4);  // format chunk size
  PutLittleEndian(bytes, 1, 2);   // PCM
  PutLittleEndian(bytes, 1, 2);   // mono
  PutLittleEndian(bytes, kSampleRate, 4);
  PutLittleEndian(bytes, kSampleRate * 2, 4);  // bytes per second
  PutLittleEndian(bytes, 2, 2);                // block align
  PutLittleEndian(bytes, 16, 2);               // bits per sample
  bytes += "data";
  PutLittleEndian(bytes, dataBytes, 4);
  for (std::uint32_t n = 0; n < samples; ++n) {
    const double t = static_cast<double>(n) / kSampleRate;
    // E6 then the G#6 above it: a bright major third.
    double value = 0.35 * Note(t, 1318.5) + 0.3 * Note(t - 0.09, 1661.2);
    const double fadeOut = std::min(1.0, (kSeconds - t) / 0.05);
    value *= fadeOut;
    const auto sample =
        static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767));
    PutLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
  }
  return bytes;
}
