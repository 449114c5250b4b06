// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "drills/Drill.h"
#include "text/ExampleRecord.h"

// Shows an example word with the card's kanji in blue and the kanji's part of the word's
// reading blanked out; the learner types the missing reading in hiragana, with three attempts.
// The card moves the kanji's score by a small signed amount unless the learner turned that off.
class FillInDrill : public Drill {
 public:
  // Entries of `buttons`.
  static constexpr std::size_t kNextEntry = 1;
  static constexpr std::size_t kRevealEntry = 2;
  // Kanji tried in a row before the drill gives up looking for a usable word.
  static constexpr int kMaxTries = 102;
  // Played when a card ends by an answer; relative to the working directory.
  static std::filesystem::path SoundFile() { return std::filesystem::path("Sound") / "00000.wav"; }

  using Drill::Drill;

  void Paint(Painter& painter) override;
  // Next and Reveal, 125 x 30 pixels each.
  void CreateControls() override;
  // Space or F9 next, F3 meanings, F4 gloss, F12 Reveal.
  void OnKeyDown(int virtualKey) override;
  // 901 Reveal, 903 Next; every id then clears the answer.
  void OnCommand(int id) override;
  // Meanings, gloss and "Sentences".
  void OnClick(int x, int y) override;
  // Asks the study model for kanji until one has a usable word (at most kMaxTries). When none
  // has, tells the learner and shows no card; Next stays enabled.
  void NextCard() override;

  // --- Card steps ---

  // Picks a random regular example word of code and, when its part for the kanji passes the
  // reading-type filter, sets up a fresh card for it. False when the kanji is rejected.
  bool TryCard(KanjiCode code);
  // Sets up a fresh card for example (already chosen) when its part for the kanji passes the
  // reading-type filter. False when it does not.
  bool SetUpExample(KanjiCode code);
  // Marks the card complete when the typed answer is the blanked reading, else keeps it as a
  // wrong answer.
  void GradeFillIn();
  // Ends the card when it is complete or the attempts are used up, with the sound.
  void FinishAttempt();
  // Shows the reading, the meanings and the gloss and scores the card.
  void RevealFillIn();
  // Computes scoreDelta and reports it unless the drill does not affect mastery.
  void ScoreFillIn();

  // --- State (after Drill's) ---

  ExampleRecord example;        // the word of the card
  CodeString expected;          // the kana to type: the kanji's reading inside the word
  std::int16_t blankIndex = 0;  // the reading part that is blanked
  bool glossRevealed = false;
  float scoreDelta = 0.0f;  // percentage points
  std::int16_t partKind = 0;  // the blanked part's kind: kMissOn, kMissKun, or 0 when unknown

 protected:
  void GradeAnswer() override;
  bool PresentAgain(KanjiCode code) override;
  WindowHandle NextButton() const override { return Button(kNextEntry); }
  ReviewDrill Kind() const override { return ReviewDrill::FillIn; }

 private:
  WindowHandle Button(std::size_t entry) const {
    return entry < buttons.size() ? buttons[entry] : kNoWindow;
  }
  KanjiCode SelectKanji();
  // The kind of a reading part from its mark, else from the kanji's readings it equals.
  std::int16_t PartKind(KanjiCode mark, const CodeString& check) const;
  // The word's reading and the kanji's own readings, for explaining a wrong answer.
  std::vector<MissTarget> MissTargets() const;
  // No kanji to drill: an empty face that takes nothing but Next.
  void ShowNoCard();
  void PaintReadingRow(Painter& painter) const;

  // Scratch lists of TryCard, kept so their storage is reused from card to card.
  std::vector<ExampleRecord> candidates_;
  std::vector<const ExampleRecord*> regular_;
  ExampleRecord undoneExample_;  // the word of the last card reported, to show again on undo
};
