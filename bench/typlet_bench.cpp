// One typed character against a file of 500 Typlet macros: in prefix mode every character the
// user types in any program is compared with every Typlet name, so each should cost at most
// about a microsecond.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "activation/typlets.h"
#include "engine/player.h"
#include "hooklib/hook_messages.h"
#include "platform/fake/recording_platform.h"
#include "platform/std_file_io.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"
#include "support/in_process_table.h"

namespace {

using namespace quindle;

// Typlet names "zq000".."zq499", or with `lettersLast` "zq00a".."zq19f", so that every letter
// typed ends about 19 of them.
std::string WriteTypletFile(bool lettersLast) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "quindle_typlet_bench.qnl";
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (int i = 0; i < 500; ++i) {
    storage::MacroRecord record{};
    char name[16];
    if (lettersLast)
      std::snprintf(name, sizeof(name), "zq%02d%c", i / 26, 'a' + i % 26);
    else
      std::snprintf(name, sizeof(name), "zq%03d", i);
    record.Name.Assign(name);
    record.TypletName.Assign(name);
    record.HotkeyNumber = storage::kActivationTyplet;
    record.ScopeKind = storage::ScopeGlobal;
    record.Enabled = true;
    record.SetMacroText("text");
    out.write(reinterpret_cast<const char*>(&record), sizeof(record));
  }
  return path.string();
}

void TypeAgainst500Typlets(benchmark::State& state, bool lettersLast) {
  const bool caseSensitive = state.range(0) != 0;
  platform::StdBinaryFiles files;
  storage::InProcessTable objects;
  storage::TableLock lock{objects};
  platform::fake::RecordingPlatform fake;
  engine::PlayerServices playerServices = platform::fake::MakePlayerServices(fake);
  engine::Player player{playerServices};
  storage::MacroStore store{files, lock, fake, fake};
  const std::string path = WriteTypletFile(lettersLast);
  if (!store.LoadMacroFile(path)) {
    state.SkipWithError("the macro file could not be loaded");
    return;
  }
  fake.ClearLog();
  struct QuietHost final : activation::IActivationHost {
    void ResumePause() override {}
    void DoAMessage(std::string_view, std::string_view) override {}
    void ActivateMe() override {}
    void StartACapture() override {}
    void MenuTopWindow() override {}
    int ShowPopupMenu(const storage::MacroRecord&) override { return 0; }
    bool CaptureRunning() override { return false; }
    bool SharedFileChanged() override { return false; }
    void ReloadSharedFile() override {}
  } quiet;
  const activation::ActivationServices services{lock, store, player, fake, fake,
                                                fake, fake,  fake,   quiet};
  activation::HotkeyActivation hotkeys{services};
  activation::TypletActivation typlets{services, hotkeys};
  typlets.SetOptions({false, caseSensitive, false, ""});
  static constexpr char kText[] = "the quick brown fox jumps over a lazy dog";
  std::size_t i = 0;
  for (auto _ : state) {
    const char c = kText[i];
    i = (i + 1) % (sizeof(kText) - 1);
    typlets.OnTypletChar(hooklib::kTypletCharacter, c);
    benchmark::DoNotOptimize(typlets.Buffer().data());
  }
  if (!fake.Log().empty()) state.SkipWithError("a Typlet fired");
  std::filesystem::remove(path);
}
void BM_TypedCharacterAgainst500Typlets(benchmark::State& state) {
  TypeAgainst500Typlets(state, false);
}
BENCHMARK(BM_TypedCharacterAgainst500Typlets)->ArgName("caseSensitive")->Arg(1)->Arg(0);

// The same with many Typlets ending in the letters typed: each character is compared with those.
void BM_TypedCharacterAgainst500TypletsEndingInLetters(benchmark::State& state) {
  TypeAgainst500Typlets(state, true);
}
BENCHMARK(BM_TypedCharacterAgainst500TypletsEndingInLetters)
    ->ArgName("caseSensitive")
    ->Arg(1)
    ->Arg(0);

}  // namespace
