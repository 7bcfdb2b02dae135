// Message boxes with an OK button and Yes/No questions.
#pragma once

#include <string_view>

#include "platform/desktop.h"
#include "platform/system.h"

namespace quindle::platform::win32 {

class Win32Prompts final : public IPrompts {
 public:
  // `owner`: the window the boxes belong to; 0 for none.
  explicit Win32Prompts(WindowHandle owner) : owner_(owner) {}

  void ShowMessage(std::string_view title, std::string_view text) override;
  // A box that cannot be shown answers No: nothing is done on a question nobody saw.
  bool AskYesNo(std::string_view title, std::string_view text) override;

 private:
  int Show(std::string_view title, std::string_view text, unsigned type);

  WindowHandle owner_;
};

}  // namespace quindle::platform::win32
