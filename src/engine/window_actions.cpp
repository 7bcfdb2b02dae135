#include "engine/window_actions.h"

#include <algorithm>

#include "platform/text.h"
#include "storage/macro_tags.h"

namespace quindle::engine {
namespace {

constexpr std::string_view kCurrentWindow = storage::tags::kCurrentWindow;
constexpr char kEndOfFileMark = 26;
constexpr double kClipboardSettleSeconds = 0.05;

// Window searches compare the first kSearchTextMax characters, upper-cased.
std::string UpperSearchText(std::string_view text) {
  return platform::UpperAToZ(text.substr(0, kSearchTextMax));
}

// Handles are accepted only when positive as signed 32-bit numbers.
bool Valid(platform::WindowHandle window) {
  return static_cast<std::int32_t>(window) > 0;
}

}  // namespace

std::optional<std::string> ReadMacroTextFile(platform::IFileOps& files, std::string_view path) {
  std::optional<std::string> content = files.ReadFile(path, kTextFileLimit);
  if (content && !content->empty() && content->back() == kEndOfFileMark) content->pop_back();
  return content;
}

WindowActions::WindowActions(const PlayerServices& services, PlaybackState& state,
                             PlaybackWaits& waits)
    : services_(services), state_(state), waits_(waits) {}

platform::WindowHandle WindowActions::GetWinHandle(std::string_view title) {
  title = title.substr(0, kSearchTextMax);
  const platform::WindowHandle exact = services_.windows.FindByExactTitle(title);
  if (Valid(exact)) return exact;
  const std::string wanted = UpperSearchText(title);
  for (const platform::WindowHandle window : services_.windows.TopLevelWindows()) {
    const std::string windowTitle = services_.windows.Title(window);
    if (windowTitle.empty()) continue;
    if (UpperSearchText(windowTitle).find(wanted) != std::string::npos) {
      return Valid(window) ? window : 0;
    }
  }
  return 0;
}

void WindowActions::Bring(platform::WindowHandle window) {
  if (services_.windows.IsIconic(window)) {
    services_.windows.ShowWindow(window, platform::kSwRestore);
  }
  services_.windows.ForceForeground(window);
  state_.TargetWindow = window;
}

bool WindowActions::ActivateIt(std::string_view title) {
  const platform::WindowHandle window = GetWinHandle(title);
  if (window == 0) return false;
  Bring(window);
  return true;
}

bool WindowActions::ActivateProg(std::string_view program) {
  std::optional<std::uint32_t> processId;
  for (const platform::ProcessEntry& process : services_.processes.List()) {
    if (process.exeName.find(program) != std::string::npos) {
      processId = process.id;
      break;
    }
  }
  if (!processId) return false;
  for (const platform::WindowHandle window : services_.windows.TopLevelWindows()) {
    if (services_.windows.ProcessOf(window) == *processId) {
      if (!Valid(window)) return false;
      Bring(window);
      return true;
    }
  }
  return false;
}

std::string WindowActions::GetTopProgram() {
  const platform::WindowHandle front = services_.windows.Foreground();
  if (front == 0) return {};
  return services_.processes.ExeName(services_.windows.ProcessOf(front));
}

platform::WindowHandle WindowActions::MakeSureItsAParent(platform::WindowHandle window) {
  if (window == 0) return 0;
  const std::vector<platform::WindowHandle> topLevel = services_.windows.TopLevelWindows();
  // A parent chain is finite on a real desktop; the bound guards against a cycle all the same.
  for (std::size_t step = 0; window != 0 && step < 256; ++step) {
    if (std::find(topLevel.begin(), topLevel.end(), window) != topLevel.end()) return window;
    window = services_.windows.Parent(window);
  }
  return 0;
}

void WindowActions::WindowTag(const Tag& tag) {
  if (tag.text.empty()) return;
  const platform::WindowHandle window =
      tag.text == kCurrentWindow ? services_.windows.Foreground() : GetWinHandle(tag.text);
  if (window == 0) return;
  platform::IWindows& windows = services_.windows;
  using namespace platform;
  switch (tag.window) {
    case WindowAction::Shut:
      windows.PostMessage(window, kWmQuit, 0, 0);
      break;
    case WindowAction::Hide:
      windows.ShowWindow(window, kSwHide);
      break;
    case WindowAction::Show:
      windows.ShowWindow(window, kSwShow);
      break;
    case WindowAction::Size:
      windows.SetWindowPos(window, 0, 0, tag.a, tag.b, kSwpNoZOrder | kSwpNoMove);
      break;
    case WindowAction::Pos:
      windows.SetWindowPos(window, tag.a, tag.b, 0, 0, kSwpNoZOrder | kSwpNoSize);
      break;
    case WindowAction::Max:
      windows.SendMessage(window, kWmSysCommand, kScMaximize, 0);
      break;
    case WindowAction::Min:
      windows.SendMessage(window, kWmSysCommand, kScMinimize, 0);
      break;
    case WindowAction::Restore:
      windows.SendMessage(window, kWmSysCommand, kScRestore, 0);
      break;
    case WindowAction::Close:
      windows.SendMessage(window, kWmSysCommand, kScClose, 0);
      break;
  }
}

bool WindowActions::Launch(const Tag& tag) {
  if (tag.kind == TagKind::LaunchYes && ActivateIt(tag.text)) return true;
  services_.shell.Execute("open", tag.text2, tag.text3, platform::kSwShowNormal);
  if (tag.kind == TagKind::Launch) return true;
  state_.LaunchTitle = std::string(tag.text.substr(0, kLaunchTitleMax));
  WallClockTimer timer(services_.clock);
  for (;;) {
    if (ActivateIt(state_.LaunchTitle)) break;
    services_.pump.ProcessMessages();
    const std::int64_t elapsed = timer.ElapsedMs();
    if (elapsed >= kLaunchWaitMs) return false;
    services_.pump.WaitForMessage(
        static_cast<std::uint32_t>(std::min<std::int64_t>(kLaunchPollMs, kLaunchWaitMs - elapsed)));
  }
  waits_.PauseForNoSpeed(tag.a);
  return true;
}

void WindowActions::FileTag(const Tag& tag) {
  platform::IFileOps& files = services_.files;
  // Failures are ignored: a missing file or directory does not stop the macro.
  switch (tag.kind) {
    case TagKind::ChDir:
      files.ChangeDirectory(tag.text);
      break;
    case TagKind::DelFile:
      files.DeleteFile(tag.text);
      break;
    case TagKind::CopyFile:
      files.CopyFile(tag.text, tag.text2);
      break;
    case TagKind::RenFile:
      files.MoveFile(tag.text, tag.text2);
      break;
    default:
      break;
  }
}

void WindowActions::PutOnClipboard(std::string_view text) {
  services_.clipboard.SetText(text);
  waits_.PauseForNoSpeed(kClipboardSettleSeconds);
}

void WindowActions::ClipboardFromFile(std::string_view path) {
  const std::optional<std::string> content = ReadMacroTextFile(services_.files, path);
  if (content) PutOnClipboard(*content);
}

void WindowActions::Wave(std::string_view file, bool wait) {
  services_.sound.PlayWave(file, wait);
}

void WindowActions::Beep() {
  services_.sound.Beep();
}

void WindowActions::Web(std::string_view address) {
  services_.shell.Execute("", address, "", platform::kSwShowNormal);
}

}  // namespace quindle::engine
