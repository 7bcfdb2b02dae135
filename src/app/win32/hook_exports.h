// The hook library's five exports as the main window uses them. The program fills this with the
// DLL's functions; tests can fill it with their own. Every hook they install is held by an
// InstalledHook, which removes it exactly once.
#pragma once

#include <cstdint>
#include <utility>

namespace quindle::app::win32 {

using HookRemover = bool (*)(std::uint32_t handle);

// The one owner of an installed system-wide hook: removed when the owner is reset, replaced or
// destroyed, so no path (an exception, an early return, a window that never saw its close)
// leaves a hook of a program that is gone in the system.
class InstalledHook {
 public:
  InstalledHook() noexcept = default;
  InstalledHook(std::uint32_t handle, HookRemover remove) noexcept
      : handle_(handle), remove_(remove) {}
  InstalledHook(const InstalledHook&) = delete;
  InstalledHook& operator=(const InstalledHook&) = delete;
  InstalledHook(InstalledHook&& other) noexcept
      : handle_(std::exchange(other.handle_, 0)), remove_(other.remove_) {}
  InstalledHook& operator=(InstalledHook&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, 0);
      remove_ = other.remove_;
    }
    return *this;
  }
  ~InstalledHook() { Reset(); }

  // The handle as the shared blocks store it; 0 when nothing is installed.
  std::uint32_t Get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != 0; }

  // Removes the hook (a failed removal leaves nothing to retry).
  void Reset() noexcept {
    const std::uint32_t handle = std::exchange(handle_, 0);
    if (handle != 0 && remove_ != nullptr) static_cast<void>(remove_(handle));
  }

 private:
  std::uint32_t handle_ = 0;
  HookRemover remove_ = nullptr;
};

struct HookExports {
  std::uint32_t (*hookKeyboard)() = nullptr;
  std::uint32_t (*hookMouse)() = nullptr;
  std::uint32_t (*hookSwap)() = nullptr;
  std::uint32_t (*hookCbt)() = nullptr;
  HookRemover unHook = nullptr;

  // Installs a hook with one of the four installers above; an empty owner when it is missing or
  // the installation failed.
  InstalledHook Install(std::uint32_t (*installer)()) const {
    return InstalledHook(installer != nullptr ? installer() : 0, unHook);
  }
};

}  // namespace quindle::app::win32
