// What the user is told when a handler of a window, a dialog or a system callback failed in a
// way nobody foresaw. The handler is stopped, the program carries on, and this message says so.
#pragma once

#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace quindle::platform {

inline constexpr std::string_view kUnexpectedErrorTitle = "System Error";
// The longest description of an error taken into the message; longer ones are cut.
inline constexpr std::size_t kUnexpectedErrorDetailMax = 200;

// The message for `error`: its what() for a standard exception, a general text for anything
// else (and for no exception at all). Never throws: it is built where failing again is no
// option, and a text that cannot be built gives way to a fixed one.
std::string UnexpectedErrorMessage(const std::exception_ptr& error) noexcept;

}  // namespace quindle::platform
