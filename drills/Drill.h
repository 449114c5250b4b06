// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "drills/DrillHost.h"
#include "drills/MissReason.h"
#include "platform/WindowHandle.h"
#include "study/ReviewRecord.h"
#include "text/CodeString.h"
#include "text/KanjiCode.h"
#include "text/RomajiConverter.h"

class CardUndo;
class Painter;
class StrokeOrderWindow;
struct KanjiProgress;
struct KanjiRecord;

// A flash-card drill in its own window. The desktop program routes the window's paint, key,
// character, click and button messages to the current drill's eight operations; the drill
// chooses kanji through the study model, takes typed romaji as kana, grades, reveals, scores
// and reports back. Its state is plain data so tests can look at it.
class Drill {
 public:
  // Button commands; the program passes every command from 900 to 1000 to the current drill.
  static constexpr int CmdReveal = 901;
  static constexpr int CmdStudy = 902;
  static constexpr int CmdNext = 903;
  static constexpr int CmdMastered = 904;

  static constexpr std::uint32_t kTypedCapacity = 6;  // kana in one answer
  static constexpr int kWrongTrySlots = 19;           // wrong answers kept and shown

  explicit Drill(const DrillHost& host);
  virtual ~Drill() = default;
  Drill(const Drill&) = delete;
  Drill& operator=(const Drill&) = delete;

  // Paints the whole face of the current card from scratch.
  virtual void Paint(Painter& painter) = 0;
  // Creates the drill's buttons in its window. Once, before the first card.
  virtual void CreateControls() = 0;
  // A key went down in the drill window or one of its buttons (a virtual-key code of vk::).
  // The program repaints the window afterwards.
  virtual void OnKeyDown(int virtualKey) = 0;
  // A character was typed in the drill window: letters build the answer, Backspace, Enter,
  // Escape and Tab edit or submit it. The program repaints afterwards.
  virtual void OnChar(char character);
  // A drill button was pressed (id 900..1000; unknown ids only clear the answer being typed).
  // The program repaints afterwards.
  virtual void OnCommand(int id) = 0;
  // The left button went down at client pixel (x, y), after the focus moved to the window.
  virtual void OnClick(int x, int y) = 0;
  // Asks the study model for a kanji, sets up a fresh card for it and shows its note. Without a
  // kanji to give, the drill shows an empty face that takes no input; Next stays enabled.
  virtual void NextCard() = 0;
  // Lowers the current kanji's mastery level by one (never below 0), leaves the score, and
  // repaints the drill window at once.
  virtual void DecreaseMasteryLevel();

  // --- Steps both drills share ---

  // Points cardKanji and cardProgress at code's record and progress. A missing one is a fault
  // in the data: the learner is told and the process ends; false then.
  bool LookUpCard(KanjiCode code);
  // Feeds one typed character to the converter and appends the kana it completes, while the
  // card takes input and the answer has room; kana that would overflow it are dropped.
  void TypeLetter(char character);
  // Completes the answer with what the converter still holds, then grades it. Nothing while
  // the card takes no input.
  void SubmitAnswer();
  // Keeps a new wrong answer in the ring of the last 19, with the reason it was wrong, and
  // charges an attempt (attemptsLeft only when chargeAttempt). A repeat of a kept answer costs
  // nothing; an empty answer is not an answer. Always empties the typed answer.
  void StoreWrongTry(const CodeString& answer, bool chargeAttempt, const MissReason& reason = {});
  // A wrong answer of the kind the learner chose not to count (forgiveOtherKind): kept aside
  // with its reason, charging nothing. Empties the typed answer.
  void RefuseTry(const CodeString& answer, const MissReason& reason);
  // Takes the notes window's text into the note it showed, then shows code's note.
  void HandOverNotes(KanjiCode code);
  // Looks up the example sentences of word (codes) into sentenceOffsets.
  void FindWordSentences(const CodeString& word);
  // Puts the sentences of sentenceOffsets into the sentences window and brings it up.
  void ShowSentences();
  // Records in the learner's history how the current card ended (or the level drop): the
  // outcome, the card's own result (Readings percent, Fill-in change in points), the kanji's
  // score and level in before (taken before the study model heard of the card) and now, and
  // the card's counters. Every card end passes through here; the record's id goes into
  // lastReviewId (0 when nothing was recorded).
  void RecordCardEnd(ReviewOutcome outcome, float cardResult, const KanjiProgress& before);

