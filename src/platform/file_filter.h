// The filter of the open and save dialogs, written as the program writes it everywhere:
// "Executable (*.EXE)|*.EXE|All Files (*.*)|*.*", name and pattern by turns.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quindle::platform {

// The same filter as the dialogs take it: each part ended by a NUL and the whole by a second
// NUL. Nothing when the text cannot be a filter: empty, an odd number of parts (a name without
// its pattern), an empty part, or a NUL inside, which would end the list early.
std::optional<std::string> MakeFileFilter(std::string_view text);

}  // namespace quindle::platform
