// SPDX-License-Identifier: Apache-2.0
// The floor of the command line's instruction count: a C++ program that prints a line.
#include <iostream>

int main() {
  std::cout << "1B 19 01 00 82 B5 00 00 00 02 0A 20 13 01 00\n";
  return 0;
}
