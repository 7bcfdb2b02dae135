// Move-only owners of Win32 resources: each closes its resource exactly once, in its destructor,
// unless ownership was given away with Release(). The owners are header-only and allocate
// nothing, so the hook DLL uses them too.
#pragma once

#include "platform/win32/win32_api.h"

#include <utility>

namespace quindle::platform::win32 {

// `Traits` names the raw type, its "nothing owned" value and the call that frees it.
template <typename Traits>
class UniqueResource {
 public:
  using Type = typename Traits::Type;

  UniqueResource() noexcept = default;
  explicit UniqueResource(Type value) noexcept : value_(value) {}
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  UniqueResource(UniqueResource&& other) noexcept : value_(other.Release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  ~UniqueResource() { Reset(); }

  Type Get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != Traits::Invalid(); }

  // Gives up ownership: the caller (or the system) frees the resource from now on.
  [[nodiscard]] Type Release() noexcept { return std::exchange(value_, Traits::Invalid()); }

  // Frees what is owned now and takes `value`. A failed free leaves nothing to retry, so the
  // owner forgets the value either way; a second free of the same value cannot happen.
  void Reset(Type value = Traits::Invalid()) noexcept {
    const Type old = std::exchange(value_, value);
    if (old != Traits::Invalid()) Traits::Close(old);
  }

 private:
  Type value_ = Traits::Invalid();
};

// Kernel objects whose "no object" value is null: processes, threads, events, mappings.
struct KernelHandleTraits {
  using Type = HANDLE;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type value) noexcept { static_cast<void>(::CloseHandle(value)); }
};

// Kernel objects whose "no object" value is INVALID_HANDLE_VALUE: CreateFileA's files and
// CreateToolhelp32Snapshot's snapshots.
struct FileHandleTraits {
  using Type = HANDLE;
  static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Type value) noexcept { static_cast<void>(::CloseHandle(value)); }
};

struct SnapshotHandleTraits {
  using Type = HANDLE;
  static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Type value) noexcept { static_cast<void>(::CloseHandle(value)); }
};

// Libraries loaded with LoadLibraryA.
struct ModuleHandleTraits {
  using Type = HMODULE;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type value) noexcept { static_cast<void>(::FreeLibrary(value)); }
};

// Memory from GlobalAlloc that has not been handed to the clipboard.
struct GlobalMemoryTraits {
  using Type = HGLOBAL;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type value) noexcept { static_cast<void>(::GlobalFree(value)); }
};

// Views of file mappings from MapViewOfFile.
struct MappedViewTraits {
  using Type = void*;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type value) noexcept { static_cast<void>(::UnmapViewOfFile(value)); }
};

// Windows this program created and destroys itself.
struct WindowTraits {
  using Type = HWND;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type value) noexcept { static_cast<void>(::DestroyWindow(value)); }
};

// A function of a library loaded at run time, or null when the library lacks it.
// GetProcAddress hands back a generic function pointer; the generic `void (*)()` in between
// tells the compiler the conversion is meant.
template <typename Function>
Function LookupFunction(HMODULE module, const char* name) noexcept {
  const FARPROC address = ::GetProcAddress(module, name);
  if (!address) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

// Menus not (or no longer) attached to a window; a window destroys its own menu bar.
struct MenuTraits {
  using Type = HMENU;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type value) noexcept { static_cast<void>(::DestroyMenu(value)); }
};

// Icons loaded with LoadImageA without LR_SHARED: the loader owns each one.
struct IconTraits {
  using Type = HICON;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type value) noexcept { static_cast<void>(::DestroyIcon(value)); }
};

// Device contexts this program created (CreateCompatibleDC, a printer's from PrintDlgA): DeleteDC.
// A window's DC from GetDC is released to its window instead: WindowDc below.
struct CreatedDcTraits {
  using Type = HDC;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type value) noexcept { static_cast<void>(::DeleteDC(value)); }
};

// Fonts, bitmaps, pens and brushes this program created: DeleteObject. Never one still selected
// into a DC (SelectedObject below puts the old one back first).
struct GdiObjectTraits {
  using Type = HGDIOBJ;
  static Type Invalid() noexcept { return nullptr; }
  static void Close(Type value) noexcept { static_cast<void>(::DeleteObject(value)); }
};

// The access with which the main program and the hook DLL open the blocks' named mutexes.
inline constexpr DWORD kMutexAllAccess = MUTEX_ALL_ACCESS;

using KernelHandle = UniqueResource<KernelHandleTraits>;
using FileHandle = UniqueResource<FileHandleTraits>;
using SnapshotHandle = UniqueResource<SnapshotHandleTraits>;
using ModuleHandle = UniqueResource<ModuleHandleTraits>;
using GlobalMemory = UniqueResource<GlobalMemoryTraits>;
using MappedView = UniqueResource<MappedViewTraits>;
using WindowOwner = UniqueResource<WindowTraits>;
using MenuOwner = UniqueResource<MenuTraits>;
using IconOwner = UniqueResource<IconTraits>;
using CreatedDc = UniqueResource<CreatedDcTraits>;
using GdiObject = UniqueResource<GdiObjectTraits>;

