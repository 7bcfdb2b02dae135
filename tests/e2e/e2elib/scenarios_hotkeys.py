"""A hotkey pressed in another program plays its macro there: QUINDL.EXE and QNLHOOK.DLL."""

import os
import string
import time

from . import macros, waiting
from .macros import GLOBAL, PROGRAM, WINDOW, hotkey, record
from .registry import expect, expect_equal, scenario

HOTKEY = "ctrl+alt+shift+t"
HOTKEY_CODE = hotkey(HOTKEY)  # 259
MARKER_KEY = 43


FONT_KEYS = ["Color", "Font Name", "Size", "Bold", "Italic"]
SETTINGS_KEYS = (
    ["System Menu", "Primary Sort", "Activation Sort", "Scope Sort", "Last Date Format",
     "Last Time Format", "Suppress Zeros In Date", "Suppress Zeros In Time", "Show Date",
     "Use Tray", "Disable Screen Saver", "Current File"] +
    ["Last File %d" % n for n in range(1, 6)] +
    ["Double Alt", "Keys", "Mouse", "Relative To Screen", "Time", "Prompt", "Window Size",
     "Global", "Speed", "Solitary Usage", "Case Sensative", "Use Suffix", "Prefix Keys",
     "Width", "Height", "Left", "Top", "Col 1 Width", "Col 2 Width", "Col 3 Width",
     "Use Speed"] + FONT_KEYS + ["Underline", "Strikeout"] +
    ["Network Mode", "Auto Sync", "Sync Minutes", "Use Wave File", "Wave File Wait",
     "Wave File", "Timer Seconds"])


def key_downs(pad):
    return [e.int("vk") for e in pad.named("WM_KEYDOWN", "WM_SYSKEYDOWN")]


def settle(seconds=1.5):
    """Time for a key that should NOT arrive to have arrived; used only after a positive wait."""
    time.sleep(seconds)


@scenario("hotkey_plays_global_macro_once")
def hotkey_plays_global_macro_once(box):
    """Ctrl+Alt+Shift+T in TESTPAD plays the global macro there: the T never arrives, one
    playback per press, nothing twice, and the marker key never reaches the program."""
    pad = box.start_pad("TestPad Hotkey")
    box.start_quindl_with(macros.macro_file(record("Greeting", "Hello<ENTER>", HOTKEY_CODE)), pad)
    box.activate(pad)
    box.key(HOTKEY)
    pad.wait_text("Hello\r\n")
    box.key(HOTKEY)
    pad.wait_text("Hello\r\nHello\r\n")
    settle()
    expect_equal(pad.text(), "Hello\r\nHello\r\n", "text after two presses")
    downs = key_downs(pad)
    expect(ord("T") not in downs, "the hotkey's T reached TESTPAD: %r" % downs)
    expect(MARKER_KEY not in downs, "the marker key reached TESTPAD: %r" % downs)
    expect_equal(pad.chars(), "Hello\rHello\r", "characters typed")
    box.session.screenshot("hotkey_global.png")


@scenario("hotkey_scope_window_before_global")
def hotkey_scope_window_before_global(box):
    """One hotkey on a macro scoped to TESTPAD's title and on a global macro: with that TESTPAD
    in front the scoped one plays; with another window in front the global one plays."""
    scoped = box.start_pad("Scoped Pad")
    other = box.start_pad("Other Pad", log_name="other.log", geometry=(620, 100, 380, 250))
    data = macros.macro_file(
        record("Scoped", "win", HOTKEY_CODE, WINDOW, "SCOPED PAD", top_most_only=True),
        record("Global", "glob", HOTKEY_CODE))
    box.start_quindl_with(data, scoped)
    box.activate(scoped)
    box.key(HOTKEY)
    scoped.wait_text("win")
    box.activate(other)
    box.key(HOTKEY)
    other.wait_text("glob")
    settle()
    expect_equal(scoped.text(), "win", "the scoped TESTPAD's text")


@scenario("hotkey_scope_activates_window_behind")
def hotkey_scope_activates_window_behind(box):
    """With TopMostOnly 0 the window-scoped macro brings its TESTPAD from behind and plays
    there, ahead of the global macro with the same hotkey."""
    scoped = box.start_pad("Scoped Pad")
    other = box.start_pad("Other Pad", log_name="other.log", geometry=(620, 100, 380, 250))
    data = macros.macro_file(
        record("Global", "glob", HOTKEY_CODE),
        record("Scoped", "win", HOTKEY_CODE, WINDOW, "Scoped Pad", top_most_only=False))
    box.start_quindl_with(data, scoped)
    box.activate(other)
    box.key(HOTKEY)
    scoped.wait_text("win")
    scoped.wait_state(lambda s: s["fg"] == "1", 20, "to be in front")
    settle()
    expect_equal(other.text(), "", "the other TESTPAD's text")


