// "Modify Hot Key" as a real window: it opens with the focus in the memo and "&Update" the
// default button, with the keyboard hook off; typed text and key buttons go in at the caret, a
// command button inserts its dialog's tag, and "&Update" writes the record. Esc changes nothing,
// and a refused Typlet name keeps the editor open on the name.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "editors/win32/command_dialogs_a_res.h"
#include "editors/win32/dialog_steps.h"
#include "editors/win32/mod_hotkeys_dialog.h"
#include "editors/win32/mod_hotkeys_dialog_res.h"

namespace quindle::editors::win32 {
namespace {

using namespace testing;

constexpr const char* kCaption = "Modify Hot Key  (GLOBAL)";

// Posted, so that a dialog the button opens runs its loop outside the driver's tick.
void PostClick(int id) {
  ::PostMessageA(Item(kCaption, id), BM_CLICK, 0, 0);
}

void TypeChars(HWND control, const char* text) {
  for (const char* c = text; *c != '\0'; ++c) ::SendMessageA(control, WM_CHAR, *c, 0);
}

// The caret of the memo, and whether it has the focus.
bool MemoFocusedAt(std::size_t caret) {
  HWND memo = Item(kCaption, IDC_MH_MEMO);
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageA(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return ::GetFocus() == memo && start == caret && end == caret;
}

struct Editor {
  storage::MacroRecord macro = storage::NewMacro("Letter", storage::ScopeGlobal, "", 65, "Hello");
  DirectEditorSetup setup;
  std::vector<bool> hookSwitches;

  explicit Editor(ActivationKind kind = ActivationKind::Hotkey) {
    setup.kind = kind;
    setup.hotkeyName = "Ctrl+Alt+A";
    setup.keyboardHook = [this](bool on) { hookSwitches.push_back(on); };
    setup.now = [] { return 46365.5; };
    setup.programDir = ".";
  }
  bool Run() { return RunDirectEditor(nullptr, macro, setup); }
};

TEST(ModHotKeysDialog, TypingAKeyButtonAndACommandGoInAtTheCaretAndUpdateStoresThem) {
  Editor editor;
  bool memoFocusedAtEnd = false;
  LRESULT defaultId = 0;
  std::vector<bool> hookWhileOpen;
  bool accepted = false;
  const bool driven = RunSteps(
      kCaption,
      {[&] { return FindShown(kCaption) != nullptr && MemoFocusedAt(5); },
       [&] {
         memoFocusedAtEnd = true;
         defaultId = ::SendMessageA(FindShown(kCaption), DM_GETDEFID, 0, 0);
         hookWhileOpen = editor.hookSwitches;
         HWND memo = Item(kCaption, IDC_MH_MEMO);
         TypeChars(memo, " World");
         ::SendMessageA(memo, EM_SETSEL, 5, 5);
         PostClick(IDC_MH_KEY_FIRST + 4);  // "Ta&b"
         return true;
       },
       [&] {
         if (!MemoFocusedAt(10)) return false;
         TypeChars(Item(kCaption, IDC_MH_MEMO), "!");
         PostClick(IDC_MH_COMMAND_FIRST + 2);  // "DELAY"
         return true;
       },
       When("Set Delay", [] { Type("Set Delay", IDC_DLY_AMOUNT, "2"); }), Press("Set Delay"),
       [&] {
         if (FindShown("Set Delay") != nullptr || !MemoFocusedAt(24)) return false;
         ::PostMessageA(FindShown(kCaption), WM_COMMAND, IDOK, 0);
         return true;
       }},
      [&] { accepted = editor.Run(); });
  ASSERT_TRUE(driven);
  EXPECT_TRUE(memoFocusedAtEnd);
  EXPECT_EQ(LOWORD(defaultId), IDOK) << "\"&Update\" is the default button";
  EXPECT_EQ(hookWhileOpen, std::vector<bool>{false}) << "the hook is off while it is open";
  EXPECT_EQ(editor.hookSwitches, (std::vector<bool>{false, true}));
  ASSERT_TRUE(accepted);
  EXPECT_EQ(editor.macro.MacroText(), "Hello<TAB>!<DELAY:02.00> World");
  EXPECT_EQ(editor.macro.Name.View(), "Letter");
  EXPECT_EQ(double(editor.macro.LastModified), 46365.5);
}

TEST(ModHotKeysDialog, EscInTheMemoLeavesTheMacroAsItWas) {
  Editor editor;
  const storage::MacroRecord before = editor.macro;
  bool accepted = true;
  bool escPressed = false;
  bool rescued = false;
  DrainQueue();
  // Esc alone must close it: the driver's own closing would hide a key that does nothing.
  Driver::Run(
      [&] {
        if (escPressed || FindShown(kCaption) == nullptr || !MemoFocusedAt(5)) return false;
        HWND memo = Item(kCaption, IDC_MH_MEMO);
        TypeChars(memo, "typed");
        ::PostMessageA(memo, WM_KEYDOWN, VK_ESCAPE, 0);
        escPressed = true;
        return false;
      },
      [&] {
        rescued = true;
        EndIfOpen(kCaption);
      },
      [&] { accepted = editor.Run(); });
  EXPECT_TRUE(escPressed);
  EXPECT_FALSE(rescued);
  EXPECT_FALSE(accepted);
  EXPECT_EQ(std::memcmp(&editor.macro, &before, sizeof before), 0);
  EXPECT_EQ(editor.hookSwitches, (std::vector<bool>{false, true}));
}

TEST(ModHotKeysDialog, AnEmptyTypletNameIsRefusedAndTheNameGetsTheFocus) {
  Editor editor(ActivationKind::Typlet);
  std::string message;
  bool focused = false;
  bool accepted = true;
  const bool driven =
      RunSteps(kCaption,
               {When(kCaption, [] { Type(kCaption, IDC_MH_TYPLET, "  "); }), Press(kCaption),
                Answer("Error", message), FocusBack(kCaption, "Error", IDC_MH_TYPLET, focused),
                Press(kCaption, IDCANCEL)},
               [&] { accepted = editor.Run(); });
  ASSERT_TRUE(driven);
  EXPECT_EQ(message, kNoTypletName);
  EXPECT_TRUE(focused);
  EXPECT_FALSE(accepted);
}

// Opens the editor on a window-scoped macro and waits for someone to close it, for a
// screenshot. Runs only when QNL_SHOW_MOD_HOTKEYS is set.
TEST(ModHotKeysShowcase, OpenUntilClosed) {
  if (std::getenv("QNL_SHOW_MOD_HOTKEYS") == nullptr) GTEST_SKIP() << "QNL_SHOW_MOD_HOTKEYS unset";
  Editor editor;
  editor.macro = storage::NewMacro("Letter", storage::ScopeWindow, "Untitled - Notepad", 65,
                                   "Dear Sir,<ENTER><ENTER>Thank you for<TAB>");
  const bool accepted = editor.Run();
  std::printf("showcase accepted=%d text=%s\n", accepted ? 1 : 0,
              std::string(editor.macro.MacroText()).c_str());
}

}  // namespace
}  // namespace quindle::editors::win32
