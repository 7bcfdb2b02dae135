#include "app/win32/output_dialog.h"

#include <array>
#include <string>

#include "app/win32/list_view_dialogs_res.h"
#include "editors/win32/command_dialog_support.h"
#include "platform/win32/common_dialogs.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kListViewDialogIds;
static_assert(InRange(kListViewDialogIds, IDD_OUTPUT) && InRange(kListViewDialogIds, IDC_OUT_ICON));
static_assert(IDD_OUTPUT >= 4460 && IDC_OUT_ICON < 4490, "Output keeps to 4460-4489");

// By OutputField.
constexpr std::array<int, 6> kBoxIds{IDC_OUT_HOT_KEY, IDC_OUT_NAME,     IDC_OUT_WINDOW,
                                     IDC_OUT_TEXT,    IDC_OUT_SCHEDULE, IDC_OUT_ICON};

}  // namespace

std::optional<InfoWriteResult> TDoOutput::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_OUTPUT)) return std::nullopt;
  return result_;
}

bool TDoOutput::OnInit() {
  SetCaption(kOutputCaption);
  for (const int id : kBoxIds) platform::win32::CheckBox(Handle(), id).SetChecked(true);
  FocusItem(IDC_OUT_HOT_KEY);
  return false;
}

std::optional<std::string> TDoOutput::AskPath() {
  platform::win32::FileDialogOptions options;
  options.title = kInfoSaveTitle;
  options.filter = kInfoSaveFilter;
  options.defaultExt = kInfoSaveExtension;
  unsigned long error = 0;
  const std::optional<std::string> chosen = platform::win32::AskSaveFile(Handle(), options, error);
  if (!chosen) {
    if (error != 0)
      platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
          .ShowMessage("System Error", "The file dialog could not be opened (error " +
                                           std::to_string(error) + ").");
    return std::nullopt;
  }
  std::array<char, MAX_PATH> full{};
  const DWORD n =
      GetFullPathNameA(chosen->c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  return n > 0 && n < full.size() ? std::string(full.data(), n) : *chosen;
}

void TDoOutput::OnOK() {
  const auto checked = [this](OutputField f) {
    return platform::win32::CheckBox(Handle(), kBoxIds[static_cast<std::size_t>(f)]).IsChecked();
  };
  const InfoChoices choices{checked(OutputField::HotKey),   checked(OutputField::Name),
                            checked(OutputField::Window),   checked(OutputField::Text),
                            checked(OutputField::Schedule), checked(OutputField::Icon)};
  const auto outcome = AcceptOutputChoices(choices);
  if (!outcome.Accepted()) {
    editors::win32::ShowRefusal(Handle(), outcome.caption, outcome.message,
                                kBoxIds[static_cast<std::size_t>(outcome.focus)]);
    return;
  }
  platform::win32::Win32Prompts prompts(platform::win32::FromHwnd(Handle()));
  const InfoFileServices services{[this] { return AskPath(); }, request_.readMacro, request_.files,
                                  prompts};
  result_ = DoIt(request_.order, *outcome.result, services);
  End(IDOK);
}

}  // namespace quindle::app::win32
