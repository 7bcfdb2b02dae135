// What TESTPAD can tell about another running program from outside: its open handles and its
// memory, for a long run of that program to show whether it leaks.
#pragma once

#include <windows.h>

#include <cstddef>

namespace quindle::testpad {

struct ProcessFigures {
  std::size_t handles = 0;       // handles the process has open now
  std::size_t workingSet = 0;    // bytes of its memory resident now
  std::size_t privateBytes = 0;  // bytes committed to it alone
};

// False when the process cannot be opened or its handles cannot be counted.
bool ReadProcessFigures(DWORD pid, ProcessFigures& figures);

}  // namespace quindle::testpad
