// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/ReadingsDrill.h"

#include <algorithm>
#include <cstdio>

#include "drills/CardFace.h"
#include "drills/DrillFonts.h"
#include "drills/Keys.h"
#include "platform/Buttons.h"
#include "platform/Painter.h"
#include "platform/WindowManager.h"
#include "study/UserProfile.h"
#include "text/KanjiDatabase.h"

namespace {

Rect OnBox(std::size_t i) {
  const int top = 132 + 25 * static_cast<int>(i);
  return {20, top, 130, top + 20};
}

Rect KunBox(std::size_t i) {
  const int top = 132 + 25 * static_cast<int>(i);
  return {150, top, 260, top + 20};
}

constexpr Rect kExamplesBox{280, 205, 500, 352};
constexpr Rect kSpecialBox{280, 360, 400, 380};
constexpr Rect kSentencesBox{410, 360, 500, 380};
constexpr Rect kScoreBox{280, 72, 495, 95};

}  // namespace

void ReadingsDrill::CreateControls() {
  struct ButtonPlace {
    const char* label;
    int id;
    int x, y;
  };
  static constexpr ButtonPlace kButtons[] = {{"Reveal (F12)", CmdReveal, 280, 135},
                                             {"Study (F8)", CmdStudy, 390, 135},
                                             {"Next (Space)", CmdNext, 280, 100},
                                             {"Mastered (F5)", CmdMastered, 390, 100}};
  for (const ButtonPlace& place : kButtons) {
    buttons.push_back(host_.controls.CreateButton(host_.window, place.label, place.id, place.x,
                                                  place.y, 105, 30));
  }
}

void ReadingsDrill::NextCard() {
  const KanjiCode code =
      host_.profile.SelectNextKanji(false, host_.profile.settings.keepMasteredInReadings);
  if (code == 0) {
    ShowNoCard();
    return;
  }
  if (!SetUpReadingsCard(code)) return;
  HandOverNotes(code);
}

bool ReadingsDrill::SetUpReadingsCard(KanjiCode code) {
  if (!LookUpCard(code)) return false;
  host_.database.ExamplesContaining(code, pool);
  shownExamples.clear();
  exampleIndex = 0;
  sentenceOffsets.clear();
  host_.database.ExamplesWithSpecialReading(code, pool, shownExamples);
  hasSpecialReadings = !shownExamples.empty();
  shownExamples.clear();  // a fresh card lists no examples until a reading is selected
  ResetWrongTries();
  selectedKind = kNoSelection;
  selectedIndex = 0;
  const std::size_t readings = OnCount() + KunCount();
  attemptsLeft = static_cast<std::uint16_t>(std::min<std::size_t>(3 * readings, UINT16_MAX));
  attemptsUsed = 0;
  complete = false;
  onStatus.assign(OnCount(), StatusHidden);
  kunStatus.assign(KunCount(), StatusHidden);
  meaningsRevealed = false;
  cardScore = 0;
  percentFound = 0;
  penalty = 0;
  scoreShown = false;
  cardFinished = false;
  for (std::size_t entry = kRevealEntry; entry <= kMasteredEntry; ++entry) {
    EnableButton(Button(entry), true);
  }
  host_.windows.SetFocus(host_.window);
  converter.katakana = OnCount() > 0;
  ClearAnswer();
  return true;
}

void ReadingsDrill::ShowNoCard() {
  ClearCard();
  pool.clear();
  shownExamples.clear();
  exampleIndex = 0;
  hasSpecialReadings = false;
  selectedKind = kNoSelection;
  selectedIndex = 0;
  onStatus.clear();
  kunStatus.clear();
  cardScore = 0;
  percentFound = 0;
  penalty = 0;
  EnableButton(Button(kRevealEntry), false);
  EnableButton(Button(kStudyEntry), false);
  EnableButton(Button(kMasteredEntry), false);
  EnableButton(Button(kNextEntry), true);
  host_.windows.SetFocus(host_.window);
}

