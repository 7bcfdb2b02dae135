// TDoBuildMenu: "Build Macro Menu", the builder of a popup menu over the first working record.
// The lists, their buttons and what "&Ok" writes are app/popup_builder.h's; this class moves
// them between the controls, draws the rows, shows Quick Info for a right click on a row (or the
// context-menu key on the selected one) and runs the icon button.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/list_operations.h"
#include "app/macro_list.h"
#include "app/popup_builder.h"
#include "editors/win32/icon_button.h"
#include "platform/win32/dialog_base.h"
#include "storage/macro_record.h"

namespace quindle::app::win32 {

struct BuilderSetup {
  std::string hotkeyName;  // shown in the top panel
  MacroSnapshot macros;    // every macro of the file, by number
  int self = 0;            // the menu's own number; 0 for a new menu
  std::string programDir;  // the "Icons" folder is under it
  // Reads macro n for Quick Info; false when it could not be read.
  std::function<bool(int, storage::MacroRecord&)> readMacro;
};

class TDoBuildMenu final : public platform::win32::DialogBase {
 public:
  TDoBuildMenu(storage::MacroRecord& menu, BuilderSetup setup);

  // Runs modally; on "&Ok" the menu fields are in the record and `saved` is set.
  PopupBuilderResult Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  BuilderSelection Selection() const;
  // Refills both lists with the selections `at` and enables the buttons for them.
  void Show(BuilderSelection at);
  void EnableButtons();
  void Apply(std::optional<BuilderSelection> after);
  void QuickInfo(HWND list, LPARAM point);
  void PlaceHeads(int list, int head1, int head2, int head3);

  storage::MacroRecord& menu_;
  BuilderSetup setup_;
  PopupBuilderModel model_;
  std::unique_ptr<editors::win32::IconButton> icon_;
  PopupBuilderResult result_;
};

}  // namespace quindle::app::win32
