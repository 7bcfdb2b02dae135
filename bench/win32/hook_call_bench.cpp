// Cost of one full keyboard hook call (entry protocol, decision, next hook) over a table of 500
// macros, measured by calling the procedure directly. Prints the median and the 99th percentile
// in microseconds per call. Run it where no Quindle is running: it creates the real names.
#include "platform/win32/win32_api.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "hooklib/hook_messages.h"
#include "hooklib/hotkey_number.h"
#include "hooklib/win32/hook_env_win32.h"
#include "hooklib/win32/hook_procs.h"
#include "storage/macro_record.h"
#include "storage/win32/named_objects.h"

namespace {

using quindle::storage::SharedMacroTable;
namespace hooklib = quindle::hooklib;
namespace storage = quindle::storage;

constexpr int kCalls = 20000;
constexpr LPARAM kLetterDown = 0x001E0001;
constexpr LPARAM kLetterUp = static_cast<LPARAM>(0xC01E0001u);

struct Figures {
  double median = 0;
  double p99 = 0;
};

Figures Summarise(std::vector<double>& micros) {
  std::sort(micros.begin(), micros.end());
  Figures figures;
  figures.median = micros[micros.size() / 2];
  figures.p99 = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
  return figures;
}

class Stopwatch {
 public:
  Stopwatch() {
    LARGE_INTEGER frequency{};
    ok_ = ::QueryPerformanceFrequency(&frequency) != FALSE && frequency.QuadPart > 0;
    perMicro_ = ok_ ? static_cast<double>(frequency.QuadPart) / 1e6 : 1.0;
  }
  bool Ok() const { return ok_; }
  long long Now() const {
    LARGE_INTEGER now{};
    static_cast<void>(::QueryPerformanceCounter(&now));  // cannot fail once the frequency read
    return now.QuadPart;
  }
  double Micros(long long from, long long to) const {
    return static_cast<double>(to - from) / perMicro_;
  }

 private:
  bool ok_ = false;
  double perMicro_ = 1.0;
};

// Posted reports pile up in this thread's queue; they are counted and dropped between calls.
int Drain(UINT counted) {
  int count = 0;
  MSG message{};
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == counted) ++count;
  }
  return count;
}

bool SetModifiers(bool down) {
  BYTE state[256] = {};
  if (!::GetKeyboardState(state)) return false;
  for (int vk : {VK_CONTROL, VK_LCONTROL, VK_MENU, VK_LMENU, VK_SHIFT, VK_LSHIFT}) {
    state[vk] = down ? 0x80 : 0;
  }
  state['T'] = 0;
  return ::SetKeyboardState(state) != FALSE;
}

void Fill(SharedMacroTable& table, HWND window, int hotkey) {
  std::memset(&table, 0, sizeof table);
  const auto handle = hooklib::win32::FromHwnd(window);
  table.MainWindow = handle;
  table.SecWindow = handle;
  table.Count = static_cast<std::int32_t>(storage::kMaxMacros);
  for (std::size_t i = 0; i < storage::kMaxMacros; ++i) {
    // Window-scoped macros whose windows do not exist make the scope lookup scan its worst
    // case; the hotkey's own global macro is the last slot.
    const bool last = i + 1 == storage::kMaxMacros;
    table.ScopeKind[i] = last ? storage::ScopeGlobal : storage::ScopeWindow;
    table.ScopeText[i].Assign(last ? "" : "No Such Window Here");
    table.Enabled[i] = true;
    table.HotkeyNumber[i] = static_cast<std::uint16_t>(hotkey);
    table.TopMostOnly[i] = true;
  }
  table.CodeInUse[hotkey] = true;
}

}  // namespace

