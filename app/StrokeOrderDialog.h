// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <functional>

#include "platform/StrokeOrderWindow.h"

// The "Stroke Order" window: the current card's kanji, large, in the KanjiStrokeOrders font
// with its strokes numbered. Modeless; closing it only hides it, and it keeps following the
// cards while hidden.
class StrokeOrderDialog : public QDialog, public StrokeOrderWindow {
 public:
  explicit StrokeOrderDialog(QWidget* owner);

  void ShowKanji(char16_t kanji) override;
  // The dark face's ground and ink, or the light ones.
  void SetDark(bool dark);

  char16_t kanji() const { return kanji_; }
  // Told when the learner closes the window (close box or Escape).
  std::function<void()> closedByLearner;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void reject() override;

 private:
  char16_t kanji_ = 0;
  bool dark_ = false;
};
