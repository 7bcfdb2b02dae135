#include "app/win32/font_settings.h"

#include "platform/win32/handles.h"
#include "platform/win32/prompts.h"
#include "platform/win32/window_handle.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace quindle::app::win32 {

COLORREF ColourOf(std::int32_t setting) {
  if (setting < 0) return GetSysColor(static_cast<int>(static_cast<std::uint32_t>(setting) & 0xFF));
  return static_cast<COLORREF>(setting);
}

platform::win32::FontChoice FontChoiceOf(const FontSetting& font, int pixelsPerInch) {
  platform::win32::FontChoice choice;
  LOGFONTA& f = choice.font;
  f.lfHeight = -MulDiv(font.size, pixelsPerInch, 72);
  f.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  f.lfItalic = font.italic ? TRUE : FALSE;
  f.lfUnderline = font.underline ? TRUE : FALSE;
  f.lfStrikeOut = font.strikeout ? TRUE : FALSE;
  f.lfCharSet = DEFAULT_CHARSET;
  const std::size_t n = std::min(font.name.size(), sizeof(f.lfFaceName) - 1);
  std::memcpy(f.lfFaceName, font.name.data(), n);
  f.lfFaceName[n] = '\0';
  choice.colour = ColourOf(font.color);
  return choice;
}

FontSetting FontSettingOf(const platform::win32::FontChoice& choice, int pixelsPerInch) {
  const LOGFONTA& f = choice.font;
  FontSetting font;
  font.name = f.lfFaceName;
  const int height = f.lfHeight < 0 ? -f.lfHeight : f.lfHeight;
  font.size = std::max(1, MulDiv(height, 72, pixelsPerInch > 0 ? pixelsPerInch : 96));
  font.bold = f.lfWeight >= FW_BOLD;
  font.italic = f.lfItalic != FALSE;
  font.underline = f.lfUnderline != FALSE;
  font.strikeout = f.lfStrikeOut != FALSE;
  font.color = static_cast<std::int32_t>(choice.colour & 0xFFFFFF);
  return font;
}

int ScreenPixelsPerInch() {
  // The desktop window's DC has the screen's resolution.
  const platform::win32::WindowDc screen(GetDesktopWindow());
  if (!screen) return 96;
  const int ppi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return ppi > 0 ? ppi : 96;
}

std::optional<FontSetting> AskFontSetting(HWND owner, const FontSetting& font) {
  const int ppi = ScreenPixelsPerInch();
  unsigned long error = 0;
  const std::optional<platform::win32::FontChoice> chosen =
      platform::win32::AskFont(owner, FontChoiceOf(font, ppi), error);
  if (!chosen) {
    if (error != 0) {
      platform::win32::Win32Prompts(platform::win32::FromHwnd(owner))
          .ShowMessage("System Error", "The font dialog could not be opened (error " +
                                           std::to_string(error) + ").");
    }
    return std::nullopt;
  }
  FontSetting result = FontSettingOf(*chosen, ppi);
  if (font.color < 0 && chosen->colour == ColourOf(font.color)) result.color = font.color;
  return result;
}

}  // namespace quindle::app::win32
