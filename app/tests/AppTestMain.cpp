#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// Qt's own libraries keep a few allocations for the life of the process (font caches, the
// platform plugin); they are not this program's leaks.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6\nleak:libglib\nleak:libgobject\nleak:libdbus\n";
}

int main(int argc, char** argv) {
  // No test needs a display; test discovery runs this too.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
