// Files, clipboard, sound, time, the message queue and message boxes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quindle::platform {

class IFileOps {
 public:
  virtual ~IFileOps() = default;
  virtual bool ChangeDirectory(std::string_view path) = 0;
  virtual bool DeleteFile(std::string_view path) = 0;
  virtual bool CopyFile(std::string_view source, std::string_view target) = 0;  // replaces target
  virtual bool MoveFile(std::string_view from, std::string_view to) = 0;
  // The whole file as bytes, or nothing when it cannot be opened or read. `limit` bounds what is
  // read so a huge file cannot exhaust memory; a longer file yields its first `limit` bytes.
  virtual std::optional<std::string> ReadFile(std::string_view path, std::size_t limit) = 0;
};

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  // Replaces the clipboard's content with plain text.
  virtual bool SetText(std::string_view text) = 0;
};

class ISound {
 public:
  virtual ~ISound() = default;
  // sndPlaySoundA with SND_NODEFAULT; `wait` plays synchronously.
  virtual void PlayWave(std::string_view file, bool wait) = 0;
  virtual void Beep() = 0;  // MessageBeep(0)
};

class IClock {
 public:
  virtual ~IClock() = default;
  // Local date-time: days since 30 December 1899, time of day as the fraction.
  virtual double Now() = 0;
  // GetTickCount: milliseconds, wrapping at 2^32.
  virtual std::uint32_t TickCount() = 0;
};

class IMessagePump {
 public:
  virtual ~IMessagePump() = default;
  // Handles every window message that is waiting, then returns.
  virtual void ProcessMessages() = 0;
  // Sleeps until a message arrives or `timeoutMs` pass, whichever is first. Waits use it so a
  // long delay keeps the program responsive without keeping a core busy.
  virtual void WaitForMessage(std::uint32_t timeoutMs) = 0;
};

// Message boxes with an OK button, and Yes/No questions.
class IPrompts {
 public:
  virtual ~IPrompts() = default;
  virtual void ShowMessage(std::string_view title, std::string_view text) = 0;
  virtual bool AskYesNo(std::string_view title, std::string_view text) = 0;
};

}  // namespace quindle::platform
