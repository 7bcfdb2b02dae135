#include "app/win32/import_dialog.h"

#include <optional>
#include <string>

#include "app/import_export_lists.h"
#include "app/win32/import_export_dialogs_res.h"
#include "app/win32/multi_select_list.h"
#include "hooklib/hotkey_names.h"
#include "platform/win32/common_dialogs.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kImportExportDialogIds;
static_assert(InRange(kImportExportDialogIds, IDD_MY_IMPORT) &&
              InRange(kImportExportDialogIds, IDC_IMP_OPEN) &&
              InRange(kImportExportDialogIds, IDC_IMP_FILE) &&
              InRange(kImportExportDialogIds, IDC_IMP_LIST_LABEL) &&
              InRange(kImportExportDialogIds, IDC_IMP_LIST));
static_assert(IDC_IMP_LIST < 4650, "Import Macros keeps to 4600-4649");

}  // namespace

std::size_t TMyImport::Run(HWND owner) {
  imported_ = 0;
  source_ = {};
  if (!RunModal(owner, IDD_MY_IMPORT)) return 0;
  return imported_;
}

bool TMyImport::OnInit() {
  SetCaption(kImportCaption);
  // Nothing to pick before a file is open.
  FocusItem(IDC_IMP_OPEN);
  return false;
}

void TMyImport::OnCommand(int id, int notifyCode) {
  if (id == IDC_IMP_OPEN && notifyCode == BN_CLICKED) {
    OpenFileClick();
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TMyImport::OpenFileClick() {
  platform::win32::FileDialogOptions options;
  options.title = kImportFileTitle;
  options.filter = kImportFilter;
  unsigned long error = 0;
  const std::optional<std::string> path = platform::win32::AskOpenFile(Handle(), options, error);
  if (!path) return;
  source_ = storage::ReadImportSource(files_, *path);
  MultiSelectList list(Handle(), IDC_IMP_LIST);
  if (!source_.Ok()) {
    const std::string text = source_.error;
    source_ = {};
    list.Fill({});
    SetItemText(IDC_IMP_FILE, "");
    Complain(text);
    FocusItem(IDC_IMP_OPEN);
    return;
  }
  SetItemText(IDC_IMP_FILE, *path);
  if (!list.Fill(ImportRows(source_))) Complain(storage::kImportNotRead);
  FocusItem(IDC_IMP_LIST);
}

void TMyImport::OnOK() {
  MultiSelectList list(Handle(), IDC_IMP_LIST);
  std::vector<bool> selected = list.Picked();
  platform::win32::Win32Prompts prompts(platform::win32::FromHwnd(Handle()));
  const storage::ImportOutcome outcome =
      storage::RunImport(source_, selected, {store_, lock_, prompts, clock_, &hooklib::HotkeyName});
  if (outcome.result == storage::ImportResult::Imported) {
    imported_ = outcome.imported;
    End(IDOK);
    return;
  }
  // The macros that were deselected stay so for another try.
  list.SetPicked(selected);
  FocusItem(list.Count() > 0 ? IDC_IMP_LIST : IDC_IMP_OPEN);
}

void TMyImport::Complain(std::string_view text) {
  platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle())).ShowMessage("Error", text);
}

}  // namespace quindle::app::win32