void ReadingsDrill::GradeAnswer() {
  EnableButton(Button(kStudyEntry), false);
  EnableButton(Button(kNextEntry), false);
  EnableButton(Button(kMasteredEntry), false);
  GradeReadings();
  CheckComplete();
}

void ReadingsDrill::GradeReadings() {
  const CodeString answer = TypedAnswer();
  // An empty answer names no reading, even one whose kana form is empty in faulty data.
  if (answer.empty()) return;
  const bool unlimited = host_.profile.settings.allowUnlimitedGuesses;
  // ON readings first: an answer equal to one reading of each kind counts for the ON reading.
  for (const bool kun : {false, true}) {
    const auto& readings = kun ? cardKanji->kunReadings : cardKanji->onReadings;
    auto& status = kun ? kunStatus : onStatus;
    const std::int16_t kind = kun ? kKunReading : kOnReading;
    for (std::size_t i = 0; i < readings.size(); ++i) {
      if (!Equals(answer, readings[i].bare)) continue;
      if (status[i] == StatusHidden) {
        status[i] = StatusKnown;
        if (!unlimited) --attemptsLeft;
        SaturatingIncrement(attemptsUsed);
        lastTryWrong = false;
      }
      if (selectedKind != kind || selectedIndex != static_cast<std::int16_t>(i)) {
        SelectReading(kind, static_cast<std::int16_t>(i));
      }
      typedCount = 0;
      return;
    }
  }
  const MissReason reason = ExplainMiss(answer, MissTargets(), converter.katakana ? kOnReading : kKunReading);
  if (forgiveOtherKind && reason.Forgivable()) {
    RefuseTry(answer, reason);
    return;
  }
  StoreWrongTry(answer, !unlimited, reason);
}

std::vector<MissTarget> ReadingsDrill::MissTargets() const {
  std::vector<MissTarget> targets;
  for (const bool kun : {false, true}) {
    const auto& readings = kun ? cardKanji->kunReadings : cardKanji->onReadings;
    const auto& status = kun ? kunStatus : onStatus;
    for (std::size_t i = 0; i < readings.size(); ++i) {
      targets.push_back({readings[i].bare, kun ? kKunReading : kOnReading, true,
                         status[i] != StatusHidden});
    }
  }
  return targets;
}

bool ReadingsDrill::PresentAgain(KanjiCode code) {
  if (!SetUpReadingsCard(code)) return false;
  HandOverNotes(code);
  return true;
}

void ReadingsDrill::CheckComplete() {
  if (attemptsLeft == 0) {
    RevealReadings(ReviewOutcome::AttemptsOut);
    return;
  }
  const auto hidden = [](std::int16_t s) { return s == StatusHidden; };
  if (std::any_of(onStatus.begin(), onStatus.end(), hidden) ||
      std::any_of(kunStatus.begin(), kunStatus.end(), hidden)) {
    return;
  }
  complete = true;
  if (host_.profile.settings.revealMeaningsOnComplete) meaningsRevealed = true;
  ScoreReadings(ReviewOutcome::Complete);
  EnableButton(Button(kRevealEntry), false);
  EnableButton(Button(kNextEntry), true);
  EnableButton(Button(kMasteredEntry), true);
  host_.windows.SetFocus(host_.window);
}

