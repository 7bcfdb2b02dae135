#include "platform/win32/prompts.h"

#include "platform/win32/win32_api.h"

#include <string>

#include "platform/win32/window_handle.h"

namespace quindle::platform::win32 {

int Win32Prompts::Show(std::string_view title, std::string_view text, unsigned type) {
  const std::string caption(title);
  const std::string body(text);
  return ::MessageBoxA(ToHwnd(owner_), body.c_str(), caption.c_str(), type);
}

void Win32Prompts::ShowMessage(std::string_view title, std::string_view text) {
  // 0 means the box could not be shown; the message is then lost, as nothing else can show it.
  static_cast<void>(Show(title, text, MB_OK));
}

bool Win32Prompts::AskYesNo(std::string_view title, std::string_view text) {
  return Show(title, text, MB_YESNO) == IDYES;
}

}  // namespace quindle::platform::win32
