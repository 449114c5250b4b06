// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/FillInDrill.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "drills/CardFace.h"
#include "drills/DrillFonts.h"
#include "drills/Keys.h"
#include "platform/Buttons.h"
#include "platform/Painter.h"
#include "platform/SoundPlayer.h"
#include "platform/System.h"
#include "platform/WindowManager.h"
#include "study/RandomGenerator.h"
#include "study/UserProfile.h"
#include "text/KanjiDatabase.h"

namespace {

constexpr Rect kGlossBox{110, 275, 510, 325};
constexpr Rect kSentencesBox{450, 410, 550, 430};
constexpr Rect kScoreBox{355, 72, 495, 95};
constexpr KanjiCode kBlank = 0x2132;  // full-width low line

bool IsPartMark(KanjiCode code) {
  return code == jis::kAmpersand || code == jis::kLessThan || code == jis::kGreaterThan;
}

}  // namespace

void FillInDrill::CreateControls() {
  buttons.push_back(
      host_.controls.CreateButton(host_.window, "Next (Space)", CmdNext, 85, 60, 125, 30));
  buttons.push_back(
      host_.controls.CreateButton(host_.window, "Reveal (F12)", CmdReveal, 220, 60, 125, 30));
}

KanjiCode FillInDrill::SelectKanji() {
  const StudySettings& settings = host_.profile.settings;
  return host_.profile.SelectNextKanji(settings.fillInOnlyMastered, settings.keepMasteredInFillIn);
}

void FillInDrill::NextCard() {
  KanjiCode code = SelectKanji();
  for (int tries = 1; code != 0 && !TryCard(code); ++tries) {
    if (tries == kMaxTries) {
      // The settings that lead here are saved, so ending the program would keep it from ever
      // starting again: tell the learner and leave the drill without a card instead.
      host_.system.ShowMessage(
          "Failing to find acceptable example for fill-in drill.  Examples set may be too small "
          "or corrupted.",
          "Error", host_.mainWindow);
      code = 0;
      break;
    }
    code = SelectKanji();
  }
  if (code == 0) {
    ShowNoCard();
    return;
  }
  HandOverNotes(code);
}

bool FillInDrill::TryCard(KanjiCode code) {
  if (!LookUpCard(code)) return false;
  sentenceOffsets.clear();
  std::vector<ExampleRecord>& candidates = candidates_;
  host_.database.ExamplesContaining(code, candidates);
  std::vector<const ExampleRecord*>& regular = regular_;
  regular.clear();
  for (const ExampleRecord& candidate : candidates) {
    if (!candidate.irregular) regular.push_back(&candidate);
  }
  if (regular.empty()) return false;
  example = *regular[static_cast<std::size_t>(host_.random.Next()) % regular.size()];
  return SetUpExample(code);
}

bool FillInDrill::SetUpExample(KanjiCode code) {
  const std::uint32_t positions = std::min<std::uint32_t>(
      example.word.length(), static_cast<std::uint32_t>(example.readingParts.size()));
  std::uint32_t j = 0;
  while (j < positions && example.word[j] != code) ++j;
  if (j == positions) return false;

  // The part reads: an optional mark, the kana as read in the word, an optional base reading
  // in parentheses.
  const CodeString& part = example.readingParts[j];
  CodeString shown;
  CodeString base;
  std::uint32_t k = 0;
  while (k < part.length() && part[k] != jis::kLeftParen) shown.units.push_back(part[k++]);
  for (++k; k < part.length() && part[k] != jis::kRightParen; ++k) base.units.push_back(part[k]);
  expected = shown;
  if (!expected.empty() && IsPartMark(expected[0])) expected.units.erase(expected.units.begin());
  // A part with nothing to type could never be answered.
  if (expected.empty()) return false;
  blankIndex = static_cast<std::int16_t>(j);
  const CodeString& check = base.empty() ? expected : base;

  partKind = PartKind(shown[0], check);

  const std::int16_t readingType = host_.profile.settings.fillInReadingType;
  if (readingType == 1) {
    if (shown[0] == jis::kLessThan) return false;
    const auto& kun = cardKanji->kunReadings;
    if (std::none_of(kun.begin(), kun.end(),
                     [&](const ReadingEntry& r) { return Equals(check, r.bare); })) {
      return false;
    }
  } else if (readingType == -1) {
    if (shown[0] == jis::kGreaterThan) return false;
    const auto& on = cardKanji->onReadings;
    if (std::none_of(on.begin(), on.end(),
                     [&](const ReadingEntry& r) { return Equals(check, ToHiragana(r.bare)); })) {
      return false;
    }
  }

  ResetWrongTries();
  attemptsLeft = 3;
  attemptsUsed = 0;
  complete = false;
  meaningsRevealed = false;
  glossRevealed = false;
  scoreDelta = 0.0f;
  scoreShown = false;
  cardFinished = false;
  EnableButton(Button(kNextEntry), true);
  EnableButton(Button(kRevealEntry), true);
  host_.windows.SetFocus(host_.window);
  converter.katakana = false;  // answers are typed in hiragana
  ClearAnswer();
  FindWordSentences(example.word);
  return true;
}