void ReadingsDrill::ScoreReadings(ReviewOutcome outcome) {
  const std::size_t n = OnCount() + KunCount();
  const auto known = [](std::int16_t s) { return s == StatusKnown; };
  const std::size_t found = std::count_if(onStatus.begin(), onStatus.end(), known) +
                            std::count_if(kunStatus.begin(), kunStatus.end(), known);
  // A kanji without readings scores 0: there is nothing to divide by.
  if (n > 0) {
    percentFound = static_cast<std::int16_t>(static_cast<double>(found) * 100.0 / n);
    if (attemptsUsed > n) {
      // Each attempt beyond one per reading costs 12.5 / n percent, truncated at the end.
      penalty = static_cast<std::int32_t>(100.0 / (static_cast<double>(n) * 8.0) *
                                          static_cast<double>(attemptsUsed - n));
    }
  }
  cardScore = static_cast<std::int16_t>(std::clamp<std::int32_t>(percentFound - penalty, 0, 100));
  scoreShown = true;
  cardFinished = true;
  BeforeCardReport();
  const KanjiProgress before = *cardProgress;
  if (outcome != ReviewOutcome::Complete) {
    host_.profile.RecordRevealedCard(cardKanji->code, cardScore);
  } else {
    host_.profile.RecordCardResult(cardKanji->code, cardScore);
  }
  RecordCardEnd(outcome, cardScore, before);
}

void ReadingsDrill::RevealReadings(ReviewOutcome outcome) {
  if (cardKanji == nullptr || cardFinished) return;
  meaningsRevealed = true;
  if (!host_.profile.settings.allowUnlimitedGuesses) {
    attemptsUsed = static_cast<std::uint16_t>(
        std::min<std::uint32_t>(std::uint32_t{attemptsUsed} + attemptsLeft, UINT16_MAX));
  } else {
    attemptsUsed = std::max(attemptsUsed, attemptsLeft);
  }
  attemptsLeft = 0;
  lastTryWrong = false;
  for (auto* status : {&onStatus, &kunStatus}) {
    for (std::int16_t& s : *status) {
      if (s == StatusHidden) s = StatusRevealed;
    }
  }
  ScoreReadings(outcome);
  EnableButton(Button(kRevealEntry), false);
  EnableButton(Button(kStudyEntry), false);
  EnableButton(Button(kMasteredEntry), false);
  EnableButton(Button(kNextEntry), true);
  host_.windows.SetFocus(host_.window);
}

void ReadingsDrill::StudyOrMaster(bool promote) {
  if (cardKanji == nullptr) return;
  // Study only ends an open card; Mastered may promote a finished one again.
  if (!promote && cardFinished) return;
  meaningsRevealed = true;
  attemptsLeft = 0;
  lastTryWrong = false;
  for (auto* status : {&onStatus, &kunStatus}) {
    for (std::int16_t& s : *status) {
      if (s == StatusHidden) s = StatusKnown;
    }
  }
  BeforeCardReport();
  const KanjiProgress before = *cardProgress;
  if (promote) host_.profile.PromoteKanji(cardKanji->code);
  cardFinished = true;
  RecordCardEnd(promote ? ReviewOutcome::Mastered : ReviewOutcome::Study, cardScore, before);
  EnableButton(Button(kRevealEntry), false);
  EnableButton(Button(kStudyEntry), false);
  EnableButton(Button(kMasteredEntry), promote);
  EnableButton(Button(kNextEntry), true);
  host_.windows.SetFocus(host_.window);
  ClearAnswer();
}

void ReadingsDrill::SelectReading(std::int16_t kind, std::int16_t index) {
  if (kind == selectedKind && index == selectedIndex) return;
  if (cardKanji == nullptr) return;
  selectedKind = kind;
  selectedIndex = index;
  if (kind == kOnReading || kind == kKunReading) {
    const auto& readings = kind == kOnReading ? cardKanji->onReadings : cardKanji->kunReadings;
    host_.database.ExamplesForReading(readings[index].bare, cardKanji->code, kind, pool,
                                      shownExamples);
  } else {
    host_.database.ExamplesWithSpecialReading(cardKanji->code, pool, shownExamples);
  }
  exampleIndex = 0;
  RefreshSentences();
}

void ReadingsDrill::RefreshSentences() {
  sentenceOffsets.clear();
  if (!shownExamples.empty()) FindWordSentences(shownExamples[exampleIndex].word);
}

void ReadingsDrill::SetScript(bool katakana) {
  if (converter.katakana == katakana) return;
  ClearAnswer();
  converter.katakana = katakana;
}

