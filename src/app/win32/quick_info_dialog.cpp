#include "app/win32/quick_info_dialog.h"

#include "app/win32/list_operations_res.h"
#include "platform/win32/resource_ranges.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kListOperationDialogIds;
static_assert(InRange(kListOperationDialogIds, IDD_QUICK_INFO) &&
              InRange(kListOperationDialogIds, IDC_QI_TEXT));

constexpr int kProgramIconId = 1;  // IDI_PROGRAM of the program's resources

// The multi-line field breaks lines only at CR LF.
std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

bool TQuickInfo::Run(HWND owner) {
  return RunModal(owner, IDD_QUICK_INFO).has_value();
}

bool TQuickInfo::OnInit() {
  SetCaption(kQuickInfoCaption);
  ShowIcon();
  SetItemText(IDC_QI_ACTIVATION_LABEL, info_.activationLabel);
  SetItemText(IDC_QI_ACTIVATION, info_.activation);
  SetItemText(IDC_QI_NICKNAME, info_.nickname);
  SetItemText(IDC_QI_SCOPE, info_.scope);
  SetItemText(IDC_QI_ACTIVE, info_.active);
  SetItemText(IDC_QI_MODIFIED, info_.lastModified);
  SetItemText(IDC_QI_TEXT, WithCrLf(info_.text));
  ShowItem(IDC_QI_TEXT_LABEL, info_.showText);
  ShowItem(IDC_QI_TEXT, info_.showText);
  FocusItem(IDOK);
  return false;
}

void TQuickInfo::ShowIcon() {
  HICON icon = nullptr;
  if (info_.iconName != "MAIN" && info_.iconName != "MENU" && !info_.iconName.empty()) {
    const std::string path = programDir_ + "\\Icons\\" + info_.iconName;
    icon_.Reset(
        static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE)));
    icon = icon_.Get();
  }
  // A missing icon file reads as the program's own icon.
  if (icon == nullptr)
    icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramIconId));
  if (icon == nullptr) icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  if (icon != nullptr) SendItem(IDC_QI_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

}  // namespace quindle::app::win32
