// The capture options as the settings record keeps them (section "Capture") and as the capture
// dialogs and the capture session use them.
#pragma once

#include "app/settings.h"
#include "capture/capture_types.h"

namespace quindle::app {

capture::CaptureOptions CaptureOptionsOf(const Settings& settings);
// Stores every capture option into `settings`; the caller then saves the settings.
void StoreCaptureOptions(const capture::CaptureOptions& options, Settings& settings);

}  // namespace quindle::app
