"""The command dialogs of clipboard, files, held keys, remark, web address, macro file, text file
and date/time, "Insert Symbol" and the window/program chooser, by keyboard alone: each opened by
the unit test program's showcase, one dialog at a time, looked at in a settled
screenshot, driven by its mnemonics, arrows, Tab and Enter, and its result read back."""

import os
import shutil

from . import waiting
from .registry import expect, expect_equal, scenario
from .scenarios_capture_dialogs import showcase_output

OK_CANCEL = ("&Ok", "&Cancel")
OK_CANCEL_HELP = OK_CANCEL + ("&Help",)


def start_showcase(box, which):
    return box.start_showcase("QNL_SHOW_COMMAND_DIALOG", which, "CommandDialogsBShowcase.*")


def open_dialog(box, pad, which, caption, controls, screenshot):
    """The showcase of `which`, its dialog in front with `controls`, and its screenshot."""
    process = start_showcase(box, which)
    dialog = pad.wait_window(caption, controls, limit=60)
    waiting.until(lambda: pad.window(caption)["fg"] == "1", 20, "%r in front" % caption)
    box.session.settled_screenshot(screenshot)
    return process, dialog


def answer_message(box, pad, text, title, screenshot, keys=("Return",)):
    """Waits for the message `text` titled `title`, takes its screenshot and answers it."""
    waiting.until(lambda: pad.message(text), 20, "the message %r" % text)
    box.session.settled_screenshot(screenshot)
    expect_equal(pad.message(text)["title"], title, "the message's title")
    box.key(*keys)
    waiting.until(lambda: not pad.message(text), 20, "the message to close")


def expect_output(box, process, line):
    text = showcase_output(box, process)
    expect(line in text, "the dialog's result %r:\n%s" % (line, text))


@scenario("command_dialogs_b_clipboard_and_files")
def command_dialogs_b_clipboard_and_files(box):
    """"Clipboard" opens on "&Start Clipboard Copy" with the path disabled; the arrows choose the
    file copy, Tab reaches the path, Enter hands back <CLIPF:. "File Manipulation" refuses a copy
    without a new name and focuses it; the name typed there, Enter hands back <COPYFILE:."""
    pad = box.start_pad("TestPad Showcase Clipboard")
    process, _ = open_dialog(box, pad, "clipboard", "Clipboard", (
        "&Start Clipboard Copy", "&End Clipboard Copy", "C&opy Text File To Clipboard",
        "&Issue Copy To Clipboard Command (CTRL+C)",
        "Issue &Paste From Clipboard Command (CTRL+V)", "Text File Path/Name",
        "&Browse") + OK_CANCEL_HELP, "cmd_clipboard.png")
    box.key("Down", "Down", "Tab")
    box.type_keys("C:\\NOTES.TXT")
    box.session.settled_screenshot("cmd_clipboard_file.png")
    box.key("Return")
    expect_output(box, process, "showcase text=<CLIPF:C:\\NOTES.TXT> kind=3")

    process, _ = open_dialog(box, pad, "files", "File Manipulation", (
        "Ch&ange Directory/Folder", "Cop&y File", "&Rename File", "&Delete File",
        "Text File Path/Name", "New Name", "&Browse") + OK_CANCEL_HELP, "cmd_files.png")
    box.type_keys("C:\\NOTES.TXT")
    box.key("Return")
    answer_message(box, pad, "No new name specified.  Please correct.", "Error",
                   "cmd_files_no_name.png")
    box.type_keys("COPY.TXT")
    box.key("Return")
    expect_output(box, process, "showcase text=<COPYFILE:C:\\NOTES.TXT;COPY.TXT> kind=2")


