// The main window's popup menus: the host of the choosers and the menus' tray icons, the
// activation's two ways into them, and the builder over a working record.
#include <memory>

#include "app/macro_list.h"
#include "app/win32/build_menu_dialog.h"
#include "app/win32/main_window.h"

namespace quindle::app::win32 {

void TMainWin::StartPopupMenus() {
  PopupMenuServices services{
      Handle(),
      *this,
      context_.settings,
      context_.lock,
      context_.store,
      platform_->windows,
      *player_,
      *activation_,
      [this](std::string_view title, std::string_view text) { DoAMessage(title, text); },
      context_.programDir};
  popupMenus_ = std::make_unique<PopupMenuHost>(std::move(services));
  popupMenus_->RebuildTrayIcons();
}

void TMainWin::MenuTopWindow() {
  if (popupMenus_) popupMenus_->MenuTopWindow();
}

int TMainWin::ShowPopupMenu(const storage::MacroRecord& macro) {
  return popupMenus_ ? popupMenus_->Show(macro) : 0;
}

PopupBuilderResult TMainWin::RunPopupBuilder(const EditorRequest& request,
                                             storage::MacroRecord& macro) {
  BuilderSetup setup;
  setup.hotkeyName = request.activation;
  // Without the table the lists would be empty; the builder then offers nothing to add.
  setup.macros = TakeSnapshot(context_.lock, context_.store.Index()).value_or(MacroSnapshot{});
  setup.self = request.n;
  setup.programDir = context_.programDir;
  setup.readMacro = [this](int n, storage::MacroRecord& record) {
    return context_.store.ReadMacro(n, record);
  };
  return TDoBuildMenu(macro, std::move(setup)).Run(Handle());
}

}  // namespace quindle::app::win32
