#include "qnl/binary_output.h"

namespace quindle::tool {

#ifndef _WIN32
// Elsewhere standard output has no text mode.
void UseBinaryStandardOutput() {}
#endif

}  // namespace quindle::tool
