#pragma once

#include <QDialog>

// "About": the product line, three lines about the makers and OK. Closes with OK, Enter, Escape
// or its close box.
class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(QWidget* owner);
};
