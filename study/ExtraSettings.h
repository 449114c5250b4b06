// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WindowHandle.h"

class SaveFaults;
class System;

// The program's own options beyond the learner profile (zoom, colours, windows left open), in
// "veltrane_settings.conf" in the working directory: UTF-8 lines "key = value", "#" comments.
// Read once at start-up and written whole whenever a caller saves. Every getter takes the
// fallback that reproduces the program's original behaviour, so a missing or damaged file
// changes nothing. Keys this version does not know are kept and written back, so the settings
// of a newer release survive a run of an older one.
class ExtraSettings {
 public:
  static constexpr const char* kFileName = "veltrane_settings.conf";
  // A settings file is a few lines; anything much larger is not one of ours.
  static constexpr std::size_t kMaxFileSize = 64 * 1024;

  ExtraSettings(std::filesystem::path directory, System& system);

  // Reads the file. Missing: defaults, silently. Damaged (bytes that are not UTF-8, a line
  // that is not "key = value", too large, unreadable): defaults, one message owned by owner,
  // and the file is copied aside before the next save replaces it.
  void Load(WindowHandle owner);

  bool GetBool(std::string_view key, bool fallback) const;
  // fallback when the key is missing, not a whole number, or outside min..max.
  int GetInt(std::string_view key, int fallback, int min, int max) const;
  std::string GetString(std::string_view key, std::string_view fallback) const;

  // Change the value in memory only; Save writes it. A key that is not letters, digits, "_",
  // "-" or "." and a string holding a line break or other control character would not read
  // back, so they are refused (false) and nothing changes.
  bool SetBool(std::string_view key, bool value);
  bool SetInt(std::string_view key, int value);
  bool SetString(std::string_view key, std::string_view value);

  // Replaces the file whole. On failure the learner is told once per run (later failures stay
  // silent until a save succeeds) and the file as it was stays.
  bool Save(WindowHandle owner);

  const std::filesystem::path& path() const { return path_; }

  // Lets tests break a save off.
  SaveFaults* saveFaults = nullptr;

 private:
  // A line of the file: a setting, or (key empty) a comment or blank line kept as it was.
  struct Line {
    std::string key;
    std::string value;
  };

  // Why text is not a settings file, or empty when it is one; lines receives its lines.
  static std::string Parse(std::string_view text, std::vector<Line>& lines);
  const std::string* Find(std::string_view key) const;
  std::string Text() const;

  std::filesystem::path path_;
  System& system_;
  std::vector<Line> lines_;
  bool keepDamagedCopy_ = false;
  bool failureTold_ = false;
};
