#include "platform/win32/message_pump.h"

#include "platform/win32/win32_api.h"

#include <algorithm>

namespace quindle::platform::win32 {
namespace {

// How long a wait sleeps when it cannot wait on the queue (it failed, or a WM_QUIT waiting for
// the program's own loop would wake it at once every time), so a long delay never turns into a
// busy loop.
constexpr DWORD kFallbackSleepMs = 10;

void Dispatch(const MSG& message) {
  // TranslateMessage answers whether it made a character message; not a failure sign.
  static_cast<void>(::TranslateMessage(&message));
  static_cast<void>(::DispatchMessageA(&message));
}

bool QuitWaiting() {
  MSG message{};
  return ::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) &&
         message.message == WM_QUIT;
}

}  // namespace

void Win32MessagePump::ProcessMessages() {
  // Taking WM_QUIT out clears the queue's quit state, so the messages behind it (paint,
  // timers) come through; it goes back in once the queue is empty. Message filters cannot keep
  // it in place: the system hands WM_QUIT out whatever the filter.
  bool quit = false;
  WPARAM exitCode = 0;
  MSG message{};
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit = true;
      exitCode = message.wParam;
      continue;
    }
    Dispatch(message);
  }
  if (quit) {
    ::PostQuitMessage(static_cast<int>(exitCode));
    quitSeen_ = true;
  }
}

void Win32MessagePump::WaitForMessage(std::uint32_t timeoutMs) {
  if (quitSeen_) {
    if (QuitWaiting()) {
      ::Sleep(std::min<DWORD>(timeoutMs, kFallbackSleepMs));
      return;
    }
    quitSeen_ = false;  // the program's loop took it
  }
  const DWORD result =
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(timeoutMs), QS_ALLINPUT);
  if (result == WAIT_FAILED) ::Sleep(std::min<DWORD>(timeoutMs, kFallbackSleepMs));
}

}  // namespace quindle::platform::win32
