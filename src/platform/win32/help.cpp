#include "platform/win32/help.h"

#include <string>

#include "platform/help_topic_page.h"
#include "platform/win32/handles.h"
#include "platform/win32/proc_address.h"

namespace quindle::platform::win32 {
namespace {

constexpr UINT kHhDisplayTopic = 0x0000;  // HH_DISPLAY_TOPIC of <htmlhelp.h>
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return ".";
  std::string folder(path, length);
  const std::size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? "." : folder.substr(0, slash);
}

void SayNoHelp(HWND owner, const std::string& why) {
  MessageBoxA(owner, why.c_str(), "Help", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void ShowHelpTopic(HWND owner, std::string_view topic) {
  // The viewer stays loaded while the program runs: its windows live in this process and close
  // with it.
  static ModuleHandle viewer(LoadLibraryA("hhctrl.ocx"));
  if (!viewer) {
    SayNoHelp(owner, "The help viewer (hhctrl.ocx) is not installed, so help cannot be shown.");
    return;
  }
  const auto htmlHelp = LookupFunction<HtmlHelpFunction>(viewer.Get(), "HtmlHelpA");
  if (htmlHelp == nullptr) {
    SayNoHelp(owner, "The help viewer (hhctrl.ocx) has no HtmlHelpA, so help cannot be shown.");
    return;
  }
  const std::string file = ProgramFolder() + "\\" + std::string(kHelpFileName);
  const std::string url = HelpTopicUrl(file, topic);
  if (htmlHelp(owner, url.c_str(), kHhDisplayTopic, 0) == nullptr)
    SayNoHelp(owner, "The help topic \"" + std::string(topic) + "\" could not be opened from " +
                         file + ".");
}

}  // namespace quindle::platform::win32
