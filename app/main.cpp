#include <QApplication>

#include "app/Shell.h"

// Veltrane takes no arguments and reads no environment: everything lies in the working
// directory.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Veltrane");
  Shell shell;
  if (!shell.Start()) return 0;
  return QApplication::exec();
}