@scenario("hotkey_program_scope")
def hotkey_program_scope(box):
    """A macro scoped to the program TESTPAD.EXE plays in TESTPAD only; in another program the
    key passes on and nothing is played."""
    pad = box.start_pad("TestPad Program")
    data = macros.macro_file(record("Prog", "prog", HOTKEY_CODE, PROGRAM, "TESTPAD"))
    other = box.start_pad("Other Program", log_name="other.log", geometry=(620, 100, 380, 250),
                          exe="OTHERPAD.EXE")
    box.start_quindl_with(data, pad)
    box.activate(pad)
    box.key(HOTKEY)
    pad.wait_text("prog")
    # The same program under another file name: the key passes on and nothing plays.
    box.activate(other)
    box.key(HOTKEY)
    other.wait_event(lambda e: e.name in ("WM_KEYDOWN", "WM_SYSKEYDOWN") and
                     e.int("vk") == ord("T"), 20, "the hotkey's T to reach OTHERPAD")
    settle()
    expect_equal(pad.text(), "prog", "TESTPAD's text after the press in OTHERPAD")
    expect_equal(other.text(), "", "OTHERPAD's text")


@scenario("hotkey_caps_lock_restored")
def hotkey_caps_lock_restored(box):
    """With Caps Lock on, a macro "Abc" types Abc, and Caps Lock is on again afterwards."""
    pad = box.start_pad("TestPad Caps")
    box.start_quindl_with(macros.macro_file(record("Caps", "Abc", HOTKEY_CODE)), pad)
    box.activate(pad)
    box.key("Caps_Lock")
    pad.wait_state(lambda s: s["caps"] == "1", 20, "Caps Lock on")
    box.key(HOTKEY)
    pad.wait_text("Abc")
    pad.wait_state(lambda s: s["caps"] == "1", 20, "Caps Lock on again after the macro")
    box.type_keys("x")
    pad.wait_text("AbcX")
    box.key("Caps_Lock")


@scenario("hotkey_abort_keys_end_macro")
def hotkey_abort_keys_end_macro(box):
    """Pause and Scroll Lock held during a long delay end the macro with "Macro Abort" when that
    wait is over: the rest of the macro never plays."""
    pad = box.start_pad("TestPad Abort")
    data = macros.macro_file(record("Long", "a<DELAY:05.00>b", HOTKEY_CODE))
    box.start_quindl_with(data, pad)
    box.activate(pad)
    box.key(HOTKEY)
    pad.wait_text("a")
    box.sync_x_focus()
    box.xdotool("keydown", "Pause")
    box.xdotool("keydown", "Scroll_Lock")
    box.xdotool("keyup", "Scroll_Lock")
    box.xdotool("keyup", "Pause")
    pad.wait_window("Macro Abort", limit=40)
    settle(2.0)
    expect_equal(pad.text(), "a", "text after the abort")
    box.session.screenshot("hotkey_abort.png")


@scenario("hotkey_pause_warning_and_resume")
def hotkey_pause_warning_and_resume(box):
    """Another hotkey while a pause dialog is open gets the pause warning; the paused macro's
    own hotkey resumes it."""
    pad = box.start_pad("TestPad Pause")
    other_code = hotkey("ctrl+alt+shift+u")
    data = macros.macro_file(record("Paused", "x<PAUSE:050,100Wait here>y", HOTKEY_CODE),
                             record("Other", "zzz", other_code))
    box.start_quindl_with(data, pad)
    box.activate(pad)
    box.key(HOTKEY)
    pad.wait_text("x")
    pad.wait_window("Pause (", ("&Resume", "&Abort"), limit=20)
    box.key("ctrl+alt+shift+u")
    waiting.until(lambda: pad.message("in the middle of a PAUSE"), 20, "the pause warning")
    box.session.screenshot("hotkey_pause_warning.png")
    warning = pad.message("in the middle of a PAUSE")
    expect_equal(warning["title"], "Warning", "the warning's title")
    pad.close_window("Warning")
    waiting.until(lambda: not pad.message("in the middle of a PAUSE"), 20, "the warning to close")
    box.activate(pad)
    box.key(HOTKEY)
    pad.wait_text("xy")
    expect("z" not in pad.text(), "the other macro played during the pause")


@scenario("hotkey_second_instance_refused")
def hotkey_second_instance_refused(box):
    """A second QUINDL.EXE shows "Quindle 98 is already running." and ends; the first keeps
    working."""
    pad = box.start_pad("TestPad Twice")
    box.start_quindl_with(macros.macro_file(record("One", "one", HOTKEY_CODE)), pad)
    second = box.start_quindl([])
    shown = waiting.until(lambda: pad.message("Quindle 98 is already running."), 30,
                          "the already-running message")
    box.session.screenshot("hotkey_second_instance.png")
    expect_equal(shown["title"], "", "the message's title")
    expect(pad.close_handle(shown["hwnd"]), "closing the message box")
    try:
        second.wait(timeout=30)
    except Exception:
        raise AssertionError("the second QUINDL.EXE did not end after its message")
    box.activate(pad)
    box.key(HOTKEY)
    pad.wait_text("one")


