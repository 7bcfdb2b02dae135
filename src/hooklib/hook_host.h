// The 32-bit hook host: on 64-bit Windows a hook library reaches only the programs of its own
// architecture, so a 64-bit QUINDL.EXE starts a small 32-bit program, HOOK32\QNLHOOK32.EXE,
// that puts the same four hooks of the 32-bit QNLHOOK.DLL beside it on the threads of the
// 32-bit programs. Both sets of hooks work over the same named blocks, whose layouts are
// fixed-size and hold no pointers.
//
// The host is told which program it serves by that program's process id, its only argument;
// it stops when that process ends (however it ends) or when the program signals the stop
// event named after that id.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quindle::hooklib {

// The host and its 32-bit QNLHOOK.DLL live in this folder beside QUINDL.EXE, so the two
// libraries of one name never meet in one folder.
inline constexpr std::string_view kHookHostFolder = "HOOK32";
inline constexpr std::string_view kHookHostProgram = "QNLHOOK32.EXE";

// The process id in the host's argument text: decimal digits, blanks around them allowed.
// Nothing for an empty text, any other character, 0 or a number past 32 bits.
std::optional<std::uint32_t> ParseHostProcessId(std::string_view arguments) noexcept;

// The argument text that ParseHostProcessId reads back as `processId`.
std::string HostArguments(std::uint32_t processId);

// The name of the manual-reset event with which the program of `processId` stops its host.
std::string HostStopEventName(std::uint32_t processId);

}  // namespace quindle::hooklib
