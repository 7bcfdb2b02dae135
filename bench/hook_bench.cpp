// The keyboard hook's decision per key event over a full table of 500 macros: the hook runs for
// every key of every program, so each event should cost at most about a microsecond.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <memory>

#include "hooklib/hook_logic.h"
#include "storage/macro_record.h"

namespace {

using namespace quindle;

// Answers at once, like a system that keeps its key states and the title of the window in front
// at hand; only the decision's own work is measured.
class QuietEnv final : public hooklib::IHookEnv {
 public:
  std::array<std::int16_t, 256> keys{};
  std::size_t posts = 0;

  std::int16_t KeyState(int vk) noexcept override {
    return keys[static_cast<std::size_t>(vk) & 0xFF];
  }
  bool KeyboardState(std::uint8_t* state) noexcept override {
    std::memset(state, 0, 256);
    return true;
  }
  int ToAscii(unsigned vk, const std::uint8_t*, char* out) noexcept override {
    out[0] = static_cast<char>(vk | 0x20);
    return 1;
  }
  std::uint32_t MapVkToChar(unsigned vk) noexcept override { return vk; }
  hooklib::Hwnd Foreground() noexcept override { return 0x10; }
  std::size_t WindowTitle(hooklib::Hwnd, char* buffer, std::size_t size) noexcept override {
    static constexpr char kTitle[] = "Quarterly report.txt - Text Editor";
    const std::size_t n = sizeof(kTitle) - 1 < size ? sizeof(kTitle) - 1 : size - 1;
    std::memcpy(buffer, kTitle, n);
    buffer[n] = '\0';
    return n;
  }
  bool WindowRect(hooklib::Hwnd, hooklib::HookRect& rect) noexcept override {
    rect = {0, 0, 640, 480};
    return true;
  }
  hooklib::Hwnd Focus() noexcept override { return 0x20; }
  bool WindowWithExactTitle(const char*) noexcept override { return false; }
  bool WindowTitleContains(const char*, std::size_t) noexcept override { return false; }
  void Post(hooklib::Hwnd, std::uint32_t, std::uintptr_t, std::intptr_t) noexcept override {
    ++posts;
  }
  hooklib::TimeOfDay Now() noexcept override { return {12, 0, 0, 0}; }
};

// 500 macros, all but the last window-scoped for a window that is not in front; the global Ctrl+A
// macro is the last. With `crowded`, half of them use Ctrl+A too, the worst case for the scope
// lookup, which compares each one with the title in front; otherwise each has its own hotkey.
std::unique_ptr<storage::SharedMacroTable> FullTable(bool crowded) {
  auto table = std::make_unique<storage::SharedMacroTable>();
  std::memset(table.get(), 0, sizeof(storage::SharedMacroTable));
  table->MainWindow = 0x1100;
  table->Count = 500;
  for (std::size_t i = 0; i < 500; ++i) {
    const bool ctrlA = (crowded && i % 2 == 0) || i == 499;
    table->HotkeyNumber[i] = static_cast<std::uint16_t>(ctrlA ? 0 : 1 + i % 697);
    table->ScopeKind[i] = i == 499 ? storage::ScopeGlobal : storage::ScopeWindow;
    table->ScopeText[i].Assign("Spreadsheet workbook");
    table->TopMostOnly[i] = true;
    table->Enabled[i] = true;
    table->CodeInUse[table->HotkeyNumber[i]] = true;
  }
  table->ForegroundProgram.Assign("TEXTEDIT.EXE");
  return table;
}

constexpr std::uint32_t kDown = 0;
constexpr std::uint32_t kUp = 0xC0000000u;

void BM_PlainLetterWithTypletFeed(benchmark::State& state) {
  auto table = FullTable(true);
  QuietEnv env;
  for (auto _ : state) {
    const auto v = hooklib::KeyboardDecision(*table, env, {0, 'K', kDown});
    benchmark::DoNotOptimize(v);
  }
  state.counters["posts"] = static_cast<double>(env.posts);
}
BENCHMARK(BM_PlainLetterWithTypletFeed);

void BM_HotkeyThatFires(benchmark::State& state) {
  auto table = FullTable(state.range(0) != 0);
  QuietEnv env;
  env.keys[17] = static_cast<std::int16_t>(0x8000);
  for (auto _ : state) {
    table->WaitRelease = false;
    // The decision, the scope lookup (the procedure runs it on a copy of the table) and the fire.
    const hooklib::KeyEvent event{0, 'A', kDown};
    auto v = hooklib::KeyboardDecision(*table, env, event);
    if (v.scopeCode >= 0 && hooklib::FindMacroInScope(*table, env, v.scopeCode) >= 0)
      v = hooklib::KeyboardFire(*table, env, event, v.scopeCode);
    if (!v.swallow) state.SkipWithError("Ctrl+A did not fire");
    benchmark::DoNotOptimize(v);
  }
}
BENCHMARK(BM_HotkeyThatFires)->ArgName("crowded")->Arg(0)->Arg(1);

void BM_ReleaseThatReports(benchmark::State& state) {
  auto table = FullTable(true);
  QuietEnv env;
  table->PendingCode = 0;
  table->ReleaseKey = 'A';
  for (auto _ : state) {
    table->WaitRelease = true;
    const auto v = hooklib::KeyboardDecision(*table, env, {0, 17, kUp});
    benchmark::DoNotOptimize(v);
  }
  if (env.posts == 0) state.SkipWithError("the release reported nothing");
}
BENCHMARK(BM_ReleaseThatReports);

}  // namespace
