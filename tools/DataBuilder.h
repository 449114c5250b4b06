// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "tools/BuildReport.h"
#include "tools/ProgressBar.h"

struct BuildOptions {
  std::filesystem::path out;
  std::filesystem::path kanjidic = "/usr/share/edict/kanjidic";
  std::filesystem::path edict = "/usr/share/edict/edict";
  std::optional<std::filesystem::path> tanaka;
};

// Builds the whole data set into options.out: reads the dictionaries, applies the data rules,
// picks and aligns the example words and writes every file. Returns false with a message in
// error when a source cannot be read or a file cannot be written.
bool BuildDataSet(const BuildOptions& options, BuildReport& report, ProgressBar& progress,
                  std::string& error);
