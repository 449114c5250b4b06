// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/BuildReport.h"

namespace {

double Percent(int part, int whole) {
  return whole == 0 ? 100.0 : 100.0 * part / whole;
}

const char* Verdict(bool holds) {
  return holds ? "ok" : "BELOW THE BAR";
}

}  // namespace

bool QualityBarsHold(const BuildReport& r) {
  return Percent(r.commonAligned, r.commonWords) >= kCommonAlignedBar &&
         Percent(r.handCheckedRight, r.handChecked) >= kHandCheckedBar &&
         r.joyoUnderThreeAvoidable == 0 && r.kanjiWithout == 0 && r.untypeableBlanks == 0 &&
         r.duplicateBareReadings == 0;
}

void PrintReport(const BuildReport& r, std::FILE* out) {
  std::fprintf(out, "Veltrane data set\n");
  std::fprintf(out, "  kanji:                   %d\n", r.kanji);
  std::fprintf(out, "  readings:                %d ON, %d KUN\n", r.onReadings, r.kunReadings);
  std::fprintf(out,
               "  readings left out:       %d ON+suru KUN, %d untypeable; %d merged into "
               "another of the same bare form\n",
               r.rules.suruNoise, r.rules.untypeable, r.rules.merged);
  std::fprintf(out, "  examples:                %d\n", r.examples);
  std::fprintf(out, "    readings with one:     %d of %d (edict has no word for %d)\n",
               r.readingsWithExample, r.onReadings + r.kunReadings, r.readingsEdictLacks);
  std::fprintf(out, "    aligned:               %d\n", r.aligned);
  std::fprintf(out, "    with a special part:   %d\n", r.special);
  std::fprintf(out, "    irregular:             %d\n", r.irregular);
  std::fprintf(out, "  study list:              %d kanji, %d of them jouyou\n", r.studyList,
               r.joyoOnStudyList);
  for (const auto& [name, count] : r.readyLists) {
    std::fprintf(out, "    ready list %-18s %d kanji\n", (name + ":").c_str(), count);
  }
  if (r.sentences >= 0) {
    std::fprintf(out, "  sentences:               %d\n", r.sentences);
  } else {
    std::fprintf(out, "  sentences:               none (no --tanaka file)\n");
  }
  std::fprintf(out, "  dictionary lines skipped as unreadable: %d\n", r.unreadableLines);
  std::fprintf(out, "Quality\n");
  const double common = Percent(r.commonAligned, r.commonWords);
  std::fprintf(out, "  common words aligned:    %d of %d, %.2f%% (bar %.0f%%) %s\n",
               r.commonAligned, r.commonWords, common, kCommonAlignedBar,
               Verdict(common >= kCommonAlignedBar));
  const double hand = Percent(r.handCheckedRight, r.handChecked);
  std::fprintf(out, "  hand-checked words:      %d of %d, %.2f%% (bar %.0f%%) %s\n",
               r.handCheckedRight, r.handChecked, hand, kHandCheckedBar,
               Verdict(hand >= kHandCheckedBar));
  if (!r.handCheckedMisses.empty()) {
    std::fprintf(out, "    differing: %s\n", r.handCheckedMisses.c_str());
  }
  std::fprintf(
      out, "  jouyou kanji with fewer than 3 examples: %d (%d where edict has 3 words) %s%s%s\n",
      r.joyoUnderThree, r.joyoUnderThreeAvoidable, Verdict(r.joyoUnderThreeAvoidable == 0),
      r.joyoUnderThreeList.empty() ? "" : ": ", r.joyoUnderThreeList.c_str());
  std::fprintf(out, "  kanji without an example that edict could give: %d %s\n", r.kanjiWithout,
               Verdict(r.kanjiWithout == 0));
  std::fprintf(out, "  blankable parts a learner cannot type: %d %s\n", r.untypeableBlanks,
               Verdict(r.untypeableBlanks == 0));
  std::fprintf(out, "  readings of one kind sharing a bare form: %d %s\n", r.duplicateBareReadings,
               Verdict(r.duplicateBareReadings == 0));
  std::fprintf(out, "Time: %.1f s\n", r.seconds);
}
