// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures opening the Progress window on a real data set with every kanji on the study list and
// a synthetic history of 100,000 cards: the window made, its figures computed (the model alone
// timed apart) and everything painted. Seven runs; the median is what counts.
//   veltrane-progress-probe WORKING_DIRECTORY
#include <QApplication>
#include <QDir>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <vector>

#include "app/ProgressWindow.h"
#include "app/Shell.h"
#include "bench/SyntheticHistory.h"
#include "study/ProgressModel.h"
#include "study/UserProfile.h"
#include "text/KanjiDatabase.h"

namespace {

using Watch = std::chrono::steady_clock;

double Ms(Watch::time_point from, Watch::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// Processor time of this thread: the machine the probe runs on may be busy with other work,
// which stretches the wall-clock figures but not these.
double CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: veltrane-progress-probe WORKING_DIRECTORY\n");
    return 2;
  }
  QApplication application(argc, argv);
  if (!QDir::setCurrent(argv[1])) {
    std::fprintf(stderr, "cannot enter %s\n", argv[1]);
    return 2;
  }
  Shell shell;
  shell.system.answerMessage = [](const std::string&, const std::string&) {};
  if (!shell.Start()) return 1;
  UserProfile& profile = *shell.profile;
  profile.studyList.clear();
  for (const KanjiRecord& record : shell.database->kanji) profile.studyList.push_back(record.code);
  const std::int64_t now = shell.clock.SecondsSince1970();
  const std::vector<ReviewRecord> history = SyntheticHistory(profile.studyList, 100000, now);
  ApplyHistory(profile, history);
  std::printf("%zu kanji on the study list, %zu history rows\n", profile.studyList.size(),
              history.size());

  std::vector<double> models;
  std::vector<double> windows;
  std::vector<double> modelsCpu;
  std::vector<double> made;
  std::vector<double> refreshed;
  std::vector<double> painted;
  for (int run = 0; run < 7; ++run) {
    const LocalTimeZone zone = LocalTimeZone(0);
    ProgressModel model(profile, zone);
    const auto modelStart = Watch::now();
    const double modelCpu = CpuMs();
    model.Compute(history, now);
    models.push_back(Ms(modelStart, Watch::now()));
    modelsCpu.push_back(CpuMs() - modelCpu);

    const auto start = Watch::now();
    const double cpu0 = CpuMs();
    ProgressSources sources;
    sources.readHistory = [&history] { return history; };
    sources.now = [now] { return now; };
    sources.timeZone = [](std::int64_t, std::int64_t) { return LocalTimeZone(0); };
    ProgressWindow window(profile, *shell.database, *shell.jis, std::move(sources),
                          shell.fontFactory.Font(shell.fonts.mincho54.handle),
                          shell.fontFactory.Font(shell.fonts.gothic16.handle), ".");
    const double cpu1 = CpuMs();
    window.Refresh();
    const double cpu2 = CpuMs();
    window.resize(1180, 820);
    window.show();
    window.repaint();
    const double cpu3 = CpuMs();
    windows.push_back(Ms(start, Watch::now()));
    made.push_back(cpu1 - cpu0);
    refreshed.push_back(cpu2 - cpu1);
    painted.push_back(cpu3 - cpu0);
    std::printf("run %d: model %6.1f ms (cpu %5.1f), window %6.1f ms (cpu: made %5.1f, "
                "refreshed %5.1f, all painted %5.1f)\n",
                run, models.back(), modelsCpu.back(), windows.back(), made.back(),
                refreshed.back(), painted.back());
  }
  std::printf("median: model %.1f ms (cpu %.1f), window made, refreshed and painted %.1f ms "
              "(cpu %.1f)\n",
              Median(models), Median(modelsCpu), Median(windows), Median(painted));
  return 0;
}
