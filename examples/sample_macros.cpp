#include "sample_macros.h"

#include <initializer_list>
#include <string_view>

#include "hooklib/hotkey_number.h"
#include "platform/date_time.h"

namespace quindle::examples {
namespace {

using hooklib::EncodeHotkey;
using storage::MacroRecord;

// A fixed stamp (5 March 1998, 14:30) so the file is the same on every run.
double SampleStamp() {
  platform::CivilDateTime t;
  t.year = 1998;
  t.month = 3;
  t.day = 5;
  t.hour = 14;
  t.minute = 30;
  return platform::ToDateTime(t);
}

MacroRecord Macro(std::string_view name, std::int16_t scope, std::string_view scopeText, int hotkey,
                  std::string_view text) {
  MacroRecord r =
      storage::NewMacro(name, scope, scopeText, static_cast<std::uint16_t>(hotkey), text);
  r.LastModified = SampleStamp();
  return r;
}

int Ctrl(int vk) {
  return EncodeHotkey(vk, true, false, false, false);
}
int CtrlAlt(int vk) {
  return EncodeHotkey(vk, true, true, false, false);
}
int CtrlShift(int vk) {
  return EncodeHotkey(vk, true, false, true, false);
}
int CtrlAltShift(int vk) {
  return EncodeHotkey(vk, true, true, true, false);
}
int Plain(int vk) {
  return EncodeHotkey(vk, false, false, false, false);
}

}  // namespace

std::vector<MacroRecord> SampleMacros() {
  std::vector<MacroRecord> macros;
  // The four system macros, as a freshly created file holds them.
  const std::string_view systemNames[] = {"Activate Quindle", "Start / Stop Capture",
                                          "Resume Pause", "Menu of Macros for Top Most Window"};
  for (int i = 0; i < 4; ++i) {
    const char tag[] = {static_cast<char>('1' + i), '\0'};
    MacroRecord r = Macro(systemNames[i], storage::ScopeSystem, tag, 262 + i, "");
    r.IconName.Assign("");
    macros.push_back(r);
  }

  macros.push_back(Macro("Letter closing", storage::ScopeGlobal, "", CtrlAltShift('T'),
                         "Kind regards,\r\n\r\nPat Morgan\r\nSales Office"));
  macros.push_back(
      Macro("Today's date", storage::ScopeGlobal, "", CtrlShift('D'), "Date: <MM/DD/YYYY{Y}>"));
  macros.push_back(Macro("Time stamp", storage::ScopeGlobal, "", CtrlShift('T'),
                         "<DD Mmm YYYY{N}> at <hh:mm am{N}>"));
  macros.push_back(Macro("Address block", storage::ScopeGlobal, "", storage::kActivationTyplet,
                         "12 Harbour Road<ENTER>Springfield<TAB>IL<TAB>62704"));
  macros.back().TypletName.Assign("addr");
  macros.push_back(
      Macro("Select all and copy", storage::ScopeWindow, "TESTPAD", Ctrl('Q'), "<CTRL>a<CLIPC>"));
  macros.back().TopMostOnly = true;
  macros.push_back(Macro("Numbered lines", storage::ScopeProgram, "TESTPAD.EXE", CtrlAlt('N'),
                         "<REPEAT:0003>Line <II><ENTER><ENDREP>"));
  macros.push_back(Macro("Open the test pad", storage::ScopeGlobal, "", Plain(120),  // F9
                         "<ACTIVATE:Untitled - TESTPAD><DELAY:00.50><MMS:00100,00200><LCLK>"
                         "Hello from the sample file.<SHIFT><HOME>"));
  macros.push_back(Macro("Paste greeting", storage::ScopeGlobal, "", CtrlAlt('G'),
                         "<BEGCLIP>Good morning, everyone!<ENDCLIP><CLIPP>"));
  macros.push_back(Macro("Caf\xE9 order", storage::ScopeWindow, "Order Entry",
                         EncodeHotkey(97, true, false, false, false),  // Ctrl+Keypad 1
                         "One caf<ALT4:0233> au lait<TAB>2.50<ENTER>"));
  macros.push_back(
      Macro("Old signature", storage::ScopeGlobal, "", CtrlAltShift('S'), "-- \r\nP. Morgan"));
  macros.back().Enabled = false;

  MacroRecord daily = Macro("Morning reminder", storage::ScopeGlobal, "", storage::kActivationTimed,
                            "Stand-up meeting in 5 minutes!<BEEP>");
  daily.ScheduleKind = 3;
  for (int day = 0; day < 5; ++day) daily.ScheduleDays[day] = true;  // Monday to Friday
  daily.ScheduleHour = 9;
  daily.ScheduleMinute = 25;
  macros.push_back(daily);

  MacroRecord every = Macro("Save every 15 minutes", storage::ScopeProgram, "TESTPAD.EXE",
                            storage::kActivationTimed, "<CTRL>s");
  every.ScheduleKind = 6;
  every.IntervalMinutes = 15;
  macros.push_back(every);

  MacroRecord menu = Macro("Writing menu", storage::ScopePopupMenu, "", CtrlAlt('M'), "");
  menu.TypletName.Assign("N31");  // no tray icon, nickname and scope, 24-pixel icons
  menu.IconName.Assign("MENU");
  const std::uint16_t members[] = {5, 6, 7, 12};
  menu.SetMembers(members);
  macros.push_back(menu);
  return macros;
}

}  // namespace quindle::examples
