// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtButtons.h"

#include <QApplication>

#include "app/DrillButton.h"
#include "drills/DarkColours.h"

namespace {

QColor ToQColor(Colour c) {
  return QColor(c.red, c.green, c.blue);
}

// Buttons of the dark face: a ground a little lighter than the face's, light lettering, and a
// dimmer lettering (still readable) when greyed out.
QPalette DarkButtonPalette() {
  QPalette palette = QApplication::palette();
  palette.setColor(QPalette::Button, QColor(64, 64, 64));
  palette.setColor(QPalette::Window, ToQColor(DarkColour(kFaceGround)));
  palette.setColor(QPalette::ButtonText, ToQColor(DarkColour(kBlack)));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 150, 150));
  return palette;
}

QFont ScaledFont(const FaceZoom& zoom) {
  QFont font = QApplication::font();
  if (font.pixelSize() > 0) {
    font.setPixelSize(zoom.Scale(font.pixelSize()));
  } else {
    font.setPointSizeF(font.pointSizeF() * zoom.percent / 100.0);
  }
  return font;
}

}  // namespace

WindowHandle QtButtons::CreateButton(WindowHandle parent, const std::string& label, int commandId,
                                     int x, int y, int width, int height) {
  QWidget* parentWidget = windows_.Widget(parent);
  auto* button = new DrillButton(
      QString::fromStdString(label), parentWidget,
      {routes_.tab, [this, parent](QKeyEvent* event) { routes_.keyDown(parent, event); }});
  placed_.push_back({button, QRect(x, y, width, height)});
  Place(placed_.back());
  button->setObjectName(QString("id%1").arg(commandId));
  QObject::connect(button, &QPushButton::clicked,
                   [this, parent, commandId] { routes_.command(parent, commandId); });
  button->show();
  return windows_.Add(button);
}

void QtButtons::SetEnabled(WindowHandle button, bool enabled) {
  if (QWidget* widget = windows_.Widget(button)) widget->setEnabled(enabled);
}

bool QtButtons::IsEnabled(WindowHandle button) const {
  QWidget* widget = windows_.Widget(button);
  return widget && widget->isEnabled();
}

void QtButtons::SetLabel(WindowHandle button, const std::string& label) {
  auto* push = qobject_cast<QPushButton*>(windows_.Widget(button));
  if (push && push->text() != QString::fromStdString(label)) {
    push->setText(QString::fromStdString(label));
  }
}

void QtButtons::SetView(FaceZoom zoom, bool dark) {
  zoom_ = zoom;
  dark_ = dark;
  for (const Placed& placed : placed_) Place(placed);
}

void QtButtons::Place(const Placed& placed) const {
  if (!placed.button) return;
  const QRect& r = placed.face;
  const Rect scaled =
      zoom_.Scale(Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
  placed.button->setGeometry(scaled.left, scaled.top, scaled.right - scaled.left,
                             scaled.bottom - scaled.top);
  // At the actual size in light colours the buttons stay exactly the desktop's.
  placed.button->setFont(zoom_.percent == FaceZoom::kActualSize ? QFont() : ScaledFont(zoom_));
  placed.button->setPalette(dark_ ? DarkButtonPalette() : QPalette());
}
