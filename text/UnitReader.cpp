// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/UnitReader.h"

#include <cstring>
#include <streambuf>

UnitReader::UnitReader(std::istream& in, std::size_t chunkBytes)
    : in_(in), buffer_(chunkBytes < 2 ? 2 : chunkBytes) {}

bool UnitReader::ReadSlow(std::uint16_t& unit) {
  if (exhausted_) return false;
  // Keep a byte left over from the last chunk so a unit split between chunks reads whole.
  const std::size_t carried = filled_ - next_;
  if (carried > 0) std::memmove(buffer_.data(), buffer_.data() + next_, carried);
  consumedBefore_ += static_cast<std::int64_t>(next_);
  next_ = 0;
  filled_ = carried;

  std::streambuf* source = in_.rdbuf();
  while (filled_ < 2 && source != nullptr) {
    const std::streamsize got = source->sgetn(
        buffer_.data() + filled_, static_cast<std::streamsize>(buffer_.size() - filled_));
    if (got <= 0) break;
    filled_ += static_cast<std::size_t>(got);
  }
  if (filled_ < 2) {
    exhausted_ = true;
    return false;
  }
  return Read(unit);
}

bool UnitReader::SkipPast(std::uint16_t terminator) {
  const auto low = static_cast<char>(terminator & 0xFF);
  const auto high = static_cast<char>(terminator >> 8);
  for (;;) {
    // Look for the low byte with memchr; a hit counts only at a unit's first byte.
    while (next_ + 1 < filled_) {
      const void* found = std::memchr(buffer_.data() + next_, low, filled_ - next_ - 1);
      if (found == nullptr) {
        next_ = filled_ - ((filled_ - next_) & 1);  // keep an odd byte for the next chunk
        break;
      }
      const auto at = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
      if (((at - next_) & 1) != 0) {
        next_ = at + 1;  // a unit's second byte; go on at the next unit
      } else if (buffer_[at + 1] == high) {
        next_ = at + 2;
        return true;
      } else {
        next_ = at + 2;
      }
    }
    std::uint16_t unit = 0;
    if (!ReadSlow(unit)) return false;
    if (unit == terminator) return true;
  }
}
