// Which macro a hotkey means is decided twice: by the hook DLL over the mapped table
// (hooklib::FindMacroInScope) and by the main program once the hook has posted the key
// (activation::HotkeyActivation::GetMacro). A key that the hook swallows and the program does
// not resolve is lost; a key the program would resolve but the hook lets through never starts
// its macro. This target builds one world from the input (table entries for a few codes, top-level
// windows with titles and programs, the window in front), lets each side decide over it, and
// traps unless the hook swallows exactly when the program finds a macro, and both name the same
// one.
//
// Both sides see the same world: the program through the fake platform, the hook through an
// environment that answers as the Win32 hook environment does (titles as GetWindowTextA copies
// them into its buffers, the program in front as the table's ForegroundProgram, which the
// program itself writes when the window is activated).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "activation/hotkey_activation.h"
#include "engine/player.h"
#include "hooklib/hook_logic.h"
#include "platform/desktop.h"
#include "platform/fake/recording_platform.h"
#include "platform/memory_files.h"
#include "platform/text.h"
#include "support/in_process_table.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"

namespace {

using namespace quindle;

class Stream {
 public:
  Stream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Few codes, so that entries share them; few characters, so that texts match one another.
constexpr int kCodes = 3;
constexpr char kAlphabet[] = "aAbB PUSE(x";
constexpr std::size_t kAlphabetSize = sizeof(kAlphabet) - 1;
constexpr std::size_t kMaxEntries = 12;
constexpr std::size_t kMaxWindows = 6;
constexpr std::uint32_t kPrograms = 3;
// The Win32 hook environment reads the titles of its window enumeration into a buffer of this
// size (the scope lookup brings its own buffer for the title in front).
constexpr std::size_t kEnumTitleBuffer = platform::kWindowTitleMax + 1;

std::string Text(Stream& in, std::size_t maxLength) {
  const std::uint8_t head = in.Byte();
  // Now and then a long text, to reach past the buffers' ends.
  const std::size_t length = (head & 0x80) != 0 ? (head & 0x7F) * 4u : head % (maxLength + 1);
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    const std::uint8_t c = in.Byte();
    text += (c & 0xF0) == 0xF0 ? static_cast<char>(c) : kAlphabet[c % kAlphabetSize];
  }
  return text;
}

struct World {
  std::vector<std::string> titles;              // top-level windows, in z-order
  std::vector<platform::WindowHandle> handles;  // their handles in the fake
  platform::WindowHandle front = 0;
};

// The hook's view of the world, answering as hook_env_win32 does.
class WorldHookEnv final : public hooklib::IHookEnv {
 public:
  explicit WorldHookEnv(const World& world) : world_(world) {}

  std::int16_t KeyState(int) noexcept override { return 0; }
  bool KeyboardState(std::uint8_t*) noexcept override { return false; }
  int ToAscii(unsigned, const std::uint8_t*, char*) noexcept override { return 0; }
  std::uint32_t MapVkToChar(unsigned) noexcept override { return 0; }
  hooklib::Hwnd Foreground() noexcept override { return world_.front; }
  std::size_t WindowTitle(hooklib::Hwnd window, char* buffer, std::size_t size) noexcept override {
    const std::string* title = TitleOf(window);
    if (title == nullptr || size == 0) return 0;
    const std::size_t n = title->size() < size - 1 ? title->size() : size - 1;
    std::memcpy(buffer, title->data(), n);
    buffer[n] = '\0';
    return n;
  }
  bool WindowRect(hooklib::Hwnd, hooklib::HookRect&) noexcept override { return false; }
  hooklib::Hwnd Focus() noexcept override { return world_.front; }
  bool WindowWithExactTitle(const char* title) noexcept override {
    for (const std::string& t : world_.titles)
      if (t == title) return true;
    return false;
  }
  bool WindowTitleContains(const char* upperText, std::size_t length) noexcept override {
    for (const std::string& t : world_.titles) {
      const std::size_t n = t.size() < kEnumTitleBuffer - 1 ? t.size() : kEnumTitleBuffer - 1;
      if (n > 0 && hooklib::ContainsUpper(t.data(), n, upperText, length)) return true;
    }
    return false;
  }
  void Post(hooklib::Hwnd, std::uint32_t, std::uintptr_t, std::intptr_t) noexcept override {}
  hooklib::TimeOfDay Now() noexcept override { return {}; }

