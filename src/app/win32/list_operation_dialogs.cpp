#include "app/win32/list_operation_dialogs.h"

#include "app/win32/add_macro_dialog.h"
#include "app/win32/copy_or_move_dialog.h"
#include "app/win32/quick_info_dialog.h"
#include "platform/date_time.h"
#include "scheduler/win32/schedule_dialog.h"

namespace quindle::app::win32 {

bool ListOperationDialogs::CopyOrMove(CopyOrMoveMode mode, int n, storage::MacroRecord& macro) {
  CopyOrMoveSetup setup;
  setup.mode = mode;
  setup.n = n;
  setup.now = [this] { return clock_.Now(); };
  setup.setSchedule = [this](storage::MacroRecord& record, HWND owner) {
    const platform::CivilDateTime now = platform::FromDateTime(clock_.Now());
    scheduler::win32::TDoSchedule(record, scheduler::Today{now.year, now.month, now.day})
        .Run(owner);
  };
  return TCopyOrMove(lock_, macro, std::move(setup)).Run(setup_.owner);
}

std::optional<AddChoice> ListOperationDialogs::AddNewHotKey() {
  return TAddNewHotKey(lock_).Run(setup_.owner);
}

bool ListOperationDialogs::ScriptingEditor(const EditorRequest& request,
                                           storage::MacroRecord& macro) {
  return setup_.scriptingEditor && setup_.scriptingEditor(request, macro);
}

bool ListOperationDialogs::DirectEditor(const EditorRequest& request, storage::MacroRecord& macro) {
  return setup_.directEditor && setup_.directEditor(request, macro);
}

PopupBuilderResult ListOperationDialogs::PopupBuilder(const EditorRequest& request,
                                                      storage::MacroRecord& macro) {
  return setup_.popupBuilder ? setup_.popupBuilder(request, macro) : PopupBuilderResult{};
}

void ListOperationDialogs::CaptureNew(const storage::MacroRecord& macro, bool forceProgram) {
  if (setup_.captureNew) setup_.captureNew(macro, forceProgram);
}

bool ListOperationDialogs::SystemKeys(const storage::MacroRecord& macro) {
  return setup_.systemKeys && setup_.systemKeys(macro);
}

bool ListOperationDialogs::QuickInfo(const storage::MacroRecord& macro) {
  return TQuickInfo(macro, setup_.programDir).Run(setup_.owner);
}

}  // namespace quindle::app::win32