void ReadingsDrill::MoveSelection(int step) {
  const std::size_t ons = OnCount();
  const std::size_t kuns = KunCount();
  if (ons + kuns == 0) return;
  // Position along the cycle ON 0..last, KUN 0..last; from nothing or the special readings,
  // Right starts at the first reading and Left at the last.
  const std::size_t total = ons + kuns;
  std::size_t target;
  if (selectedKind == kOnReading || selectedKind == kKunReading) {
    const std::size_t at =
        (selectedKind == kOnReading ? 0 : ons) + static_cast<std::size_t>(selectedIndex);
    target = (at + total + static_cast<std::size_t>(step > 0 ? 1 : total - 1)) % total;
  } else {
    target = step > 0 ? 0 : total - 1;
  }
  const bool on = target < ons;
  const auto kind = on ? kOnReading : kKunReading;
  const auto index = static_cast<std::int16_t>(on ? target : target - ons);
  if (kind != selectedKind) SetScript(on);
  // Moving onto the reading already selected (a kanji with one reading) lists its examples
  // again from the first.
  if (kind == selectedKind && index == selectedIndex) selectedKind = kNoSelection;
  SelectReading(kind, index);
}

void ReadingsDrill::StepExample(int step) {
  if (shownExamples.empty()) return;
  const auto count = static_cast<std::uint32_t>(shownExamples.size());
  exampleIndex = (exampleIndex + (step > 0 ? 1 : count - 1)) % count;
  RefreshSentences();
}

void ReadingsDrill::OnTab() {
  ClearAnswer();
  converter.katakana = !converter.katakana;
}

void ReadingsDrill::OnKeyDown(int virtualKey) {
  switch (virtualKey) {
    case vk::kSpace:
      if (host_.profile.settings.reverseSpaceEnter) {
        SubmitAnswer();
      } else {
        NextByKey();
      }
      return;
    case vk::kF9:
      NextByKey();
      return;
    case vk::kLeft:
    case vk::kComma:
      MoveSelection(-1);
      host_.windows.Repaint(host_.window);
      return;
    case vk::kRight:
    case vk::kPeriod:
      MoveSelection(1);
      host_.windows.Repaint(host_.window);
      return;
    case vk::kUp:
    case vk::kOpenBracket:
      if (shownExamples.empty()) return;
      StepExample(-1);
      host_.windows.Repaint(host_.window);
      return;
    case vk::kDown:
    case vk::kCloseBracket:
      if (shownExamples.empty()) return;
      StepExample(1);
      host_.windows.Repaint(host_.window);
      return;
    case vk::kNumpad0:
      SelectReading(kSpecialReadings, 0);
      return;
    case vk::kF3:
      meaningsRevealed = true;
      host_.windows.Repaint(host_.window);
      return;
    // The keys of the buttons act only while their button does, but clear the answer always.
    case vk::kF5:
      if (ButtonEnabled(Button(kMasteredEntry))) StudyOrMaster(true);
      ClearAnswer();
      return;
    case vk::kF8:
      if (ButtonEnabled(Button(kStudyEntry))) StudyOrMaster(false);
      ClearAnswer();
      return;
    case vk::kF12:
      if (ButtonEnabled(Button(kRevealEntry))) RevealReadings();
      ClearAnswer();
      return;
    default:
      return;
  }
}

void ReadingsDrill::OnCommand(int id) {
  switch (id) {
    case CmdReveal:
      RevealReadings();
      break;
    case CmdStudy:
      StudyOrMaster(false);
      break;
    case CmdNext:
      NextCard();
      break;
    case CmdMastered:
      StudyOrMaster(true);
      break;
    default:
      break;
  }
  ClearAnswer();
}

