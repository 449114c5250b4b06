// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "drills/Drill.h"
#include "text/ExampleRecord.h"

// Shows a kanji and asks for every ON reading (typed in katakana) and KUN reading (in
// hiragana). Found readings turn green; each reading lists its example words, their readings,
// meanings and sentences. A scored card reports one percentage to the study model.
class ReadingsDrill : public Drill {
 public:
  // Reading status values.
  static constexpr std::int16_t StatusHidden = 0;
  static constexpr std::int16_t StatusRevealed = 1;  // shown by a reveal
  static constexpr std::int16_t StatusKnown = 2;     // found, or shown by Study or Mastered

  // Selection kinds.
  static constexpr std::int16_t kNoSelection = 0;
  static constexpr std::int16_t kOnReading = -1;
  static constexpr std::int16_t kKunReading = 1;
  static constexpr std::int16_t kSpecialReadings = 2;

  // Entries of `buttons`.
  static constexpr std::size_t kRevealEntry = 1;
  static constexpr std::size_t kStudyEntry = 2;
  static constexpr std::size_t kNextEntry = 3;
  static constexpr std::size_t kMasteredEntry = 4;

  using Drill::Drill;

  void Paint(Painter& painter) override;
  // Reveal, Study, Next and Mastered, 105 x 30 pixels each.
  void CreateControls() override;
  // Space or F9 next, F3 meanings, F5 Mastered, F8 Study, F12 Reveal, Left/Right (or comma and
  // period) through the readings, Up/Down (or the brackets) through the examples, numeric-pad
  // 0 the special readings.
  void OnKeyDown(int virtualKey) override;
  // 901 Reveal, 902 Study, 903 Next, 904 Mastered; every id then clears the answer.
  void OnCommand(int id) override;
  // Reading boxes, meanings, examples, special readings and "Sentences".
  void OnClick(int x, int y) override;
  // A kanji from the study model (mastered ones only if the learner keeps them) and a fresh
  // card for it.
  void NextCard() override;

  // --- Card steps ---

  // A fresh card for code: its examples, all readings hidden, 3 attempts per reading, all
  // buttons enabled, katakana when the kanji has an ON reading. False when the process ended.
  bool SetUpReadingsCard(KanjiCode code);
  // Marks the reading the typed answer names as found, or keeps it as a wrong answer.
  void GradeReadings();
  // Ends the card when all readings are found (scored) or the attempts are used up (revealed).
  void CheckComplete();
  // Computes cardScore from the readings found and the attempts beyond one per reading, and
  // reports it (through the reveal rule unless the card is complete) and records it.
  void ScoreReadings(ReviewOutcome outcome);
  // Shows every reading not found, charges the attempts left and scores the card; outcome
  // tells the learner's Reveal from attempts that ran out.
  void RevealReadings(ReviewOutcome outcome = ReviewOutcome::Reveal);
  // Study (promote false) or Mastered (promote true): every reading shown as known, no score.
  void StudyOrMaster(bool promote);
  // Selects a reading (kind -1 ON, 1 KUN) or the special readings (kind 2) and lists its
  // examples from the first; nothing when it is already selected.
  void SelectReading(std::int16_t kind, std::int16_t index);
  // The sentences of the example on show.
  void RefreshSentences();
  // Left/Right: the previous or next reading along ON 0..last, KUN 0..last and around.
  void MoveSelection(int step);
  // Up/Down and example clicks: the previous or next example, wrapping.
  void StepExample(int step);
  // Sets the converter's script; a change drops the answer being typed.
  void SetScript(bool katakana);

  // --- State (after Drill's) ---

  std::vector<ExampleRecord> pool;           // examples holding the kanji, heaviest first
  std::vector<ExampleRecord> shownExamples;  // the examples of the selected reading
  std::uint32_t exampleIndex = 0;
  bool hasSpecialReadings = false;
  std::int16_t selectedKind = kNoSelection;
  std::int16_t selectedIndex = 0;
  std::vector<std::int16_t> onStatus;
  std::vector<std::int16_t> kunStatus;
  std::int16_t cardScore = 0;  // 0..100
  std::int16_t percentFound = 0;
  // Wider than a percentage: with unlimited guesses the attempts beyond the readings can cost
  // far more than 100.
  std::int32_t penalty = 0;

 protected:
  void GradeAnswer() override;
  void OnTab() override;
  bool PresentAgain(KanjiCode code) override;
  WindowHandle NextButton() const override { return Button(kNextEntry); }
  ReviewDrill Kind() const override { return ReviewDrill::Readings; }

 private:
  WindowHandle Button(std::size_t entry) const {
    return entry < buttons.size() ? buttons[entry] : kNoWindow;
  }
  // Every reading of the card, for explaining a wrong answer.
  std::vector<MissTarget> MissTargets() const;
  std::size_t OnCount() const;
  std::size_t KunCount() const;
  // Whether the selection shows its examples' readings and meanings.
  bool SelectionRevealed() const;
  // No kanji to drill: an empty face that takes nothing but Next.
  void ShowNoCard();
  void PaintReadingColumn(Painter& painter, bool kun) const;
  void PaintExamples(Painter& painter) const;
};
