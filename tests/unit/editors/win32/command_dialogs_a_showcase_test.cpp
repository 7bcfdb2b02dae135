// Opens one of the command dialogs of activating, sounds, delays, pauses, repeats, speeds,
// windows and the mouse as the keystroke editor does (direct mode) and waits for someone to
// close it: the end-to-end harness (tests/e2e/e2elib/scenarios_command_dialogs_a.py) looks at
// them this way, through the keyboard and in screenshots, before the editors open them. Runs
// only when QNL_SHOW_COMMAND_DIALOG names the dialog.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "editors/win32/command_dialogs.h"
#include "editors/win32/path_checks.h"

namespace quindle::editors::win32 {
namespace {

std::string Wanted() {
  const char* which = std::getenv("QNL_SHOW_COMMAND_DIALOG");
  return which != nullptr ? which : "";
}

CommandOutcome Show(const std::string& which) {
  CommandDialogRequest request;
  request.direct = true;
  Win32PathChecks paths;
  if (which == "active") return RunActiveDialog(nullptr, request, paths);
  if (which == "sound") return RunSoundDialog(nullptr, request, paths);
  if (which == "delay") return RunDelayDialog(nullptr, request);
  if (which == "pause") return RunPauseDialog(nullptr, request);
  if (which == "repeat") return RunRepeatDialog(nullptr, request);
  if (which == "speed") return RunSpeedDialog(nullptr, request);
  if (which == "sizeit") return RunSizeItDialog(nullptr, request);
  if (which == "system") return RunSystemDialog(nullptr, request);
  return RunMouseDialog(nullptr, request);
}

TEST(CommandDialogsAShowcase, OneDialog) {
  const std::string which = Wanted();
  if (which.empty()) GTEST_SKIP() << "QNL_SHOW_COMMAND_DIALOG names no dialog";
  const CommandOutcome result = Show(which);
  // The harness ends with "&Ok" or Esc; what the dialog made is printed for it.
  std::printf("showcase %s text=%s\n", which.c_str(), result ? result->text.c_str() : "(none)");
}

}  // namespace
}  // namespace quindle::editors::win32