void ReadingsDrill::OnClick(int x, int y) {
  for (std::size_t i = 0; i < OnCount(); ++i) {
    if (!OnBox(i).Contains(x, y)) continue;
    SetScript(true);
    SelectReading(kOnReading, static_cast<std::int16_t>(i));
    host_.windows.Repaint(host_.window);
    return;
  }
  for (std::size_t j = 0; j < KunCount(); ++j) {
    if (!KunBox(j).Contains(x, y)) continue;
    SetScript(false);
    SelectReading(kKunReading, static_cast<std::int16_t>(j));
    host_.windows.Repaint(host_.window);
    return;
  }
  if (face::kMeaningsBox.Contains(x, y)) {
    meaningsRevealed = true;
    host_.windows.Repaint(host_.window);
    return;
  }
  if (kExamplesBox.Contains(x, y) && !shownExamples.empty()) {
    StepExample(1);
    host_.windows.Repaint(host_.window);
    return;
  }
  // Answers even while the box is not painted.
  if (kSpecialBox.Contains(x, y)) {
    SelectReading(kSpecialReadings, 0);
    host_.windows.Repaint(host_.window);
    return;
  }
  if (kSentencesBox.Contains(x, y) && !sentenceOffsets.empty()) ShowSentences();
}

std::size_t ReadingsDrill::OnCount() const {
  return cardKanji != nullptr ? cardKanji->onReadings.size() : 0;
}

std::size_t ReadingsDrill::KunCount() const {
  return cardKanji != nullptr ? cardKanji->kunReadings.size() : 0;
}

bool ReadingsDrill::SelectionRevealed() const {
  if (selectedKind == kSpecialReadings) return true;
  if (selectedKind == kOnReading) return onStatus.at(selectedIndex) != StatusHidden;
  if (selectedKind == kKunReading) return kunStatus.at(selectedIndex) != StatusHidden;
  return false;
}

void ReadingsDrill::Paint(Painter& painter) {
  const StudySettings& settings = host_.profile.settings;
  const DrillFonts& fonts = host_.fonts;
  LabelNextButton();
  const FontHandle previousFont = painter.SelectFont(fonts.timesFont);

  face::PaintKanjiBox(painter, host_.jis, fonts, cardKanji);
  face::PaintGrade(painter, cardKanji);
  face::PaintMeaningsBox(painter, cardKanji, meaningsRevealed || settings.meaningsStayRevealed);

  const bool open = host_.windows.FocusedWindow() == host_.window && !cardFinished;
  face::PaintInputBox(painter, host_.jis, fonts, {85, 50, 200, 75}, 90, 70,
                      {typedCodes.data(), typedCount, typedCapacity, pendingRomaji, open});
  painter.DrawText(converter.katakana ? "[katakana]" : "[hiragana]", {90, 75, 275, 94}, kTextLeft);

  char text[96];
  if (complete) {
    std::snprintf(text, sizeof text, "Complete!");
  } else if (settings.allowUnlimitedGuesses) {
    std::snprintf(text, sizeof text, "Unlimited Attempts");
  } else {
    std::snprintf(text, sizeof text, "Attempts Left: %d", static_cast<int>(attemptsLeft));
  }
  painter.DrawText(text, {210, 54, 345, 74}, kTextLeft);

  face::PaintStatusPanel(painter, cardProgress, host_.profile.activeList.size(),
                         host_.profile.PercentMastered());
  if (scoreShown) {
    std::snprintf(text, sizeof text, "Score: %d%%  (%d%% - %d%%)", static_cast<int>(cardScore),
                  static_cast<int>(percentFound), static_cast<int>(penalty));
    face::PaintScoreBox(painter, kScoreBox, text);
  }

  PaintReadingColumn(painter, false);
  PaintReadingColumn(painter, true);
  PaintExamples(painter);

  if (hasSpecialReadings) {
    painter.FillRect(kSpecialBox, face::kLinkBox);
    if (selectedKind == kSpecialReadings) {
      for (int d = 0; d <= 3; ++d) painter.FrameRect(kSpecialBox.Inflated(d), face::kSelectedFrame);
    }
    painter.FrameRect(kSpecialBox, kBlack);
    painter.DrawText("Special Readings", kSpecialBox, kTextCentre);
  }
  if (!sentenceOffsets.empty()) face::PaintSentencesBox(painter, kSentencesBox);

  painter.DrawText("Full reading data (okurigana / position):", {20, 386, 400, 406}, kTextLeft);
  face::PaintBox(painter, {15, 406, 630, 429}, StockBrush::White);
  if ((selectedKind == kOnReading || selectedKind == kKunReading) && SelectionRevealed()) {
    const auto& readings =
        selectedKind == kOnReading ? cardKanji->onReadings : cardKanji->kunReadings;
    PaintCodeRow(readings[selectedIndex].written, painter, host_.jis, fonts.gothic16, 20, 426, 18,
                 kBlack);
  }

  face::PaintIncorrectTries(painter, host_.jis, fonts, 400,
                            {wrongTries, wrongCount, wrongPos, lastTryWrong});
  // In the panel, under its entries.
  const int listed = std::min<int>(wrongCount, kWrongTrySlots);
  face::PaintMissReason(painter, host_.jis, fonts, {514, 31 + 19 * listed, 630, 398},
                        {ShownMissReason(), tryRefused ? &refusedTry : nullptr, "column", true});
  painter.SelectFont(previousFont);
}

