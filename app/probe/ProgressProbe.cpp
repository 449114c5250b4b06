// Measures opening the Progress window on a real data set with every kanji on the study list and
// a synthetic history of 100,000 cards: the window made, its figures computed (the model alone
// timed apart) and everything painted. Seven runs; the median is what counts.
//   veltrane-progress-probe WORKING_DIRECTORY
#include <QApplication>
#include <QDir>
#include <algorithm>
#include <chrono>
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
  for (const ReviewRecord& review : history) {
    std::int32_t index;
    if (!profile.FindProgressIndex(review.kanji, index)) continue;
    KanjiProgress& entry = profile.progress[static_cast<std::size_t>(index)];
    if (!entry.active) profile.activeList.push_back(index);
    entry.active = true;
    entry.score = review.scoreAfter;
  }
  std::printf("%zu kanji on the study list, %zu history rows\n", profile.studyList.size(),
              history.size());

  std::vector<double> models;
  std::vector<double> windows;
  for (int run = 0; run < 7; ++run) {
    const LocalTimeZone zone = LocalTimeZone(0);
    ProgressModel model(profile, zone);
    const auto modelStart = Watch::now();
    model.Compute(history, now);
    models.push_back(Ms(modelStart, Watch::now()));

    const auto start = Watch::now();
    ProgressSources sources;
    sources.readHistory = [&history] { return history; };
    sources.now = [now] { return now; };
    sources.timeZone = [](std::int64_t, std::int64_t) { return LocalTimeZone(0); };
    ProgressWindow window(profile, *shell.database, *shell.jis, std::move(sources),
                          shell.fontFactory.Font(shell.fonts.mincho54.handle),
                          shell.fontFactory.Font(shell.fonts.gothic16.handle), ".");
    window.Refresh();
    window.resize(1180, 820);
    window.show();
    window.repaint();
    windows.push_back(Ms(start, Watch::now()));
    std::printf("run %d: model %6.1f ms, window made and painted %6.1f ms\n", run, models.back(),
                windows.back());
  }
  std::printf("median: model %.1f ms, window made and painted %.1f ms\n", Median(models),
              Median(windows));
  return 0;
}
