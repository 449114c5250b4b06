// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/FileBackup.h"

#include <string>
#include <system_error>

namespace {
// Beyond this many backups the last name is reused rather than searching on for ever.
constexpr int kMaxBackups = 999;
}  // namespace

std::filesystem::path KeepBackupCopy(const std::filesystem::path& file) {
  for (int number = 1; number <= kMaxBackups; ++number) {
    std::filesystem::path copy = file;
    copy += number == 1 ? std::string(".bak") : ".bak" + std::to_string(number);
    std::error_code error;
    const bool last = number == kMaxBackups;
    if (!last && std::filesystem::exists(copy, error)) continue;
    const auto options = last ? std::filesystem::copy_options::overwrite_existing
                              : std::filesystem::copy_options::none;
    if (std::filesystem::copy_file(file, copy, options, error)) return copy;
    if (!std::filesystem::exists(copy, error)) return {};
  }
  return {};
}
