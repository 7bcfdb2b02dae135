// Opens "Copy Hot Key", "Add Macro" or "Quick Info" and waits for someone to close it, so that
// they can be looked at and driven by keyboard before the main window opens them. Runs only when
// QNL_SHOW_LIST_DIALOG names the dialog ("copy", "add" or "info").
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/win32/add_macro_dialog.h"
#include "app/win32/copy_or_move_dialog.h"
#include "app/win32/quick_info_dialog.h"
#include "storage/macro_store_test_support.h"
#include "support/in_process_table.h"

namespace quindle::app::win32 {
namespace {

std::string Wanted() {
  const char* which = std::getenv("QNL_SHOW_LIST_DIALOG");
  return which != nullptr ? which : "";
}

void FillTable(storage::SharedMacroTable& table) {
  const int codes[] = {0, 0, 1, 30, 262, 263, 264, 265};
  for (const int code : codes) {
    const auto i = static_cast<std::size_t>(table.Count.Get());
    table.HotkeyNumber[i] = static_cast<std::uint16_t>(code);
    table.ScopeKind[i] = code >= 262 ? storage::ScopeSystem : storage::ScopeGlobal;
    table.Count = static_cast<std::int32_t>(i + 1);
  }
}

TEST(ListDialogsShowcase, CopyHotKey) {
  if (Wanted() != "copy") GTEST_SKIP() << "QNL_SHOW_LIST_DIALOG is not \"copy\"";
  storage::InProcessTable objects;
  storage::TableLock lock(objects);
  FillTable(objects.Block());
  storage::MacroRecord macro = storage::testing::UserMacro("Letter", 1);
  CopyOrMoveSetup setup;
  setup.now = [] { return 46000.5; };
  TCopyOrMove dialog(lock, macro, setup);
  ASSERT_TRUE(dialog.Run(nullptr));
  std::printf("showcase hotkey=%d typlet=%s\n", macro.HotkeyNumber.Get(),
              std::string(macro.TypletName.View()).c_str());
}

TEST(ListDialogsShowcase, AddMacro) {
  if (Wanted() != "add") GTEST_SKIP() << "QNL_SHOW_LIST_DIALOG is not \"add\"";
  storage::InProcessTable objects;
  storage::TableLock lock(objects);
  FillTable(objects.Block());
  TAddNewHotKey dialog(lock);
  const std::optional<AddChoice> choice = dialog.Run(nullptr);
  ASSERT_TRUE(choice);
  std::printf("showcase editor=%d hotkey=%d typlet=%s\n", static_cast<int>(choice->editor),
              choice->hotkeyNumber, choice->typletName.c_str());
}

TEST(ListDialogsShowcase, QuickInfo) {
  if (Wanted() != "info") GTEST_SKIP() << "QNL_SHOW_LIST_DIALOG is not \"info\"";
  storage::MacroRecord macro =
      storage::testing::UserMacro("Letter closing", 1, storage::ScopeWindow);
  macro.ScopeText.Assign("Notepad");
  macro.TopMostOnly = true;
  macro.SetMacroText("Yours sincerely,<ENTER><ENTER>J. Smith<TAB>");
  TQuickInfo dialog(macro, "C:\\QN");
  ASSERT_TRUE(dialog.Run(nullptr));
}

}  // namespace
}  // namespace quindle::app::win32
