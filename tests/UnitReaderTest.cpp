// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/UnitReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Bytes(const std::vector<std::uint16_t>& units, bool loneByte = false) {
  std::string bytes;
  for (const std::uint16_t unit : units) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  if (loneByte) bytes.push_back('\x0D');
  return bytes;
}

// Chunk sizes that split units between chunks, odd ones included.
const std::size_t kChunkSizes[] = {2, 3, 4, 5, 7, 64 * 1024};

TEST(UnitReaderTest, ReadsLittleEndianUnitsAndCountsBytes) {
  const std::string bytes = Bytes({0xFEFF, 0x4E00, 0x000D, 0x0A0D}, true);
  for (const std::size_t chunk : kChunkSizes) {
    SCOPED_TRACE(chunk);
    std::istringstream in(bytes);
    UnitReader reader(in, chunk);
    std::vector<std::uint16_t> units;
    std::uint16_t unit = 0;
    while (reader.Read(unit)) units.push_back(unit);
    EXPECT_EQ(units, (std::vector<std::uint16_t>{0xFEFF, 0x4E00, 0x000D, 0x0A0D}));
    EXPECT_EQ(unit, 0x0A0D);  // the end leaves the last unit in place
    EXPECT_EQ(reader.Consumed(), 8);
    EXPECT_FALSE(reader.Read(unit));
  }
}

TEST(UnitReaderTest, SkipPastFindsOnlyWholeUnitsAndReadGoesOnAfterIt) {
  const struct {
    const char* name;
    std::vector<std::uint16_t> units;
    bool loneByte;
    bool found;
    std::int64_t consumed;
  } cases[] = {
      {"terminator first", {0x000D, 0x0041}, false, true, 2},
      {"after other units", {0x0041, 0x3042, 0x000D, 0x0041}, false, true, 6},
      {"as a second byte", {0x0D41, 0x0041, 0x000D}, false, true, 6},
      {"straddling two units", {0x0D00, 0x0041}, false, false, 4},
      {"a lone last byte is no unit", {0x0041}, true, false, 2},
      {"empty", {}, false, false, 0},
  };
  for (const auto& c : cases) {
    for (const std::size_t chunk : kChunkSizes) {
      SCOPED_TRACE(std::string(c.name) + ", chunk " + std::to_string(chunk));
      std::istringstream in(Bytes(c.units, c.loneByte));
      UnitReader reader(in, chunk);
      EXPECT_EQ(reader.SkipPast(0x000D), c.found);
      EXPECT_EQ(reader.Consumed(), c.consumed);
      // Reading goes on just after the terminator.
      std::uint16_t unit = 0;
      const bool more = c.found && c.units.back() == 0x0041;
      EXPECT_EQ(reader.Read(unit), more);
      if (more) {
        EXPECT_EQ(unit, 0x0041);
      }
    }
  }
}

}  // namespace