  // Whether typed answers are taken: attempts left, not complete, not scored.
  bool TakesInput() const;
  // The typed kana as a string.
  CodeString TypedAnswer() const;
  // Drops the answer being typed: the pending letters and the typed kana.
  void ClearAnswer();
  // The window of the drill.
  WindowHandle window() const { return host_.window; }

  // --- Taking back the last card ---

  // Whether the last finished card of the run is this drill's and can be taken back.
  bool CanUndoLastCard() const;
  // Drill > Undo Last Card: puts the kanji's score and level back as they were before the
  // card, drops the card's history rows, and shows the same kanji again as a fresh card.
  // False when there was nothing of this drill's to take back.
  bool UndoLastCard();
  // The reason to show beside the newest wrong answer (or the refused one), or None. Near
  // misses that would name an answer not yet found wait until the card has ended.
  MissReason ShownMissReason() const;

  // --- State ---

  std::array<KanjiCode, kTypedCapacity> typedCodes{};
  std::uint32_t typedCount = 0;
  const std::uint32_t typedCapacity = kTypedCapacity;
  RomajiConverter converter;
  char pendingRomaji[12] = {};
  std::vector<WindowHandle> buttons{kNoWindow};  // entry 0 is empty; the buttons follow
  const KanjiRecord* cardKanji = nullptr;        // null until the first card, or without kanji
  KanjiProgress* cardProgress = nullptr;

  std::array<CodeString, kWrongTrySlots> wrongTries;
  std::uint16_t wrongCount = 0;  // stored since the card began; saturates
  std::int32_t wrongPos = 0;     // slot of the next wrong answer
  bool lastTryWrong = false;
  std::uint16_t attemptsLeft = 0;
  std::uint16_t attemptsUsed = 0;  // saturates
  bool complete = false;
  bool meaningsRevealed = false;
  bool scoreShown = false;
  bool cardFinished = false;
  std::vector<std::int32_t> sentenceOffsets;
  std::array<MissReason, kWrongTrySlots> wrongReasons;  // beside wrongTries, slot for slot
  bool tryRefused = false;  // the last answer was refused without charge
  CodeString refusedTry;
  MissReason refusedReason;

  // Set by the program from the learner's settings.
  bool forgiveOtherKind = false;  // refuse a reading of the wrong kind or script, free of charge
  CardUndo* undo = nullptr;       // the run's last finished card, shared by both drills
  std::int64_t lastReviewId = 0;  // the history record of the last card end
  // Told every new card's kanji alongside the notes; none until the program attaches its window.
  StrokeOrderWindow* strokeOrder = nullptr;

 protected:
  // Which drill this is, as the history names it.
  virtual ReviewDrill Kind() const = 0;
  // Grades the answer SubmitAnswer completed and checks for the end of the card.
  virtual void GradeAnswer() = 0;
  // Tab: nothing unless the drill says otherwise.
  virtual void OnTab() {}
  // The Next button, or kNoWindow before CreateControls.
  virtual WindowHandle NextButton() const = 0;

  // Whether button exists and is enabled.
  bool ButtonEnabled(WindowHandle button) const;
  void EnableButton(WindowHandle button, bool enabled);
  // Sets the Next button's label from reverseSpaceEnter.
  void LabelNextButton();
  // Next by key (Space or Enter as set, F9): a new card if Next is enabled, then clearing.
  void NextByKey();
  // Forgets the card: no kanji, no input taken, every counter and list empty.
  void ClearCard();
  // Empties the wrong-answer ring and the counters of a fresh card.
  void ResetWrongTries();
  // Right before a card's end reaches the profile: keeps the kanji's standing for undo, once
  // per card (a second Mastered on a finished card is taken back with the first report).
  void BeforeCardReport();
  // Sets up a fresh card for the kanji of an undone card, again. False when it cannot.
  virtual bool PresentAgain(KanjiCode) { return false; }

  // The first report of the current card has been kept for undo.
  bool cardReported_ = false;

  DrillHost host_;
};

// Adds one to a counter that stops at its largest value instead of wrapping.
inline void SaturatingIncrement(std::uint16_t& counter) {
  if (counter != UINT16_MAX) ++counter;
}
