#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "qnl/binary_output.h"

namespace quindle::tool {

void UseBinaryStandardOutput() {
  std::fflush(stdout);
  static_cast<void>(_setmode(_fileno(stdout), _O_BINARY));
}

}  // namespace quindle::tool
