// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/KanjiGridView.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

namespace {

constexpr int kGap = 2;  // between cells, so neighbours of one colour stay apart

}  // namespace

KanjiGridView::KanjiGridView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setMouseTracking(true);
  viewport()->setBackgroundRole(QPalette::Base);
  kanjiFont_.setPixelSize(18);
}

void KanjiGridView::SetCells(std::vector<KanjiGridCell> cells) {
  cells_ = std::move(cells);
  if (current_ >= static_cast<int>(cells_.size())) current_ = -1;
  UpdateScrollRange();
  viewport()->update();
}

void KanjiGridView::SetKanjiFont(const QFont& font) {
  kanjiFont_ = font;
  viewport()->update();
}

QSize KanjiGridView::sizeHint() const {
  return {24 * cellSize_ + verticalScrollBar()->sizeHint().width(), 14 * cellSize_};
}

int KanjiGridView::Columns() const {
  return std::max(1, (viewport()->width() - kGap) / cellSize_);
}

QRect KanjiGridView::CellRect(int index) const {
  const int columns = Columns();
  const int x = kGap + (index % columns) * cellSize_;
  const int y = kGap + (index / columns) * cellSize_ - verticalScrollBar()->value();
  return {x, y, cellSize_ - kGap, cellSize_ - kGap};
}

int KanjiGridView::IndexAt(QPoint point) const {
  const int columns = Columns();
  const int x = point.x() - kGap;
  const int y = point.y() - kGap + verticalScrollBar()->value();
  if (x < 0 || y < 0 || x / cellSize_ >= columns) return -1;
  const int index = (y / cellSize_) * columns + x / cellSize_;
  return index < static_cast<int>(cells_.size()) ? index : -1;
}

void KanjiGridView::UpdateScrollRange() {
  const int columns = Columns();
  const int rows = (static_cast<int>(cells_.size()) + columns - 1) / columns;
  const int height = rows * cellSize_ + kGap;
  verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
  verticalScrollBar()->setPageStep(viewport()->height());
  verticalScrollBar()->setSingleStep(cellSize_);
}

void KanjiGridView::SetCurrentIndex(int index) {
  if (index >= static_cast<int>(cells_.size())) index = static_cast<int>(cells_.size()) - 1;
  if (index == current_) return;
  current_ = index;
  if (index >= 0) {
    const QRect rect = CellRect(index);
    QScrollBar* bar = verticalScrollBar();
    if (rect.top() < 0) bar->setValue(bar->value() + rect.top() - kGap);
    if (rect.bottom() > viewport()->height()) {
      bar->setValue(bar->value() + rect.bottom() - viewport()->height() + kGap);
    }
  }
  viewport()->update();
  emit CurrentChanged(index);
}

void KanjiGridView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setFont(kanjiFont_);
  const int columns = Columns();
  // Only the rows in view: the full list is thousands of cells.
  const int firstRow = std::max(0, (verticalScrollBar()->value() - kGap) / cellSize_);
  const int lastRow = (verticalScrollBar()->value() + viewport()->height()) / cellSize_;
  const int end = std::min(static_cast<int>(cells_.size()), (lastRow + 1) * columns);
  for (int i = firstRow * columns; i < end; ++i) {
    const QRect rect = CellRect(i);
    painter.fillRect(rect, cells_[static_cast<std::size_t>(i)].fill);
    painter.setPen(cells_[static_cast<std::size_t>(i)].ink);
    painter.drawText(rect, Qt::AlignCenter, cells_[static_cast<std::size_t>(i)].text);
  }
  if (current_ >= 0 && current_ < end) {
    painter.setPen(QPen(hasFocus() ? palette().highlight().color() : QColor(60, 60, 60), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(CellRect(current_).adjusted(-1, -1, 1, 1));
  }
}

void KanjiGridView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRange();
}

void KanjiGridView::mousePressEvent(QMouseEvent* event) {
  const int index = IndexAt(event->position().toPoint());
  if (index >= 0) SetCurrentIndex(index);
}

void KanjiGridView::keyPressEvent(QKeyEvent* event) {
  if (cells_.empty()) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  const int columns = Columns();
  const int pageRows = std::max(1, viewport()->height() / cellSize_ - 1);
  const int last = static_cast<int>(cells_.size()) - 1;
  const int from = std::max(current_, 0);
  int to = from;
  switch (event->key()) {
    case Qt::Key_Left: to = from - 1; break;
    case Qt::Key_Right: to = from + 1; break;
    case Qt::Key_Up: to = from - columns; break;
    case Qt::Key_Down: to = from + columns; break;
    case Qt::Key_PageUp: to = from - pageRows * columns; break;
    case Qt::Key_PageDown: to = from + pageRows * columns; break;
    case Qt::Key_Home: to = 0; break;
    case Qt::Key_End: to = last; break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
  }
  // A move past either end stops at the first or last cell.
  SetCurrentIndex(std::clamp(to, 0, last));
}

bool KanjiGridView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int index = IndexAt(help->pos());
    if (index >= 0 && tooltipFor) {
      QToolTip::showText(help->globalPos(), tooltipFor(index), viewport(), CellRect(index));
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}
