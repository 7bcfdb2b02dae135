// Menus and accelerator tables from the program's resources. A menu is owned (MenuOwner) until
// a window takes it; an accelerator table loaded from resources belongs to the module and is
// freed with it, so it needs no owner.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>
#include <string_view>

#include "platform/win32/handles.h"

namespace quindle::platform::win32 {

// LoadMenuA of menu `menuId`; an empty owner when there is none, with the reason in `failure`.
MenuOwner LoadMenuResource(int menuId, std::string& failure);
// Gives `menu` to `window` as its menu bar: on success the window owns it (and destroys it with
// itself) and `menu` is empty; on failure `menu` still owns it.
bool AttachMenuBar(HWND window, MenuOwner& menu, std::string& failure);
// LoadAcceleratorsA of table `tableId`; null when there is none, with the reason in `failure`.
HACCEL LoadAcceleratorResource(int tableId, std::string& failure);

// Checked EnableMenuItem and CheckMenuItem by command. False when the menu has no such command.
bool EnableMenuCommand(HMENU menu, int command, bool enabled);
bool CheckMenuCommand(HMENU menu, int command, bool checked);
// The text of a command's item ("&Contents\tF1"), empty when there is none.
std::string MenuCommandText(HMENU menu, int command);
// Gives a command's item the text `text`; false when the menu has no such command.
bool SetMenuCommandText(HMENU menu, int command, std::string_view text);
// The position of a command's item in `menu` itself (not its submenus), -1 when it has none.
int MenuPosition(HMENU menu, int command);

}  // namespace quindle::platform::win32
