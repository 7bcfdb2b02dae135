// Enabling groups of controls, and putting the user back on the field a model found in error.
#pragma once

#include "platform/win32/win32_api.h"

#include <initializer_list>

namespace quindle::platform::win32 {

// Enables or disables every control in `ids`; false when one of them is missing (the others are
// still set).
bool EnableControls(HWND dialog, std::initializer_list<int> ids, bool enabled);

// Focuses control `id` of `dialog` the dialog manager's way (WM_NEXTDLGCTL, which also moves the
// default button's highlight) and selects an edit field's whole text, so that what the user
// types replaces the wrong entry. False when the dialog has no such control.
bool FocusFieldInError(HWND dialog, int id);

}  // namespace quindle::platform::win32
