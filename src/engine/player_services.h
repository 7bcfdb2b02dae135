// Everything outside the player that a playing macro reaches.
#pragma once

#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/program.h"
#include "platform/system.h"

namespace quindle::engine {

struct PlayerServices {
  platform::IInputSink& input;
  platform::IKeyboardLayout& layout;
  platform::IScreen& screen;
  platform::IWindows& windows;
  platform::IProcesses& processes;
  platform::IShell& shell;
  platform::IFileOps& files;
  platform::IClipboard& clipboard;
  platform::ISound& sound;
  platform::IClock& clock;
  platform::IMessagePump& pump;
  platform::IPlaybackPrompts& prompts;
  platform::IAppWindow& app;
  platform::IMacroFileSwitch& fileSwitch;
};

}  // namespace quindle::engine
