// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <vector>

// One cell of the grid: a character on a coloured square.
struct KanjiGridCell {
  QString text;
  QColor fill;
  QColor ink;
};

// The study list as a grid of coloured cells, thousands of them, painted directly (only the
// rows in view) rather than as one widget per kanji. Arrow keys, Home, End, Page Up and Page
// Down move the current cell; the current cell is what the window shows in its details.
class KanjiGridView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit KanjiGridView(QWidget* parent = nullptr);

  void SetCells(std::vector<KanjiGridCell> cells);
  void SetKanjiFont(const QFont& font);
  // The text of a cell's tooltip, asked for when the pointer rests on it.
  std::function<QString(int index)> tooltipFor;

  int CurrentIndex() const { return current_; }
  // Makes index current and scrolls it into view; -1 for none.
  void SetCurrentIndex(int index);
  int CellSize() const { return cellSize_; }

 signals:
  void CurrentChanged(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  QSize sizeHint() const override;

 private:
  int Columns() const;
  // The cell under a point of the viewport, or -1.
  int IndexAt(QPoint point) const;
  QRect CellRect(int index) const;  // in viewport coordinates
  void UpdateScrollRange();

  std::vector<KanjiGridCell> cells_;
  QFont kanjiFont_;
  int cellSize_ = 30;
  int current_ = -1;
};
