// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtPainter.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "app/QtFontFactory.h"

namespace {

const QColor kIvory(255, 255, 240);

// An ivory image painted through QtPainter by paint.
template <typename Paint>
QImage Painted(QtFontFactory& fonts, Paint paint) {
  QImage image(120, 100, QImage::Format_RGB32);
  image.fill(kIvory);
  QPainter qpainter(&image);
  QtPainter painter(qpainter, fonts);
  paint(painter);
  qpainter.end();
  return image;
}

// Whether every pixel outside inside (left, top inclusive; right, bottom exclusive) is ivory.
bool OnlyInside(const QImage& image, const Rect& inside) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!inside.Contains(x, y) && QColor(image.pixel(x, y)) != kIvory) return false;
    }
  }
  return true;
}

TEST(QtPainterTest, WindowsFacesAreReplacedByInstalledOnes) {
  QtFontFactory::InstallSubstitutes();
  for (const auto& [face, expected] : {std::pair("MS Mincho", "IPAMincho"),
                                       std::pair("MS Gothic", "IPAGothic"),
                                       std::pair("Times", "Liberation Serif")}) {
    QtFontFactory factory;
    const QFontInfo info(factory.Font(factory.CreateFont({24, 400, face})));
    EXPECT_EQ(std::pair(info.family(), info.pixelSize()), std::pair(QString(expected), 24));
  }
}

TEST(QtPainterTest, GlyphStaysInsideItsCell) {
  QtFontFactory::InstallSubstitutes();
  QtFontFactory fonts;
  const FontHandle mincho54 = fonts.CreateFont({54, 900, "MS Mincho"});
  const Rect cell{20, 10, 74, 64};
  const QImage image = Painted(fonts, [&](QtPainter& painter) {
    painter.DrawGlyph(u'\u9f8d', cell, mincho54, Rgb(0, 0, 0));  // a dense kanji
  });
  EXPECT_TRUE(OnlyInside(image, cell));
  int dark = 0;
  for (int y = cell.top; y < cell.bottom; ++y) {
    for (int x = cell.left; x < cell.right; ++x) dark += qGray(image.pixel(x, y)) < 96;
  }
  EXPECT_GT(dark, 200);
}

TEST(QtPainterTest, FramesAndLinesCoverExactlyTheirPixels) {
  QtFontFactory fonts;
  const QImage framed = Painted(fonts, [](QtPainter& painter) {
    painter.FrameRect({10, 10, 20, 15}, Rgb(255, 0, 0));
  });
  EXPECT_TRUE(OnlyInside(framed, {10, 10, 20, 15}));
  EXPECT_EQ(QColor(framed.pixel(10, 10)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(framed.pixel(19, 14)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(framed.pixel(15, 12)), kIvory);  // only the frame

  const QImage line =
      Painted(fonts, [](QtPainter& painter) { painter.DrawLine(10, 50, 30, 50, Rgb(0, 0, 0)); });
  EXPECT_TRUE(OnlyInside(line, {10, 50, 30, 51}));
  EXPECT_EQ(QColor(line.pixel(29, 50)), QColor(0, 0, 0));
  EXPECT_EQ(QColor(line.pixel(30, 50)), kIvory);  // the end point is not drawn

  const QImage filled = Painted(fonts, [](QtPainter& painter) {
    painter.FillRect({0, 0, 5, 5}, StockBrush::LightGrey);
  });
  EXPECT_TRUE(OnlyInside(filled, {0, 0, 5, 5}));
  EXPECT_EQ(QColor(filled.pixel(4, 4)), QColor(192, 192, 192));
}

TEST(QtPainterTest, TextIsClippedToItsRectangleAndFontsAreRestored) {
  QtFontFactory::InstallSubstitutes();
  QtFontFactory fonts;
  const FontHandle times = fonts.CreateFont({16, 600, "Times"});
  const Rect box{5, 5, 60, 25};
  const QImage image = Painted(fonts, [&](QtPainter& painter) {
    EXPECT_EQ(painter.SelectFont(times), kNoFont);
    painter.DrawText("A long line of text \xe9", box, kTextLeft);
    EXPECT_EQ(painter.SelectFont(kNoFont), times);
  });
  EXPECT_TRUE(OnlyInside(image, box));
}

}  // namespace
