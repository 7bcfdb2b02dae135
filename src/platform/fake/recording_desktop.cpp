// The fake desktop: windows in z-order, processes, the shell, in-memory files, the clipboard and
// sounds.
#include <algorithm>
#include <charconv>

#include "platform/fake/recording_platform.h"

namespace quindle::platform::fake {
namespace {

std::string Number(std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

WindowHandle RecordingPlatform::AddWindow(std::string title, std::uint32_t processId, Rect rect,
                                          bool iconic) {
  FakeWindow window;
  window.handle = nextHandle_++;
  window.title = std::move(title);
  window.processId = processId;
  window.rect = rect;
  window.iconic = iconic;
  // Children sit after the top-level windows, so a new top-level window goes before them.
  const auto firstChild = std::find_if(windows_.begin(), windows_.end(),
                                       [](const FakeWindow& w) { return w.parent != 0; });
  windows_.insert(firstChild, window);
  return window.handle;
}

WindowHandle RecordingPlatform::AddChildWindow(WindowHandle parent, std::string title) {
  FakeWindow window;
  window.handle = nextHandle_++;
  window.title = std::move(title);
  window.parent = parent;
  if (const FakeWindow* owner = FindWindowRecord(parent)) window.processId = owner->processId;
  windows_.push_back(window);
  return window.handle;
}

void RecordingPlatform::SetForeground(WindowHandle window) {
  foreground_ = window;
}

const FakeWindow* RecordingPlatform::FindWindowRecord(WindowHandle window) const {
  for (const FakeWindow& w : windows_) {
    if (w.handle == window) return &w;
  }
  return nullptr;
}

FakeWindow* RecordingPlatform::Find(WindowHandle window) {
  for (FakeWindow& w : windows_) {
    if (w.handle == window) return &w;
  }
  return nullptr;
}

std::string RecordingPlatform::WindowName(WindowHandle window) const {
  if (const FakeWindow* w = FindWindowRecord(window)) return w->title;
  std::string name(1, '#');
  name += Number(window);
  return name;
}

void RecordingPlatform::BringToTop(WindowHandle window) {
  const auto it = std::find_if(windows_.begin(), windows_.end(), [window](const FakeWindow& w) {
    return w.handle == window && w.parent == 0;
  });
  if (it != windows_.end()) std::rotate(windows_.begin(), it, it + 1);
}

void RecordingPlatform::AddProcess(std::uint32_t id, std::string exeName) {
  processes_.push_back({id, std::move(exeName)});
}

// ---- IWindows ----

WindowHandle RecordingPlatform::FindByExactTitle(std::string_view title) {
  calls_.emplace_back("FindByExactTitle ").append(title);
  for (const FakeWindow& w : windows_) {
    if (w.parent == 0 && w.title == title) return w.handle;
  }
  return 0;
}

std::vector<WindowHandle> RecordingPlatform::TopLevelWindows() {
  std::vector<WindowHandle> handles;
  for (const FakeWindow& w : windows_) {
    if (w.parent == 0) handles.push_back(w.handle);
  }
  return handles;
}

std::string RecordingPlatform::Title(WindowHandle window) {
  const FakeWindow* w = FindWindowRecord(window);
  if (w == nullptr) return {};
  return w->title.substr(0, kWindowTitleMax);
}

WindowHandle RecordingPlatform::Parent(WindowHandle window) {
  const FakeWindow* w = FindWindowRecord(window);
  return w == nullptr ? 0 : w->parent;
}

std::uint32_t RecordingPlatform::ProcessOf(WindowHandle window) {
  const FakeWindow* w = FindWindowRecord(window);
  return w == nullptr ? 0 : w->processId;
}

bool RecordingPlatform::IsIconic(WindowHandle window) {
  const FakeWindow* w = FindWindowRecord(window);
  return w != nullptr && w->iconic;
}

Rect RecordingPlatform::WindowRect(WindowHandle window) {
  const FakeWindow* w = FindWindowRecord(window);
  return w == nullptr ? Rect{} : w->rect;
}

void RecordingPlatform::ShowWindow(WindowHandle window, int command) {
  const std::string name = WindowName(window);
  FakeWindow* w = Find(window);
  switch (command) {
    case kSwHide:
      AddLine("window", {"hide", name});
      if (w != nullptr) w->visible = false;
      break;
    case kSwShow:
      AddLine("window", {"show", name});
      if (w != nullptr) w->visible = true;
      break;
    case kSwRestore:
      AddLine("window", {"restore", name});
      if (w != nullptr) w->iconic = false;
      break;
    case kSwShowNormal:
      AddLine("window", {"shownormal", name});
      if (w != nullptr) w->iconic = false;
      break;
    default:
      AddLine("window", {"showcmd", name, Number(command)});
  }
}

void RecordingPlatform::SetWindowPos(WindowHandle window, int x, int y, int width, int height,
                                     std::uint32_t flags) {
  const std::string name = WindowName(window);
  FakeWindow* w = Find(window);
  const bool move = (flags & kSwpNoMove) == 0;
  const bool size = (flags & kSwpNoSize) == 0;
  if (move && size) {
    AddLine("window", {"setpos", name, Number(x), Number(y), Number(width), Number(height)});
  } else if (size) {
    AddLine("window", {"size", name, Number(width), Number(height)});
  } else if (move) {
    AddLine("window", {"move", name, Number(x), Number(y)});
  }
  if (w == nullptr) return;
  if (move) {
    const int oldWidth = w->rect.right - w->rect.left;
    const int oldHeight = w->rect.bottom - w->rect.top;
    w->rect = {x, y, x + oldWidth, y + oldHeight};
  }
  if (size) {
    w->rect.right = w->rect.left + width;
    w->rect.bottom = w->rect.top + height;
  }
}

void RecordingPlatform::PostMessage(WindowHandle window, std::uint32_t message,
                                    std::uintptr_t wParam, std::intptr_t lParam) {
  const std::string name = WindowName(window);
  if (message == kWmQuit) {
    AddLine("window", {"quit", name});
    std::erase_if(windows_, [window](const FakeWindow& w) { return w.handle == window; });
    if (foreground_ == window) foreground_ = 0;
    return;
  }
  AddLine("window", {"post", name, Number(message), Number(static_cast<std::int64_t>(wParam)),
                     Number(lParam)});
}

void RecordingPlatform::SendMessage(WindowHandle window, std::uint32_t message,
                                    std::uintptr_t wParam, std::intptr_t lParam) {
  const std::string name = WindowName(window);
  FakeWindow* w = Find(window);
  if (message == kWmSysCommand) {
    switch (wParam) {
      case kScMaximize:
        AddLine("window", {"maximize", name});
        if (w != nullptr) w->iconic = false;
        return;
      case kScMinimize:
        AddLine("window", {"minimize", name});
        if (w != nullptr) w->iconic = true;
        return;
      case kScRestore:
        AddLine("window", {"sysrestore", name});
        if (w != nullptr) w->iconic = false;
        return;
      case kScClose:
        AddLine("window", {"close", name});
        std::erase_if(windows_, [window](const FakeWindow& fw) { return fw.handle == window; });
        if (foreground_ == window) foreground_ = 0;
        return;
      default:
        break;
    }
  }
  AddLine("window", {"send", name, Number(message), Number(static_cast<std::int64_t>(wParam)),
                     Number(lParam)});
}

void RecordingPlatform::ForceForeground(WindowHandle window) {
  AddLine("activate", {WindowName(window)});
  foreground_ = window;
  BringToTop(window);
}

void RecordingPlatform::SetForegroundWindow(WindowHandle window) {
  calls_.emplace_back("SetForegroundWindow ").append(WindowName(window));
  foreground_ = window;
  BringToTop(window);
}

void RecordingPlatform::SetActiveWindow(WindowHandle window) {
  calls_.emplace_back("SetActiveWindow ").append(WindowName(window));
}

void RecordingPlatform::SetFocus(WindowHandle window) {
  calls_.emplace_back("SetFocus ").append(WindowName(window));
}

// ---- IProcesses and IShell ----

std::string RecordingPlatform::ExeName(std::uint32_t processId) {
  for (const ProcessEntry& p : processes_) {
    if (p.id == processId) return p.exeName;
  }
  return {};
}

void RecordingPlatform::Execute(std::string_view verb, std::string_view file,
                                std::string_view parameters, int /*showCommand*/) {
  if (verb == "open") {
    AddLine("launch", {file, parameters});
  } else if (verb.empty()) {
    AddLine("web", {file});
  } else {
    AddLine("shell", {verb, file, parameters});
  }
  if (onExecute_) onExecute_(verb, file);
}

// ---- IFileOps: paths are plain keys of the in-memory file map ----

void RecordingPlatform::SetFile(std::string path, std::string content) {
  files_.SetFile(path, content);
}

bool RecordingPlatform::HasFile(std::string_view path) const {
  return files_.Content(path).has_value();
}

std::optional<std::string> RecordingPlatform::FileContent(std::string_view path) const {
  return files_.Content(path);
}

bool RecordingPlatform::ChangeDirectory(std::string_view path) {
  AddLine("chdir", {path});
  currentDirectory_ = std::string(path);
  return true;
}

bool RecordingPlatform::DeleteFile(std::string_view path) {
  AddLine("file", {"delete", path});
  return files_.RemoveFile(path);
}

bool RecordingPlatform::CopyFile(std::string_view source, std::string_view target) {
  AddLine("file", {"copy", source, target});
  const std::optional<std::string> content = files_.Content(source);
  if (!content) return false;
  files_.SetFile(target, *content);
  return true;
}

bool RecordingPlatform::MoveFile(std::string_view from, std::string_view to) {
  AddLine("file", {"move", from, to});
  // Unlike ReplaceFile, a move never replaces an existing file.
  if (files_.Exists(to)) return false;
  return files_.ReplaceFile(from, to);
}

std::optional<std::string> RecordingPlatform::ReadFile(std::string_view path, std::size_t limit) {
  calls_.emplace_back("ReadFile ").append(path);
  return ReadWholeFile(files_, path, limit);
}

// ---- IClipboard and ISound ----

bool RecordingPlatform::SetText(std::string_view text) {
  AddLine("clipboard", {text});
  clipboard_ = std::string(text);
  return true;
}

void RecordingPlatform::PlayWave(std::string_view file, bool wait) {
  AddLine("sound", {"wave", file, wait ? "wait" : "nowait"});
}

void RecordingPlatform::Beep() {
  AddLine("sound", {"beep"});
}

}  // namespace quindle::platform::fake
