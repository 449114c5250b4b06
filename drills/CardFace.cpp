// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/CardFace.h"

#include <cmath>
#include <cstdio>

#include "drills/DrillFonts.h"
#include "study/KanjiProgress.h"
#include "text/JisTable.h"
#include "text/KanjiRecord.h"

namespace face {

void PaintBox(Painter& painter, const Rect& rect, Colour fill) {
  painter.FillRect(rect, fill);
  painter.FrameRect(rect, kBlack);
}

void PaintBox(Painter& painter, const Rect& rect, StockBrush fill) {
  painter.FillRect(rect, fill);
  painter.FrameRect(rect, kBlack);
}

void PaintKanjiBox(Painter& painter, const JisTable& jis, const DrillFonts& fonts,
                   const KanjiRecord* kanji) {
  painter.FrameRect({10, 10, 70, 70}, kBlack);
  painter.FillRect({11, 11, 69, 69}, kKanjiBoxInside);
  if (kanji != nullptr) fonts.mincho54.PaintGlyph(painter, jis, kanji->code, 13, 67, kBlack);
}

void PaintGrade(Painter& painter, const KanjiRecord* kanji) {
  if (kanji == nullptr) return;
  char text[32];
  std::snprintf(text, sizeof text, "Grade: %d", static_cast<int>(kanji->grade));
  painter.DrawText(text, {0, 75, 80, 95}, kTextCentre);
}

void PaintMeaningsBox(Painter& painter, const KanjiRecord* kanji, bool revealed) {
  const Rect box = kMeaningsBox;
  if (revealed) {
    PaintBox(painter, box, StockBrush::White);
    if (kanji != nullptr) {
      painter.DrawText(kanji->meaning, {box.left + 5, box.top + 2, box.right - 5, box.bottom - 2},
                       kTextLeft | kTextWordWrap);
    }
  } else {
    PaintBox(painter, box, StockBrush::LightGrey);
    painter.DrawText("Click here or press F3 to reveal meanings.",
                     {box.left + 40, box.top + 3, box.right - 40, box.bottom},
                     kTextCentre | kTextWordWrap);
  }
}

TextPosition AdvanceInput(TextPosition position) {
  position.x += 18;
  if (position.x > 600) {
    position.x = 0;
    position.y += 19;
  }
  return position;
}

void PaintInputBox(Painter& painter, const JisTable& jis, const DrillFonts& fonts,
                   const Rect& frame, int x0, int y0, const InputLine& line) {
  painter.FrameRect(frame, kBlack);
  const Rect inside = frame.Inflated(-1);
  if (line.open) {
    painter.FillRect(inside, kInputActive);
  } else {
    painter.FillRect(inside, StockBrush::LightGrey);
  }
  TextPosition at{x0, y0};
  for (std::uint32_t i = 0; i < line.count; ++i) {
    fonts.gothic16.PaintGlyph(painter, jis, line.codes[i], at.x, at.y, kBlack);
    at = AdvanceInput(at);
  }
  if (line.pending[0] != 0) {
    painter.DrawText(line.pending, {at.x, at.y - 15, at.x + 25, at.y}, kTextLeft);
  }
  if (line.count != line.capacity && line.open) {
    painter.DrawLine(at.x, at.y + 2, at.x + 16, at.y + 2, kBlack);
  }
}

void PaintStatusPanel(Painter& painter, const KanjiProgress* progress, std::size_t activeCount,
                      unsigned percentMastered) {
  static constexpr const char* kLabels[] = {
      "Mastery Score:", "Mastery Level:", "Active Kanji:", "Pct. Mastered:"};
  static constexpr int kTops[] = {5, 21, 37, 53};
  char values[4][32] = {};
  if (progress != nullptr) {
    // Truncated toward zero: 89.9 is not yet 90.
    const float score = std::isfinite(progress->score) ? progress->score : 0.0f;
    std::snprintf(values[0], sizeof values[0], "%d%%", static_cast<int>(score));
    std::snprintf(values[1], sizeof values[1], "%d", static_cast<int>(progress->masteryLevel));
  }
  std::snprintf(values[2], sizeof values[2], "%zu", activeCount);
  std::snprintf(values[3], sizeof values[3], "%u%%", percentMastered);
  for (int row = 0; row < 4; ++row) {
    const int top = kTops[row];
    painter.DrawText(kLabels[row], {355, top, 545, top + 20}, kTextLeft);
    if (values[row][0] != 0) painter.DrawText(values[row], {465, top, 545, top + 20}, kTextLeft);
  }
}

void PaintScoreBox(Painter& painter, const Rect& rect, const std::string& text) {
  PaintBox(painter, rect, kScoreBox);
  painter.DrawText(text, rect, kTextCentre | kTextSingleLine);
}

void PaintIncorrectTries(Painter& painter, const JisTable& jis, const DrillFonts& fonts,
                         int panelHeight, const WrongTries& wrong) {
  painter.FillRect({510, 0, 632, panelHeight}, kTriesPanel);
  painter.DrawLine(510, 0, 510, panelHeight, kBlack);
  painter.DrawLine(510, panelHeight, 640, panelHeight, kBlack);
  painter.DrawText("Incorrect Tries", {512, 2, 632, 19}, kTextCentre);
  const int shown = wrong.count < 19 ? wrong.count : 19;
  // The newest entry is the one before the slot the next answer goes to.
  const int latest = wrong.pos == 0 ? 18 : wrong.pos - 1;
  for (int i = 0; i < shown; ++i) {
    Colour colour = kWrong;
    if (i == latest) {
      const Rect frame{515, 27 + 19 * i, 627, 46 + 19 * i};
      if (wrong.lastTryWrong) {
        painter.FillRect(frame, kLatestWrongFill);
        colour = kBlack;
      }
      painter.FrameRect(frame, kBlack);
    }
    PaintCodeRow(wrong.tries[i], painter, jis, fonts.gothic16, 515, 45 + 19 * i, 18, colour);
  }
}

void PaintMissReason(Painter& painter, const JisTable& jis, const DrillFonts& fonts,
                     const Rect& area, const MissLine& line) {
  if (line.reason.kind == MissKind::None) return;
  constexpr int kLine = 18;
  int top = area.top;
  if (line.refused != nullptr) {
    painter.DrawText("Not counted:", {area.left, top, area.right, top + kLine}, kTextLeft);
    PaintCodeRow(*line.refused, painter, jis, fonts.gothic16, area.left + 1, top + 2 * kLine, 18,
                 kWrong);
    top += 2 * kLine + 2;
  }
  if (line.reason.IsNearMiss()) {
    painter.DrawText("Close to", {area.left, top, area.right, top + kLine}, kTextLeft);
    PaintCodeRow(line.reason.reading, painter, jis, fonts.gothic16, area.left + 1,
                 top + 2 * kLine, 18, kBlack);
    top += 2 * kLine + 2;
  }
  painter.DrawText(MissReasonText(line.reason, line.where, line.tabSwitches),
                   {area.left, top, area.right, area.bottom}, kTextLeft | kTextWordWrap);
}

void PaintSentencesBox(Painter& painter, const Rect& rect) {
  PaintBox(painter, rect, kLinkBox);
  painter.DrawText("Sentences", rect, kTextCentre);
}

}  // namespace face