@scenario("hotkey_quindl_killed_keys_pass")
def hotkey_quindl_killed_keys_pass(box):
    """With QUINDL.EXE killed, keys reach TESTPAD unchanged, the hotkey's T included."""
    pad = box.start_pad("TestPad Killed")
    process = box.start_quindl_with(macros.macro_file(record("K", "kkk", HOTKEY_CODE)), pad)
    box.activate(pad)
    box.key(HOTKEY)
    pad.wait_text("kkk")
    process.kill()
    process.wait(timeout=30)
    waiting.until(lambda: not pad.window("Quindle 98 ("), 30, "the main window to go")
    box.activate(pad)
    box.type_keys("ab")
    pad.wait_text("kkkab")
    box.key(HOTKEY)
    pad.wait_event(lambda e: e.name in ("WM_KEYDOWN", "WM_SYSKEYDOWN") and e.int("vk") == ord("T"),
                   20, "the T of the hotkey to reach TESTPAD")
    expect_equal(pad.text(), "kkkab", "no macro played without QUINDL")


@scenario("hotkey_remap_a_to_b")
def hotkey_remap_a_to_b(box):
    """A remap file mapping a to b makes TESTPAD receive b, while its key messages still show
    the A key."""
    pad = box.start_pad("TestPad Remap")
    punctuation = " !\"#$%&'()*+,-./:;<=>?@[\\]^_`}~"
    slots = bytearray((string.ascii_uppercase + string.ascii_lowercase + string.digits +
                       punctuation).encode("ascii"))
    assert len(slots) == 93
    slots[26] = ord("b")
    box.write_file("SCEN.QNS", bytes(slots))
    box.start_quindl_with(macros.macro_file(record("R", "r", HOTKEY_CODE)), pad)
    box.activate(pad)
    box.type_keys("cab")
    pad.wait_text("cbb")
    expect(ord("A") in key_downs(pad), "the A key itself still reached TESTPAD")


@scenario("hotkey_mouse_ctrl_right_click")
def hotkey_mouse_ctrl_right_click(box):
    """Ctrl plus right click plays its macro, and the click never reaches TESTPAD."""
    pad = box.start_pad("TestPad Mouse")
    data = macros.macro_file(record("Mouse", "clicked", hotkey("ctrl+rmouse")))
    box.start_quindl_with(data, pad)
    box.activate(pad)
    state = pad.state()
    x, y = state["client"][0] + 40, state["client"][1] + 40
    box.xdotool("mousemove", x, y)
    waiting.until(lambda: box.pointer() == (x, y), 20, "the pointer over TESTPAD")
    box.sync_x_focus()
    box.xdotool("keydown", "ctrl")
    box.xdotool("click", 3)
    box.xdotool("keyup", "ctrl")
    pad.wait_text("clicked")
    expect(not pad.named("WM_RBUTTONDOWN"), "the right button's down message reached TESTPAD")


@scenario("settings_written_and_file_option")
def settings_written_and_file_option(box):
    """/F opens the named macro file (a missing one is ignored) and QUINX.INI holds every key
    after the program ends."""
    pad = box.start_pad("TestPad Settings")
    box.write_file("OTHER.QNL", macros.macro_file(record("Other", "other", HOTKEY_CODE)))
    process = box.start_quindl(["/f" + box.windows_path("OTHER.QNL")], wait_with=pad,
                               caption="Quindle 98 (OTHER)")
    pad.close_window("Quindle 98 (")
    process.wait(timeout=60)
    ini = open(box.host_path("QUINX.INI"), encoding="cp1252").read()
    sections = ["[Misc]", "[Capture]", "[Typlets]", "[Grid Title Font]", "[Grid Font]",
                "[Main Window]", "[Script Page]", "[Network]", "[Print List Font]", "[Scheduler]"]
    for section in sections:
        expect(section in ini, "section %s in QUINX.INI" % section)
    places = [ini.index(section) for section in sections]
    # The file the harness wrote held only [Main Window]; the program's save keeps its place
    # and adds the others in order around it.
    others = [p for p, s in zip(places, sections) if s != "[Main Window]"]
    expect(others == sorted(others), "sections in order: %r" % sections)
    for key in SETTINGS_KEYS:
        expect(("\n" + key + "=").lower() in ini.lower(), "%r in QUINX.INI:\n%s" % (key, ini))
    for value in ("Current File=C:\\E2E\\OTHER.QNL", "Case Sensative=Yes", "Timer Seconds=10",
                  "Col 3 Width=132", "Left=570"):
        expect(value.lower() in ini.lower(), "%r in QUINX.INI:\n%s" % (value, ini))
    # A missing file leaves the remembered one.
    box.start_quindl(["/F" + box.windows_path("MISSING.QNL")], wait_with=pad,
                     caption="Quindle 98 (OTHER)")
    box.activate(pad)
    box.key(HOTKEY)
    pad.wait_text("other")
    expect(os.path.exists(box.host_path("OTHER.QNL")), "the macro file is still there")
