// TESTPAD: the window that end-to-end scenarios type into. One multi-line edit control fills a
// top-level window; everything the control receives is written to a log file, one line per event,
// each line written through at once so a test reading the file from outside sees it immediately.
//
//   TESTPAD.EXE TITLE LOGFILE [LEFT TOP WIDTH HEIGHT]
//
// Ctrl+A selects the whole text, as in any editor. Every line starts with the tick count in
// milliseconds; the rest is one of:
//   create hwnd=H                                          (the window exists, titled)
//   ready hwnd=H edit=H pid=P
//   WM_KEYDOWN|WM_KEYUP|WM_SYSKEYDOWN|WM_SYSKEYUP vk=V scan=S sent=T
//         (sent: the message time, when the key was put into the system's input, on the same
//          clock as the tick count; unlike the line's tick it does not include how long this
//          program took to get to the key)
//   WM_CHAR code=C
//   WM_LBUTTONDOWN|...|WM_MBUTTONDBLCLK x=X y=Y           (client coordinates)
//   WM_MOUSEWHEEL delta=D x=X y=Y                          (client coordinates)
//   rect left=L top=T right=R bottom=B client=X,Y visible=0|1 iconic=0|1 zoomed=0|1
//   activate state=S
//   text id=ID TEXT                                        (TEXT escaped, see Escape)
//   state id=ID fg=0|1 visible=0|1 iconic=0|1 zoomed=0|1 rect=L,T,R,B client=X,Y firstline=N
//         caps=0|1 buttons=0|1 sizemove=0|1 cursor=X,Y overdesktop=0|1 clip=TEXT
//         (buttons: a mouse button is down as this program's input has seen so far;
//          sizemove: the system's move/size loop of the title bar runs; cursor: where the
//          system has the mouse pointer; overdesktop: no window is under it but the desktop)
//   window id=ID found=0|1 hwnd=H style=HEX exstyle=HEX topmost=0|1 visible=0|1 fg=0|1
//         rect=L,T,R,B title=TEXT
//   child id=ID class=NAME visible=0|1 rect=L,T,R,B text=TEXT  (one per child of that window)
//   post id=ID posted=0|1
//   foreground id=ID hwnd=H class=CLASS pid=P active=H focus=H focuspid=P focusclass=CLASS
//              capture=H menuowner=H guiflags=N xwindow=X title=TEXT
//   font id=ID found=0|1 name=NAME                         (an installed font family)
//   tableprogram id=ID capture=0|1 name=NAME|<none>  (from the shared table: whether a capture
//                records, and QUINDL's program in front)
//   keys id=ID async=NAMES thread=NAMES  (the modifier keys down, comma-separated or "none": as
//         the system has them now, and as this thread's messages have delivered them so far)
//   process id=ID found=0|1 pid=P handles=N workingset=B private=B  (the program owning the
//         first top-level window whose title contains ARGUMENT: its open handles and memory)
//   done id=ID
//   show visible=0|1
//   sizemove enter|exit
//   exit
//
// Requests come as a file LOGFILE.req holding "ID COMMAND [ARGUMENT]", polled by a timer, so a
// test never has to put a message into this program's input: COMMAND is text, state,
// window (ARGUMENT: a part of a top-level window's title, case-sensitive), classwindow
// (ARGUMENT: a window class; answered as window), post (ARGUMENT: HWND MESSAGE WPARAM LPARAM,
// decimal), foreground, tableprogram, keys, process (ARGUMENT: a part of a window's title),
// move (ARGUMENT: "X Y", the new top left corner) or font (ARGUMENT: a font family name). The
// request file is deleted once read; every answer ends with its done line. On closing, the text
// is written with id=close.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "process_figures.h"
#include "storage/macro_record.h"