@scenario("command_dialogs_b_keys_remark_web")
def command_dialogs_b_keys_remark_web(box):
    """"Keys Up Or Down" opens with no choice and takes "&Win Key Down" by its mnemonic;
    "Remark" takes a comment; "Internet Web Site" opens on "http://", which stays in front of
    the address typed after it; "Internet FTP" is cancelled by Escape."""
    pad = box.start_pad("TestPad Showcase Keys")
    process, _ = open_dialog(box, pad, "keys", "Keys Up Or Down", (
        "C&ontrol Key Down", "Co&ntrol Key Up", "&Alt Key Down", "A&lt Key Up",
        "&Shift Key Down", "S&hift Key Up", "&Win Key Down", "W&in Key Up") + OK_CANCEL_HELP,
        "cmd_keys.png")
    box.key("alt+w", "Return")
    expect_output(box, process, "showcase text=<WIND> kind=7")

    process, _ = open_dialog(box, pad, "remark", "Remark", ("Comment",) + OK_CANCEL_HELP,
                             "cmd_remark.png")
    box.type_keys("Log in first")
    box.key("Return")
    expect_output(box, process, "showcase text=<REM:Log in first> kind=1")

    process, _ = open_dialog(box, pad, "web", "Internet Web Site",
                             ("Web Site URL",) + OK_CANCEL_HELP, "cmd_web.png")
    # The field holds the preset (other programs cannot read an edit field's text): End keeps
    # it in front of what is typed.
    box.key("End")
    box.type_keys("example.com")
    box.key("Return")
    expect_output(box, process, "showcase text=<HTTP:http://example.com> kind=1")

    process, _ = open_dialog(box, pad, "ftp", "Internet FTP", ("FTP URL",) +
                             OK_CANCEL_HELP, "cmd_ftp.png")
    box.key("Escape")
    expect_output(box, process, "showcase cancelled")


@scenario("command_dialogs_b_macro_and_text_file")
def command_dialogs_b_macro_and_text_file(box):
    """"Load A New Macro File" browses for macro files, refuses a missing file and takes an
    existing one; "Load Text
    from a Text File" asks about a missing file, and No takes the path as typed."""
    pad = box.start_pad("TestPad Showcase Files")
    process, _ = open_dialog(box, pad, "swap", "Load A New Macro File", (
        "Swap Macro File", "File Path/Name", "&Browse") + OK_CANCEL_HELP, "cmd_swap.png")
    # "&Browse" opens the file dialog on macro files; Escape leaves the field as it was.
    box.key("alt+b")
    pad.wait_window("Open", limit=30)
    box.session.settled_screenshot("cmd_swap_browse.png")
    # Escape leaves the field as it was, and the dialog gives the path field the focus back.
    box.key("Escape")
    waiting.until(lambda: pad.window("Load A New Macro File")["fg"] == "1" and
                  pad.foreground()["focusclass"] == "Edit", 20,
                  "the dialog in front again with the path field focused")
    box.type_keys("C:\\MISSING.QNL")
    box.key("Return")
    answer_message(box, pad, "Specified Macro File does not exist.  Please correct.", "Error",
                   "cmd_swap_missing.png")
    box.type_keys("C:\\MACROS.QNL")
    box.key("Return")
    expect_output(box, process, "showcase text=<SWAP:C:\\MACROS.QNL> kind=1")

    process, _ = open_dialog(box, pad, "textfile", "Load Text from a Text File", (
        "Insert Text File", "Text File Path/Name", "&Browse", "&Edit Text File") +
        OK_CANCEL_HELP, "cmd_text_file.png")
    box.type_keys("C:\\NEW.TXT")
    box.key("Return")
    answer_message(box, pad, "Specified Path and Program does not exist.  Do you wish to correct?",
                   "Warning", "cmd_text_file_question.png", keys=("n",))
    expect_output(box, process, "showcase text=<TFILE:C:\\NEW.TXT> kind=1")


@scenario("command_dialogs_b_date_and_time")
def command_dialogs_b_date_and_time(box):
    """"Dates" lists the 51 date formats beside their samples; the arrows, Tab and Space choose
    the third format without leading zeros, seven days into the past. "Times" has no days; End
    chooses its last format."""
    pad = box.start_pad("TestPad Showcase Dates")
    process, _ = open_dialog(box, pad, "date", "Dates", (
        "Select Date Format", "Do not show leading zeros", "Set date", "days into", "&future",
        "&past") + OK_CANCEL_HELP, "cmd_dates.png")
    box.key("Down", "Down", "Tab", "space", "Tab")
    box.type_keys("7")
    box.key("Tab", "Down")
    box.session.settled_screenshot("cmd_dates_changed.png")
    box.key("Return")
    expect_output(box, process, "showcase text=<MM.DD.YY{NP007}> kind=1")

    process, _ = open_dialog(box, pad, "time", "Times", (
        "Select Time Format", "Do not show leading zeros") + OK_CANCEL_HELP, "cmd_times.png")
    box.key("End")
    box.session.settled_screenshot("cmd_times_last.png")
    box.key("Return")
    expect_output(box, process, "showcase text=<hh,mma{Y}> kind=2")