 private:
  const std::string* TitleOf(hooklib::Hwnd window) const noexcept {
    for (std::size_t i = 0; i < world_.handles.size(); ++i)
      if (world_.handles[i] == window) return &world_.titles[i];
    return nullptr;
  }
  const World& world_;
};

class NoHost final : public activation::IActivationHost {
 public:
  void ResumePause() override {}
  void DoAMessage(std::string_view, std::string_view) override {}
  void ActivateMe() override {}
  void StartACapture() override {}
  void MenuTopWindow() override {}
  int ShowPopupMenu(const storage::MacroRecord&) override { return 0; }
  bool CaptureRunning() override { return false; }
  bool SharedFileChanged() override { return false; }
  void ReloadSharedFile() override {}
};

void FillTable(Stream& in, storage::SharedMacroTable& table) {
  const std::size_t count = in.Byte() % (kMaxEntries + 1);
  table.Count = static_cast<std::int32_t>(count);
  for (std::size_t i = 0; i < count; ++i) {
    table.HotkeyNumber[i] = static_cast<std::uint16_t>(in.Byte() % kCodes);
    // 0 and 6 are no scope kind at all, as a damaged table may hold.
    table.ScopeKind[i] = static_cast<std::int16_t>(in.Byte() % 7);
    const std::uint8_t flags = in.Byte();
    table.Enabled[i] = (flags & 1) == 0;  // mostly enabled
    table.TopMostOnly[i] = (flags & 2) != 0;
    table.ScopeText[i].Assign(Text(in, 20).substr(0, 20));
  }
}

// What a failing input means, for whoever reads the crash report.
void Describe(const World& world, platform::fake::RecordingPlatform& fake,
              const storage::SharedMacroTable& table, int code, int slot, int number) {
  std::fprintf(stderr, "code %d: hook slot %d (macro %d), program macro %d\n", code, slot, slot + 1,
               number);
  for (std::size_t i = 0; i < world.titles.size(); ++i) {
    const platform::WindowHandle h = world.handles[i];
    std::fprintf(stderr, "window %u%s \"%s\" of %s\n", h, h == world.front ? " (front)" : "",
                 world.titles[i].c_str(), fake.ExeName(fake.ProcessOf(h)).c_str());
  }
  std::fprintf(stderr, "ForegroundProgram \"%s\"\n",
               std::string(table.ForegroundProgram.View()).c_str());
  for (std::size_t i = 0; i < table.SafeCount(); ++i) {
    std::fprintf(stderr, "macro %zu: code %d kind %d enabled %d topmost %d \"%s\"\n", i + 1,
                 table.HotkeyNumber[i].Get(), table.ScopeKind[i].Get(),
                 static_cast<int>(table.Enabled[i]), static_cast<int>(table.TopMostOnly[i]),
                 std::string(table.ScopeText[i].View()).c_str());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Stream in(data, size);
  const int code = in.Byte() % kCodes;

  platform::fake::RecordingPlatform fake;
  for (std::uint32_t id = 1; id <= kPrograms; ++id) fake.AddProcess(id, Text(in, 12) + ".EXE");
  World world;
  const std::size_t windows = in.Byte() % (kMaxWindows + 1);
  for (std::size_t i = 0; i < windows; ++i) {
    world.titles.push_back(Text(in, 40));
    const std::uint32_t program = 1 + in.Byte() % kPrograms;
    world.handles.push_back(fake.AddWindow(world.titles.back(), program));
  }
  const std::size_t frontPick = in.Byte() % (windows + 1);
  if (frontPick > 0) {
    world.front = world.handles[frontPick - 1];
    fake.SetForeground(world.front);
  }

  storage::InProcessTable objects;
  storage::TableLock lock(objects);
  platform::MemoryBinaryFiles files;
  storage::MacroStore store(files, lock, fake, fake);
  const engine::PlayerServices services = platform::fake::MakePlayerServices(fake);
  engine::Player player(services);
  NoHost host;
  activation::HotkeyActivation activation(
      activation::ActivationServices{lock, store, player, fake, fake, fake, fake, fake, host});

  FillTable(in, objects.Block());
  // The program names the program in front in the table when the window is activated. It
  // ignores the activation of an untitled window, which leaves the name of the program before;
  // the hook then compares program scopes with another program than the main program does, a
  // known gap that this target does not explore: it gives both sides the program in front.
  if (world.front != 0) {
    activation.OnWindowActivated(world.front);
    if (fake.Title(world.front).empty()) {
      objects.Block().ForegroundProgram.Assign(
          platform::UpperAToZ(fake.ExeName(fake.ProcessOf(world.front))));
    }
  }

  // The hook decides first, over the table as it is; then the program, as when the key arrives.
  WorldHookEnv env(world);
  const int slot = hooklib::FindMacroInScope(objects.Block(), env, code);
  const int number = activation.GetMacro(code);

  const bool swallowed = slot >= 0;
  const bool found = number > 0;
  if (swallowed != found || (swallowed && number != slot + 1)) {
    Describe(world, fake, objects.Block(), code, slot, number);
    __builtin_trap();
  }
  return 0;
}
