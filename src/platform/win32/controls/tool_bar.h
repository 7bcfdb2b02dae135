// A bar of small tool buttons with the system's standard pictures and a tip for each button.
#pragma once

#include "platform/win32/controls/control.h"

#include <span>

namespace quindle::platform::win32 {

// The picture sets of the common controls a tool button can take its picture from.
enum class ToolPictures { Standard, View };

struct ToolButton {
  int command;  // sent as WM_COMMAND, and the tip's id
  ToolPictures pictures;
  int picture;  // STD_... or VIEW_... of commctrl.h
};

class ToolBar : public Control {
 public:
  using Control::Control;

  // A bar across the top of `parent` with `buttons`, in their order; the tips are asked for
  // through TTN_GETDISPINFO with the button's command as the id. Empty when it failed.
  static ToolBar Create(HWND parent, int id, std::span<const ToolButton> buttons);
  bool EnableButton(int command, bool enabled);
  bool Show(bool visible);
  // The bar's height in pixels (0 when there is no bar).
  int Height() const;
  // Lays the bar out again after its parent changed size.
  void Resize();
};

}  // namespace quindle::platform::win32
