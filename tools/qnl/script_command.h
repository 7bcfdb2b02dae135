// `qnl script`: a macro as the scripting editor lists it, one line per command, or the MacroText
// the editor writes back from those lines. Nothing is changed.
#pragma once

#include "qnl/list_show.h"

namespace quindle::tool {

Subcommand AddScriptCommand(CLI::App& parent);

}  // namespace quindle::tool
