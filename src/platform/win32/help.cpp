#include "platform/win32/help.h"

#include <htmlhelp.h>

#include "platform/help_topics.h"
#include "platform/win32/file_ops.h"
#include "platform/win32/prompts.h"
#include "platform/win32/window_handle.h"

namespace quindle::platform::win32 {
namespace {

void ShowError(HWND owner, std::string_view text) {
  Win32Prompts(FromHwnd(owner)).ShowMessage(kHelpErrorTitle, text);
}

}  // namespace

HelpRequest MakeHelpRequest(std::string_view programDir, std::string_view topic) {
  HelpRequest request;
  request.file = PathInFolder(programDir, kHelpFileName);
  const std::optional<std::string_view> page = HelpPage(topic);
  request.known = page.has_value();
  request.page = std::string(page.value_or(kHelpContentsPage));
  request.location = request.file + "::/" + request.page;
  return request;
}

std::string UnknownTopicMessage(std::string_view topic) {
  return "The help topic \"" + std::string(topic) +
         "\" could not be opened.  The contents of the help are shown instead.";
}

std::string HtmlHelpViewer::LibraryPath() const {
  return SystemLibraryPath(library_);
}

std::string HtmlHelpViewer::LoadedFrom() const {
  if (!module_) return {};
  char path[MAX_PATH + 1] = {};
  const DWORD length = ::GetModuleFileNameA(module_.Get(), path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

HtmlHelpViewer::~HtmlHelpViewer() {
  if (htmlHelp_ != nullptr) static_cast<void>(htmlHelp_(nullptr, nullptr, HH_CLOSE_ALL, 0));
}

bool HtmlHelpViewer::Load() {
  if (htmlHelp_ != nullptr) return true;
  if (!module_) module_ = LoadSystemLibrary(library_);
  if (!module_) return false;
  htmlHelp_ = LookupFunction<HtmlHelpFn>(module_.Get(), "HtmlHelpA");
  return htmlHelp_ != nullptr;
}

bool HtmlHelpViewer::Open(HWND owner, const std::string& location) {
  if (!Load()) return false;
  // The viewer's window, or null when it could not show the page.
  return htmlHelp_(owner, location.c_str(), HH_DISPLAY_TOPIC, 0) != nullptr;
}

bool ShowHelpTopic(HWND owner, std::string_view topic, std::string_view programDir,
                   IHelpViewer& viewer, std::string_view missingFile) {
  const std::string_view fileError = missingFile.empty() ? kHelpFileError : missingFile;
  const HelpRequest request = MakeHelpRequest(programDir, topic);
  if (!FileExists(request.file)) {
    ShowError(owner, fileError);
    return false;
  }
  if (!request.known) ShowError(owner, UnknownTopicMessage(topic));
  if (!viewer.Open(owner, request.location)) {
    ShowError(owner, fileError);
    return false;
  }
  return request.known;
}

bool ShowHelpTopic(HWND owner, std::string_view topic, std::string_view missingFile) {
  // One viewer for the program's life: its windows need its library until the program ends.
  static HtmlHelpViewer viewer;
  return ShowHelpTopic(owner, topic, ProgramDirectory(), viewer, missingFile);
}

}  // namespace quindle::platform::win32
