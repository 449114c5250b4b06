// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/BenchFolder.h"

#include <stdlib.h>

#include <cstdio>
#include <string>
#include <system_error>

#include "bench/SyntheticDataSet.h"

BenchFolder::BenchFolder(int dataSetPercent) {
  std::string pattern = (std::filesystem::temp_directory_path() / "veltrane-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::fprintf(stderr, "cannot make a temporary folder\n");
    std::exit(1);
  }
  path_ = pattern;
  if (dataSetPercent > 0 && !SyntheticDataSet::Write(path_, dataSetPercent)) {
    std::fprintf(stderr, "cannot write the synthetic data set\n");
    std::exit(1);
  }
}

BenchFolder::~BenchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}
