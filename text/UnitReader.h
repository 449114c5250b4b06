// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <vector>

// Reads a UTF-16LE stream one 16-bit unit at a time, as the data files are laid out, but fills
// its buffer in large chunks: one system call per character would dominate the start-up.
// A read at the end of the stream returns false and leaves the caller's unit as it was, which
// the loaders rely on; a lone byte at the very end counts as end of stream.
class UnitReader {
 public:
  static constexpr std::size_t kDefaultChunkBytes = 64 * 1024;

  // Reads from in's current position; in must outlive the reader.
  explicit UnitReader(std::istream& in, std::size_t chunkBytes = kDefaultChunkBytes);

  // Stores the next unit in unit and returns true, or returns false at the end of the stream.
  bool Read(std::uint16_t& unit) {
    if (next_ + 1 < filled_) {
      unit = static_cast<std::uint16_t>(static_cast<unsigned char>(buffer_[next_]) |
                                        static_cast<unsigned char>(buffer_[next_ + 1]) << 8);
      next_ += 2;
      return true;
    }
    return ReadSlow(unit);
  }

  // Reads units up to and including the next one equal to terminator; false when the stream
  // ends first. Faster than Read for long stretches that are passed over.
  bool SkipPast(std::uint16_t terminator);

  // Bytes consumed since the reader started: the unit read last began two bytes earlier.
  std::int64_t Consumed() const { return consumedBefore_ + static_cast<std::int64_t>(next_); }

 private:
  bool ReadSlow(std::uint16_t& unit);

  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t filled_ = 0;
  std::size_t next_ = 0;
  std::int64_t consumedBefore_ = 0;
  bool exhausted_ = false;
};
