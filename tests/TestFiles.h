// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Writes text (UTF-8 in the test's source) as UTF-16LE, with a byte-order mark unless bom is
// false. Line breaks are written exactly as the text has them ("\r\n" for CR LF).
void WriteUtf16File(const std::filesystem::path& file, std::string_view utf8, bool bom = true);

// Writes bytes exactly as given.
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);

// Reads a whole file's bytes.
std::string ReadBytes(const std::filesystem::path& file);

// UTF-8 to UTF-16 units.
std::u16string Utf16(std::string_view utf8);

// Writes a complete "jis0208.dat" for the JIS X 0208 character set into directory.
void WriteFullJisTable(const std::filesystem::path& directory);
