// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtPainter.h"

namespace {

QColor ToQColor(Colour c) {
  return QColor(c.red, c.green, c.blue);
}
QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

QtPainter::QtPainter(QPainter& painter, const QtFontFactory& fonts, bool dark)
    : painter_(painter), fonts_(fonts), dark_(dark) {}

QColor QtPainter::Ink(Colour colour) const {
  return ToQColor(dark_ ? DarkColour(colour) : colour);
}

void QtPainter::FillRect(const Rect& rect, Colour colour) {
  painter_.fillRect(ToQRect(rect), Ink(colour));
}

void QtPainter::FillRect(const Rect& rect, StockBrush brush) {
  FillRect(rect, brush == StockBrush::White ? kStockWhite : kLightGrey);
}

void QtPainter::FrameRect(const Rect& rect, Colour colour) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  painter_.save();
  painter_.setPen(QPen(Ink(colour), 0));
  painter_.setBrush(Qt::NoBrush);
  // A zero-width pen covers the pixels from left to left + width inclusive.
  painter_.drawRect(rect.left, rect.top, rect.right - rect.left - 1, rect.bottom - rect.top - 1);
  painter_.restore();
}

void QtPainter::DrawLine(int x0, int y0, int x1, int y1, Colour colour) {
  // The end point is not drawn; step back one pixel towards the start.
  const int dx = (x1 > x0) - (x1 < x0);
  const int dy = (y1 > y0) - (y1 < y0);
  if (dx == 0 && dy == 0) return;
  painter_.save();
  painter_.setPen(QPen(Ink(colour), 0));
  painter_.drawLine(x0, y0, x1 - dx, y1 - dy);
  painter_.restore();
}

FontHandle QtPainter::SelectFont(FontHandle font) {
  const FontHandle previous = selected_;
  selected_ = font;
  return previous;
}

void QtPainter::DrawText(const std::string& latin1, const Rect& rect, unsigned format) {
  int flags = Qt::AlignTop | Qt::AlignLeft | Qt::TextSingleLine;
  if (format & kTextWordWrap) flags = Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap;
  if (format & kTextSingleLine) {
    flags = (flags & ~(Qt::AlignTop | Qt::TextWordWrap)) | Qt::AlignVCenter | Qt::TextSingleLine;
  }
  if (format & kTextCentre) flags = (flags & ~Qt::AlignLeft) | Qt::AlignHCenter;
  painter_.save();
  painter_.setFont(fonts_.Font(selected_));
  painter_.setPen(Ink(kBlack));
  painter_.setClipRect(ToQRect(rect));
  painter_.drawText(ToQRect(rect), flags,
                    QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size())));
  painter_.restore();
}

void QtPainter::DrawGlyph(char16_t character, const Rect& cell, FontHandle font, Colour colour) {
  painter_.save();
  painter_.setFont(fonts_.Font(font));
  painter_.setPen(Ink(colour));
  painter_.setClipRect(ToQRect(cell));
  painter_.drawText(ToQRect(cell), Qt::AlignTop | Qt::AlignLeft | Qt::TextSingleLine,
                    QString(QChar(character)));
  painter_.restore();
}
