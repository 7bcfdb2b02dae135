#include "platform/win32/shell.h"

#include "platform/win32/win32_api.h"

#include <shellapi.h>

#include <cstdint>
#include <string>

#include "platform/win32/window_handle.h"

namespace quindle::platform::win32 {

void Win32Shell::Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                         int showCommand) {
  lastSucceeded_ = false;
  const std::string verbText(verb);
  const std::string fileText(file);
  const std::string parameterText(parameters);
  // A NUL inside would silently open something other than what was asked for.
  for (const std::string* text : {&verbText, &fileText, &parameterText}) {
    if (text->find('\0') != std::string::npos) return;
  }
  const HINSTANCE result = ::ShellExecuteA(
      ToHwnd(owner_), verbText.empty() ? nullptr : verbText.c_str(), fileText.c_str(),
      parameterText.empty() ? nullptr : parameterText.c_str(), nullptr, showCommand);
  // Values above 32 mean success; smaller ones are error codes.
  lastSucceeded_ = reinterpret_cast<std::intptr_t>(result) > 32;
}

}  // namespace quindle::platform::win32
