// QNLHOOK.DLL: installs and removes the four system-wide hooks. The library keeps no state
// between calls except its own module handle, which the system needs to load it into every
// program that receives input, and the slot of each thread's running hook calls.
#include "hooklib/win32/qnlhook.h"

#include "platform/win32/win32_api.h"

#include "hooklib/win32/hook_procs.h"

namespace {

HINSTANCE gModule = nullptr;

std::uint32_t Install(int kind, HOOKPROC procedure, DWORD thread = 0) noexcept {
  if (gModule == nullptr) return 0;
  HHOOK hook = ::SetWindowsHookExA(kind, procedure, gModule, thread);
  if (hook == nullptr) return 0;
  return quindle::hooklib::win32::FromHhook(hook);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    gModule = instance;
    quindle::hooklib::win32::OpenCallRecord();
  } else if (reason == DLL_PROCESS_DETACH) {
    quindle::hooklib::win32::CloseCallRecord();
  }
  return TRUE;
}

extern "C" {

std::uint32_t __stdcall QnlHookKeyboard() {
  return Install(WH_KEYBOARD, &quindle::hooklib::win32::KeyboardHookProc);
}

std::uint32_t __stdcall QnlHookMouse() {
  return Install(WH_MOUSE, &quindle::hooklib::win32::MouseHookProc);
}

std::uint32_t __stdcall QnlHookSwap() {
  return Install(WH_GETMESSAGE, &quindle::hooklib::win32::MessageHookProc);
}

std::uint32_t __stdcall QnlHookCBT() {
  return Install(WH_CBT, &quindle::hooklib::win32::CbtHookProc);
}

std::uint32_t __stdcall QnlHookThread(std::uint32_t kind, std::uint32_t thread) {
  switch (kind) {
    case kQnlHookSwap:
      return Install(WH_GETMESSAGE, &quindle::hooklib::win32::MessageHookProc, thread);
    case kQnlHookCbt:
      return Install(WH_CBT, &quindle::hooklib::win32::CbtHookProc, thread);
    case kQnlHookKeyboard:
      return Install(WH_KEYBOARD, &quindle::hooklib::win32::KeyboardHookProc, thread);
    case kQnlHookMouse:
      return Install(WH_MOUSE, &quindle::hooklib::win32::MouseHookProc, thread);
    default:
      return 0;
  }
}

std::uint32_t __stdcall QnlUnHook(std::uint32_t hook) {
  if (hook == 0) return 0;
  return ::UnhookWindowsHookEx(quindle::hooklib::win32::ToHhook(hook)) != FALSE ? 1u : 0u;
}

}  // extern "C"

static_assert(WH_KEYBOARD == 2 && WH_MOUSE == 7 && WH_GETMESSAGE == 3 && WH_CBT == 5);
