// The dialogs of the list operations on the window layer: "Copy Hot Key" / "Move Hot Key" (with
// "Set Schedule" for a timed macro), "Add Macro" and "Quick Info" are opened here; the editors,
// the popup-menu builder, the capture and "System Hot Keys" belong to the main window, which
// hands them in.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <string>

#include "app/list_operations.h"
#include "platform/system.h"
#include "storage/table_lock.h"

namespace quindle::app::win32 {

struct ListDialogsSetup {
  HWND owner = nullptr;
  std::string programDir;  // without a trailing backslash
  std::function<bool(const EditorRequest&, storage::MacroRecord&)> scriptingEditor;
  std::function<bool(const EditorRequest&, storage::MacroRecord&)> directEditor;
  std::function<PopupBuilderResult(const EditorRequest&, storage::MacroRecord&)> popupBuilder;
  std::function<void(const storage::MacroRecord&, bool forceProgram)> captureNew;
  std::function<bool(const storage::MacroRecord&)> systemKeys;
};

class ListOperationDialogs final : public IListDialogs {
 public:
  ListOperationDialogs(storage::TableLock& lock, platform::IClock& clock, ListDialogsSetup setup)
      : lock_(lock), clock_(clock), setup_(std::move(setup)) {}

  bool CopyOrMove(CopyOrMoveMode mode, int n, storage::MacroRecord& macro) override;
  std::optional<AddChoice> AddNewHotKey() override;
  bool ScriptingEditor(const EditorRequest& request, storage::MacroRecord& macro) override;
  bool DirectEditor(const EditorRequest& request, storage::MacroRecord& macro) override;
  PopupBuilderResult PopupBuilder(const EditorRequest& request,
                                  storage::MacroRecord& macro) override;
  void CaptureNew(const storage::MacroRecord& macro, bool forceProgram) override;
  bool SystemKeys(const storage::MacroRecord& macro) override;
  bool QuickInfo(const storage::MacroRecord& macro) override;

 private:
  storage::TableLock& lock_;
  platform::IClock& clock_;
  ListDialogsSetup setup_;
};

}  // namespace quindle::app::win32
