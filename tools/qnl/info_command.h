// `qnl info`: the macro information file that "O&utput Macro Information" writes for a macro
// file, on standard output, in the list order the settings give.
#pragma once

#include "qnl/list_show.h"

namespace quindle::tool {

Subcommand AddInfoCommand(CLI::App& parent);

}  // namespace quindle::tool
