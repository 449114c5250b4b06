// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/Utf16File.h"

#include <fstream>

Utf16File::Utf16File() {
  Append(u'\xFEFF');
}

void Utf16File::NewLine() {
  if (!firstLine_) Append(u"\r\n");
  firstLine_ = false;
}

void Utf16File::Append(std::u16string_view units) {
  for (char16_t unit : units) Append(unit);
}

void Utf16File::Append(char16_t unit) {
  bytes_.push_back(static_cast<char>(unit & 0xFF));
  bytes_.push_back(static_cast<char>(unit >> 8));
}

void Utf16File::AppendLatin1(std::string_view text) {
  for (char c : text) Append(static_cast<char16_t>(static_cast<unsigned char>(c)));
}

void Utf16File::EndLastLine() {
  Append(u"\r\n");
}

bool Utf16File::Save(const std::filesystem::path& file) const {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
  out.close();
  return static_cast<bool>(out);
}
