// `qnl play`: what a macro does when it plays. With --dry-run the macro plays through the
// recording fake on a virtual clock, a US English keyboard and a 1024 x 768 screen, and every
// key, mouse, wait and action event is printed as one line.
#pragma once

#include "qnl/list_show.h"

namespace quindle::tool {

Subcommand AddPlayCommand(CLI::App& parent);

}  // namespace quindle::tool
