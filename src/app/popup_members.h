// The member lists of popup menus when a macro leaves the file: later macros move up one
// number, so every menu that names them must follow.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "storage/macro_record.h"

namespace quindle::app {

// `members` without `removed` (later members move up), every number above `removed` one lower.
std::vector<std::uint16_t> MembersAfterRemoval(std::span<const std::uint16_t> members, int removed);

bool ListsMember(const storage::MacroRecord& menu, int n) noexcept;

// Renumbers the members of `menu` for the removal of macro `removed`; true when they changed.
bool RenumberAfterRemoval(storage::MacroRecord& menu, int removed);

}  // namespace quindle::app
