// The scripting editor's icon button: it shows the macro's icon at 16 by 16 pixels (the
// program's own for "MAIN", else the file in the Icons folder), a click chooses another from
// the "Load in Icon" file dialog, and the right button offers the program's icon again. The
// decisions are editors/icon_choice.h's.
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>
#include <string>
#include <string_view>

#include "editors/icon_choice.h"
#include "platform/win32/handles.h"

namespace quindle::editors::win32 {

class Win32IconFiles final : public IIconFiles {
 public:
  bool Exists(std::string_view path) override;
  bool CopyNew(std::string_view from, std::string_view to) override;
  std::optional<std::string> ShortName(std::string_view path) override;
};

class IconButton {
 public:
  // `iconsFolder`: the Icons folder under the program's folder, without a trailing "\".
  IconButton(HWND dialog, int id, std::string iconsFolder)
      : dialog_(dialog), id_(id), iconsFolder_(std::move(iconsFolder)) {}

  // The popup-menu builder's button: "MENU" shows the program's resource icon `resourceId`, and
  // a named icon whose file is gone opens as "MENU".
  void UseMenuIcon(int resourceId) { menuIconId_ = resourceId; }
  // The name an opening editor shows: a named icon whose file is gone becomes "MAIN" ("MENU"
  // for the builder).
  std::string Opened(std::string_view name);
  void Show(std::string_view name);
  // The click: the new icon name, or nothing when the icon stays (the user has been told why).
  std::optional<std::string> Choose();
  // The right button: true when the user wants the program's icon back.
  bool AskReset();

 private:
  HWND dialog_;
  int id_;
  std::string iconsFolder_;
  Win32IconFiles files_;
  platform::win32::IconOwner icon_;
  int menuIconId_ = 0;
};

}  // namespace quindle::editors::win32
