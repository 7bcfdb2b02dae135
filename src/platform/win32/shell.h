// Opening programs, documents and web addresses through the shell.
#pragma once

#include <string_view>

#include "platform/desktop.h"

namespace quindle::platform::win32 {

class Win32Shell final : public IShell {
 public:
  // `owner`: the window that owns any message the shell shows; 0 for none.
  explicit Win32Shell(WindowHandle owner) : owner_(owner) {}

  // ShellExecuteA in the current directory. The macro does not look at the outcome; it is
  // kept for whoever wants it.
  void Execute(std::string_view verb, std::string_view file, std::string_view parameters,
               int showCommand) override;
  bool LastSucceeded() const { return lastSucceeded_; }

 private:
  WindowHandle owner_;
  bool lastSucceeded_ = false;
};

}  // namespace quindle::platform::win32
