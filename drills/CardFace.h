// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Colour.h"
#include "platform/Painter.h"
#include "drills/MissReason.h"
#include "platform/Rect.h"
#include "text/CodeString.h"
#include "text/KanjiCode.h"

class JisTable;
struct DrillFonts;
struct KanjiProgress;
struct KanjiRecord;

// The elements both drill faces share, painted into the 640 x 490 drill window on its ivory
// background. A "box" is filled and then framed in black on the same rectangle.
namespace face {

inline constexpr Colour kKanjiBoxInside = Rgb(255, 238, 238);
inline constexpr Colour kInputActive = Rgb(239, 239, 255);
inline constexpr Colour kScoreBox = Rgb(255, 85, 85);
inline constexpr Colour kSelectedFrame = Rgb(255, 85, 85);
inline constexpr Colour kLatestWrongFill = Rgb(255, 51, 51);
inline constexpr Colour kTriesPanel = Rgb(238, 238, 238);
inline constexpr Colour kLinkBox = Rgb(208, 224, 255);  // "Sentences", "Special Readings"
inline constexpr Colour kScriptFrame = Rgb(255, 0, 119);
inline constexpr Colour kHiddenReading = Rgb(85, 51, 170);
inline constexpr Colour kKnownReading = Rgb(238, 255, 238);
inline constexpr Colour kCardKanjiInWord = Rgb(0, 0, 255);
inline constexpr Colour kWrong = Rgb(204, 0, 0);
inline constexpr Colour kRight = Rgb(0, 204, 0);

inline constexpr Rect kMeaningsBox{85, 8, 345, 47};

// Fills rect with colour (or a stock brush) and frames it in black.
void PaintBox(Painter& painter, const Rect& rect, Colour fill);
void PaintBox(Painter& painter, const Rect& rect, StockBrush fill);

// The card's kanji, large, in its pink box; the box stays empty without a card.
void PaintKanjiBox(Painter& painter, const JisTable& jis, const DrillFonts& fonts,
                   const KanjiRecord* kanji);
// "Grade: %d" under the kanji box; nothing without a card.
void PaintGrade(Painter& painter, const KanjiRecord* kanji);
// The kanji's meanings when revealed, else the grey box with its hint.
void PaintMeaningsBox(Painter& painter, const KanjiRecord* kanji, bool revealed);

// What the input box shows.
struct InputLine {
  const KanjiCode* codes;
  std::uint32_t count;
  std::uint32_t capacity;
  const char* pending;  // letters not yet made into kana
  bool open;            // the window has the focus and the card is not finished
};
// The input box with frame frame, the typed kana from (x0, baseline y0), the pending letters
// after them and a caret while there is room.
void PaintInputBox(Painter& painter, const JisTable& jis, const DrillFonts& fonts,
                   const Rect& frame, int x0, int y0, const InputLine& line);

// The four rows of the kanji's standing and the profile's; the kanji's rows stay empty
// without a card.
void PaintStatusPanel(Painter& painter, const KanjiProgress* progress, std::size_t activeCount,
                      unsigned percentMastered);
// The red score box with text centred on one line.
void PaintScoreBox(Painter& painter, const Rect& rect, const std::string& text);

// What the incorrect-tries panel lists.
struct WrongTries {
  const std::array<CodeString, 19>& tries;
  std::uint16_t count;
  std::int32_t pos;
  bool lastTryWrong;
};
// The grey panel at the right, height panelHeight, listing the kept wrong answers in red with
// the newest boxed (and highlighted when the last answer was wrong).
void PaintIncorrectTries(Painter& painter, const JisTable& jis, const DrillFonts& fonts,
                         int panelHeight, const WrongTries& wrong);
// What the line under the newest wrong answer says.
struct MissLine {
  MissReason reason;          // None: nothing is painted
  const CodeString* refused;  // the answer refused without charge, or nullptr
  const char* where;          // what wants the reading's kind: "column" or "word"
  bool tabSwitches;           // Tab changes the script in this drill
};
// The reason for a wrong answer, word-wrapped in area from its top; a near miss names the
// reading it was close to in kana. Paints nothing without a reason.
void PaintMissReason(Painter& painter, const JisTable& jis, const DrillFonts& fonts,
                     const Rect& area, const MissLine& line);
// The blue "Sentences" box.
void PaintSentencesBox(Painter& painter, const Rect& rect);

// The typed kana and pending letters' position rule: 18 pixels a code, wrapping to x 0 and one
// line (19 pixels) down once x passes 600. Returns where the next code goes.
struct TextPosition {
  int x;
  int y;
};
TextPosition AdvanceInput(TextPosition position);

}  // namespace face
