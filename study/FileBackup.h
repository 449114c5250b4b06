// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

// Copies file to the first free name of file.bak, file.bak2, file.bak3, ... beside it, so that
// an older backup is never overwritten. Returns the copy's path, or an empty path when no copy
// could be made.
std::filesystem::path KeepBackupCopy(const std::filesystem::path& file);