namespace quindle::testpad {
namespace {

constexpr char kClassName[] = "QuindleTestPad";
constexpr UINT_PTR kRequestTimer = 1;
constexpr UINT kRequestPollMs = 40;
constexpr int kEditId = 100;

// Owns the log file handle; lines go straight to the file with no buffering of our own.
class LogFile {
 public:
  LogFile() = default;
  explicit LogFile(HANDLE handle) : handle_(handle) {}
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;
  LogFile(LogFile&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  LogFile& operator=(LogFile&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
    }
    return *this;
  }
  ~LogFile() { Close(); }

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

  // Returns false when the line could not be written whole; the caller has nowhere to report
  // it, but a test that misses the line fails on its own.
  bool Write(const std::string& line) {
    if (!IsOpen()) return false;
    std::string whole = std::to_string(GetTickCount()) + " " + line + "\r\n";
    DWORD written = 0;
    if (!WriteFile(handle_, whole.data(), static_cast<DWORD>(whole.size()), &written, nullptr))
      return false;
    return written == whole.size();
  }

 private:
  void Close() {
    if (IsOpen()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

struct Pad {
  LogFile log;
  std::string requestPath;
  HWND window = nullptr;
  HWND edit = nullptr;
  WNDPROC editProc = nullptr;
  // A press on the title bar runs the move loop until its button comes up; a click of a test
  // that arrives meanwhile would drag the window instead of reaching the edit control.
  bool inSizeMove = false;
};

Pad* gPad = nullptr;

// Printable ASCII as itself; backslash and everything else escaped so a line stays one line.
std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20 || u > 0x7e) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", u);
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

std::string Handle(HWND window) {
  return std::to_string(static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
}

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

// The X window that Wine shows a top-level window in (0 for none, or on Windows itself): Wine
// keeps it in a property of the window, readable from any process. Key presses reach only the
// X window that has the X focus, and Wine drops them when that window is not the one in front,
// so the harness gives the X focus to this window before it types.
std::string XWindowOf(HWND window) {
  if (window == nullptr) return "0";
  HWND top = GetAncestor(window, GA_ROOT);
  const auto xwindow = reinterpret_cast<std::uintptr_t>(
      GetPropA(top != nullptr ? top : window, "__wine_x11_whole_window"));
  return std::to_string(xwindow);
}

std::string WindowTitle(HWND window) {
  char title[512] = {};
  const int length = GetWindowTextA(window, title, static_cast<int>(sizeof title));
  return length > 0 ? std::string(title, static_cast<std::size_t>(length)) : std::string();
}

std::string EditText() {
  const int length = GetWindowTextLengthA(gPad->edit);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  const int got = GetWindowTextA(gPad->edit, buffer.data(), length + 1);
  return got > 0 ? std::string(buffer.data(), static_cast<std::size_t>(got)) : std::string();
}

std::string ClipboardText() {
  if (!OpenClipboard(gPad->window)) return "<unavailable>";
  std::string text = "<none>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
      text = Escape(chars);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// The client area's top-left corner on the screen, so a test can aim the mouse at it.
std::string ClientOrigin() {
  POINT origin{0, 0};
  if (!ClientToScreen(gPad->window, &origin)) return "?,?";
  return std::to_string(origin.x) + "," + std::to_string(origin.y);
}

void LogRect() {
  RECT r{};
  if (!GetWindowRect(gPad->window, &r)) return;
  gPad->log.Write("rect left=" + std::to_string(r.left) + " top=" + std::to_string(r.top) +
                  " right=" + std::to_string(r.right) + " bottom=" + std::to_string(r.bottom) +
                  " client=" + ClientOrigin() +
                  " visible=" + (IsWindowVisible(gPad->window) ? "1" : "0") +
                  " iconic=" + (IsIconic(gPad->window) ? "1" : "0") +
                  " zoomed=" + (IsZoomed(gPad->window) ? "1" : "0"));
}

struct WindowSearch {
  std::string part;
  HWND found = nullptr;
};

BOOL CALLBACK FindByTitlePart(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  if (WindowTitle(window).find(search->part) != std::string::npos) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

struct ChildReport {
  std::string id;
};

BOOL CALLBACK ReportChild(HWND child, LPARAM data) {
  const auto* report = reinterpret_cast<const ChildReport*>(data);
  char className[128] = {};
  if (GetClassNameA(child, className, static_cast<int>(sizeof className)) <= 0) className[0] = 0;
  RECT r{};
  if (!GetWindowRect(child, &r)) r = RECT{};
  gPad->log.Write("child id=" + report->id + " class=" + Escape(className) +
                  " visible=" + (IsWindowVisible(child) ? "1" : "0") + " rect=" + RectText(r) +
                  " text=" + Escape(WindowTitle(child)));
  return TRUE;
}

void ReportWindow(const std::string& id, HWND w) {
  if (w == nullptr) {
    gPad->log.Write("window id=" + id + " found=0");
    return;
  }
  RECT r{};
  if (!GetWindowRect(w, &r)) r = RECT{};
  const LONG_PTR exStyle = GetWindowLongPtrA(w, GWL_EXSTYLE);
  char styles[48];
  std::snprintf(styles, sizeof styles, " style=%08lx exstyle=%08lx",
                static_cast<unsigned long>(GetWindowLongPtrA(w, GWL_STYLE)),
                static_cast<unsigned long>(exStyle));
  gPad->log.Write("window id=" + id + " found=1 hwnd=" + Handle(w) + styles +
                  " topmost=" + ((exStyle & WS_EX_TOPMOST) ? "1" : "0") +
                  " visible=" + (IsWindowVisible(w) ? "1" : "0") +
                  " fg=" + (GetForegroundWindow() == w ? "1" : "0") + " rect=" + RectText(r) +
                  " title=" + Escape(WindowTitle(w)));
  ChildReport report{id};
  EnumChildWindows(w, ReportChild, reinterpret_cast<LPARAM>(&report));
}

void AnswerWindow(const std::string& id, const std::string& part) {
  WindowSearch search{part, nullptr};
  // EnumWindows reports FALSE when the callback stops it early, which is the found case.
  EnumWindows(FindByTitlePart, reinterpret_cast<LPARAM>(&search));
  ReportWindow(id, search.found);
}

// Every top-level window, hidden ones too: a failed scenario shows what there was.
BOOL CALLBACK ReportTopLevel(HWND window, LPARAM data) {
  char className[64] = "";
  if (GetClassNameA(window, className, sizeof className) == 0) className[0] = 0;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  gPad->log.Write("top id=" + *reinterpret_cast<const std::string*>(data) + " hwnd=" +
                  Handle(window) + " pid=" + std::to_string(pid) + " class=" + Escape(className) +
                  " visible=" + (IsWindowVisible(window) ? "1" : "0") +
                  " title=" + Escape(WindowTitle(window)));
  return TRUE;
}

// A window without a title (the notification area's) is found by its class.
void AnswerClassWindow(const std::string& id, const std::string& className) {
  ReportWindow(id, FindWindowA(className.c_str(), nullptr));
}

// Posts a message to a window as another program would: "HWND MESSAGE WPARAM LPARAM", decimal
// (a tray icon's callback message, which the notification area sends on a click).
void AnswerPost(const std::string& id, const std::string& arguments) {
  unsigned long long handle = 0;
  unsigned int message = 0;
  unsigned long long wParam = 0;
  long long lParam = 0;
  const bool parsed =
      std::sscanf(arguments.c_str(), "%llu %u %llu %lld", &handle, &message, &wParam, &lParam) == 4;
  HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle));
  const bool posted = parsed && IsWindow(window) &&
                      PostMessageA(window, message, static_cast<WPARAM>(wParam),
                                   static_cast<LPARAM>(lParam)) != FALSE;
  gPad->log.Write("post id=" + id + " posted=" + (posted ? "1" : "0"));
}

// A message box has no title to look for (the "already running" box has an empty one): find the
// visible top-level window one of whose children shows the text.
struct TextSearch {
  std::string part;
  HWND found = nullptr;
};

BOOL CALLBACK ChildHasText(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<TextSearch*>(data);
  if (WindowTitle(child).find(search->part) == std::string::npos) return TRUE;
  search->found = child;
  return FALSE;
}

BOOL CALLBACK FindByChildText(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TextSearch*>(data);
  if (!IsWindowVisible(window)) return TRUE;
  TextSearch inner{search->part, nullptr};
  EnumChildWindows(window, ChildHasText, reinterpret_cast<LPARAM>(&inner));
  if (inner.found == nullptr) return TRUE;
  search->found = window;
  return FALSE;
}

void AnswerMessage(const std::string& id, const std::string& part) {
  TextSearch search{part, nullptr};
  EnumWindows(FindByChildText, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) {
    gPad->log.Write("message id=" + id + " found=0");
    return;
  }
  DWORD pid = 0;
  GetWindowThreadProcessId(search.found, &pid);
  gPad->log.Write("message id=" + id + " found=1 hwnd=" + Handle(search.found) +
                  " pid=" + std::to_string(pid) + " title=" + Escape(WindowTitle(search.found)));
}

// Closes another program's window the way its close box would.
void AnswerClose(const std::string& id, const std::string& part) {
  WindowSearch search{part, nullptr};
  EnumWindows(FindByTitlePart, reinterpret_cast<LPARAM>(&search));
  const bool posted =
      search.found != nullptr && PostMessageA(search.found, WM_CLOSE, 0, 0) != FALSE;
  gPad->log.Write("close id=" + id + " posted=" + (posted ? "1" : "0"));
}

// Moves this TESTPAD's window so its top left corner is at the screen point "X Y".
void AnswerMove(const std::string& id, const std::string& argument) {
  int x = 0;
  int y = 0;
  const bool parsed = std::sscanf(argument.c_str(), "%d %d", &x, &y) == 2;
  const bool moved = parsed && SetWindowPos(gPad->window, nullptr, x, y, 0, 0,
                                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
  gPad->log.Write("move id=" + id + " moved=" + (moved ? "1" : "0"));
}

// Closes the window with this handle (a message box has no title to look for).
void AnswerCloseHandle(const std::string& id, const std::string& handle) {
  char* end = nullptr;
  const unsigned long long value = std::strtoull(handle.c_str(), &end, 10);
  HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value));
  const bool posted = end != handle.c_str() && *end == '\0' && IsWindow(window) &&
                      PostMessageA(window, WM_CLOSE, 0, 0) != FALSE;
  gPad->log.Write("close id=" + id + " posted=" + (posted ? "1" : "0"));
}

// The buttons as this thread's messages have delivered them so far (not the live hardware
// state): a click is over for this window once its release has been taken from the queue.
bool AnyButtonDown() {
  for (const int vk : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON}) {
    if ((GetKeyState(vk) & 0x8000) != 0) return true;
  }
  return false;
}

// Where the system has the pointer, and whether it rests on the bare desktop there.
std::string CursorText() {
  POINT at{};
  if (!GetCursorPos(&at)) return "cursor=?,? overdesktop=0";
  const bool desktop = WindowFromPoint(at) == GetDesktopWindow();
  return "cursor=" + std::to_string(at.x) + "," + std::to_string(at.y) +
         " overdesktop=" + (desktop ? "1" : "0");
}

int CALLBACK NoteFontFamily(const LOGFONTA* /*font*/, const TEXTMETRICA* /*metrics*/,
                            DWORD /*type*/, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

// Whether the system has this font family (the caption buttons need Marlett).
void AnswerFont(const std::string& id, const std::string& family) {
  LOGFONTA wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  family.copy(wanted.lfFaceName, sizeof wanted.lfFaceName - 1);
  bool found = false;
  if (HDC dc = GetDC(gPad->window)) {
    EnumFontFamiliesExA(dc, &wanted, NoteFontFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(gPad->window, dc);
  }
  gPad->log.Write("font id=" + id + " found=" + (found ? "1" : "0") + " name=" + Escape(family));
}

// The program the running QUINDL.EXE has noted as owning the window in front, read from the
// shared macro table: the keyboard hook matches program-scoped hotkeys against it, so a test
// presses such a hotkey only once QUINDL has taken note of the window it activated. "<none>"
// while no QUINDL.EXE runs.
void AnswerTableProgram(const std::string& id) {
  using quindle::storage::SharedMacroTable;
  std::string name = "<none>";
  bool capturing = false;
  if (HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, quindle::storage::kTableBlockName)) {
    if (const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(SharedMacroTable))) {
      const auto* table = static_cast<const SharedMacroTable*>(view);
      // The hooks of running programs keep the table after QUINDL.EXE has gone: it counts as
      // running while the window it wrote there exists, as the hooks decide.
      const HWND main =
          reinterpret_cast<HWND>(static_cast<std::uintptr_t>(table->MainWindow.Get()));
      if (main != nullptr && IsWindow(main)) {
        name = Escape(table->ForegroundProgram.View());
        capturing = table->CaptureActive;
      }
      UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
  }
  gPad->log.Write("tableprogram id=" + id + " capture=" + (capturing ? "1" : "0") +
                  " name=" + name);
}

// The modifier keys that are down, so a test can tell that nothing was left pressed: each named
// key, left and right apart, with the Windows keys.
std::string ModifiersDown(SHORT (*keyState)(int)) {
  static constexpr std::pair<int, const char*> kModifiers[] = {
      {VK_LSHIFT, "lshift"}, {VK_RSHIFT, "rshift"}, {VK_LCONTROL, "lctrl"}, {VK_RCONTROL, "rctrl"},
      {VK_LMENU, "lalt"},    {VK_RMENU, "ralt"},    {VK_LWIN, "lwin"},      {VK_RWIN, "rwin"},
      {VK_SHIFT, "shift"},   {VK_CONTROL, "ctrl"},  {VK_MENU, "alt"}};
  std::string names;
  for (const auto& [vk, name] : kModifiers) {
    if ((keyState(vk) & 0x8000) == 0) continue;
    if (!names.empty()) names += ",";
    names += name;
  }
  return names.empty() ? "none" : names;
}

SHORT AsyncKeyState(int vk) {
  return GetAsyncKeyState(vk);
}
SHORT ThreadKeyState(int vk) {
  return GetKeyState(vk);
}

void AnswerKeys(const std::string& id) {
  gPad->log.Write("keys id=" + id + " async=" + ModifiersDown(AsyncKeyState) +
                  " thread=" + ModifiersDown(ThreadKeyState));
}

// The open handles and the memory of another program, found by a window of it.
void AnswerProcess(const std::string& id, const std::string& part) {
  WindowSearch search{part, nullptr};
  EnumWindows(FindByTitlePart, reinterpret_cast<LPARAM>(&search));
  DWORD pid = 0;
  if (search.found != nullptr) GetWindowThreadProcessId(search.found, &pid);
  ProcessFigures figures;
  const bool found = pid != 0 && ReadProcessFigures(pid, figures);
  gPad->log.Write("process id=" + id + " found=" + (found ? "1" : "0") +
                  " pid=" + std::to_string(pid) + " handles=" + std::to_string(figures.handles) +
                  " workingset=" + std::to_string(figures.workingSet) +
                  " private=" + std::to_string(figures.privateBytes));
}

void AnswerState(const std::string& id) {
  RECT r{};
  if (!GetWindowRect(gPad->window, &r)) r = RECT{};
  const LRESULT firstLine = SendMessageA(gPad->edit, EM_GETFIRSTVISIBLELINE, 0, 0);
  gPad->log.Write("state id=" + id + " fg=" + (GetForegroundWindow() == gPad->window ? "1" : "0") +
                  " visible=" + (IsWindowVisible(gPad->window) ? "1" : "0") +
                  " iconic=" + (IsIconic(gPad->window) ? "1" : "0") +
                  " zoomed=" + (IsZoomed(gPad->window) ? "1" : "0") + " rect=" + RectText(r) +
                  " client=" + ClientOrigin() + " firstline=" + std::to_string(firstLine) +
                  " caps=" + ((GetKeyState(VK_CAPITAL) & 1) != 0 ? "1" : "0") + " buttons=" +
                  (AnyButtonDown() ? "1" : "0") + " sizemove=" + (gPad->inSizeMove ? "1" : "0") +
                  " " + CursorText() + " clip=" + ClipboardText());
}

std::string ReadRequest() {
  HANDLE file = CreateFileA(gPad->requestPath.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string content;
  char buffer[1024];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
    content.append(buffer, got);
  CloseHandle(file);
  // A request that cannot be deleted would be answered again on every tick: stop polling it.
  if (!DeleteFileA(gPad->requestPath.c_str())) {
    gPad->log.Write("request-error cannot-delete");
    KillTimer(gPad->window, kRequestTimer);
  }
  while (!content.empty() && (content.back() == '\n' || content.back() == '\r')) content.pop_back();
  return content;
}

void PollRequest() {
  if (GetFileAttributesA(gPad->requestPath.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  const std::string request = ReadRequest();
  const std::size_t firstSpace = request.find(' ');
  if (firstSpace == std::string::npos) return;
  const std::string id = request.substr(0, firstSpace);
  const std::string rest = request.substr(firstSpace + 1);
  const std::size_t secondSpace = rest.find(' ');
  const std::string command = rest.substr(0, secondSpace);
  const std::string argument = secondSpace == std::string::npos ? "" : rest.substr(secondSpace + 1);
  if (command == "text") {
    gPad->log.Write("text id=" + id + " " + Escape(EditText()));
  } else if (command == "state") {
    AnswerState(id);
  } else if (command == "window") {
    AnswerWindow(id, argument);
  } else if (command == "windows") {
    EnumWindows(ReportTopLevel, reinterpret_cast<LPARAM>(&id));
  } else if (command == "classwindow") {
    AnswerClassWindow(id, argument);
  } else if (command == "post") {
    AnswerPost(id, argument);
  } else if (command == "message") {
    AnswerMessage(id, argument);
  } else if (command == "font") {
    AnswerFont(id, argument);
  } else if (command == "closehwnd") {
    AnswerCloseHandle(id, argument);
  } else if (command == "close") {
    AnswerClose(id, argument);
  } else if (command == "move") {
    AnswerMove(id, argument);
  } else if (command == "tableprogram") {
    AnswerTableProgram(id);
  } else if (command == "keys") {
    AnswerKeys(id);
  } else if (command == "process") {
    AnswerProcess(id, argument);
  } else if (command == "foreground") {
    // The class and the process say whose window it is when it has no title.
    HWND w = GetForegroundWindow();
    char className[64] = "";
    if (w != nullptr && GetClassNameA(w, className, sizeof className) == 0) className[0] = 0;
    DWORD pid = 0;
    if (w != nullptr) GetWindowThreadProcessId(w, &pid);
    // Where the keyboard goes: the focus and capture of the thread in front, and its modes.
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(0, &gui)) gui = GUITHREADINFO{};
    DWORD focusPid = 0;
    char focusClass[64] = "";
    if (gui.hwndFocus != nullptr) {
      GetWindowThreadProcessId(gui.hwndFocus, &focusPid);
      if (GetClassNameA(gui.hwndFocus, focusClass, sizeof focusClass) == 0) focusClass[0] = 0;
    }
    gPad->log.Write("foreground id=" + id + " hwnd=" + Handle(w) + " class=" + Escape(className) +
                    " pid=" + std::to_string(pid) + " active=" + Handle(gui.hwndActive) +
                    " focus=" + Handle(gui.hwndFocus) + " focuspid=" + std::to_string(focusPid) +
                    " focusclass=" + Escape(focusClass) + " capture=" + Handle(gui.hwndCapture) +
                    " menuowner=" + Handle(gui.hwndMenuOwner) +
                    " guiflags=" + std::to_string(gui.flags) + " xwindow=" + XWindowOf(w) +
                    " title=" + Escape(WindowTitle(w)));
  } else {
    gPad->log.Write("unknown id=" + id + " " + Escape(command));
  }
  gPad->log.Write("done id=" + id);
}

const char* KeyMessageName(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
      return "WM_KEYDOWN";
    case WM_KEYUP:
      return "WM_KEYUP";
    case WM_SYSKEYDOWN:
      return "WM_SYSKEYDOWN";
    case WM_SYSKEYUP:
      return "WM_SYSKEYUP";
    default:
      return nullptr;
  }
}

const char* MouseMessageName(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
      return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP:
      return "WM_LBUTTONUP";
    case WM_LBUTTONDBLCLK:
      return "WM_LBUTTONDBLCLK";
    case WM_RBUTTONDOWN:
      return "WM_RBUTTONDOWN";
    case WM_RBUTTONUP:
      return "WM_RBUTTONUP";
    case WM_RBUTTONDBLCLK:
      return "WM_RBUTTONDBLCLK";
    case WM_MBUTTONDOWN:
      return "WM_MBUTTONDOWN";
    case WM_MBUTTONUP:
      return "WM_MBUTTONUP";
    case WM_MBUTTONDBLCLK:
      return "WM_MBUTTONDBLCLK";
    default:
      return nullptr;
  }
}

int SignedLow(LPARAM value) {
  return static_cast<short>(LOWORD(static_cast<DWORD_PTR>(value)));
}
int SignedHigh(LPARAM value) {
  return static_cast<short>(HIWORD(static_cast<DWORD_PTR>(value)));
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (const char* name = KeyMessageName(message)) {
    gPad->log.Write(std::string(name) + " vk=" + std::to_string(wParam) +
                    " scan=" + std::to_string((static_cast<DWORD_PTR>(lParam) >> 16) & 0xff) +
                    " sent=" + std::to_string(static_cast<DWORD>(GetMessageTime())));
  } else if (message == WM_CHAR) {
    gPad->log.Write("WM_CHAR code=" + std::to_string(wParam & 0xff));
    // The edit control itself ignores Ctrl+A (character 1); an editor selects everything.
    if (wParam == 1) {
      SendMessageA(edit, EM_SETSEL, 0, -1);
      return 0;
    }
  } else if (const char* mouse = MouseMessageName(message)) {
    gPad->log.Write(std::string(mouse) + " x=" + std::to_string(SignedLow(lParam)) +
                    " y=" + std::to_string(SignedHigh(lParam)));
  } else if (message == WM_MOUSEWHEEL) {
    POINT at{SignedLow(lParam), SignedHigh(lParam)};
    if (!ScreenToClient(edit, &at)) at = POINT{-1, -1};
    gPad->log.Write("WM_MOUSEWHEEL delta=" +
                    std::to_string(static_cast<short>(HIWORD(static_cast<DWORD_PTR>(wParam)))) +
                    " x=" + std::to_string(at.x) + " y=" + std::to_string(at.y));
  }
  return CallWindowProcA(gPad->editProc, edit, message, wParam, lParam);
}

bool CreateEdit(HWND window) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  gPad->edit =
      CreateWindowExA(0, "EDIT", "",
                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                          ES_WANTRETURN | ES_NOHIDESEL,
                      0, 0, 0, 0, window, reinterpret_cast<HMENU>(kEditId), instance, nullptr);
  if (!gPad->edit) return false;
  SendMessageA(gPad->edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)),
               FALSE);
  SendMessageA(gPad->edit, EM_SETLIMITTEXT, 0x7ffffffe, 0);
  const LONG_PTR previous =
      SetWindowLongPtrA(gPad->edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc));
  if (previous == 0) return false;
  gPad->editProc = reinterpret_cast<WNDPROC>(previous);
  return true;
}

