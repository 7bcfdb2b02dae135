"""The scripting editor, opened from QUINDL.EXE's macro list and worked by keys alone: its lines,
the keystroke editor of a Text line, and the macro it writes back."""

from . import macros, waiting
from .macros import hotkey, record
from .registry import expect, expect_equal, scenario
from .scenarios_typlets import bring_to_front, settle


def open_row(box, activation):
    """Selects the macro of `activation` in QUINDL's list and presses Enter on it."""
    box.select_macro(activation)
    box.key("Return")


@scenario("editor_text_line_edited_and_played")
def editor_text_line_edited_and_played(box):
    """Enter on a hotkey macro opens "Macro Scripting Editor" with its lines indented; Enter on
    the Text line opens "Enter Keystrokes", where typing and the "E&nter" button change it;
    "&Update" and "&Ok" store it, and the hotkey then types the new text."""
    pad = box.start_pad("TestPad Editor")
    code = hotkey("ctrl+alt+shift+e")
    data = macros.macro_file(record("Edited", "<REPEAT:0002>ab<ENDREP>", code))
    box.start_quindl_with(data, pad)
    open_row(box, "ctrl+alt+shift+e")
    pad.wait_window("Macro Scripting Editor  (GLOBAL)",
                             controls=("Co&mmands", "Macro &Script", "&Ok", "&Cancel"))
    box.session.settled_screenshot("editor_scripting.png")
    # The second line is the Text line inside the repeat.
    box.key("alt+s")
    box.key("Home")
    box.key("Down")
    box.key("Return")
    pad.wait_window("Enter Keystrokes", controls=("Keystrokes", "&Update", "E&nter", "ok"))
    waiting.until(lambda: pad.window("Enter Keystrokes")["fg"] == "1", 20, "the dialog in front")
    box.session.settled_screenshot("editor_enter_keystrokes.png")
    box.type_keys("cd")
    box.key("alt+n")
    box.key("alt+u")
    waiting.until(lambda: pad.window("Enter Keystrokes") is None, 20, "Enter Keystrokes to close")
    box.key("alt+o")
    waiting.until(lambda: pad.window("Macro Scripting Editor") is None, 20, "the editor to close")
    macros.wait_stored(box, 4, macros.text_of, "<REPEAT:0002>abcd<ENTER><ENDREP>", "the stored macro text")
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+e")
    pad.wait_text("abcd\r\nabcd\r\n")


@scenario("editor_cancel_leaves_the_macro")
def editor_cancel_leaves_the_macro(box):
    """Deleting a line and then "&Cancel" leaves the macro file as it was; "&Add" with no
    command chosen says so in a message titled "Error". The macro is window-scoped, where the
    header has a "&Select" button: Alt+S still reaches the script list, and Enter there opens
    the Text line in "Enter Keystrokes"."""
    pad = box.start_pad("TestPad Editor Cancel")
    data = macros.macro_file(record("Kept", "one<CLIPC>", hotkey("ctrl+alt+shift+k"),
                                    scope=macros.WINDOW, scope_text="TestPad Editor Cancel"))
    box.start_quindl_with(data, pad)
    before = open(box.host_path("SCEN.QNL"), "rb").read()
    open_row(box, "ctrl+alt+shift+k")
    pad.wait_window("Macro Scripting Editor", controls=("De&lete", "&Cancel"))
    # From the nickname, where the editor opens, the next Alt+S of the dialog is "&Select".
    box.key("alt+s")
    box.key("Home")
    box.key("Return")
    wait_front(pad, "Enter Keystrokes", controls=("Keystrokes",))
    box.key("Escape")
    waiting.until(lambda: pad.window("Enter Keystrokes") is None, 20, "Enter Keystrokes to close")
    box.key("alt+a")
    message = waiting.until(lambda: pad.message("No command selected"), 20,
                            "the no-command message")
    expect_equal(message["title"], "Error", "the message's title")
    box.key("Return")
    waiting.until(lambda: not pad.message("No command selected"), 20, "the message to close")
    box.key("alt+s")
    box.key("Home")
    box.key("alt+l")
    box.key("alt+c")
    waiting.until(lambda: pad.window("Macro Scripting Editor") is None, 20, "the editor to close")
    expect_equal(open(box.host_path("SCEN.QNL"), "rb").read() == before, True,
                 "the macro file unchanged")


