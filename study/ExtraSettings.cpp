// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/ExtraSettings.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/System.h"
#include "study/FileBackup.h"
#include "study/SafeSave.h"

namespace {

constexpr const char* kCaption = "Veltrane";
constexpr std::string_view kSpaces = " \t";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kSpaces);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

bool IsKey(std::string_view key) {
  if (key.empty()) return false;
  for (const char c : key) {
    const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                         (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
    if (!allowed) return false;
  }
  return true;
}

// Tabs may separate; every other control character would break the line structure or hide
// itself from a learner editing the file.
bool IsPlainValue(std::string_view value) {
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && c != '\t') || byte == 0x7F) return false;
  }
  return true;
}

// Whether text is well-formed UTF-8: no stray continuation bytes, no over-long forms, no
// surrogates, nothing beyond U+10FFFF.
bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t min = 0;
    char32_t code = lead;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, min = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, min = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, min = 0x10000, code = lead & 0x07;
    } else {
      return false;
    }
    if (i + extra >= text.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

}  // namespace

ExtraSettings::ExtraSettings(std::filesystem::path directory, System& system)
    : path_(std::move(directory) / kFileName), system_(system) {}

void ExtraSettings::Load(WindowHandle owner) {
  lines_.clear();
  keepDamagedCopy_ = false;
  std::error_code error;
  if (!std::filesystem::exists(path_, error) && !error) return;
  std::string problem;
  std::string text;
  const auto size = std::filesystem::file_size(path_, error);
  std::ifstream in(path_, std::ios::binary);
  if (error || !in) {
    problem = "it cannot be opened";
  } else if (size > kMaxFileSize) {
    problem = "it is larger than a settings file can be";
  } else {
    std::ostringstream bytes;
    bytes << in.rdbuf();
    text = bytes.str();
    std::vector<Line> lines;
    problem = Parse(text, lines);
    if (problem.empty()) lines_ = std::move(lines);
  }
  if (problem.empty()) return;
  keepDamagedCopy_ = true;
  system_.ShowMessage("The settings file \"" + path_.string() + "\" could not be read (" + problem +
                          "). The default settings are used; the file will be kept as a backup "
                          "copy beside it before the settings are next saved.",
                      kCaption, owner, MessageIcon::Error);
}

std::string ExtraSettings::Parse(std::string_view text, std::vector<Line>& lines) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (!IsUtf8(text)) return "it is not UTF-8 text";
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.starts_with('#')) {
      lines.push_back({{}, std::string(line)});
      continue;
    }
    const std::size_t equals = trimmed.find('=');
    const std::string_view key = Trim(trimmed.substr(0, equals));
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view{} : Trim(trimmed.substr(equals + 1));
    if (equals == std::string_view::npos || !IsKey(key) || !IsPlainValue(value)) {
      return "line " + std::to_string(number) + " is not \"key = value\"";
    }
    // A key written twice: the later line wins, as a learner editing by hand would expect.
    bool replaced = false;
    for (Line& earlier : lines) {
      if (earlier.key == key) earlier.value = value, replaced = true;
    }
    if (!replaced) lines.push_back({std::string(key), std::string(value)});
  }
  return {};
}

const std::string* ExtraSettings::Find(std::string_view key) const {
  for (const Line& line : lines_) {
    if (!line.key.empty() && line.key == key) return &line.value;
  }
  return nullptr;
}

bool ExtraSettings::GetBool(std::string_view key, bool fallback) const {
  const std::string* value = Find(key);
  if (value == nullptr) return fallback;
  if (*value == "true" || *value == "1" || *value == "yes") return true;
  if (*value == "false" || *value == "0" || *value == "no") return false;
  return fallback;
}

int ExtraSettings::GetInt(std::string_view key, int fallback, int min, int max) const {
  const std::string* value = Find(key);
  if (value == nullptr) return fallback;
  int number = 0;
  const char* end = value->data() + value->size();
  const auto [stop, error] = std::from_chars(value->data(), end, number);
  if (error != std::errc() || stop != end || number < min || number > max) return fallback;
  return number;
}

std::string ExtraSettings::GetString(std::string_view key, std::string_view fallback) const {
  const std::string* value = Find(key);
  return value != nullptr ? *value : std::string(fallback);
}

bool ExtraSettings::SetBool(std::string_view key, bool value) {
  return SetString(key, value ? "true" : "false");
}

bool ExtraSettings::SetInt(std::string_view key, int value) {
  return SetString(key, std::to_string(value));
}

bool ExtraSettings::SetString(std::string_view key, std::string_view value) {
  // Surrounding blanks would be trimmed away on reading.
  if (!IsKey(key) || !IsPlainValue(value) || !IsUtf8(value) || Trim(value) != value) return false;
  for (Line& line : lines_) {
    if (line.key == key) {
      line.value = value;
      return true;
    }
  }
  // A new file says what it is to a learner who opens it.
  if (lines_.empty())
    lines_.push_back({{}, "# Veltrane's own settings; the learner profile keeps the rest."});
  lines_.push_back({std::string(key), std::string(value)});
  return true;
}

std::string ExtraSettings::Text() const {
  std::string text;
  for (const Line& line : lines_) {
    text += line.key.empty() ? line.value : line.key + " = " + line.value;
    text += '\n';
  }
  return text;
}

bool ExtraSettings::Save(WindowHandle owner) {
  std::string error;
  bool saved = true;
  // The damaged file may be a newer release's settings or hand edits: it is copied aside once,
  // and never replaced without that copy.
  if (keepDamagedCopy_) {
    std::error_code missing;
    if (std::filesystem::exists(path_, missing) && KeepBackupCopy(path_).empty()) {
      saved = false;
      error = "the damaged file could not be copied aside";
    } else {
      keepDamagedCopy_ = false;
    }
  }
  if (saved) saved = SaveFileSafely(path_, Text(), saveFaults, error);
  if (saved) {
    failureTold_ = false;
    return true;
  }
  if (!failureTold_) {
    failureTold_ = true;
    system_.ShowMessage("The settings could not be saved to \"" + path_.string() + "\" (" + error +
                            "). The file saved before is unchanged.",
                        kCaption, owner, MessageIcon::Error);
  }
  return false;
}