int main() {
  Stopwatch clock;
  if (!clock.Ok()) {
    std::puts("no performance counter");
    return 1;
  }
  storage::win32::SharedBlock block;
  storage::win32::NamedMutex mutex;
  if (!block.Create(storage::kTableBlockName, sizeof(SharedMacroTable)) ||
      !mutex.Create(storage::kTableMutexName) || block.AlreadyExisted() || mutex.AlreadyExisted()) {
    std::puts("the table block or its mutex could not be created (is Quindle running?)");
    return 1;
  }
  auto* table = static_cast<SharedMacroTable*>(block.View());
  HWND window = ::CreateWindowExA(0, "STATIC", "hook call bench", 0, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
  if (table == nullptr || window == nullptr) {
    std::puts("the table could not be mapped or the report window not made");
    return 1;
  }
  const int hotkey = hooklib::EncodeHotkey('T', true, true, true, false);
  Fill(*table, window, hotkey);

  // A typed letter: the key-down feeds the Typlets under the mutex, the key-up goes by without it.
  std::vector<double> plainDown;
  std::vector<double> plainUp;
  plainDown.reserve(kCalls);
  plainUp.reserve(kCalls);
  for (int i = 0; i < kCalls; ++i) {
    for (LPARAM data : {kLetterDown, kLetterUp}) {
      const long long start = clock.Now();
      static_cast<void>(hooklib::win32::KeyboardHookProc(0, 'A', data));
      (data == kLetterDown ? plainDown : plainUp).push_back(clock.Micros(start, clock.Now()));
      Drain(0);
    }
  }

  // The entry protocol alone: a negative code goes straight to the next hook once the block is
  // mapped, so this row is the cost of the named objects themselves.
  std::vector<double> entry;
  entry.reserve(kCalls);
  for (int i = 0; i < kCalls; ++i) {
    const long long start = clock.Now();
    static_cast<void>(hooklib::win32::KeyboardHookProc(-1, 'A', kLetterDown));
    entry.push_back(clock.Micros(start, clock.Now()));
  }

  std::vector<double> down;
  std::vector<double> up;
  down.reserve(kCalls);
  up.reserve(kCalls);
  int swallowed = 0;
  int reported = 0;
  for (int i = 0; i < kCalls; ++i) {
    if (!SetModifiers(true)) {
      std::puts("SetKeyboardState failed");
      return 1;
    }
    long long start = clock.Now();
    if (hooklib::win32::KeyboardHookProc(0, 'T', kLetterDown) == 1) ++swallowed;
    down.push_back(clock.Micros(start, clock.Now()));
    if (!SetModifiers(false)) {
      std::puts("SetKeyboardState failed");
      return 1;
    }
    start = clock.Now();
    static_cast<void>(hooklib::win32::KeyboardHookProc(0, 'T', kLetterUp));
    up.push_back(clock.Micros(start, clock.Now()));
    reported += Drain(hooklib::WM_HOTKEY_PRESSED);
    table->WaitRelease = false;  // a pair the decision did not finish must not block the next
  }

  const Figures e = Summarise(entry);
  const Figures pd = Summarise(plainDown);
  const Figures pu = Summarise(plainUp);
  const Figures d = Summarise(down);
  const Figures u = Summarise(up);
  std::printf("full hook call, 500 macros, %d calls each (microseconds per call)\n", kCalls);
  std::printf("entry protocol only (code -1): median %.2f  p99 %.2f\n", e.median, e.p99);
  std::printf("plain letter down: median %.2f  p99 %.2f\n", pd.median, pd.p99);
  std::printf("plain letter up:   median %.2f  p99 %.2f\n", pu.median, pu.p99);
  std::printf("hotkey Ctrl+Alt+Shift+T down: median %.2f  p99 %.2f\n", d.median, d.p99);
  std::printf("hotkey Ctrl+Alt+Shift+T up:   median %.2f  p99 %.2f\n", u.median, u.p99);
  std::printf("hotkey downs swallowed: %d of %d; WM_HOTKEY_PRESSED received: %d\n", swallowed,
              kCalls, reported);
  static_cast<void>(::DestroyWindow(window));
  return 0;
}
