// The main window's two ways of offering the list operations: the large-button panel
// (`LetterPanel`) at the right and the tool-button bar (`SpeedPanel`) across the top. "Use
// Speed" chooses which one shows. Every button sends the command of its menu entry, so the
// main window routes them with its menu.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/main_layout.h"
#include "platform/win32/controls/push_button.h"
#include "platform/win32/controls/tool_bar.h"

namespace quindle::app::win32 {

class ButtonPanels {
 public:
  // Makes both sets as children of `parent`; the one not chosen stays hidden.
  bool Create(HWND parent, bool useSpeed);
  void ShowStyle(bool useSpeed);
  bool UsesSpeed() const noexcept { return useSpeed_; }
  // Places the large buttons into `layout`'s panel and lays the bar out again.
  void Place(const MainLayout& layout);

  void Enable(int command, bool enabled);
  // A large button's caption and a tool button's tip, for the entries whose words change with
  // the macro (modify a popup menu, activate or deactivate).
  void SetCaption(int command, std::string_view caption);
  void SetHint(int command, std::string_view hint);
  // The tip of a tool button, for TTN_GETDISPINFO; null for a command without one.
  const char* Hint(int command) const;

 private:
  struct Large {
    int command;
    platform::win32::PushButton button;
  };
  struct Tip {
    int command;
    std::string hint;
  };
  std::vector<Large> large_;
  std::vector<Tip> tips_;
  platform::win32::ToolBar bar_{nullptr};
  bool useSpeed_ = false;
};

}  // namespace quindle::app::win32
