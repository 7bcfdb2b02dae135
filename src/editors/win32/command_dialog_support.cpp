#include "editors/win32/command_dialog_support.h"

#include <optional>
#include <string>

#include "platform/win32/common_dialogs.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/controls/field_focus.h"
#include "platform/win32/prompts.h"
#include "platform/win32/window_handle.h"

namespace quindle::editors::win32 {

int CheckedKind(HWND dialog, int first, int last) {
  const int checked = platform::win32::RadioGroup(dialog, first, last).Checked();
  return checked == 0 ? 0 : checked - first + 1;
}

void CheckKind(HWND dialog, int first, int last, int kind) {
  if (kind < 1 || kind > last - first + 1) {
    for (int id = first; id <= last; ++id) CheckDlgButton(dialog, id, BST_UNCHECKED);
    return;
  }
  platform::win32::RadioGroup(dialog, first, last).Check(first + kind - 1);
}

void LimitField(HWND dialog, int id, std::size_t limit) {
  platform::win32::EditField(dialog, id).SetLimit(limit);
}

void ShowRefusal(HWND dialog, std::string_view caption, std::string_view message, int focusId) {
  if (!message.empty()) {
    platform::win32::Win32Prompts(platform::win32::FromHwnd(dialog))
        .ShowMessage(caption.empty() ? kErrorCaption : caption, message);
  }
  platform::win32::FocusFieldInError(dialog, focusId);
}

bool AskQuestion(HWND dialog, std::string_view caption, std::string_view question) {
  return platform::win32::Win32Prompts(platform::win32::FromHwnd(dialog))
      .AskYesNo(caption.empty() ? kErrorCaption : caption, question);
}

void BrowseInto(HWND dialog, int fieldId, const BrowseFilter& filter) {
  platform::win32::EditField field(dialog, fieldId);
  const std::string current = Trimmed(field.Text());
  platform::win32::FileDialogOptions options;
  options.title = filter.title;
  options.filter = filter.filter;
  options.defaultExt = filter.extension;
  options.initialFile = current;
  unsigned long error = 0;
  const std::optional<std::string> chosen = platform::win32::AskOpenFile(dialog, options, error);
  if (chosen) {
    field.SetText(*chosen);
  } else if (error != 0) {
    platform::win32::Win32Prompts(platform::win32::FromHwnd(dialog))
        .ShowMessage("System Error",
                     "The file dialog could not be opened (error " + std::to_string(error) + ").");
  }
  platform::win32::FocusFieldInError(dialog, fieldId);
}

}  // namespace quindle::editors::win32
