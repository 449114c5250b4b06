// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A UTF-16LE text file with a byte-order mark, built in memory and written in one go. Lines
// are separated by CR LF; whether the last line ends with one is the caller's choice, because
// the program's kanji and examples loaders refuse a line break after the last line.
class Utf16File {
 public:
  Utf16File();

  // Starts a new line (a CR LF unless this is the first line).
  void NewLine();
  void Append(std::u16string_view units);
  void Append(char16_t unit);
  // 8-bit text, each byte one unit: the program keeps the low byte of each unit of a meaning.
  void AppendLatin1(std::string_view text);
  void EndLastLine();

  // Byte offset of the next unit, counted from the start of the file with the mark.
  std::size_t offset() const { return bytes_.size(); }
  const std::string& bytes() const { return bytes_; }
  bool Save(const std::filesystem::path& file) const;

 private:
  std::string bytes_;
  bool firstLine_ = true;
};
