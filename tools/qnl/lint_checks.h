// The checks of `qnl lint`: macros that can never be started as their owner meant, and records
// that point at nothing. Each finding is one line naming the macro numbers involved.
#pragma once

#include <string>
#include <vector>

#include "activation/typlets.h"
#include "storage/macro_record.h"

namespace quindle::tool {

// The Typlet options as the program uses them: they decide whether one Typlet can shadow
// another, and a prefix the program cannot match leaves every Typlet dead.
using TypletOptions = activation::TypletOptions;

std::vector<std::string> LintMacros(const std::vector<storage::MacroRecord>& records,
                                    const TypletOptions& typlets, double now);

}  // namespace quindle::tool
