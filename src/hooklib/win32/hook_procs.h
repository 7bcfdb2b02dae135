// The four system-wide hook procedures of QNLHOOK.DLL. Each runs on the input thread of
// whatever program receives the event, holds the main program's named mutex and block (kept open
// in each process, held_blocks.h) for the length of its work, and passes the event on when the
// main program is gone.
#pragma once

#include "platform/win32/win32_api.h"

#include <cstdint>

namespace quindle::hooklib::win32 {

// Each thread's record of the hook calls running on it, which lets a call that repeats one for
// the same event (from a registration that a killed program left behind) pass the event on
// untouched. Taken when the library comes into a process and given back when it leaves; without
// it (TlsAlloc failed) the procedures still work, each call doing its work. Closing it also
// closes the blocks the process kept.
void OpenCallRecord() noexcept;
void CloseCallRecord() noexcept;

// WH_KEYBOARD: hotkeys, Typlet characters, capture keys (over "QNBA1ZTW").
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept;
// WH_MOUSE: mouse hotkeys and capture clicks (over "QNBA1ZTW").
LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept;
// WH_GETMESSAGE: rewrites the character of a WM_CHAR being removed (over "QNTT1ZTW").
LRESULT CALLBACK MessageHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept;
// WH_CBT: reports window activations to the main window (over "QNKR1ZTW").
LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept;

// Hook handles as the blocks and the exports carry them: 32 bits, 0 for none.
inline HHOOK ToHhook(std::uint32_t hook) noexcept {
  return reinterpret_cast<HHOOK>(static_cast<std::uintptr_t>(hook));
}
inline std::uint32_t FromHhook(HHOOK hook) noexcept {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hook));
}

}  // namespace quindle::hooklib::win32
