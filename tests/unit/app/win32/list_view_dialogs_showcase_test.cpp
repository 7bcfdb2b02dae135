// Opens "Sort Order", "Appearance" or "Output Macros To File" and waits for someone to close it,
// for looking at them by keyboard and in screenshots before the main window opens them. Runs only
// when QNL_SHOW_LIST_DIALOG names the dialog ("sort", "appearance" or "output").
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/win32/appearance_dialog.h"
#include "app/win32/output_dialog.h"
#include "app/win32/sort_order_dialog.h"
#include "platform/std_file_io.h"
#include "storage/macro_record.h"

namespace quindle::app::win32 {
namespace {

std::string Wanted() {
  const char* which = std::getenv("QNL_SHOW_LIST_DIALOG");
  return which != nullptr ? which : "";
}

TEST(ListViewDialogsShowcase, SortOrder) {
  if (Wanted() != "sort") GTEST_SKIP() << "QNL_SHOW_LIST_DIALOG is not \"sort\"";
  TSortOrder dialog({"213", "312", "12345"});
  const std::optional<SortOrders> result = dialog.Run(nullptr);
  ASSERT_TRUE(result);
  std::printf("showcase primary=%s activation=%s scope=%s\n", result->primary.c_str(),
              result->activation.c_str(), result->scope.c_str());
}

TEST(ListViewDialogsShowcase, Appearance) {
  if (Wanted() != "appearance") GTEST_SKIP() << "QNL_SHOW_LIST_DIALOG is not \"appearance\"";
  TDoAppear dialog(AppearanceFormOf(Settings{}));
  const std::optional<AppearanceChoice> result = dialog.Run(nullptr);
  ASSERT_TRUE(result);
  std::printf("showcase widths=%d,%d,%d speed=%d row font=%s %d\n", result->widths[0],
              result->widths[1], result->widths[2], result->useSpeed ? 1 : 0,
              result->rowFont.name.c_str(), result->rowFont.size);
}

TEST(ListViewDialogsShowcase, Output) {
  if (Wanted() != "output") GTEST_SKIP() << "QNL_SHOW_LIST_DIALOG is not \"output\"";
  platform::StdBinaryFiles files;
  const auto read = [](int n, storage::MacroRecord& r) {
    r = storage::NewMacro(n == 1 ? "Sig" : "Menu",
                          n == 1 ? storage::ScopeGlobal : storage::ScopePopupMenu, "",
                          static_cast<std::uint16_t>(n), "Hi<ENTER>");
    return true;
  };
  TDoOutput dialog({{2, 1}, read, files});
  const std::optional<InfoWriteResult> result = dialog.Run(nullptr);
  ASSERT_TRUE(result);
  std::printf("showcase result=%d\n", static_cast<int>(*result));
}

}  // namespace
}  // namespace quindle::app::win32
