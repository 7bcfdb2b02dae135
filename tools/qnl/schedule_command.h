// `qnl schedule`: which timed macros of a macro file would run, and when, between two moments.
// The program's own checks run on a virtual clock; nothing is played and the file is only read.
#pragma once

#include "qnl/list_show.h"

namespace quindle::tool {

Subcommand AddScheduleCommand(CLI::App& parent);

}  // namespace quindle::tool
