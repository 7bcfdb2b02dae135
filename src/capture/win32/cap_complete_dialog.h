// TCapComplete: the "Capture Complete" dialog shown after a quick capture, which gives the new
// macro its activation (a hotkey picked by pressing it or from the key list, or a Typlet name),
// its nickname and its scope. While the hotkey field has the focus the hook library is in
// definition mode and reports each complete combination to the dialog (WM_HOTKEY_DEFINED).
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>
#include <string>
#include <vector>

#include "activation/win32/hotkey_picker.h"
#include "capture/cap_complete.h"
#include "capture/capture_types.h"
#include "platform/desktop.h"
#include "platform/win32/dialog_base.h"
#include "storage/table_lock.h"

namespace quindle::capture::win32 {

class TCapComplete final : public platform::win32::DialogBase {
 public:
  // `request.table`, when set, is read once in Run for the key list; without it the table is
  // taken through `lock`, which also switches definition mode.
  // `windows` brings the dialog to the front: the capture ends while another program is in
  // front, and the user must see that the macro waits for its activation.
  TCapComplete(storage::TableLock& lock, const CapCompleteRequest& request,
               platform::IWindows& windows);

  // Runs the dialog modally over `owner`: the activation, nickname and scope after "&Ok";
  // nothing when it was closed otherwise (Esc, the close button) or could not be shown.
  std::optional<CapCompleteResult> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnShow(bool visible) override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void OnDestroy() override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void FillKeyList();
  // HotKeysClick / TypletsClick: only the chosen kind's controls, the dialog shrunk for Typlets.
  void ShowKind(bool typlet);
  void ShiftItem(int id, int dy);
  void Complain(std::string_view title, std::string_view text, CapCompleteField focus);
  CapCompleteForm ReadForm() const;

  storage::TableLock& lock_;
  CapCompleteRequest request_;
  platform::IWindows& windows_;
  bool broughtToFront_ = false;
  KeyUse use_;
  bool typletShown_ = false;
  int shrinkBy_ = 0;   // pixels the Typlet layout is shorter by
  int useColumn_ = 0;  // x of the key list's second column, in pixels
  activation::win32::HotkeyPicker picker_;
  std::optional<CapCompleteResult> result_;
};

}  // namespace quindle::capture::win32
