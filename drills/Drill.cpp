// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/Drill.h"

#include "drills/CardUndo.h"
#include "drills/Keys.h"
#include "platform/Buttons.h"
#include "platform/SentencesWindow.h"
#include "platform/StrokeOrderWindow.h"
#include "platform/System.h"
#include "platform/WindowManager.h"
#include "study/ReviewLog.h"
#include "study/UserProfile.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"

Drill::Drill(const DrillHost& host) : host_(host) {}

void Drill::OnChar(char character) {
  if (character >= 'A' && character <= 'Z') character = static_cast<char>(character - 'A' + 'a');
  switch (character) {
    case ch::kBackspace:
      // Pending letters go first, one at a time; then typed kana.
      if (converter.Backspace(pendingRomaji)) return;
      if (typedCount > 0) typedCodes[--typedCount] = 0;
      return;
    case ch::kLineFeed:
      return;
    case ch::kTab:
      OnTab();
      return;
    case ch::kEnter:
      if (host_.profile.settings.reverseSpaceEnter) {
        NextByKey();
      } else {
        SubmitAnswer();
      }
      return;
    case ch::kEscape:
      converter.Reset(pendingRomaji);  // the kana already typed stay
      return;
    default:
      TypeLetter(character);
  }
}

void Drill::DecreaseMasteryLevel() {
  if (cardProgress != nullptr && cardProgress->masteryLevel > 0) {
    const KanjiProgress before = *cardProgress;
    --cardProgress->masteryLevel;
    // Only a level that really fell is history; the card itself goes on.
    RecordCardEnd(ReviewOutcome::LevelDown, 0.0f, before);
  }
  host_.windows.Repaint(host_.window);
}

bool Drill::LookUpCard(KanjiCode code) {
  cardKanji = nullptr;
  for (const KanjiRecord& record : host_.database.kanji) {
    if (record.code == code) {
      cardKanji = &record;
      break;
    }
  }
  if (cardKanji == nullptr) {
    host_.system.ShowMessage("Tried to get nonexistant kanji data.", "Fatal Error",
                             host_.mainWindow);
    host_.system.EndProcess(-1);
    return false;
  }
  cardProgress = host_.profile.FindProgress(code);
  if (cardProgress == nullptr) {
    cardKanji = nullptr;
    host_.system.ShowMessage("Tried to get nonexistant user data for kanji.", "Fatal Error",
                             host_.mainWindow);
    host_.system.EndProcess(-1);
    return false;
  }
  return true;
}

void Drill::TypeLetter(char character) {
  if (!TakesInput() || typedCount >= typedCapacity) return;
  const CodeString kana = converter.AddLetter(character, pendingRomaji);
  if (kana.empty() || typedCount + kana.length() > typedCapacity) return;
  for (std::uint32_t i = 0; i < kana.length(); ++i) typedCodes[typedCount++] = kana[i];
}

void Drill::SubmitAnswer() {
  if (!TakesInput()) return;
  tryRefused = false;
  if (typedCount < typedCapacity) {
    // A lone trailing n only becomes a kana here.
    const CodeString kana = converter.Flush(pendingRomaji);
    if (!kana.empty() && typedCount + kana.length() <= typedCapacity) {
      for (std::uint32_t i = 0; i < kana.length(); ++i) typedCodes[typedCount++] = kana[i];
    }
  }
  GradeAnswer();
}

void Drill::StoreWrongTry(const CodeString& answer, bool chargeAttempt, const MissReason& reason) {
  if (typedCount == 0) return;
  lastTryWrong = true;
  const int kept = wrongCount < kWrongTrySlots ? wrongCount : kWrongTrySlots;
  bool repeat = false;
  for (int i = 0; i < kept && !repeat; ++i) repeat = Equals(wrongTries[i], answer);
  if (!repeat) {
    if (chargeAttempt && attemptsLeft > 0) --attemptsLeft;
    SaturatingIncrement(attemptsUsed);
    wrongTries[wrongPos] = answer;
    wrongReasons[wrongPos] = reason;
    wrongPos = (wrongPos + 1) % kWrongTrySlots;
    SaturatingIncrement(wrongCount);
  }
  typedCount = 0;
}

void Drill::RefuseTry(const CodeString& answer, const MissReason& reason) {
  tryRefused = true;
  refusedTry = answer;
  refusedReason = reason;
  typedCount = 0;
}

void Drill::HandOverNotes(KanjiCode code) {
  if (host_.profile.notesKanji != 0) host_.profile.CaptureNote();
  host_.profile.ShowNote(code);
  if (strokeOrder != nullptr) strokeOrder->ShowKanji(host_.jis.CodeToUnicode(code));
}