@scenario("editor_open_keeps_hotkeys_quiet")
def editor_open_keeps_hotkeys_quiet(box):
    """While the scripting editor is open, a macro's hotkey pressed in TESTPAD plays nothing;
    once the editor has closed it plays again."""
    pad = box.start_pad("TestPad Editor Quiet")
    code = hotkey("ctrl+alt+shift+q")
    box.start_quindl_with(macros.macro_file(record("Quiet", "played", code)), pad)
    open_row(box, "ctrl+alt+shift+q")
    pad.wait_window("Macro Scripting Editor", controls=("&Cancel",))
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+q")
    pad.wait_event(lambda e: e.name in ("WM_KEYDOWN", "WM_SYSKEYDOWN") and e.int("vk") == ord("Q"),
                   20, "the Q of the hotkey to reach TESTPAD")
    settle()
    expect_equal(pad.text(), "", "TESTPAD's text while the editor is open")
    expect(pad.close_window("Macro Scripting Editor"), "the editor asked to close")
    waiting.until(lambda: pad.window("Macro Scripting Editor") is None, 20, "the editor to close")
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+q")
    pad.wait_text("played")


COMMAND_ROW = {"Delay": 13, "Repeat End": 33, "Repeat Start": 35}  # rows of the sorted list


def choose_command(box, name):
    box.key("alt+m", "Home")
    box.key(*(["Down"] * COMMAND_ROW[name]))


def wait_front(pad, caption, controls=()):
    pad.wait_window(caption, controls=controls)
    waiting.until(lambda: pad.window(caption)["fg"] == "1", 20, "%s in front" % caption)


@scenario("editor_repeat_around_lines_through_dialogs")
def editor_repeat_around_lines_through_dialogs(box):
    """On a macro holding Hello<DELAY:01.50>World: 60.01 seconds is refused in "Set Delay" with
    the focus kept in the field; a "Repeat Start" of 3 inserted before the first line and a
    "Repeat End" after the last, each through "Repeat Options", give
    <REPEAT:0003>Hello<DELAY:01.50>World<ENDREP>, and the hotkey types HelloWorld three
    times."""
    pad = box.start_pad("TestPad Editor Repeat")
    code = hotkey("ctrl+alt+shift+h")
    data = macros.macro_file(record("Three", "Hello<DELAY:01.50>World", code))
    box.start_quindl_with(data, pad)
    open_row(box, "ctrl+alt+shift+h")
    wait_front(pad, "Macro Scripting Editor", ("Co&mmands", "Macro &Script", "&Ok"))
    box.session.settled_screenshot("editor_three_lines.png")
    box.key("alt+s", "Home", "Down", "Return")
    wait_front(pad, "Set Delay", ("Delay Time", "&Ok"))
    box.session.settled_screenshot("editor_set_delay.png")
    box.type_keys("60.01")
    box.key("Return")
    refused = "Value must be greater than zero and no larger than 60."
    waiting.until(lambda: pad.message(refused), 20, "the delay's message")
    box.key("Return")
    waiting.until(lambda: not pad.message(refused), 20, "the message to close")
    box.type_keys("1.5")
    box.key("Return")
    waiting.until(lambda: pad.window("Set Delay") is None, 20, "Set Delay to close")
    box.key("alt+s", "Home")
    choose_command(box, "Repeat Start")
    box.key("alt+n")
    wait_front(pad, "Repeat Options", ("&Start Repeat", "&Ok"))
    box.key("alt+s", "Tab")
    box.type_keys("3")
    box.key("Return")
    waiting.until(lambda: pad.window("Repeat Options") is None, 20, "Repeat Options to close")
    box.key("alt+s", "End")
    choose_command(box, "Repeat End")
    box.key("alt+i")
    wait_front(pad, "Repeat Options", ("&End Repeat", "&Ok"))
    box.key("Return")
    waiting.until(lambda: pad.window("Repeat Options") is None, 20, "Repeat Options to close")
    box.session.settled_screenshot("editor_repeated_lines.png")
    box.key("alt+o")
    waiting.until(lambda: pad.window("Macro Scripting Editor") is None, 20, "the editor to close")
    macros.wait_stored(box, 4, macros.text_of, "<REPEAT:0003>Hello<DELAY:01.50>World<ENDREP>", "the stored macro text")
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+h")
    pad.wait_text("HelloWorld" * 3, limit=40)


