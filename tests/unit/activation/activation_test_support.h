// Hotkey activation wired to the recording platform, a macro file in a scratch folder loaded into
// an in-process table, and a main window stand-in that records what activation asked of it.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "activation/hotkey_activation.h"
#include "engine/player.h"
#include "hooklib/hook_messages.h"
#include "platform/fake/recording_platform.h"
#include "platform/std_file_io.h"
#include "storage/macro_store.h"
#include "storage/macro_store_test_support.h"
#include "storage/table_lock.h"
#include "support/in_process_table.h"

namespace quindle::activation::testing {

using Lines = std::vector<std::string>;

// System macros appended after the user's macros: "1" .. "4" on these codes.
inline constexpr int kActivateMeCode = 262;
inline constexpr int kCaptureCode = 263;
inline constexpr int kResumeCode = 264;
inline constexpr int kMenuTopCode = 265;

class FakeHost final : public IActivationHost {
 public:
  void ResumePause() override { events.push_back("resume"); }
  void DoAMessage(std::string_view title, std::string_view text) override {
    events.push_back("message " + std::string(title) + ": " + std::string(text));
    if (onMessage) onMessage();
  }
  void ActivateMe() override { events.push_back("activate me"); }
  void StartACapture() override { events.push_back("start capture"); }
  void MenuTopWindow() override { events.push_back("menu top window"); }
  int ShowPopupMenu(const storage::MacroRecord& macro) override {
    events.push_back("popup " + std::string(macro.Name.View()));
    if (onPopup) onPopup();
    if (popupAnswers.empty()) return repeatPopupAnswer;
    const int answer = popupAnswers.front();
    popupAnswers.pop_front();
    return answer;
  }
  bool CaptureRunning() override { return captureRunning; }
  bool CaptureCompleting() override { return captureCompleting; }
  bool SharedFileChanged() override { return sharedFileChanged; }
  void ReloadSharedFile() override {
    events.push_back("reload");
    sharedFileChanged = false;
  }

  static std::string Warning(std::string_view text) {
    return "message Warning: " + std::string(text);
  }

  std::vector<std::string> events;
  std::deque<int> popupAnswers;
  int repeatPopupAnswer = 0;  // once the queue is empty
  bool captureRunning = false;
  bool captureCompleting = false;
  bool sharedFileChanged = false;
  std::function<void()> onPopup;
  std::function<void()> onMessage;
};

struct MacroSetup {
  std::string name;
  int hotkey = 0;
  storage::ScopeKindValue scope = storage::ScopeGlobal;
  std::string scopeText;
  std::string text;
  bool topMostOnly = false;
  bool enabled = true;
};

inline storage::MacroRecord MakeRecord(const MacroSetup& setup) {
  storage::MacroRecord record{};
  record.Name.Assign(setup.name);
  record.HotkeyNumber = static_cast<std::uint16_t>(setup.hotkey);
  record.ScopeKind = setup.scope;
  record.ScopeText.Assign(setup.scopeText);
  record.Enabled = setup.enabled;
  record.TopMostOnly = setup.topMostOnly;
  record.SetMacroText(setup.text);
  return record;
}

inline Lines Press(int vk) {
  return {"key " + std::to_string(vk) + " down", "key " + std::to_string(vk) + " up"};
}
inline Lines Down(int vk) {
  return {"key " + std::to_string(vk) + " down"};
}
inline Lines Up(int vk) {
  return {"key " + std::to_string(vk) + " up"};
}
// Keys of lower-case letters as the US layout types them.
inline Lines Typed(std::string_view letters) {
  Lines all;
  for (const char c : letters) {
    const Lines press = Press(c - 'a' + 'A');
    all.insert(all.end(), press.begin(), press.end());
  }
  return all;
}
inline Lines Seq(std::initializer_list<Lines> groups) {
  Lines all;
  for (const Lines& group : groups) all.insert(all.end(), group.begin(), group.end());
  return all;
}
inline Lines Marker() {
  return Press(hooklib::kMarkerKey);
}
inline Lines WithoutWaits(const Lines& log) {
  Lines kept;
  for (const std::string& line : log) {
    if (line.rfind("wait ", 0) != 0) kept.push_back(line);
  }
  return kept;
}

class ActivationTest : public ::testing::Test {
 protected:
  // Loads the user's macros (MacroNumbers 1..n) followed by the four system macros.
  void Load(const std::vector<MacroSetup>& setups) {
    std::vector<storage::MacroRecord> records;
    for (const MacroSetup& setup : setups) records.push_back(MakeRecord(setup));
    storage::testing::WriteBytes(
        path, storage::testing::FileOf(storage::testing::WithSystemMacros(std::move(records))));
    ASSERT_TRUE(store.LoadMacroFile(path));
    fake.ClearLog();
  }
  // A window of a program; the program's process is registered with it.
  platform::WindowHandle Window(std::string title, std::uint32_t processId = 0,
                                std::string exeName = {}) {
    if (!exeName.empty()) fake.AddProcess(processId, std::move(exeName));
    return fake.AddWindow(std::move(title), processId);
  }
  void Hotkey(int code, platform::WindowHandle focus = 0) {
    activation.OnHotkeyPressed(static_cast<std::uint32_t>(code), focus);
  }
  const Lines& Log() { return fake.Log(); }
  storage::SharedMacroTable& Table() { return objects.Block(); }
  engine::PlaybackState& State() { return player.State(); }
  // Turns the fake keyboard's Caps Lock on, as the user left it before pressing a hotkey.
  void CapsLockOnBeforehand() {
    fake.KeyEvent(20, 0, 0);
    fake.KeyEvent(20, 0, platform::kKeyEventKeyUp);
    fake.ClearLog();
  }

  storage::testing::TempFolder folder;
  std::string path = folder.File("QUINX.QNL");
  platform::StdBinaryFiles files;
  storage::InProcessTable objects;
  storage::TableLock lock{objects};
  platform::fake::RecordingPlatform fake;
  engine::PlayerServices playerServices = platform::fake::MakePlayerServices(fake);
  engine::Player player{playerServices};
  storage::MacroStore store{files, lock, fake, fake};
  FakeHost host;
  HotkeyActivation activation{
      ActivationServices{lock, store, player, fake, fake, fake, fake, fake, host}};
};

}  // namespace quindle::activation::testing