void Drill::FindWordSentences(const CodeString& word) {
  // A code without a Unicode character cuts the key short there.
  CodeString key;
  for (std::uint32_t i = 0; i < word.length(); ++i) {
    const std::uint16_t unicode = host_.jis.CodeToUnicode(word[i]);
    if (unicode == 0) break;
    key.units.push_back(unicode);
  }
  host_.database.SentenceOffsetsFor(key, sentenceOffsets);
}

void Drill::ShowSentences() {
  // The text grows as long as the sentences need; there is no fixed buffer to overflow.
  std::u16string text;
  for (const std::int32_t offset : sentenceOffsets) {
    CodeString japanese;
    std::string english;
    host_.database.ReadSentence(offset, japanese, english);
    text.append(japanese.units.begin(), japanese.units.end());
    text += u"\r\n";
    for (const char c : english) text += static_cast<char16_t>(static_cast<unsigned char>(c));
    text += u"\r\n\r\n";
  }
  host_.sentences.SetText(text);
  host_.sentences.Show();
  host_.sentences.BringToTop();
  host_.sentences.MoveSelectionToStart();
}

void Drill::RecordCardEnd(ReviewOutcome outcome, float cardResult, const KanjiProgress& before) {
  ReviewRecord record;
  record.kanji = before.code;
  record.drill = Kind();
  record.outcome = outcome;
  record.cardScore = cardResult;
  record.scoreBefore = before.score;
  record.levelBefore = before.masteryLevel;
  record.scoreAfter = cardProgress->score;
  record.levelAfter = cardProgress->masteryLevel;
  record.attemptsUsed = attemptsUsed;
  record.wrongTries = wrongCount;
  lastReviewId = host_.profile.RecordReview(record);
  if (undo != nullptr) undo->AddHistoryRow(record.kanji, lastReviewId);
}

bool Drill::TakesInput() const {
  return attemptsLeft > 0 && !complete && !scoreShown;
}

CodeString Drill::TypedAnswer() const {
  return CodeString(typedCount, typedCodes.data());
}

void Drill::ClearAnswer() {
  converter.Reset(pendingRomaji);
  typedCount = 0;
}

bool Drill::ButtonEnabled(WindowHandle button) const {
  return button != kNoWindow && host_.controls.IsEnabled(button);
}

void Drill::EnableButton(WindowHandle button, bool enabled) {
  if (button != kNoWindow) host_.controls.SetEnabled(button, enabled);
}

void Drill::LabelNextButton() {
  const WindowHandle next = NextButton();
  if (next == kNoWindow) return;
  host_.controls.SetLabel(
      next, host_.profile.settings.reverseSpaceEnter ? "Next (Enter)" : "Next (Space)");
}

void Drill::NextByKey() {
  if (ButtonEnabled(NextButton())) NextCard();
  ClearAnswer();
}

void Drill::ClearCard() {
  cardKanji = nullptr;
  cardProgress = nullptr;
  ResetWrongTries();
  attemptsLeft = 0;
  attemptsUsed = 0;
  complete = false;
  meaningsRevealed = false;
  scoreShown = false;
  cardFinished = true;
  sentenceOffsets.clear();
  ClearAnswer();
  if (strokeOrder != nullptr) strokeOrder->ShowKanji(0);
}

void Drill::ResetWrongTries() {
  lastTryWrong = false;
  wrongCount = 0;
  wrongPos = 0;
  tryRefused = false;
  cardReported_ = false;
}

void Drill::BeforeCardReport() {
  if (cardReported_ || cardKanji == nullptr) return;
  cardReported_ = true;
  if (undo != nullptr) undo->Take(*this, host_.profile, cardKanji->code);
}

bool Drill::CanUndoLastCard() const {
  return undo != nullptr && undo->drill() == this;
}

bool Drill::UndoLastCard() {
  if (!CanUndoLastCard()) return false;
  const std::optional<CardSnapshot> snapshot = undo->Restore(host_.profile);
  if (host_.profile.reviewLog != nullptr) {
    for (const std::int64_t row : snapshot->historyRows) host_.profile.reviewLog->Remove(row);
  }
  return PresentAgain(snapshot->kanji);
}

MissReason Drill::ShownMissReason() const {
  if (tryRefused) return refusedReason;
  if (wrongCount == 0) return {};
  const MissReason& latest = wrongReasons[wrongPos == 0 ? kWrongTrySlots - 1 : wrongPos - 1];
  if (latest.givesAnswerAway && !cardFinished) return {};
  return latest;
}
