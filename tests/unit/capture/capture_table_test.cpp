// What a capture leaves in the shared table before the hooks record anything.
#include "capture/capture_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "hooklib/hotkey_number.h"

namespace quindle::capture {
namespace {

using storage::SharedMacroTable;

std::unique_ptr<SharedMacroTable> EmptyTable() {
  auto table = std::make_unique<SharedMacroTable>();
  std::memset(table.get(), 0, sizeof *table);
  return table;
}

void AddSlot(SharedMacroTable& table, std::int16_t kind, std::string_view text, int code) {
  const std::size_t slot = table.SafeCount();
  table.ScopeKind[slot] = kind;
  table.ScopeText[slot].Assign(text);
  table.HotkeyNumber[slot] = static_cast<std::uint16_t>(code);
  table.Enabled[slot] = true;
  table.Count = static_cast<std::int32_t>(slot + 1);
}

TEST(CaptureSpeedTag, EachSpeedHasItsTagAndAnythingElseIsActualSpeed) {
  const struct {
    int speed;
    std::string_view tag;
  } cases[] = {
      {1, "<SPEED:00001>"}, {2, "<SPEED:00002>"}, {3, "<SPEED:00.50>"},
      {4, "<SPEED:00.25>"}, {0, "<SPEED:00001>"}, {5, "<SPEED:00001>"},
  };
  for (const auto& c : cases) EXPECT_EQ(SpeedTag(c.speed), c.tag) << c.speed;
}

TEST(CaptureSystemHotkeyTest, TheFirstCaptureEntryOfTheSystemEntriesCounts) {
  const struct {
    const char* what;
    std::vector<std::tuple<std::int16_t, std::string_view, int>> slots;
    std::optional<int> expected;
  } cases[] = {
      {"entry 2", {{5, "1", 262}, {5, "2", 263}}, 263},
      {"no entry 2", {{5, "1", 262}, {5, "3", 264}}, std::nullopt},
      {"action text on a global macro", {{1, "2", 40}}, std::nullopt},
      {"first of two", {{5, "2", 300}, {5, "2", 263}}, 300},
      {"a code that names no combination", {{5, "2", 20000}}, std::nullopt},
      {"empty table", {}, std::nullopt},
  };
  for (const auto& c : cases) {
    auto table = EmptyTable();
    for (const auto& [kind, text, code] : c.slots) AddSlot(*table, kind, text, code);
    EXPECT_EQ(CaptureSystemHotkey(*table), c.expected) << c.what;
  }
}

TEST(CaptureTableSetUp, StopSetsComeFromTheirCodes) {
  const int rightCtrlClick = hooklib::EncodeMouseHotkey(hooklib::kMouseRight, true, false, false);
  const struct {
    const char* what;
    std::optional<int> code1, code2;
    int button1, key1;
    bool mods1[4];
    bool enabled2;
    int button2, key2;
    bool mods2[4];
  } cases[] = {
      // 263 is Ctrl+Alt+Shift+X, 0 is Ctrl+A.
      {"both", 263, 0, 0, 'X', {1, 1, 1, 0}, true, 0, 'A', {1, 0, 0, 0}},
      {"no system entry", std::nullopt, 0, 0, 0, {0, 0, 0, 0}, true, 0, 'A', {1, 0, 0, 0}},
      {"no own hotkey", 263, std::nullopt, 0, 'X', {1, 1, 1, 0}, false, 0, 0, {0, 0, 0, 0}},
      {"mouse", rightCtrlClick, std::nullopt, 2, 0, {1, 0, 0, 0}, false, 0, 0, {0, 0, 0, 0}},
      {"Typlet code", 263, 20000, 0, 'X', {1, 1, 1, 0}, false, 0, 0, {0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto table = EmptyTable();
    // What an earlier capture left must not survive.
    std::memset(&table->StopSet1Button, 0x7F, 19);
    SetUpCaptureTable(*table, {CaptureOptions{}, 7, c.code1, c.code2});
    EXPECT_EQ(table->StopSet1Button.Get(), c.button1);
    EXPECT_EQ(table->StopSet1Key.Get(), c.key1);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(static_cast<bool>(table->StopSet1Mods[i]), c.mods1[i]);
    EXPECT_EQ(static_cast<bool>(table->StopSet2Enabled), c.enabled2);
    EXPECT_EQ(table->StopSet2Button.Get(), c.button2);
    EXPECT_EQ(table->StopSet2Key.Get(), c.key2);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(static_cast<bool>(table->StopSet2Mods[i]), c.mods2[i]);
    EXPECT_FALSE(table->StopSet1Hit);
    EXPECT_FALSE(table->StopSet2Hit);
  }
}

TEST(CaptureTableSetUp, OptionsGoToTheirFieldsAndWindowSizeOnlyWithWindowRelativeMouse) {
  const struct {
    bool mouse, screen, size;
    bool windowSize;
  } cases[] = {
      {true, false, true, true},   {true, true, true, false},   {false, false, true, false},
      {true, false, false, false}, {false, true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.mouse << c.screen << c.size);
    auto table = EmptyTable();
    table->AltTabHeld = true;
    table->CaptureActive = false;
    CaptureOptions options;
    options.keys = !c.mouse;
    options.doubleAlt = c.screen;
    options.mouse = c.mouse;
    options.screenRelative = c.screen;
    options.windowSize = c.size;
    options.timing = c.size;
    SetUpCaptureTable(*table, {options, 42, 263, std::nullopt});
    EXPECT_EQ(static_cast<bool>(table->CaptureKeys), !c.mouse);
    EXPECT_EQ(static_cast<bool>(table->DoubleAlt), c.screen);
    EXPECT_EQ(static_cast<bool>(table->CaptureMouse), c.mouse);
    EXPECT_EQ(static_cast<bool>(table->ScreenRelative), c.screen);
    EXPECT_EQ(static_cast<bool>(table->CaptureTiming), c.size);
    EXPECT_EQ(static_cast<bool>(table->CaptureWindowSize), c.windowSize);
    EXPECT_EQ(static_cast<bool>(table->WantWindowSize), c.windowSize);
    EXPECT_EQ(table->CaptureMacro.Get(), 42);
    EXPECT_TRUE(table->FirstEvent);
    EXPECT_FALSE(table->AltTabHeld);
    EXPECT_FALSE(table->CaptureActive);  // set by the session, last
  }
}

TEST(CaptureProgramScope, ForcedOnlyForAScopedMacroWhoseCodeAGlobalMacroHas) {
  const struct {
    const char* what;
    std::int16_t kind;
    int otherKind;
    int otherCode;
    bool forced;
  } cases[] = {
      {"scoped, global twin", storage::ScopeProgram, storage::ScopeGlobal, 5, true},
      {"window scoped, global twin", storage::ScopeWindow, storage::ScopeGlobal, 5, true},
      {"global itself", storage::ScopeGlobal, storage::ScopeGlobal, 5, false},
      {"twin is scoped", storage::ScopeProgram, storage::ScopeProgram, 5, false},
      {"global with another code", storage::ScopeProgram, storage::ScopeGlobal, 6, false},
  };
  for (const auto& c : cases) {
    auto table = EmptyTable();
    AddSlot(*table, static_cast<std::int16_t>(c.otherKind), "", c.otherCode);
    AddSlot(*table, c.kind, "WORD", 5);
    storage::MacroRecord record{};
    record.ScopeKind = c.kind;
    record.HotkeyNumber = 5;
    EXPECT_EQ(ProgramScopeForced(*table, 2, record), c.forced) << c.what;
  }
}

}  // namespace
}  // namespace quindle::capture
