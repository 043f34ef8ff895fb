#include <cstdio>

int main() {
  std::fputs("orvanta: the window and the report mode are not built yet\n", stderr);
  return 1;
}
