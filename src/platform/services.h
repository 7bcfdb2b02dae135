// Every service of the system that a playing macro reaches, in one bundle: the player takes it,
// and each platform (the Win32 one, the recording fake) makes one from its own parts.
#pragma once

#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/program.h"
#include "platform/system.h"

namespace quindle::platform {

struct Services {
  IInputSink& input;
  IKeyboardLayout& layout;
  IScreen& screen;
  IWindows& windows;
  IProcesses& processes;
  IShell& shell;
  IFileOps& files;
  IClipboard& clipboard;
  ISound& sound;
  IClock& clock;
  IMessagePump& pump;
  IPlaybackPrompts& prompts;
  IAppWindow& app;
  IMacroFileSwitch& fileSwitch;
};

}  // namespace quindle::platform
