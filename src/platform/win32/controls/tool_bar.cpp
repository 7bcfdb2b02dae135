#include "platform/win32/controls/tool_bar.h"

#include <commctrl.h>

#include <vector>

namespace quindle::platform::win32 {

ToolBar ToolBar::Create(HWND parent, int id, std::span<const ToolButton> buttons) {
  HWND bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                             WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT, 0, 0, 0, 0,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleA(nullptr), nullptr);
  if (bar == nullptr) return ToolBar(nullptr);
  SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  // The view pictures come after the standard ones in the bar's picture list.
  const LRESULT standard = SendMessageA(bar, TB_LOADIMAGES, IDB_STD_SMALL_COLOR,
                                        reinterpret_cast<LPARAM>(HINST_COMMCTRL));
  const LRESULT view = SendMessageA(bar, TB_LOADIMAGES, IDB_VIEW_SMALL_COLOR,
                                    reinterpret_cast<LPARAM>(HINST_COMMCTRL));
  std::vector<TBBUTTON> entries;
  for (const ToolButton& button : buttons) {
    TBBUTTON entry{};
    const LRESULT base = button.pictures == ToolPictures::Standard ? standard : view;
    entry.iBitmap = static_cast<int>((base < 0 ? 0 : base) + button.picture);
    entry.idCommand = button.command;
    entry.fsState = TBSTATE_ENABLED;
    entry.fsStyle = BTNS_BUTTON;
    entries.push_back(entry);
  }
  if (SendMessageA(bar, TB_ADDBUTTONSA, entries.size(), reinterpret_cast<LPARAM>(entries.data())) ==
      FALSE) {
    DestroyWindow(bar);
    return ToolBar(nullptr);
  }
  SendMessageA(bar, TB_AUTOSIZE, 0, 0);
  return ToolBar(bar);
}

bool ToolBar::EnableButton(int command, bool enabled) {
  return window_ != nullptr &&
         Send(TB_ENABLEBUTTON, static_cast<WPARAM>(command), MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

bool ToolBar::Show(bool visible) {
  if (window_ == nullptr) return false;
  ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
  return true;
}

int ToolBar::Height() const {
  RECT r{};
  if (window_ == nullptr || GetWindowRect(window_, &r) == FALSE) return 0;
  return r.bottom - r.top;
}

void ToolBar::Resize() {
  if (window_ != nullptr) Send(TB_AUTOSIZE);
}

}  // namespace quindle::platform::win32
