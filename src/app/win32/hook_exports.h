// The hook library's five exports as the main window uses them. The program fills this with the
// DLL's functions; tests can fill it with their own.
#pragma once

#include <cstdint>

namespace quindle::app::win32 {

struct HookExports {
  std::uint32_t (*hookKeyboard)() = nullptr;
  std::uint32_t (*hookMouse)() = nullptr;
  std::uint32_t (*hookSwap)() = nullptr;
  std::uint32_t (*hookCbt)() = nullptr;
  bool (*unHook)(std::uint32_t handle) = nullptr;
};

}  // namespace quindle::app::win32
