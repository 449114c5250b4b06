#include <cstdio>

int main() {
  std::fprintf(stderr, "veltrane-data: not built yet.\n");
  return 1;
}
