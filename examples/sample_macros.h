// The macros of the sample macro file: one macro of every kind and a spread of tags, with a fixed
// time stamp so the file is the same on every run. make_sample writes them; tests read them.
#pragma once

#include <vector>

#include "storage/macro_record.h"

namespace quindle::examples {

std::vector<storage::MacroRecord> SampleMacros();

}  // namespace quindle::examples
