"""Capturing macros for real: QUINDL.EXE and QNLHOOK.DLL record real key and mouse events typed
into TESTPAD, and the captured macro then plays them back."""

import time

from . import macros, waiting
from .macros import hotkey, record, stored_record, text_of
from .registry import expect, expect_equal, scenario
from .scenarios_typlets import bring_to_front, settle

QUICK_CAPTURE = "ctrl+alt+shift+x"  # the capture system hotkey of every new file
FIRST_OWN = 4  # the four system macros come first in a scenario's file


def capture_settings(keys=True, mouse=False, timing=True, prompt=False, screen=True,
                     window_size=False):
    def yes(flag):
        return "Yes" if flag else "No"
    return macros.MAIN_WINDOW_SETTINGS + (
        "[Capture]\r\nKeys=%s\r\nMouse=%s\r\nTime=%s\r\nPrompt=%s\r\nRelative To Screen=%s\r\n"
        "Window Size=%s\r\nDouble Alt=Yes\r\nSpeed=1\r\nGlobal=Yes\r\n" % (
            yes(keys), yes(mouse), yes(timing), yes(prompt), yes(screen), yes(window_size)))


def record_count(box, name="SCEN.QNL"):
    with open(box.host_path(name), "rb") as f:
        return len(f.read()) // macros.RECORD_SIZE


def name_the_typlet(box, pad, name):
    """In "Capture Complete": "&Typlets", then the name. The dialog opens in its hotkey field,
    where every combination (Alt+T too) is taken as the hotkey being defined: Tab leaves it
    first. "&Ok" without a name puts the focus into the name field, with its message."""
    pad.wait_window("Capture Complete", ("&Hot Keys", "&Typlets", "&Ok"), limit=40)
    waiting.until(lambda: pad.window("Capture Complete")["fg"] == "1", 20, "the dialog in front")
    box.session.settled_screenshot("capture_complete_after_capture.png")
    box.key("Tab")
    box.key("alt+t")
    box.key("Return")
    try:
        waiting.until(lambda: pad.message("No Typlet name entered."), 20, "the no-name message")
    except AssertionError:
        box.session.screenshot("capture_complete_no_message.png")
        raise
    box.key("Return")
    waiting.until(lambda: not pad.message("No Typlet name entered."), 20, "the message to close")
    box.type_keys(name)
    box.key("Return")
    waiting.until(lambda: pad.window("Capture Complete") is None, 20, "Capture Complete to close")


def wait_recording(pad):
    """The capture runs once the table says so; TESTPAD reads it as QUINDL's own does."""
    waiting.until(pad.table_capturing, 20, "the capture to run")


@scenario("capture_quick_typlet_plays_back")
def capture_quick_typlet_plays_back(box):
    """Ctrl+Alt+Shift+X shows "Start Capture", "Hello" is typed, Ctrl+Alt+Shift+X again opens
    "Capture Complete"; the Typlet "hi1" made there plays "Hello" back, and the recorded text
    starts with the speed tag and holds <MSD: delays."""
    pad = box.start_pad("TestPad Quick Capture")
    box.write_file("QUINX.INI", capture_settings(prompt=True))
    box.start_quindl_with(macros.macro_file(), pad)
    bring_to_front(box, pad)
    box.key(QUICK_CAPTURE)
    start = waiting.until(lambda: pad.message("macro capture will now start"), 20,
                          "the start message")
    expect_equal(start["title"], "Start Capture", "the start message's title")
    box.session.settled_screenshot("capture_start_message.png")
    pad.close_window("Start Capture")
    waiting.until(lambda: not pad.message("macro capture will now start"), 20,
                  "the start message to close")
    wait_recording(pad)
    bring_to_front(box, pad)
    box.type_keys("Hello")
    pad.wait_text("Hello")
    box.key(QUICK_CAPTURE)
    name_the_typlet(box, pad, "hi1")
    waiting.until(lambda: record_count(box) == FIRST_OWN + 1, 20, "the captured macro stored")
    stored = stored_record(box, FIRST_OWN)
    text = text_of(stored)
    expect(text.startswith("<SPEED:00001>"), "the speed tag first: %r" % text)
    expect("<MSD:" in text, "delays between the keys: %r" % text)
    expect_equal("".join(c for c in text.replace("<SPEED:00001>", "")
                         if c.isalpha() and c not in "MSD"), "Hello", "the letters captured")
    expect_equal(stored[82:86], b"\x03hi1", "the Typlet name")
    bring_to_front(box, pad)
    box.type_keys("hi1")
    pad.wait_text("HelloHello", limit=40)


