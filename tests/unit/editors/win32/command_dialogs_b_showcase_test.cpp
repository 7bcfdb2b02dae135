// Opens one of the command dialogs of clipboard, files, keys, remark, web, macro file, text file
// and date/time, "Insert Symbol" or the window/program chooser, and waits for someone to close
// it: the end-to-end harness (tests/e2e/e2elib/scenarios_command_dialogs_b.py) looks at them
// this way, through the keyboard and in screenshots, before the editors open them. Runs only
// when QNL_SHOW_COMMAND_DIALOG names the dialog.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "editors/dialog_test_support.h"
#include "editors/win32/command_dialogs.h"
#include "editors/win32/scope_chooser_dialog.h"
#include "editors/win32/symbol_dialog.h"

namespace quindle::editors::win32 {
namespace {

std::string Wanted() {
  const char* which = std::getenv("QNL_SHOW_COMMAND_DIALOG");
  return which != nullptr ? which : "";
}

// What the dialog handed back, for the harness to read.
void Report(const CommandOutcome& outcome) {
  if (!outcome) {
    std::printf("showcase cancelled\n");
    return;
  }
  std::printf("showcase text=%s kind=%d\n", outcome->text.c_str(), outcome->kind);
}

TEST(CommandDialogsBShowcase, OneDialog) {
  const std::string which = Wanted();
  if (which.empty()) GTEST_SKIP() << "QNL_SHOW_COMMAND_DIALOG names no dialog";
  testing_support::FakePathChecks disk;
  disk.files = {"C:\\NOTES.TXT", "C:\\MACROS.QNL"};
  disk.directories = {"C:\\WINDOWS"};
  const CommandDialogRequest direct{0, nullptr, true};
  DateTimeMemory memory;
  if (which == "clipboard") {
    Report(RunClipboardDialog(nullptr, direct, disk));
  } else if (which == "files") {
    Report(RunFilesDialog(nullptr, {kCmdCopyFile, nullptr, false}, disk));
  } else if (which == "keys") {
    Report(RunKeysDialog(nullptr, direct));
  } else if (which == "remark") {
    Report(RunRemarkDialog(nullptr, {kCmdRemark, nullptr, false}));
  } else if (which == "web") {
    Report(RunWebDialog(nullptr, {kCmdWebSite, nullptr, false}));
  } else if (which == "ftp") {
    Report(RunWebDialog(nullptr, {kCmdWebFtp, nullptr, false}));
  } else if (which == "swap") {
    Report(RunSwapDialog(nullptr, {kCmdLoadMacroFile, nullptr, false}, disk));
  } else if (which == "textfile") {
    Report(RunTextFileDialog(nullptr, {kCmdLoadTextFile, nullptr, false}, disk));
  } else if (which == "date") {
    Report(RunDateTimeDialog(nullptr, {kCmdDate, nullptr, false}, memory));
  } else if (which == "time") {
    Report(RunDateTimeDialog(nullptr, {kCmdTime, nullptr, false}, memory));
  } else if (which == "symbol") {
    const std::optional<std::string> text = RunSymbolDialog(nullptr);
    std::printf("showcase symbol=%d\n",
                text && !text->empty() ? static_cast<unsigned char>(text->front()) : -1);
    if (text) std::printf("showcase text=%s\n", text->c_str());
  } else if (which == "title" || which == "program") {
    const bool window = which == "title";
    const std::optional<ScopeChoice> choice =
        window ? RunScopeChooser(nullptr, true, "", true,
                                 {"Untitled - Notepad", "Calculator", "Program Manager"})
               : RunScopeChooser(nullptr, false, "", true,
                                 {"NOTEPAD.EXE", "CALC.EXE", "EXPLORER.EXE", "winlogon"});
    if (choice) std::printf("showcase name=%s onTop=%d\n", choice->name.c_str(), choice->onTop);
    if (!choice) std::printf("showcase cancelled\n");
  } else {
    FAIL() << "no such dialog: " << which;
  }
}

}  // namespace
}  // namespace quindle::editors::win32
