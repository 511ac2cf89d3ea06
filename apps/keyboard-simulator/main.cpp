#include <iostream>

int main() {
  std::cout << "keyboard-simulator: the keyboard is not assembled yet; the platform layer builds and its tests run.\n";
  return 0;
}