std::int16_t FillInDrill::PartKind(KanjiCode mark, const CodeString& check) const {
  if (mark == jis::kLessThan) return kMissOn;
  if (mark == jis::kGreaterThan) return kMissKun;
  for (const ReadingEntry& on : cardKanji->onReadings) {
    if (Equals(check, ToHiragana(on.bare))) return kMissOn;
  }
  for (const ReadingEntry& kun : cardKanji->kunReadings) {
    if (Equals(check, kun.bare)) return kMissKun;
  }
  return 0;
}

bool FillInDrill::PresentAgain(KanjiCode code) {
  // The same word again when the settings still allow it; otherwise another word of the kanji,
  // and failing that, another kanji.
  if (LookUpCard(code)) {
    example = undoneExample_;
    if (!SetUpExample(code) && !TryCard(code)) {
      NextCard();
      return true;
    }
  } else {
    return false;
  }
  HandOverNotes(code);
  return true;
}

std::vector<MissTarget> FillInDrill::MissTargets() const {
  std::vector<MissTarget> targets{{expected, partKind, true, false}};
  // The kanji's other readings are on the card's reference page anyway: naming them gives
  // nothing away.
  for (const ReadingEntry& on : cardKanji->onReadings) {
    targets.push_back({ToHiragana(on.bare), kMissOn, false, true});
  }
  for (const ReadingEntry& kun : cardKanji->kunReadings) {
    targets.push_back({kun.bare, kMissKun, false, true});
  }
  return targets;
}

void FillInDrill::ShowNoCard() {
  ClearCard();
  example = ExampleRecord{};
  expected = CodeString{};
  blankIndex = 0;
  glossRevealed = false;
  scoreDelta = 0.0f;
  EnableButton(Button(kRevealEntry), false);
  EnableButton(Button(kNextEntry), true);
  host_.windows.SetFocus(host_.window);
}

void FillInDrill::GradeAnswer() {
  EnableButton(Button(kNextEntry), false);
  GradeFillIn();
  FinishAttempt();
}

void FillInDrill::GradeFillIn() {
  const CodeString answer = TypedAnswer();
  if (Equals(answer, expected)) {
    --attemptsLeft;
    SaturatingIncrement(attemptsUsed);
    lastTryWrong = false;
    complete = true;  // the typed kana stay in the input box
    return;
  }
  const MissReason reason = ExplainMiss(answer, MissTargets(), partKind);
  if (forgiveOtherKind && reason.Forgivable()) {
    RefuseTry(answer, reason);
    return;
  }
  StoreWrongTry(answer, true, reason);
}

void FillInDrill::FinishAttempt() {
  if (attemptsLeft > 0 && !complete) return;
  if (attemptsLeft > 0) {
    if (host_.profile.settings.revealMeaningsOnComplete) meaningsRevealed = true;
    ScoreFillIn();
    EnableButton(Button(kRevealEntry), false);
    EnableButton(Button(kNextEntry), true);
    host_.windows.SetFocus(host_.window);
  } else {
    RevealFillIn();
  }
  host_.sound.PlayAsync(SoundFile());
}

void FillInDrill::RevealFillIn() {
  if (cardKanji == nullptr || cardFinished) return;
  meaningsRevealed = true;
  glossRevealed = true;
  attemptsUsed = std::max(attemptsUsed, attemptsLeft);
  attemptsLeft = 0;
  lastTryWrong = false;
  ScoreFillIn();
  EnableButton(Button(kNextEntry), true);
  EnableButton(Button(kRevealEntry), false);
  host_.windows.SetFocus(host_.window);
}

void FillInDrill::ScoreFillIn() {
  // A kanji without readings counts as one reading: the change stays finite and keeps its
  // sign.
  const double n = static_cast<double>(
      std::max<std::size_t>(1, cardKanji->onReadings.size() + cardKanji->kunReadings.size()));
  if (complete) {
    const int attemptsTaken = std::max(1, 3 - static_cast<int>(attemptsLeft));
    scoreDelta = static_cast<float>(3.0 / (attemptsTaken * n));
  } else {
    scoreDelta = static_cast<float>(-(3.0 / n));
  }
  scoreShown = true;
  cardFinished = true;
  undoneExample_ = example;
  BeforeCardReport();
  const KanjiProgress before = *cardProgress;
  if (!host_.profile.settings.fillInNoMasteryEffect) {
    host_.profile.AdjustScore(cardKanji->code, scoreDelta);
  }
  RecordCardEnd(complete ? ReviewOutcome::Right : ReviewOutcome::Wrong, scoreDelta, before);
}

void FillInDrill::OnKeyDown(int virtualKey) {
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
    case vk::kF3:
      meaningsRevealed = true;
      host_.windows.Repaint(host_.window);
      return;
    case vk::kF4:
      glossRevealed = true;
      host_.windows.Repaint(host_.window);
      return;
    case vk::kF12:
      if (ButtonEnabled(Button(kRevealEntry))) RevealFillIn();
      ClearAnswer();
      return;
    default:
      return;
  }
}

