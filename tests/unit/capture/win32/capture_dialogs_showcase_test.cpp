// Opens "Capture Macro" or "Capture Complete" and waits for someone to close it: the end-to-end
// harness (tests/e2e/e2elib/scenarios_capture_dialogs.py) looks at them this way, through the
// keyboard and in screenshots, before the capture session opens them from the program. Runs
// only when QNL_SHOW_CAPTURE_DIALOG names the dialog ("keys" or "complete").
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "capture/win32/cap_complete_dialog.h"
#include "capture/win32/capture_keys_dialog.h"
#include "platform/fake/recording_platform.h"
#include "support/in_process_table.h"

namespace quindle::capture::win32 {
namespace {

std::string Wanted() {
  const char* which = std::getenv("QNL_SHOW_CAPTURE_DIALOG");
  return which != nullptr ? which : "";
}

TEST(CaptureDialogsShowcase, CaptureMacro) {
  if (Wanted() != "keys") GTEST_SKIP() << "QNL_SHOW_CAPTURE_DIALOG is not \"keys\"";
  CaptureKeysRequest request;
  request.stopText1 = "Press Ctrl+Alt+Shift+X to end capture";
  request.stopText2 = "Or Press Ctrl+Alt+Shift+L to end capture";
  request.nickname = "Letter closing";
  TCaptureKeys dialog(request);
  const std::optional<CaptureKeysResult> result = dialog.Run(nullptr);
  // The harness starts the capture: what it changed by keyboard comes back.
  ASSERT_TRUE(result);
  std::printf("showcase nickname=%s scope=%s speed=%d keys=%d\n", result->nickname.c_str(),
              result->scope == ScopeChoice::Program ? "program" : "global", result->options.speed,
              result->options.keys ? 1 : 0);
}

TEST(CaptureDialogsShowcase, CaptureComplete) {
  if (Wanted() != "complete") GTEST_SKIP() << "QNL_SHOW_CAPTURE_DIALOG is not \"complete\"";
  storage::InProcessTable objects;
  storage::TableLock lock(objects);
  storage::SharedMacroTable& table = objects.Block();
  const int codes[] = {0, 0, 1, 30, 262, 263, 264, 265};
  for (const int code : codes) {
    const auto i = static_cast<std::size_t>(table.Count.Get());
    table.HotkeyNumber[i] = static_cast<std::uint16_t>(code);
    table.ScopeKind[i] = code >= 262 ? storage::ScopeSystem : storage::ScopeWindow;
    table.Count = static_cast<std::int32_t>(i + 1);
  }
  platform::fake::RecordingPlatform windows;
  TCapComplete dialog(lock, CapCompleteRequest{&table, ScopeChoice::Global}, windows);
  const std::optional<CapCompleteResult> result = dialog.Run(nullptr);
  ASSERT_TRUE(result);
  std::printf("showcase typlet=%d name=%s hotkey=%d nickname=%s\n", result->typlet ? 1 : 0,
              result->typletName.c_str(), result->hotkeyNumber, result->nickname.c_str());
}

}  // namespace
}  // namespace quindle::capture::win32
