// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// veltrane-data: builds Veltrane's data set from the EDRDG dictionaries.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tools/DataBuilder.h"

namespace {

constexpr const char* kUsage =
    "usage: veltrane-data --out DIR [--kanjidic FILE] [--edict FILE] [--tanaka FILE]\n"
    "  --out DIR        folder to write the data set into (created when missing)\n"
    "  --kanjidic FILE  KANJIDIC in EUC-JP (default /usr/share/edict/kanjidic)\n"
    "  --edict FILE     EDICT in EUC-JP (default /usr/share/edict/edict)\n"
    "  --tanaka FILE    Tanaka corpus examples.utf; writes sentences.dat when given\n";

bool ParseArguments(int argc, char** argv, BuildOptions& options) {
  bool haveOut = false;
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "--help" || flag == "-h") return false;
    if (i + 1 >= argc) {
      std::fprintf(stderr, "veltrane-data: %s needs a value\n", flag.c_str());
      return false;
    }
    const char* value = argv[++i];
    if (flag == "--out") {
      options.out = value;
      haveOut = true;
    } else if (flag == "--kanjidic") {
      options.kanjidic = value;
    } else if (flag == "--edict") {
      options.edict = value;
    } else if (flag == "--tanaka") {
      options.tanaka = value;
    } else {
      std::fprintf(stderr, "veltrane-data: unknown option %s\n", flag.c_str());
      return false;
    }
  }
  if (!haveOut) std::fprintf(stderr, "veltrane-data: --out DIR is required\n");
  return haveOut;
}

}  // namespace

int main(int argc, char** argv) {
  BuildOptions options;
  if (!ParseArguments(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  ProgressBar progress(stderr, isatty(STDERR_FILENO) != 0);
  BuildReport report;
  std::string error;
  if (!BuildDataSet(options, report, progress, error)) {
    progress.Finish();
    std::fprintf(stderr, "veltrane-data: %s\n", error.c_str());
    return 1;
  }
  PrintReport(report, stdout);
  return 0;
}
