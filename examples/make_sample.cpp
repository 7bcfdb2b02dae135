// Writes a sample macro file with one macro of every kind and a spread of tags, for trying out the
// qnl tool and the program itself: make_sample OUTPUT.QNL
#include <cstdint>
#include <cstdio>
#include <vector>

#include "sample_macros.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample OUTPUT.QNL\n");
    return 2;
  }
  std::FILE* file = std::fopen(argv[1], "wb");
  if (file == nullptr) {
    std::fprintf(stderr, "make_sample: cannot create %s\n", argv[1]);
    return 1;
  }
  const std::vector<quindle::storage::MacroRecord> macros = quindle::examples::SampleMacros();
  const bool written = std::fwrite(macros.data(), sizeof(quindle::storage::MacroRecord),
                                   macros.size(), file) == macros.size();
  if (std::fclose(file) != 0 || !written) {
    std::fprintf(stderr, "make_sample: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("%u macros written to %s\n", static_cast<unsigned>(macros.size()), argv[1]);
  return 0;
}
