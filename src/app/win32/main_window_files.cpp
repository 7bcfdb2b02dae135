// The main window's files: "&Open File", "&New File" and the last files of "&File", and the
// commands that read the whole list ("O&utput Macro Information") or change how it shows
// ("Sort Order", "&Appearance").
#include "app/win32/main_window.h"

#include <optional>
#include <string>

#include "activation/macro_names.h"
#include "app/import_export_lists.h"
#include "app/list_dialog_models.h"
#include "app/list_window_state.h"
#include "app/macro_file_names.h"
#include "app/win32/appearance_dialog.h"
#include "app/win32/export_dialog.h"
#include "app/win32/import_dialog.h"
#include "app/win32/main_window_res.h"
#include "app/win32/output_dialog.h"
#include "app/win32/profile_file.h"
#include "app/win32/sort_order_dialog.h"
#include "platform/std_file_io.h"
#include "platform/win32/common_dialogs.h"
#include "platform/win32/menu.h"

namespace quindle::app::win32 {
namespace {

constexpr std::string_view kQuindleFilter = "Quindle Files (*.QNL)|*.QNL|All Files (*.*)|*.*";

}  // namespace

void TMainWin::DoOpen(bool create) {
  if (capture_ && capture_->RefuseWhileBusy()) return;
  platform::win32::FileDialogOptions ask;
  ask.title = create ? "New Quindle File" : "Open Quindle File";
  ask.filter = kQuindleFilter;
  ask.defaultExt = "QNL";
  unsigned long error = 0;
  // "&New File" names a file that need not exist: the save dialog, which asks before it names
  // an existing one; the file is made by the load.
  const std::optional<std::string> chosen =
      create ? platform::win32::AskSaveFile(Handle(), ask, error)
             : platform::win32::AskOpenFile(Handle(), ask, error);
  if (!chosen) return;
  if (!IsMacroFileName(*chosen)) {
    return platform_->prompts.ShowMessage(kErrorTitle, kInvalidFileType);
  }
  SwitchMacroFile(*chosen);
}

void TMainWin::OpenLastFile(int index) {
  if (index < 0 || index >= static_cast<int>(kLastFileCount)) return;
  if (capture_ && capture_->RefuseWhileBusy()) return;
  const std::string path = context_.settings.lastFiles[static_cast<std::size_t>(index)];
  if (path.empty()) return;
  if (!FileExists(path)) return platform_->prompts.ShowMessage(kErrorTitle, kFileDoesNotExist);
  SwitchMacroFile(path);
}

void TMainWin::SwitchMacroFile(const std::string& path) {
  const std::string previous = context_.store.FileName();
  if (!OpenMacroFile(path)) return;
  DoLastFiles(context_.settings.lastFiles, previous, context_.store.FileName());
  UpdateLastFilesMenu();
  SaveSettings(context_.settings, context_.profile);
}

void TMainWin::UpdateLastFilesMenu() {
  HMENU file = GetSubMenu(GetMenu(Handle()), 0);
  if (file == nullptr) return;
  // The entries after "&Terminate Quindle 98" are the separator and the files: made anew.
  const int terminate = platform::win32::MenuPosition(file, IDM_FILE_TERMINATE);
  if (terminate < 0) return;
  while (GetMenuItemCount(file) > terminate + 1) {
    if (DeleteMenu(file, static_cast<UINT>(terminate + 1), MF_BYPOSITION) == FALSE) break;
  }
  const LastFilesMenu menu = LastFilesMenuOf(context_.settings.lastFiles);
  if (menu.separatorVisible) AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  for (std::size_t i = 0; i < menu.entries.size(); ++i) {
    if (!menu.entries[i].visible) continue;
    AppendMenuA(file, MF_STRING, IDM_FILE_LAST + i, menu.entries[i].text.c_str());
  }
}

void TMainWin::OutputMacroInformation() {
  if (macroList_.Count() == 0) {
    return platform_->prompts.ShowMessage(kErrorTitle, activation::kNoMacrosYet);
  }
  platform::StdBinaryFiles files;
  TDoOutput dialog(OutputRequest{
      macroList_.List().Order(),
      [this](int n, storage::MacroRecord& record) { return context_.store.ReadMacro(n, record); },
      files});
  dialog.Run(Handle());
  SaveSettings(context_.settings, context_.profile);
}

void TMainWin::OpenSortOrder() {
  const std::optional<SortOrders> orders =
      TSortOrder(SortOrdersOf(context_.settings)).Run(Handle());
  if (!orders) return;
  const int selected = SelectedMacro();
  ApplySortOrders(*orders, context_.settings);
  SaveSettings(context_.settings, context_.profile);
  FillList();
  SelectMacro(selected);
}

void TMainWin::OpenAppearance() {
  const std::optional<AppearanceChoice> choice =
      TDoAppear(AppearanceFormOf(context_.settings)).Run(Handle());
  if (!choice) return;
  ApplyAppearance(*choice, context_.settings);
  panels_.ShowStyle(context_.settings.useSpeed);
  ApplyListAppearance();
  LayoutList();
  SaveSettings(context_.settings, context_.profile);
}

void TMainWin::ImportMacros() {
  if (capture_ && capture_->RefuseWhileBusy()) return;
  if (SharedFileBusy()) return;
  platform::StdBinaryFiles files;
  const std::size_t imported =
      TMyImport(files, context_.store, context_.lock, platform_->clock).Run(Handle());
  ReleaseSharedFile(imported > 0);
  if (imported == 0) return;
  // The appends rebuilt the hotkey-in-use flags; imported macros may be timed.
  FillList();
  if (scheduler_) scheduler_->CheckAndSetTime();
}

void TMainWin::ExportMacros() {
  std::vector<ExportRow> rows;
  {
    const storage::TableGuard guard(context_.lock);
    if (!guard) return;
    rows = ExportRows(guard.Table(), context_.store.Index(), macroList_.List().Order());
  }
  platform::StdBinaryFiles files;
  TMyExport(files, context_.store.FileName(), std::move(rows)).Run(Handle());
}

}  // namespace quindle::app::win32