@scenario("command_dialogs_b_symbol_and_scope")
def command_dialogs_b_symbol_and_scope(box):
    """"Insert Symbol": Right moves one column (character 136), Enter inserts it; "&Alt Keypad
    Sequence" asks for the digits and inserts <ALT:065>. "Set Title" refuses an empty title,
    then offers the highlighted window, and Yes takes it; "Set Program" lists the programs."""
    pad = box.start_pad("TestPad Showcase Symbol")
    process, _ = open_dialog(box, pad, "symbol", "Insert Symbol",
                             ("&Alt Keypad Sequence",) + OK_CANCEL, "cmd_symbol.png")
    box.key("Right")
    box.session.settled_screenshot("cmd_symbol_136.png")
    box.key("Return")
    expect_output(box, process, "showcase symbol=136")

    process, _ = open_dialog(box, pad, "symbol", "Insert Symbol",
                             ("&Alt Keypad Sequence",) + OK_CANCEL, "cmd_symbol_again.png")
    box.key("alt+a")
    pad.wait_window("Alt Keypad Sequence", ("Keypad Numbers",) + OK_CANCEL)
    box.session.settled_screenshot("cmd_alt_keypad.png")
    box.type_keys("65")
    box.key("Return")
    expect_output(box, process, "showcase text=<ALT:065>")

    process, _ = open_dialog(box, pad, "title", "Set Title", (
        "Window Title (may be partial title)", "List of Windows currently running",
        "Run Macro If Window On Top", "Run Macro If Window Running") + OK_CANCEL_HELP,
        "cmd_set_title.png")
    box.key("Return")
    answer_message(box, pad, "No window title has been entered.  Please correct.", "Error",
                   "cmd_set_title_empty.png")
    box.key("Tab", "Down")
    box.key("Return")
    answer_message(box, pad, "is currently highlighted.  Would you like to use it?", "Error",
                   "cmd_set_title_question.png", keys=("y",))
    expect_output(box, process, "showcase name=Calculator onTop=1")

    process, _ = open_dialog(box, pad, "program", "Set Program", (
        "Program Name (may be partial name)", "List of Programs currently running",
        "Run Macro If Program On Top", "Run Macro If Program Running") + OK_CANCEL_HELP,
        "cmd_set_program.png")
    box.key("Escape")
    expect_output(box, process, "showcase cancelled")


@scenario("command_dialogs_b_help_by_f1")
def command_dialogs_b_help_by_f1(box):
    """F1 in "Remark", with the focus in its comment field, opens the same help page as its
    "&Help" button; the dialog stays open and Escape then cancels it."""
    chm = os.path.join(box.session.build_dir, "src", "app", "win32", "QUINDL.CHM")
    expect(os.path.isfile(chm), "no QUINDL.CHM in the build")
    shutil.copy2(chm, box.host_path("QUINDL.CHM"))
    pad = box.start_pad("TestPad Showcase Help")
    process, _ = open_dialog(box, pad, "remark", "Remark", ("Comment",) + OK_CANCEL_HELP,
                             "cmd_remark_before_f1.png")
    box.key("F1")
    pad.wait_window("Quindle 98 Help", limit=40)
    box.session.settled_screenshot("cmd_remark_help.png")
    pad.close_window("Quindle 98 Help")
    waiting.until(lambda: pad.window("Remark"), 20, "\"Remark\" still open")
    waiting.until(lambda: pad.window("Remark")["fg"] == "1", 20, "\"Remark\" in front again")
    box.key("Escape")
    expect_output(box, process, "showcase cancelled")
