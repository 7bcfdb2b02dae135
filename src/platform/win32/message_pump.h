// The message queue of the calling thread, pumped by playback between its steps and in its
// waits.
#pragma once

#include <cstdint>

#include "platform/system.h"

namespace quindle::platform::win32 {

class Win32MessagePump final : public IMessagePump {
 public:
  // Dispatches every waiting message. A WM_QUIT met here is posted again when the queue is
  // empty, so the program's own message loop still ends once playback returns.
  void ProcessMessages() override;
  // MsgWaitForMultipleObjects on the queue alone: sleeps without using the processor. While a
  // re-posted WM_QUIT waits, which would wake it at once, it sleeps in short steps instead.
  void WaitForMessage(std::uint32_t timeoutMs) override;

  // A WM_QUIT was met and posted again, and may still be waiting in the queue.
  bool QuitSeen() const { return quitSeen_; }

 private:
  bool quitSeen_ = false;
};

}  // namespace quindle::platform::win32
