#include "capture/win32/capture_option_controls.h"

#include <array>

#include "capture/capture_forms.h"
#include "capture/win32/capture_dialogs_res.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/field_focus.h"

namespace quindle::capture::win32 {
namespace {

using platform::win32::CheckBox;
using platform::win32::RadioGroup;

// The speed buttons in the order of their numbers 1..4.
constexpr std::array<int, 4> kSpeedIds{IDC_CAP_SPEED_ACTUAL, IDC_CAP_SPEED_HALF,
                                       IDC_CAP_SPEED_DOUBLE, IDC_CAP_SPEED_QUADRUPLE};

bool Checked(HWND dialog, int id) {
  return CheckBox(dialog, id).IsChecked();
}

}  // namespace

void ShowCaptureOptions(HWND dialog, const CaptureOptions& options) {
  CheckBox(dialog, IDC_CAP_KEYS).SetChecked(options.keys);
  CheckBox(dialog, IDC_CAP_DOUBLE_ALT).SetChecked(options.doubleAlt);
  CheckBox(dialog, IDC_CAP_MOUSE).SetChecked(options.mouse);
  RadioGroup(dialog, IDC_CAP_SCREEN, IDC_CAP_WINDOW)
      .Check(options.screenRelative ? IDC_CAP_SCREEN : IDC_CAP_WINDOW);
  CheckBox(dialog, IDC_CAP_WINDOW_SIZE).SetChecked(options.windowSize);
  CheckBox(dialog, IDC_CAP_TIMING).SetChecked(options.timing);
  RadioGroup(dialog, kSpeedIds.front(), kSpeedIds.back())
      .Check(kSpeedIds[static_cast<std::size_t>(KnownSpeed(options.speed) - kSpeedActual)]);
  ApplyCaptureEnablement(dialog);
}

CaptureOptions ReadCaptureOptions(HWND dialog, CaptureOptions base) {
  base.keys = Checked(dialog, IDC_CAP_KEYS);
  base.doubleAlt = Checked(dialog, IDC_CAP_DOUBLE_ALT);
  base.mouse = Checked(dialog, IDC_CAP_MOUSE);
  base.screenRelative = Checked(dialog, IDC_CAP_SCREEN);
  base.windowSize = Checked(dialog, IDC_CAP_WINDOW_SIZE);
  base.timing = Checked(dialog, IDC_CAP_TIMING);
  const int speedId = RadioGroup(dialog, kSpeedIds.front(), kSpeedIds.back()).Checked();
  base.speed = speedId == 0 ? kSpeedActual : speedId - kSpeedIds.front() + kSpeedActual;
  return base;
}

void ApplyCaptureEnablement(HWND dialog) {
  const CaptureEnablement enablement = EnablementOf(ReadCaptureOptions(dialog, {}));
  using platform::win32::EnableControls;
  EnableControls(dialog, {IDC_CAP_DOUBLE_ALT}, enablement.doubleAlt);
  EnableControls(dialog, {IDC_CAP_SCREEN, IDC_CAP_WINDOW}, enablement.screenOrWindow);
  EnableControls(dialog, {IDC_CAP_WINDOW_SIZE}, enablement.windowSize);
  EnableControls(
      dialog,
      {IDC_CAP_SPEED_ACTUAL, IDC_CAP_SPEED_HALF, IDC_CAP_SPEED_DOUBLE, IDC_CAP_SPEED_QUADRUPLE},
      enablement.speeds);
}

bool IsCaptureMasterOption(int id) noexcept {
  return id == IDC_CAP_KEYS || id == IDC_CAP_MOUSE || id == IDC_CAP_SCREEN ||
         id == IDC_CAP_WINDOW || id == IDC_CAP_TIMING;
}

void ShowScope(HWND dialog, int globalId, int programId, ScopeChoice scope) {
  RadioGroup(dialog, globalId, programId)
      .Check(scope == ScopeChoice::Program ? programId : globalId);
}

ScopeChoice ReadScope(HWND dialog, int programId) {
  return CheckBox(dialog, programId).IsChecked() ? ScopeChoice::Program : ScopeChoice::Global;
}

}  // namespace quindle::capture::win32
