// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/TestFiles.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tests/ToolTestData.h"
#include "tools/JisTableWriter.h"
#include "tools/Utf8.h"

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "veltrane-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::u16string Utf16(std::string_view utf8) { return DecodeUtf8(utf8); }

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

void WriteUtf16File(const std::filesystem::path& file, std::string_view utf8, bool bom) {
  WriteBytes(file, Utf16FileBytes(utf8).substr(bom ? 0 : 2));
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFullJisTable(const std::filesystem::path& directory) {
  if (!WriteJisTable(directory / "jis0208.dat", JisX0208Rows())) {
    throw std::runtime_error("cannot write the JIS table fixture");
  }
}
