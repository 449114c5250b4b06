// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The low-level steps of a save (each write, the flush to disk, the rename). Tests implement it
// to make a step fail or to end the "process" between two steps.
class SaveFaults {
 public:
  virtual ~SaveFaults() = default;
  // Called before each step; false makes that step fail.
  virtual bool Allow() = 0;
};

// Replaces target with bytes, whole or not at all: the bytes go to a temporary file beside the
// target, which is flushed to disk and then renamed over it, so a save that breaks off leaves
// the old file as it was. A target that already holds exactly these bytes is not touched.
// Returns false (with a short reason in error) when the file could not
// be replaced; the temporary file is removed then.
bool SaveFileSafely(const std::filesystem::path& target, std::string_view bytes, SaveFaults* faults,
                    std::string& error);

// Removes the temporary file a save of target left behind when the process ended in the middle
// of it (it may be megabytes); the target itself is never touched.
void RemoveStaleTemporary(const std::filesystem::path& target);
