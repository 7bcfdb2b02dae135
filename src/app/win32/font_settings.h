// A font of the settings (name, point size, colour, bold, italic, underline, strike-out) as the
// system's fonts describe it, both ways, for the font dialog and for drawing the list.
#pragma once

#include "platform/win32/win32_api.h"

#include <cstdint>
#include <optional>

#include "app/settings.h"
#include "platform/win32/common_dialogs.h"

namespace quindle::app::win32 {

// The colour to draw with: a negative setting names a system colour (its low byte the
// COLOR_ index), any other is an RGB value.
COLORREF ColourOf(std::int32_t setting);

// `pixelsPerInch`: the screen's vertical LOGPIXELSY.
platform::win32::FontChoice FontChoiceOf(const FontSetting& font, int pixelsPerInch);
FontSetting FontSettingOf(const platform::win32::FontChoice& choice, int pixelsPerInch);

// The screen's LOGPIXELSY; 96 when it cannot be asked.
int ScreenPixelsPerInch();

// The font dialog on `font`: the chosen font (an unchanged system colour stays a system colour,
// which follows the user's scheme), or nothing when it was cancelled or could not be opened (the
// user was told which).
std::optional<FontSetting> AskFontSetting(HWND owner, const FontSetting& font);

}  // namespace quindle::app::win32
