// The list operations over a macro file in memory, with one host for the list, the dialogs, the
// network lock and the rebuilds that logs what it is asked and answers what the test set up.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/list_operations.h"
#include "platform/memory_files.h"
#include "storage/macro_store_test_support.h"

namespace quindle::app::testing {

using storage::MacroRecord;
using storage::testing::ShownMessage;

// Messages and questions are recorded; questions are answered from a queue (Yes when empty).
class AskingPrompts final : public platform::IPrompts {
 public:
  std::vector<ShownMessage> shown;
  std::vector<ShownMessage> asked;
  std::deque<bool> answers;
  void ShowMessage(std::string_view title, std::string_view text) override {
    shown.push_back({std::string(title), std::string(text)});
  }
  bool AskYesNo(std::string_view title, std::string_view text) override {
    asked.push_back({std::string(title), std::string(text)});
    const bool answer = answers.empty() || answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
};

class FakeHost final : public IMacroListView,
                       public IListDialogs,
                       public INetworkLock,
                       public IListRebuilds {
 public:
  explicit FakeHost(storage::InProcessTable& objects) : objects_(objects) {}
  std::vector<std::string> log;
  int selected = 0;
  std::optional<int> rows;  // what the list shows instead of the table's count
  std::optional<int> rowsAfterRefill;
  bool inUse = false;
  std::optional<CopyOrMoveForm> copyOrMove;  // accepted with this form; cancelled without
  std::optional<AddChoice> add;
  bool editorAccepts = false;
  PopupBuilderResult builder;
  bool systemKeysChanged = false;
  std::vector<std::string> headings;
  std::vector<EditorRequest> requests;
  std::optional<MacroRecord> shownInfo;

  int RowCount() override { return rows ? *rows : static_cast<int>(objects_.Block().SafeCount()); }
  int SelectedMacro() override { return selected; }
  int SelectedRow() override { return selected; }
  void Refill() override {
    Log("refill");
    if (rowsAfterRefill) rows = rowsAfterRefill;
  }
  void SelectMacro(int n) override { Log("select macro " + std::to_string(n)); }
  void SelectRow(int row) override { Log("select row " + std::to_string(row)); }
  void SetButtons(bool on) override { Log(on ? "buttons on" : "buttons off"); }
  void SetActivateCaption(std::string_view caption) override {
    Log("caption " + std::string(caption));
  }
  void Repaint() override { Log("repaint"); }

  bool CopyOrMove(CopyOrMoveMode mode, int n, MacroRecord& macro) override {
    Log(std::string(CopyOrMoveCaption(mode)) + " " + std::to_string(n));
    headings.push_back(CopyOrMoveHeading(mode, macro));
    if (copyOrMove) ApplyCopyOrMove(*copyOrMove, 46000.0, macro);
    return copyOrMove.has_value();
  }
  std::optional<AddChoice> AddNewHotKey() override { return Log("add dialog"), add; }
  bool ScriptingEditor(const EditorRequest& request, MacroRecord& macro) override {
    return Edit("scripting editor", request, macro);
  }
  bool DirectEditor(const EditorRequest& request, MacroRecord& macro) override {
    return Edit("direct editor", request, macro);
  }
  PopupBuilderResult PopupBuilder(const EditorRequest&, MacroRecord&) override {
    return Log("popup builder"), builder;
  }
  void CaptureNew(const MacroRecord&, bool forceProgram) override {
    Log(forceProgram ? "capture program" : "capture");
  }
  bool SystemKeys(const MacroRecord& macro) override {
    return Log("system keys " + std::string(macro.ScopeText.View())), systemKeysChanged;
  }
  bool QuickInfo(const MacroRecord& macro) override {
    shownInfo = macro;
    return true;
  }

  bool FileInUse() override { return Log("in use?"), inUse; }
  void ReleaseSyncFile(bool changed) override {
    Log(changed ? "release changed" : "release unchanged");
  }

  void CheckAndSetTime() override { Log("timed table"); }
  void SetHotKeys() override { Log("hotkeys"); }
  void ReloadKeyRemap() override { Log("remap"); }
  void RebuildPopupTrayIcons() override { Log("tray icons"); }

 private:
  void Log(std::string line) { log.push_back(std::move(line)); }
  bool Edit(const std::string& name, const EditorRequest& request, MacroRecord& macro) {
    requests.push_back(request);
    Log(name);
    if (editorAccepts) macro.SetMacroText("edited");
    return editorAccepts;
  }
  storage::InProcessTable& objects_;
};

inline MacroRecord Menu(std::string_view name, std::uint16_t hotkey,
                        std::vector<std::uint16_t> members) {
  MacroRecord menu = storage::testing::UserMacro(name, hotkey, storage::ScopePopupMenu);
  menu.TypletName.Assign("N31");
  menu.SetMembers(members);
  return menu;
}

inline MacroRecord Typlet(std::string_view name, std::string_view typlet) {
  MacroRecord record = storage::testing::UserMacro(name, storage::kActivationTyplet);
  record.TypletName.Assign(typlet);
  return record;
}

struct ListRig {
  // The file holds exactly `records`; the system macros where the test puts them.
  void Load(const std::vector<MacroRecord>& records) {
    memory.SetFile("QUINX.QNL", storage::testing::FileOf(records));
    ASSERT_TRUE(store.LoadMacroFile("QUINX.QNL"));
  }
  void LoadWithSystemMacros(const std::vector<MacroRecord>& records) {
    Load(storage::testing::WithSystemMacros(records));
  }
  int Count() { return objects.Block().Count.Get(); }
  std::string FileBytes() { return memory.Content("QUINX.QNL").value_or(""); }
  MacroRecord Record(int n) { return storage::testing::RecordAt(FileBytes(), n); }
  std::size_t Records() { return FileBytes().size() / storage::kRecordSize; }

  platform::MemoryBinaryFiles memory;
  storage::InProcessTable objects;
  storage::TableLock lock{objects};
  AskingPrompts prompts;
  storage::testing::FixedClock clock;
  storage::MacroStore store{memory, lock, prompts, clock};
  FakeHost host{objects};
  std::vector<std::string>& log = host.log;
  ListOperations ops{{store, lock, prompts, clock, host, host, host, host}};
};

}  // namespace quindle::app::testing