LRESULT CALLBACK PadProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      // The window, and its title, exist from here on: the earliest a program can find it.
      gPad->log.Write("create hwnd=" + Handle(window));
      gPad->window = window;
      return CreateEdit(window) ? 0 : -1;
    case WM_SIZE:
      if (gPad->edit && !MoveWindow(gPad->edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE))
        gPad->log.Write("move-edit-failed");
      LogRect();
      return 0;
    case WM_MOVE:
      LogRect();
      return 0;
    case WM_SHOWWINDOW:
      gPad->log.Write(std::string("show visible=") + (wParam ? "1" : "0"));
      break;
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE:
      gPad->inSizeMove = message == WM_ENTERSIZEMOVE;
      gPad->log.Write(gPad->inSizeMove ? "sizemove enter" : "sizemove exit");
      break;
    case WM_ACTIVATE:
      gPad->log.Write("activate state=" + std::to_string(LOWORD(wParam)));
      break;
    case WM_SETFOCUS:
      if (gPad->edit) SetFocus(gPad->edit);
      return 0;
    case WM_TIMER:
      if (wParam == kRequestTimer) PollRequest();
      return 0;
    case WM_CLOSE:
      gPad->log.Write("text id=close " + Escape(EditText()));
      if (!DestroyWindow(window)) PostQuitMessage(1);
      return 0;
    case WM_DESTROY:
      KillTimer(window, kRequestTimer);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int Fail(const char* what) {
  char text[256];
  std::snprintf(text, sizeof text, "TESTPAD: %s failed (error %lu)", what,
                static_cast<unsigned long>(GetLastError()));
  if (gPad && gPad->log.IsOpen()) gPad->log.Write(std::string("fatal ") + text);
  OutputDebugStringA(text);
  return 1;
}