@scenario("editor_wizard_appends_with_its_question")
def editor_wizard_appends_with_its_question(box):
    """Alt+Z opens the "Scripting Wizard"; a Remark and then a Delay added through it are
    appended at the end, with the first line selected, and "Added" asks after each; No returns
    to the editor, whose Ok stores both."""
    pad = box.start_pad("TestPad Wizard")
    data = macros.macro_file(record("Wizard", "a<CLIPC>b", hotkey("ctrl+alt+shift+j")))
    box.start_quindl_with(data, pad)
    open_row(box, "ctrl+alt+shift+j")
    wait_front(pad, "Macro Scripting Editor", ("Wi&zard", "&Ok"))
    box.key("alt+s", "Home")
    box.key("alt+z")
    try:
        wait_front(pad, "Scripting Wizard", ("What would you like to do?", "E&xit", "&Help"))
    except AssertionError:
        box.session.screenshot("editor_wizard_missing.png")
        raise
    box.session.settled_screenshot("editor_wizard.png")
    box.key("alt+n")
    wait_front(pad, "Remark", ("&Ok",))
    box.type_keys("note")
    box.key("Return")
    question = "Macro object successfully added.  Continue with wizard?"
    added = waiting.until(lambda: pad.message(question), 20, "the Added question")
    expect_equal(added["title"], "Added", "the question's title")
    box.key("y")
    waiting.until(lambda: not pad.message(question), 20, "the question to close")
    wait_front(pad, "Scripting Wizard")
    box.key("alt+i")
    wait_front(pad, "Set Delay", ("&Ok",))
    box.type_keys("2")
    box.key("Return")
    waiting.until(lambda: pad.message(question), 20, "the Added question again")
    box.key("n")
    waiting.until(lambda: pad.window("Scripting Wizard") is None, 20, "the wizard to close")
    wait_front(pad, "Macro Scripting Editor")
    box.session.settled_screenshot("editor_after_wizard.png")
    box.key("alt+o")
    waiting.until(lambda: pad.window("Macro Scripting Editor") is None, 20, "the editor to close")
    macros.wait_stored(box, 4, macros.text_of, "a<CLIPC>b<REM:note><DELAY:02.00>", "the stored macro text")


@scenario("editor_icon_reset_to_the_programs_own")
def editor_icon_reset_to_the_programs_own(box):
    """A macro's icon from the Icons folder shows on the editor's icon button; the right button
    on it asks "Reset icon to program default?", and Yes and "&Ok" store "MAIN"."""
    import os
    import shutil
    here = os.path.dirname(os.path.abspath(__file__))
    icon = os.path.join(here, "..", "..", "..", "src", "app", "win32", "recording.ico")
    os.makedirs(box.host_path("Icons"), exist_ok=True)
    shutil.copy2(icon, box.host_path("Icons\\STAR.ICO"))
    pad = box.start_pad("TestPad Editor Icon")
    data = macros.macro_file(record("Iconic", "x", hotkey("ctrl+alt+shift+i"),
                                    icon_name="STAR.ICO"))
    box.start_quindl_with(data, pad)
    open_row(box, "ctrl+alt+shift+i")
    editor = pad.wait_window("Macro Scripting Editor", controls=("&Ok",))
    waiting.until(lambda: pad.window("Macro Scripting Editor")["fg"] == "1", 20,
                  "the editor in front")
    box.session.settled_screenshot("editor_icon.png")
    button = [c for c in editor["children"] if c["class"].lower() == "button" and not c["text"]]
    expect(len(button) == 1, "one icon button: %r" % button)
    left, top, right, bottom = button[0]["rect"]
    box.xdotool("mousemove", (left + right) // 2, (top + bottom) // 2)
    box.xdotool("click", 3)
    question = waiting.until(lambda: pad.message("Reset icon to program default?"), 20,
                             "the reset question")
    expect_equal(question["title"], "", "the question's title")
    box.key("y")
    waiting.until(lambda: not pad.message("Reset icon to program default?"), 20,
                  "the question to close")
    box.key("alt+o")
    waiting.until(lambda: pad.window("Macro Scripting Editor") is None, 20, "the editor to close")
    macros.wait_stored(box, 4, lambda stored: stored[5101:5106], b"\x04MAIN",
                       "the stored icon name")
