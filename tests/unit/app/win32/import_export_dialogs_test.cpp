// "Import Macros" and "Export Macros" as real windows: the keyboard lands in the right place,
// "&Ok" / "Save" is the default button, and an empty choice is refused with the dialog kept open.
// The showcase tests open a dialog and wait for someone to close it, for a look by keyboard and
// in screenshots; they run only when QNL_SHOW_IMPORT_EXPORT names the dialog.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/win32/export_dialog.h"
#include "app/win32/import_dialog.h"
#include "app/win32/import_export_dialogs_res.h"
#include "platform/std_file_io.h"
#include "platform/win32/clock.h"
#include "platform/win32/modal_driver.h"
#include "platform/win32/prompts.h"
#include "storage/import_records.h"
#include "support/in_process_table.h"
#include "support/test_files.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::testing::Driver;
using platform::win32::testing::EndIfOpen;
using platform::win32::testing::FindShown;
using platform::win32::testing::TextOf;

std::string Wanted() {
  const char* which = std::getenv("QNL_SHOW_IMPORT_EXPORT");
  return which != nullptr ? which : "";
}

void DrainQueue() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
}

std::vector<ExportRow> SomeRows() {
  return {{1, "Ctrl+A   Hello   (GLOBAL)"},
          {3, "Timed Macro   Backup   (Program: EXPLORER)"},
          {2, "sig   (GLOBAL)"}};
}

// The message box with this title, and its text.
std::string BoxText(HWND box) {
  HWND text = ::GetDlgItem(box, 0xFFFF);
  return text != nullptr ? TextOf(text) : "";
}

TEST(ImportExportDialogs, ExportWithNothingPickedIsRefusedAndStaysOpen) {
  DrainQueue();
  platform::StdBinaryFiles files;
  TMyExport dialog(files, "C:\\NONE.QNL", SomeRows());
  int step = 0;
  bool focusOnList = false;
  LRESULT defaultId = 0;
  std::string refusal;
  bool stillOpen = false;
  bool exported = true;
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("Export Macros");
        if (shown == nullptr) return false;
        if (step == 0) {
          focusOnList = ::GetFocus() == ::GetDlgItem(shown, IDC_EXP_LIST);
          defaultId = ::SendMessageA(shown, DM_GETDEFID, 0, 0);
          ::SendDlgItemMessageA(shown, IDC_EXP_CLEAR, BM_CLICK, 0, 0);
          ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
          step = 1;
          return false;
        }
        HWND box = FindShown("Error");
        if (step == 1 && box != nullptr) {
          refusal = BoxText(box);
          ::PostMessageA(box, WM_COMMAND, IDOK, 0);
          step = 2;
          return false;
        }
        if (step == 2 && box == nullptr) {
          stillOpen = true;
          ::PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
          return true;
        }
        return false;
      },
      [] {
        EndIfOpen("Error");
        EndIfOpen("Export Macros");
      },
      [&] { exported = dialog.Run(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_TRUE(focusOnList);
  EXPECT_EQ(LOWORD(defaultId), IDOK);
  EXPECT_EQ(refusal, "No Hot Key Macros have been selected for exporting.");
  EXPECT_TRUE(stillOpen);
  EXPECT_FALSE(exported);
}

TEST(ImportExportDialogs, ImportStartsOnOpenFileAndRefusesAnEmptyChoice) {
  DrainQueue();
  storage::InProcessTable objects;
  storage::TableLock lock(objects);
  platform::StdBinaryFiles files;
  platform::win32::Win32Prompts prompts(0);
  platform::win32::Win32Clock clock;
  storage::MacroStore store(files, lock, prompts, clock);
  TMyImport dialog(files, store, lock, clock);
  bool focusOnOpen = false;
  std::string refusal;
  std::size_t imported = 1;
  int step = 0;
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("Import Macros");
        if (shown == nullptr) return false;
        if (step == 0) {
          focusOnOpen = ::GetFocus() == ::GetDlgItem(shown, IDC_IMP_OPEN);
          ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
          step = 1;
          return false;
        }
        HWND box = FindShown("Error");
        if (box == nullptr) return false;
        refusal = BoxText(box);
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        ::PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
        return true;
      },
      [] {
        EndIfOpen("Error");
        EndIfOpen("Import Macros");
      },
      [&] { imported = dialog.Run(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_TRUE(focusOnOpen);
  EXPECT_EQ(refusal, storage::kNothingFlagged);
  EXPECT_EQ(imported, 0u);
}

TEST(ImportExportShowcase, Export) {
  if (Wanted() != "export") GTEST_SKIP() << "QNL_SHOW_IMPORT_EXPORT is not \"export\"";
  platform::StdBinaryFiles files;
  TMyExport dialog(files, "C:\\NONE.QNL", SomeRows());
  dialog.Run(nullptr);
}

TEST(ImportExportShowcase, Import) {
  if (Wanted() != "import") GTEST_SKIP() << "QNL_SHOW_IMPORT_EXPORT is not \"import\"";
  platform::win32::testing::TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  std::string typlets;
  for (const char* name : {"sig", "adr", "thx"}) {
    storage::TplRecord record{};
    record.Typlet.Assign(name);
    record.Enabled = true;
    record.Text[0] = 'x';
    typlets.append(reinterpret_cast<const char*>(&record), sizeof record);
  }
  ASSERT_TRUE(platform::win32::testing::WriteWholeFile(folder.File("T.TPL"), typlets));
  storage::InProcessTable objects;
  storage::TableLock lock(objects);
  platform::StdBinaryFiles files;
  platform::win32::Win32Prompts prompts(0);
  platform::win32::Win32Clock clock;
  storage::MacroStore store(files, lock, prompts, clock);
  ASSERT_TRUE(store.LoadMacroFile(folder.File("DEST.QNL")));
  std::printf("showcase source=%s\n", folder.File("T.TPL").c_str());
  std::fflush(stdout);
  TMyImport dialog(files, store, lock, clock);
  std::printf("showcase imported=%u\n", static_cast<unsigned>(dialog.Run(nullptr)));
}

}  // namespace
}  // namespace quindle::app::win32
