// traverse-replay [FILE]: one computation run with the answers of FILE (or of
// standard input), its transcript on standard output.

#include <cstdio>
#include <fstream>
#include <iostream>

#include "scripted_run.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc > 2) {
    std::cerr << "usage: traverse-replay [FILE]\n";
    return 2;
  }
  if (argc == 2) {
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
      std::cerr << "traverse-replay: cannot read " << argv[1] << '\n';
      return 2;
    }
    return traverse::ExitStatus(traverse::Replay(file, std::cout));
  }
  return traverse::ExitStatus(traverse::Replay(std::cin, std::cout));
}