@scenario("capture_mouse_only_ends_by_stop_keys")
def capture_mouse_only_ends_by_stop_keys(box):
    """With only the mouse captured, the capture hotkey still ends the capture, and the click
    made during it is in the macro."""
    pad = box.start_pad("TestPad Mouse Capture")
    box.write_file("QUINX.INI", capture_settings(keys=False, mouse=True, timing=False))
    box.start_quindl_with(macros.macro_file(), pad)
    bring_to_front(box, pad)
    box.key(QUICK_CAPTURE)
    wait_recording(pad)
    state = pad.state()
    box.click(state["client"][0] + 60, state["client"][1] + 40)
    pad.wait_event(lambda e: e.name == "WM_LBUTTONUP", 20, "the click in TESTPAD")
    box.key(QUICK_CAPTURE)
    name_the_typlet(box, pad, "mo1")
    waiting.until(lambda: record_count(box) == FIRST_OWN + 1, 20, "the captured macro stored")
    text = text_of(stored_record(box, FIRST_OWN))
    expect("<MMS:" in text and ("<LCLK>" in text or "<LDN>" in text), "the click: %r" % text)
    expect("<CTL" not in text and "<ALT" not in text, "no keys captured: %r" % text)


@scenario("capture_2000_characters_without_loss")
def capture_2000_characters_without_loss(box):
    """2000 characters typed by real key events during a capture are all in the macro, and
    playing it types the same 2000 characters."""
    typed = "".join("abcdefghijklmnopqrstuvwxyz0123456789"[(i * 7) % 36] for i in range(2000))
    pad = box.start_pad("TestPad Long Capture")
    box.write_file("QUINX.INI", capture_settings(timing=False))
    box.start_quindl_with(macros.macro_file(), pad)
    bring_to_front(box, pad)
    box.key(QUICK_CAPTURE)
    wait_recording(pad)
    box.sync_x_focus()
    box.xdotool("type", "--delay", "12", typed)
    pad.wait_text(typed, limit=120)
    box.key(QUICK_CAPTURE)
    name_the_typlet(box, pad, "big")
    waiting.until(lambda: record_count(box) == FIRST_OWN + 1, 20, "the captured macro stored")
    expect_equal(text_of(stored_record(box, FIRST_OWN)), typed, "the captured text")
    player = box.start_pad("TestPad Long Playback", log_name="long_playback.log",
                           geometry=(620, 100, 380, 250))
    bring_to_front(box, player)
    box.type_keys("big")
    player.wait_text(typed, limit=180)


@scenario("capture_killed_leaves_the_file_whole")
def capture_killed_leaves_the_file_whole(box):
    """QUINDL.EXE killed in the middle of a capture leaves every macro of the file as it was;
    started again, it plays them."""
    pad = box.start_pad("TestPad Killed Capture")
    code = hotkey("ctrl+alt+shift+k")
    box.write_file("QUINX.INI", capture_settings())
    process = box.start_quindl_with(macros.macro_file(record("Kept", "kept", code)), pad)
    before = open(box.host_path("SCEN.QNL"), "rb").read()
    bring_to_front(box, pad)
    box.key(QUICK_CAPTURE)
    wait_recording(pad)
    box.type_keys("abc")
    pad.wait_text("abc")
    process.kill()
    process.wait(timeout=30)
    waiting.until(lambda: not pad.window("Quindle 98 ("), 30, "the main window to go")
    after = open(box.host_path("SCEN.QNL"), "rb").read()
    expect_equal(after[:len(before)] == before, True, "the file's macros unchanged")
    expect(len(after) in (len(before), len(before) + macros.RECORD_SIZE),
           "at most the capture's own new macro added: %d bytes, then %d" % (
               len(before), len(after)))
    box.start_quindl(["/F" + box.windows_path("SCEN.QNL")], wait_with=pad)
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+k")
    pad.wait_text("abckept")
    settle(0.5)
    time.sleep(0)