void ReadingsDrill::PaintReadingColumn(Painter& painter, bool kun) const {
  const Rect title = kun ? Rect{150, 110, 260, 130} : Rect{20, 110, 130, 130};
  painter.DrawText(kun ? "KUN Readings" : "ON Readings", title, kTextCentre);
  // The column of the script being typed is framed.
  if (converter.katakana != kun) {
    painter.FrameRect(kun ? Rect{140, 100, 270, 380} : Rect{10, 100, 140, 380}, face::kScriptFrame);
  }
  if (cardKanji == nullptr) return;
  const auto& readings = kun ? cardKanji->kunReadings : cardKanji->onReadings;
  const auto& status = kun ? kunStatus : onStatus;
  const std::int16_t kind = kun ? kKunReading : kOnReading;
  for (std::size_t i = 0; i < readings.size(); ++i) {
    const Rect box = kun ? KunBox(i) : OnBox(i);
    if (status[i] == StatusHidden) {
      painter.FillRect(box, face::kHiddenReading);
    } else if (status[i] == StatusRevealed) {
      painter.FillRect(box, StockBrush::LightGrey);
    } else {
      painter.FillRect(box, face::kKnownReading);
    }
    painter.FrameRect(box, kBlack);
    if (status[i] != StatusHidden) {
      PaintCodeRow(readings[i].bare, painter, host_.jis, host_.fonts.gothic16, box.left + 2,
                   box.bottom - 2, 18, kBlack);
    }
    if (selectedKind == kind && selectedIndex == static_cast<std::int16_t>(i)) {
      for (int d = 0; d <= 3; ++d) painter.FrameRect(box.Inflated(d), face::kSelectedFrame);
    }
  }
}

void ReadingsDrill::PaintExamples(Painter& painter) const {
  char title[64];
  if (shownExamples.empty()) {
    std::snprintf(title, sizeof title, "Examples");
  } else {
    std::snprintf(title, sizeof title, "Example %u of %zu:", exampleIndex + 1,
                  shownExamples.size());
  }
  painter.DrawText(title, {280, 180, 500, 200}, kTextLeft);
  face::PaintBox(painter, kExamplesBox, StockBrush::White);
  if (shownExamples.empty()) return;
  const ExampleRecord& example = shownExamples[exampleIndex];
  PaintCodeRow(example.word, painter, host_.jis, host_.fonts.mincho24, 285, 234, 26, kBlack);
  if (SelectionRevealed()) {
    PaintCodeRow(example.reading, painter, host_.jis, host_.fonts.gothic16, 285, 257, 18, kBlack);
    painter.DrawText(example.meaning, {285, 269, 495, 347}, kTextLeft | kTextWordWrap);
  }
}
