#include "editors/win32/timer_interval_dialog.h"

#include <string>

#include "editors/timing_dialog_models.h"
#include "editors/win32/command_dialog_support.h"
#include "editors/win32/command_dialogs_b_res.h"

namespace quindle::editors::win32 {

static_assert(InFamilyRange(IDD_TIMER_INTERVAL) && InFamilyRange(IDC_TI_TRAILER));

std::optional<int> TDoTimerInterval::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_TIMER_INTERVAL)) return std::nullopt;
  return result_;
}

bool TDoTimerInterval::OnInit() {
  const DelayModeTexts texts = TextsOfDelayMode(DelayMode::TimerSeconds);
  SetCaption(texts.caption);
  SetItemText(IDC_TI_LABEL, texts.label);
  SetItemText(IDC_TI_TRAILER, texts.trailer);
  LimitField(Handle(), IDC_TI_VALUE, texts.limit);
  SetItemText(IDC_TI_VALUE, std::to_string(seconds_));
  FocusItem(IDC_TI_VALUE);
  return false;
}

void TDoTimerInterval::OnOK() {
  DialogOutcome<DelayField, int> outcome = AcceptTimerSeconds(ItemText(IDC_TI_VALUE));
  if (!outcome.Accepted()) {
    ShowRefusal(Handle(), outcome.caption, outcome.message, IDC_TI_VALUE);
    return;
  }
  result_ = *outcome.result;
  End(IDOK);
}

}  // namespace quindle::editors::win32