void FillInDrill::OnCommand(int id) {
  if (id == CmdReveal) {
    RevealFillIn();
  } else if (id == CmdNext) {
    NextCard();
  }
  ClearAnswer();
}

void FillInDrill::OnClick(int x, int y) {
  if (face::kMeaningsBox.Contains(x, y)) {
    meaningsRevealed = true;
    host_.windows.Repaint(host_.window);
  } else if (kGlossBox.Contains(x, y)) {
    glossRevealed = true;
    host_.windows.Repaint(host_.window);
  } else if (kSentencesBox.Contains(x, y) && !sentenceOffsets.empty()) {
    ShowSentences();
  }
}

void FillInDrill::Paint(Painter& painter) {
  const StudySettings& settings = host_.profile.settings;
  const DrillFonts& fonts = host_.fonts;
  LabelNextButton();
  const FontHandle previousFont = painter.SelectFont(fonts.timesFont);

  face::PaintKanjiBox(painter, host_.jis, fonts, cardKanji);
  face::PaintGrade(painter, cardKanji);
  face::PaintMeaningsBox(painter, cardKanji, meaningsRevealed || settings.meaningsStayRevealed);

  const bool open = host_.windows.FocusedWindow() == host_.window && !cardFinished;
  face::PaintInputBox(painter, host_.jis, fonts, {250, 350, 365, 375}, 255, 370,
                      {typedCodes.data(), typedCount, typedCapacity, pendingRomaji, open});

  char text[64];
  if (complete) {
    std::snprintf(text, sizeof text, "Complete!");
  } else {
    std::snprintf(text, sizeof text, "Attempts Left: %d", static_cast<int>(attemptsLeft));
  }
  painter.DrawText(text, {255, 380, 455, 400}, kTextLeft);

  face::PaintStatusPanel(painter, cardProgress, host_.profile.activeList.size(),
                         host_.profile.PercentMastered());
  if (scoreShown) {
    if (complete) {
      std::snprintf(text, sizeof text, "Score: +%.3f%%", static_cast<double>(scoreDelta));
    } else {
      std::snprintf(text, sizeof text, "Score: %.3f%%", static_cast<double>(scoreDelta));
    }
    face::PaintScoreBox(painter, kScoreBox, text);
  }

  if (cardKanji != nullptr) {
    int x = 310 - 26 * static_cast<int>(example.word.length());
    for (std::uint32_t i = 0; i < example.word.length(); ++i) {
      const Colour colour = example.word[i] == cardKanji->code ? face::kCardKanjiInWord : kBlack;
      PaintCodeAt(example.word, i, painter, host_.jis, fonts.mincho48, x, 180, 52, colour);
    }
    PaintReadingRow(painter);
  }

  if (glossRevealed || complete) {
    face::PaintBox(painter, kGlossBox, StockBrush::White);
    painter.DrawText(
        example.meaning,
        {kGlossBox.left + 5, kGlossBox.top + 2, kGlossBox.right - 5, kGlossBox.bottom - 2},
        kTextLeft | kTextWordWrap);
  } else {
    face::PaintBox(painter, kGlossBox, StockBrush::LightGrey);
    painter.DrawText(
        "Click here or press F4 to reveal gloss.",
        {kGlossBox.left + 40, kGlossBox.top + 3, kGlossBox.right - 40, kGlossBox.bottom},
        kTextCentre);
  }

  face::PaintIncorrectTries(painter, host_.jis, fonts, 100,
                            {wrongTries, wrongCount, wrongPos, lastTryWrong});
  // Under the panel, where the word row leaves room.
  face::PaintMissReason(painter, host_.jis, fonts, {514, 104, 636, 240},
                        {ShownMissReason(), tryRefused ? &refusedTry : nullptr, "word", false});
  if (!sentenceOffsets.empty()) face::PaintSentencesBox(painter, kSentencesBox);
  painter.SelectFont(previousFont);
}

void FillInDrill::PaintReadingRow(Painter& painter) const {
  int x = 310 - 17 * static_cast<int>(example.reading.length());
  for (std::size_t j = 0; j < example.readingParts.size(); ++j) {
    const CodeString& part = example.readingParts[j];
    const bool blank = static_cast<std::int16_t>(j) == blankIndex;
    for (std::uint32_t k = 0; k < part.length(); ++k) {
      const KanjiCode code = part[k];
      if (code == jis::kLeftParen) break;  // the base reading is not read aloud in the word
      if (IsPartMark(code)) continue;
      if (!blank) {
        host_.fonts.gothic32.PaintGlyph(painter, host_.jis, code, x, 250, kBlack);
      } else if (complete) {
        host_.fonts.gothic32.PaintGlyph(painter, host_.jis, code, x, 250, face::kRight);
      } else if (attemptsLeft > 0) {
        host_.fonts.gothic32.PaintGlyph(painter, host_.jis, kBlank, x, 250, kBlack);
      } else {
        host_.fonts.gothic32.PaintGlyph(painter, host_.jis, code, x, 250, face::kWrong);
      }
      x += 34;
    }
  }
}