// A window's device context from GetDC, given back with ReleaseDC on every path. A null window
// gets no DC (GetDC would hand out the whole screen's).
class WindowDc {
 public:
  explicit WindowDc(HWND window) noexcept
      : window_(window), dc_(window != nullptr ? ::GetDC(window) : nullptr) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  WindowDc(WindowDc&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this != &other) {
      Reset();
      window_ = other.window_;
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  ~WindowDc() { Reset(); }

  HDC Get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }
  // Gives the DC back now; true when ReleaseDC took it.
  bool Reset() noexcept {
    const HDC dc = std::exchange(dc_, nullptr);
    return dc != nullptr && ::ReleaseDC(window_, dc) != 0;
  }

 private:
  HWND window_;
  HDC dc_;
};

// The painting of one WM_PAINT: BeginPaint's DC, given back with EndPaint on every path, so the
// window is validated even when drawing stops early.
class PaintSession {
 public:
  explicit PaintSession(HWND window) noexcept
      : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  PaintSession(const PaintSession&) = delete;
  PaintSession& operator=(const PaintSession&) = delete;
  ~PaintSession() {
    if (dc_ != nullptr) static_cast<void>(::EndPaint(window_, &paint_));
  }

  HDC Get() const noexcept { return dc_; }
  const RECT& Area() const noexcept { return paint_.rcPaint; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A font, pen or brush selected into a device context for a while: the object it replaced goes
// back in on every path, so the DC is never released or deleted with a borrowed object in it.
// Nothing is selected when `dc` or `object` is null.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept
      : dc_(dc),
        previous_(dc != nullptr && object != nullptr ? ::SelectObject(dc, object) : nullptr) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (*this) static_cast<void>(::SelectObject(dc_, previous_));
  }
  // True when the object went in.
  explicit operator bool() const noexcept {
    return previous_ != nullptr && previous_ != HGDI_ERROR;
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// One timer of a window (SetTimer with the window and an id, no timer procedure: the ticks come
// as WM_TIMER). Killed when the owner goes, so a timer never outlives what handles its ticks.
class WindowTimer {
 public:
  WindowTimer() noexcept = default;
  WindowTimer(HWND window, UINT_PTR id) noexcept : window_(window), id_(id) {}
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;
  WindowTimer(WindowTimer&& other) noexcept
      : window_(other.window_), id_(other.id_), running_(std::exchange(other.running_, false)) {}
  WindowTimer& operator=(WindowTimer&& other) noexcept {
    if (this != &other) {
      static_cast<void>(Stop());
      window_ = other.window_;
      id_ = other.id_;
      running_ = std::exchange(other.running_, false);
    }
    return *this;
  }
  ~WindowTimer() { static_cast<void>(Stop()); }

  // Starts the timer, or restarts a running one with the new interval. False when the system
  // refused; a timer that was running then goes on as before.
  bool Start(UINT milliseconds) noexcept {
    if (window_ == nullptr || ::SetTimer(window_, id_, milliseconds, nullptr) == 0) return false;
    running_ = true;
    return true;
  }
  // Kills a running timer; false when none was running or the system refused (the window is
  // gone, and its timers with it).
  bool Stop() noexcept {
    if (!std::exchange(running_, false)) return false;
    return ::KillTimer(window_, id_) != FALSE;
  }
  bool Running() const noexcept { return running_; }
  UINT_PTR Id() const noexcept { return id_; }

 private:
  HWND window_ = nullptr;
  UINT_PTR id_ = 0;
  bool running_ = false;
};

// The clipboard is a per-thread open state rather than a handle: this owner closes it if Open
// succeeded. Another program may hold the clipboard for a moment, so Open tries again a few
// times before it gives up.
class ClipboardSession {
 public:
  ClipboardSession() noexcept = default;
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  ClipboardSession(ClipboardSession&& other) noexcept : open_(std::exchange(other.open_, false)) {}
  ClipboardSession& operator=(ClipboardSession&& other) noexcept {
    if (this != &other) {
      Close();
      open_ = std::exchange(other.open_, false);
    }
    return *this;
  }
  ~ClipboardSession() { Close(); }

  // Opens the clipboard for `owner`; `attempts` tries, `pauseMs` apart. Opening twice is refused.
  bool Open(HWND owner, int attempts = 20, DWORD pauseMs = 25) noexcept;
  // True when the clipboard was open and closed cleanly.
  bool Close() noexcept;

  bool IsOpen() const noexcept { return open_; }
  explicit operator bool() const noexcept { return open_; }

 private:
  bool open_ = false;
};

// A GlobalLock that is undone on every path.
class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL memory) noexcept
      : memory_(memory), pointer_(memory ? ::GlobalLock(memory) : nullptr) {}
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;
  ~GlobalLockScope() {
    if (pointer_) static_cast<void>(::GlobalUnlock(memory_));
  }
  void* Get() const noexcept { return pointer_; }
  explicit operator bool() const noexcept { return pointer_ != nullptr; }

 private:
  HGLOBAL memory_;
  void* pointer_;
};

}  // namespace quindle::platform::win32
