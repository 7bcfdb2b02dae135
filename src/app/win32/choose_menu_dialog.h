// TDoAMenu: "Choose A Macro", the chooser of a popup menu. It lays itself out from the menu's
// options (app/popup_menu_layout.h): one or two owner-drawn lists whose rows carry the key
// labels 0-9 and A-Z, or one icon button per member with the member's nickname as its tip. A
// double click, a row's key, Enter on the selected row or a click on an icon chooses and closes;
// Cancel and Esc close with nothing chosen. It stays on top of other windows.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/popup_menu_layout.h"
#include "app/popup_menus.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/handles.h"

namespace quindle::app::win32 {

struct ChooserSetup {
  MenuOptions options;
  std::vector<ChooserEntry> entries;  // the members in menu order
  // Set when the menu's tray icon opened it: the click's x on the screen.
  std::optional<int> clickX;
  std::string programDir;  // the "Icons" folder is under it
  // ForceForeground of the chooser once it is on the screen.
  std::function<void(HWND)> bringToFront;
};

class TDoAMenu final : public platform::win32::DialogBase {
 public:
  explicit TDoAMenu(ChooserSetup setup) : setup_(std::move(setup)) {}

  // The chosen member's MacroNumber, or -1 when cancelled or the chooser could not be shown.
  int Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void OnShow(bool visible) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  // The tips window is the dialog's; it goes with it, before its owner object.
  void OnDestroy() override { tips_.Reset(); }

 private:
  void LayOutLists(const ChooserGeometry& g);
  void LayOutIcons(const ChooserGeometry& g);
  void Place(const ChooserGeometry& g);
  HICON IconOf(const ChooserEntry& entry, int size);
  void Choose(int row);
  // The row of item `index` of list `id`.
  int RowOf(int id, int index) const;
  void DrawRow(const DRAWITEMSTRUCT& item, const ChooserEntry& entry, int row);

  ChooserSetup setup_;
  int chosen_ = -1;
  bool shown_ = false;
  std::vector<platform::win32::IconOwner> icons_;  // the icon buttons' pictures
  platform::win32::WindowOwner tips_;
};

}  // namespace quindle::app::win32
