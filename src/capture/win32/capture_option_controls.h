// The capture options as "Capture Defaults" and "Capture Macro" show them: the same controls
// under the same numbers in both templates (capture_dialogs_res.h).
#pragma once

#include "platform/win32/win32_api.h"

#include "capture/capture_types.h"

namespace quindle::capture::win32 {

// Ticks the options keys..speed and sets the controls that depend on them.
void ShowCaptureOptions(HWND dialog, const CaptureOptions& options);
// `base` with keys..speed as ticked now.
CaptureOptions ReadCaptureOptions(HWND dialog, CaptureOptions base);
// Enables each dependent option as its masters are ticked now (capture/capture_forms.h).
void ApplyCaptureEnablement(HWND dialog);
// True for the controls whose click changes what is enabled.
bool IsCaptureMasterOption(int id) noexcept;

// "&Global" / "&Program" of either dialog.
void ShowScope(HWND dialog, int globalId, int programId, ScopeChoice scope);
ScopeChoice ReadScope(HWND dialog, int programId);

}  // namespace quindle::capture::win32
