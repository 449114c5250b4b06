#include "app/QtButtons.h"

#include "app/DrillButton.h"

WindowHandle QtButtons::CreateButton(WindowHandle parent, const std::string& label, int commandId,
                                     int x, int y, int width, int height) {
  QWidget* parentWidget = windows_.Widget(parent);
  auto* button = new DrillButton(
      QString::fromStdString(label), parentWidget,
      {routes_.tab, [this, parent](QKeyEvent* event) { routes_.keyDown(parent, event); }});
  button->setGeometry(x, y, width, height);
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
