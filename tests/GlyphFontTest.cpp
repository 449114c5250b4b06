// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/GlyphFont.h"

#include <gtest/gtest.h>

#include <string>

#include "drills/CardFace.h"
#include "drills/DrillFonts.h"
#include "study/KanjiProgress.h"
#include "tests/FakeFontFactory.h"
#include "tests/RecordingPainter.h"
#include "text/JisTable.h"

namespace {

using Kind = RecordingPainter::Kind;

class GlyphFontTest : public ::testing::Test {
 protected:
  GlyphFontTest() {
    jis.Insert(0x467C, 0x65E5);  // 日
    jis.Insert(0x2422, 0x3042);  // あ
    fonts.Create(factory);
  }

  JisTable jis;
  FakeFontFactory factory;
  DrillFonts fonts;
  RecordingPainter painter;
};

TEST_F(GlyphFontTest, GlyphFillsExactlyItsCellAndKeepsTheSelectedFont) {
  painter.SelectFont(fonts.timesFont);
  fonts.mincho54.PaintGlyph(painter, jis, 0x467C, 100, 200, Rgb(1, 2, 3));
  ASSERT_EQ(painter.calls.size(), 1u);
  EXPECT_EQ(painter.calls[0].rect, (Rect{100, 146, 154, 200}));
  EXPECT_EQ(painter.calls[0].glyph, u'日');
  EXPECT_EQ(painter.calls[0].font, fonts.mincho54.handle);
  EXPECT_EQ(painter.selected, fonts.timesFont);
  // A code without Unicode shows the placeholder.
  fonts.gothic16.PaintGlyph(painter, jis, 0x7F7F, 0, 16, kBlack);
  EXPECT_EQ(painter.calls.back().glyph, GlyphFont::kMissingGlyph);
}

TEST_F(GlyphFontTest, RowsAdvanceByTheCallersStep) {
  PaintCodeRow(CodeString{0x2422, 0x467C, 0x2422}, painter, jis, fonts.gothic16, 10, 50, 20,
               kBlack);
  ASSERT_EQ(painter.calls.size(), 3u);
  EXPECT_EQ(painter.calls[2].rect, (Rect{50, 34, 66, 50}));
  PaintCodeRow(CodeString{}, painter, jis, fonts.gothic16, 10, 50, 20, kBlack);
  EXPECT_EQ(painter.calls.size(), 3u);
  int x = 5;
  PaintCodeAt(CodeString{0x2422, 0x467C}, 1, painter, jis, fonts.gothic32, x, 40, 34, kBlack);
  EXPECT_EQ(x, 39);
  EXPECT_EQ(painter.calls.back().glyph, u'日');
}

TEST(CardFaceTest, InputPositionWrapsOncePast600) {
  const face::TextPosition kept = face::AdvanceInput({582, 70});
  const face::TextPosition wrapped = face::AdvanceInput({583, 70});
  EXPECT_EQ(std::tuple(kept.x, kept.y, wrapped.x, wrapped.y), std::tuple(600, 70, 0, 89));
}

TEST(CardFaceTest, IncorrectTriesListTheLast19AndBoxTheNewest) {
  JisTable jis;
  FakeFontFactory factory;
  DrillFonts fonts;
  fonts.Create(factory);
  std::array<CodeString, 19> tries;
  for (int i = 0; i < 19; ++i) tries[i] = CodeString{static_cast<std::uint16_t>(0x2421 + i)};
  RecordingPainter painter;
  // 23 stored: the ring wrapped, the newest sits in slot 3.
  face::PaintIncorrectTries(painter, jis, fonts, 100, {tries, 23, 4, false});
  int glyphs = 0;
  for (const auto& call : painter.calls) glyphs += call.kind == Kind::Glyph;
  EXPECT_EQ(glyphs, 19);
  EXPECT_NE(painter.Find(Kind::Frame, {515, 84, 627, 103}), nullptr);
  EXPECT_EQ(painter.Find(Kind::Fill, {515, 84, 627, 103}), nullptr);

  // Nothing stored: nothing listed, nothing boxed.
  RecordingPainter empty;
  face::PaintIncorrectTries(empty, jis, fonts, 100, {tries, 0, 0, false});
  EXPECT_EQ(empty.Find(Kind::Frame, {515, 369, 627, 388}), nullptr);
  EXPECT_TRUE(empty.GlyphsOn(45).empty());
}

}  // namespace
