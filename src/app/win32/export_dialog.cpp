#include "app/win32/export_dialog.h"

#include <optional>

#include "app/win32/import_export_dialogs_res.h"
#include "app/win32/multi_select_list.h"
#include "platform/win32/common_dialogs.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"
#include "storage/macro_export.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kImportExportDialogIds;
static_assert(InRange(kImportExportDialogIds, IDD_MY_EXPORT) && IDD_MY_EXPORT >= 4650 &&
              InRange(kImportExportDialogIds, IDC_EXP_LIST_LABEL) &&
              InRange(kImportExportDialogIds, IDC_EXP_LIST) &&
              InRange(kImportExportDialogIds, IDC_EXP_SELECT_ALL) &&
              InRange(kImportExportDialogIds, IDC_EXP_CLEAR));

}  // namespace

bool TMyExport::Run(HWND owner) {
  exported_ = false;
  if (!RunModal(owner, IDD_MY_EXPORT)) return false;
  return exported_;
}

bool TMyExport::OnInit() {
  SetCaption(kExportCaption);
  std::vector<std::string> texts;
  texts.reserve(rows_.size());
  for (const ExportRow& row : rows_) texts.push_back(row.text);
  MultiSelectList list(Handle(), IDC_EXP_LIST);
  list.Fill(texts);
  FocusItem(IDC_EXP_LIST);
  return false;
}

void TMyExport::OnCommand(int id, int notifyCode) {
  if ((id == IDC_EXP_SELECT_ALL || id == IDC_EXP_CLEAR) && notifyCode == BN_CLICKED) {
    MultiSelectList(Handle(), IDC_EXP_LIST).PickAll(id == IDC_EXP_SELECT_ALL);
    FocusItem(IDC_EXP_LIST);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TMyExport::OnOK() {
  const ExportChoice choice =
      ChooseExported(rows_, MultiSelectList(Handle(), IDC_EXP_LIST).Picked());
  if (!choice.error.empty()) {
    Tell("Error", choice.error);
    FocusItem(IDC_EXP_LIST);
    return;
  }
  platform::win32::FileDialogOptions options;
  options.title = kExportFileTitle;
  options.filter = kExportFilter;
  options.defaultExt = kExportDefaultExt;
  unsigned long error = 0;
  const std::optional<std::string> path = platform::win32::AskSaveFile(Handle(), options, error);
  if (!path) {
    if (error != 0) Tell("Error", storage::kExportNotCreated);
    return;
  }
  const storage::ExportResult result =
      storage::ExportMacros(files_, macroFile_, choice.numbers, *path);
  if (result != storage::ExportResult::Complete) {
    Tell("Error", storage::ExportMessage(result));
    return;
  }
  exported_ = true;
  Tell(storage::kExportCompleteTitle, storage::kExportComplete);
  End(IDOK);
}

void TMyExport::Tell(std::string_view title, std::string_view text) {
  platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle())).ShowMessage(title, text);
}

}  // namespace quindle::app::win32
