// `qnl import SOURCE DEST.QNL [N ...]`: imports macros into a macro file as "Import Macros" does,
// without the program: SOURCE is a macro or export file (.QNL), an earlier-generation macro file
// (.VX2) or a Typlet file (.TPL). Every macro the dialog would list is imported, or those at
// positions N of SOURCE. Each message of the dialog goes to stderr, and a question is answered
// "Yes". Exit status 0 when the import ran, 1 when writing DEST failed part-way, 2 when nothing
// was done: a bad argument, a refused or damaged SOURCE (DEST is then left as it was).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "qnl/list_show.h"

namespace quindle::tool {

Subcommand AddImportCommand(CLI::App& parent);

int RunImportCommand(const std::string& source, const std::string& dest,
                     const std::vector<int>& positions, std::ostream& out, std::ostream& err);

}  // namespace quindle::tool
