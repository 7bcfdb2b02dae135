#include "platform/win32/menu.h"

#include "platform/win32/last_error.h"

namespace quindle::platform::win32 {

MenuOwner LoadMenuResource(int menuId, std::string& failure) {
  MenuOwner menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuId)));
  if (!menu) failure = CallFailed("LoadMenuA(" + std::to_string(menuId) + ")");
  return menu;
}

bool AttachMenuBar(HWND window, MenuOwner& menu, std::string& failure) {
  if (!menu) {
    failure = "SetMenu: no menu";
    return false;
  }
  if (SetMenu(window, menu.Get()) == FALSE) {
    failure = CallFailed("SetMenu");
    return false;
  }
  static_cast<void>(menu.Release());  // the window's now
  return true;
}

HACCEL LoadAcceleratorResource(int tableId, std::string& failure) {
  HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(tableId));
  if (table == nullptr) failure = CallFailed("LoadAcceleratorsA(" + std::to_string(tableId) + ")");
  return table;
}

bool EnableMenuCommand(HMENU menu, int command, bool enabled) {
  // The previous state, or -1 (0xFFFFFFFF) when there is no such item.
  return EnableMenuItem(menu, static_cast<UINT>(command),
                        MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED)) != static_cast<BOOL>(-1);
}

bool CheckMenuCommand(HMENU menu, int command, bool checked) {
  return CheckMenuItem(menu, static_cast<UINT>(command),
                       MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)) !=
         static_cast<DWORD>(-1);
}

std::string MenuCommandText(HMENU menu, int command) {
  char text[256] = {};
  const int length =
      GetMenuStringA(menu, static_cast<UINT>(command), text, sizeof text, MF_BYCOMMAND);
  return length > 0 ? std::string(text, static_cast<std::size_t>(length)) : std::string();
}

bool SetMenuCommandText(HMENU menu, int command, std::string_view text) {
  if (menu == nullptr) return false;
  std::string copy(text);
  MENUITEMINFOA item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_STRING;
  item.dwTypeData = copy.data();
  return SetMenuItemInfoA(menu, static_cast<UINT>(command), FALSE, &item) != FALSE;
}

int MenuPosition(HMENU menu, int command) {
  const int count = menu != nullptr ? GetMenuItemCount(menu) : -1;
  for (int i = 0; i < count; ++i) {
    if (GetMenuItemID(menu, i) == static_cast<UINT>(command)) return i;
  }
  return -1;
}

}  // namespace quindle::platform::win32
