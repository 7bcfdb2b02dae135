// The list operations of the main window: the controller over the store and the table, and what
// it needs of the window (the list, the dialogs, the network lock and the rebuilds).
#include <functional>
#include <memory>
#include <utility>

#include "activation/key_remap.h"
#include "activation/system_keys.h"
#include "app/list_operations.h"
#include "app/win32/list_operation_dialogs.h"
#include "app/win32/main_window.h"
#include "app/win32/main_window_res.h"
#include "app/win32/remap_dialogs.h"
#include "platform/std_file_io.h"
#include "storage/set_hotkeys.h"

namespace quindle::app::win32 {

// The list, the network lock and the rebuilds as the controller sees them.
class TMainWin::ListHost final : public IMacroListView, public INetworkLock, public IListRebuilds {
 public:
  explicit ListHost(TMainWin& window) : window_(window) {}

  // IMacroListView
  int RowCount() override { return window_.macroList_.Count(); }
  int SelectedMacro() override { return window_.SelectedMacro(); }
  int SelectedRow() override {
    const int row = window_.macroList_.SelectedRow();
    return row > 0 ? row : 0;
  }
  void Refill() override { window_.FillList(); }
  void SelectMacro(int n) override {
    window_.SelectMacro(n);
    window_.UpdateMacroMenu();
  }
  void SelectRow(int row) override {
    window_.macroList_.SelectRowOrLast(row);
    window_.UpdateMacroMenu();
  }
  void SetButtons(bool /*on*/) override { window_.UpdateMacroMenu(); }
  void SetActivateCaption(std::string_view /*caption*/) override { window_.UpdateMacroMenu(); }
  void Repaint() override { window_.FillList(); }

  // INetworkLock
  bool FileInUse() override { return window_.SharedFileBusy(); }
  void ReleaseSyncFile(bool changed) override { window_.ReleaseSharedFile(changed); }

  // IListRebuilds
  void CheckAndSetTime() override {
    if (window_.scheduler_) window_.scheduler_->CheckAndSetTime();
  }
  void SetHotKeys() override { storage::SetHotKeys(window_.context_.lock); }
  void ReloadKeyRemap() override { window_.ReloadKeyRemap(); }
  void RebuildPopupTrayIcons() override {
    if (window_.popupMenus_) window_.popupMenus_->RebuildTrayIcons();
  }

 private:
  TMainWin& window_;
};

// Here, where ListHost is complete. WindowBase destroys a window still open.
TMainWin::TMainWin(MainWindowContext& context) : context_(context) {}
TMainWin::~TMainWin() = default;

void TMainWin::StartListOperations() {
  listHost_ = std::make_unique<ListHost>(*this);
  ListDialogsSetup setup;
  setup.owner = Handle();
  setup.programDir = context_.programDir;
  setup.scriptingEditor = [this](const EditorRequest& request, storage::MacroRecord& macro) {
    return RunScriptingEditor(request, macro);
  };
  setup.directEditor = [this](const EditorRequest& request, storage::MacroRecord& macro) {
    return RunDirectEditorFor(request, macro);
  };
  setup.popupBuilder = [this](const EditorRequest& request, storage::MacroRecord& macro) {
    return RunPopupBuilder(request, macro);
  };
  setup.captureNew = [this](const storage::MacroRecord& macro, bool forceProgram) {
    if (capture_) capture_->CaptureWithDialog(0, macro, true, forceProgram);
  };
  setup.systemKeys = [this](const storage::MacroRecord& macro) {
    const std::optional<activation::SystemKeyField> field =
        activation::FieldOfSystemAction(macro.ScopeText.View());
    return field && OpenSystemKeys(*field);
  };
  listDialogs_ =
      std::make_unique<ListOperationDialogs>(context_.lock, platform_->clock, std::move(setup));
  operations_ = std::make_unique<ListOperations>(
      ListOperationServices{context_.store, context_.lock, platform_->prompts, platform_->clock,
                            *listHost_, *listDialogs_, *listHost_, *listHost_});
}

void TMainWin::ReloadKeyRemap() {
  auto* remap = static_cast<storage::RemapBlock*>(remapBlock_.View());
  if (remap == nullptr) return;
  platform::StdBinaryFiles files;
  activation::GetSwapFile(files, context_.store.FileName(), *remap);
  const bool inUse = activation::SwapsInUse(*remap);
  if (inUse && !swapHook_) InstallSwapHook();
  if (!inUse && swapHook_) RemoveSwapHook();
}

namespace {

// The main window's hook as the closing remapper sees it.
class SwapHookCalls final : public activation::ISwapHook {
 public:
  SwapHookCalls(std::function<bool()> installed, std::function<void()> install,
                std::function<void()> remove)
      : installed_(std::move(installed)),
        install_(std::move(install)),
        remove_(std::move(remove)) {}
  bool Installed() const override { return installed_(); }
  void Install() override { install_(); }
  void Remove() override { remove_(); }

 private:
  std::function<bool()> installed_;
  std::function<void()> install_;
  std::function<void()> remove_;
};

}  // namespace

void TMainWin::OpenRemapper() {
  auto* remap = static_cast<storage::RemapBlock*>(remapBlock_.View());
  if (remap == nullptr || !listHost_ || listHost_->FileInUse()) return;
  TDoSwapKeys dialog(*remap, options_.browse || options_.browseAll);
  const bool shown = dialog.Run(Handle());
  listHost_->ReleaseSyncFile(false);  // the remap file is the program's own, not the shared one
  if (!shown) return;
  SwapHookCalls hook([this] { return static_cast<bool>(swapHook_); }, [this] { InstallSwapHook(); },
                     [this] { RemoveSwapHook(); });
  platform::StdBinaryFiles files;
  activation::FinishSwapKeys(files, activation::RemapFileName(context_.store.FileName()), *remap,
                             dialog.Changed(), hook, platform_->prompts);
}

bool TMainWin::OnListOperation(int command) {
  if (!operations_) return false;
  // Quick Info changes nothing; every other operation waits for a capture's macro to be stored.
  if (command != IDM_MACROS_QUICK_INFO && capture_ && capture_->RefuseWhileBusy()) return true;
  switch (command) {
    case IDM_MACROS_ADD:
      operations_->DoAdd();
      return true;
    case IDM_MACROS_COPY:
      operations_->DoCopy();
      return true;
    case IDM_MACROS_RENAME:
      operations_->DoMove();
      return true;
    case IDM_MACROS_REMOVE:
      operations_->DoClear();
      return true;
    case IDM_MACROS_ACTIVATE:
      operations_->DoActivate();
      return true;
    case IDM_MACROS_MODIFY:
      operations_->DoModify();
      return true;
    case IDM_MACROS_SCRIPTING:
      operations_->DoTheScript();
      return true;
    case IDM_MACROS_QUICK_INFO:
      operations_->DoInfo();
      return true;
    default:
      return false;
  }
}

}  // namespace quindle::app::win32
