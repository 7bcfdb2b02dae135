// The checks of `qnl lint`: macros that can never be started as their owner meant, and records
// that point at nothing. Each finding is one line naming the macro numbers involved.
#pragma once

#include <string>
#include <vector>

#include "storage/macro_record.h"

namespace quindle::tool {

// The Typlet options that decide whether one Typlet can shadow another.
struct TypletOptions {
  bool solitaryUsage = false;
  bool caseSensitive = true;
  bool useSuffix = false;
};

std::vector<std::string> LintMacros(const std::vector<storage::MacroRecord>& records,
                                    const TypletOptions& typlets, double now);

// A Typlet name's characters: A-Z, a-z, 0-9 and ! # $ % & * + , - . / ; < = > ? @ ^ _.
bool IsTypletCharacter(char c) noexcept;

}  // namespace quindle::tool
