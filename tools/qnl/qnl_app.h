// The qnl command line: looks into macro files and plays macros without touching the system.
#pragma once

#include <iosfwd>

namespace quindle::tool {

// Runs one qnl command. Returns the process exit status (0 ok, 2 usage or file error).
int RunQnl(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace quindle::tool