def near(actual, expected, tolerance=2):
    return abs(actual - expected) <= tolerance


@scenario("capture_dialog_window_relative_click")
def capture_dialog_window_relative_click(box):
    """"Re&capture Macro" on a hotkey macro with the mouse captured relative to the window: a
    click into TESTPAD's client area, ended by the macro's own hotkey, is stored as a move
    relative to the window; after TESTPAD has moved, the hotkey clicks at the same client
    point again."""
    pad = box.start_pad("TestPad Recapture", geometry=(120, 100, 480, 320))
    code = hotkey("ctrl+alt+shift+m")
    box.write_file("QUINX.INI", capture_settings(keys=False, mouse=True, timing=False,
                                                 screen=False))
    box.start_quindl_with(macros.macro_file(record("Clicker", "", code)), pad)
    # The user works in TESTPAD, then turns to QUINDL: the window to go back to when the
    # capture starts.
    bring_to_front(box, pad)
    box.select_macro("ctrl+alt+shift+m")
    box.key("alt+m", "c")
    pad.wait_window("Capture Macro", ("Or Press Ctrl+Alt+Shift+M to end capture",
                                      "&Start Capture"), limit=30)
    box.session.settled_screenshot("capture_recapture_dialog.png")
    box.key("alt+s")
    wait_recording(pad)
    # A click to bring TESTPAD up would be captured too: the program hands the front back to
    # the window the user worked in, TESTPAD.
    pad.wait_state(lambda s: s["fg"] == "1", 20, "TESTPAD in front once the capture runs")
    state = pad.state()
    box.click(state["client"][0] + 100, state["client"][1] + 80)
    first = pad.wait_event(lambda e: e.name == "WM_LBUTTONDOWN", 20, "the captured click")
    pad.wait_event(lambda e: e.name == "WM_LBUTTONUP", 20, "its release")
    box.key("ctrl+alt+shift+m")
    done = waiting.until(lambda: pad.message("capture is complete for Ctrl+Alt+Shift+M."), 30,
                         "the completion message")
    expect_equal(done["title"], "Capture", "the completion message's title")
    box.session.settled_screenshot("capture_recapture_complete.png")
    pad.close_handle(done["hwnd"])
    waiting.until(lambda: not pad.message("capture is complete"), 20, "the message to close")
    text = text_of(stored_record(box, FIRST_OWN))
    expect("<MMW:" in text and "<MMS:" not in text, "moves relative to the window: %r" % text)
    expect(pad.move(300, 220), "TESTPAD moved")
    bring_to_front(box, pad)
    clicks = len(pad.named("WM_LBUTTONDOWN"))
    box.rest_pointer_on_desktop(pad)
    box.key("ctrl+alt+shift+m")
    try:
        pad.wait_event(lambda e: e.name == "WM_LBUTTONDOWN" and
                       len(pad.named("WM_LBUTTONDOWN")) > clicks, 30, "the played click")
    except AssertionError as error:
        box.session.screenshot("capture_recapture_no_click.png")
        raise AssertionError("%s; in front: %r; macro %r" % (error, pad.foreground(), text)) \
            from None
    again = pad.named("WM_LBUTTONDOWN")[-1]
    expect(near(again.int("x"), first.int("x")) and near(again.int("y"), first.int("y")),
           "the same client point: captured at %r, played at %r" % (first, again))