int Run(int argc, char** argv) {
  if (argc != 3 && argc != 7) {
    OutputDebugStringA("usage: TESTPAD.EXE TITLE LOGFILE [LEFT TOP WIDTH HEIGHT]");
    return 2;
  }
  Pad pad;
  gPad = &pad;
  const std::string title = argv[1];
  const std::string logPath = argv[2];
  pad.requestPath = logPath + ".req";
  pad.log = LogFile(CreateFileA(logPath.c_str(), FILE_APPEND_DATA,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!pad.log.IsOpen()) return Fail("opening the log");
  // A request left from an earlier run would be answered before the test asked anything.
  if (!DeleteFileA(pad.requestPath.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
    return Fail("removing an old request");

  int left = CW_USEDEFAULT;
  int top = CW_USEDEFAULT;
  int width = 480;
  int height = 320;
  if (argc == 7) {
    left = std::atoi(argv[3]);
    top = std::atoi(argv[4]);
    width = std::atoi(argv[5]);
    height = std::atoi(argv[6]);
  }

  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = PadProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassExA(&windowClass)) return Fail("RegisterClassExA");

  HWND window = CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, left, top, width,
                                height, nullptr, nullptr, instance, nullptr);
  if (!window) return Fail("CreateWindowExA");
  ShowWindow(window, SW_SHOWNORMAL);
  if (!UpdateWindow(window)) return Fail("UpdateWindow");
  if (!SetTimer(window, kRequestTimer, kRequestPollMs, nullptr)) return Fail("SetTimer");
  pad.log.Write("ready hwnd=" + Handle(window) + " edit=" + Handle(pad.edit) +
                " pid=" + std::to_string(GetCurrentProcessId()));

  MSG msg;
  int status = 0;
  for (;;) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      status = static_cast<int>(msg.wParam);
      break;
    }
    if (got == -1) return Fail("GetMessageA");
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  pad.log.Write("exit");
  gPad = nullptr;
  return status;
}

}  // namespace
}  // namespace quindle::testpad

int main(int argc, char** argv) {
  return quindle::testpad::Run(argc, argv);
}
