"""QUINDL.EXE started again after it was killed, on the same desktop: what a crash leaves behind
must not change what the next copy does. A killed program's system-wide hooks can stay
registered and keep being called in the other programs, each time inside the live copy's own
call for the same event, so everything the hooks report would arrive once per registration."""

from . import macros, waiting
from .macros import TYPLET, hotkey, record, stored_record, text_of
from .registry import expect_equal, scenario
from .scenarios_capture import FIRST_OWN, QUICK_CAPTURE, capture_settings, name_the_typlet
from .scenarios_capture import record_count, wait_recording
from .scenarios_typlets import backspaces, bring_to_front, settle

HOTKEY = "ctrl+alt+shift+t"
SIGNATURE = "Best wishes"
KILLS = 2
TYPED_DEAD = "sig"  # typed while no QUINDL runs


def kill_quindl(box, pad, process):
    """Ends QUINDL.EXE as a crash or the Task Manager does: no WM_CLOSE, no unhooking. Only its
    own process is ended; every other program of the desktop keeps running."""
    process.kill()
    process.wait(timeout=30)
    waiting.until(lambda: not pad.window("Quindle 98 ("), 30, "the killed main window to go")


def keys_pass_without_quindl(box, pad):
    """With QUINDL.EXE killed, TESTPAD's hooks still hold its blocks open: a Typlet's name and
    the hotkey reach TESTPAD as typed, nothing is swallowed or expanded. The text stays: the
    Backspaces the Typlet sends later are counted."""
    bring_to_front(box, pad)
    before = len(pad.named("WM_KEYDOWN", "WM_SYSKEYDOWN"))
    box.type_keys(TYPED_DEAD)
    box.key(HOTKEY)
    pad.wait_text(TYPED_DEAD)
    waiting.until(lambda: any(e.int("vk") == ord("T") for e in
                              pad.named("WM_KEYDOWN", "WM_SYSKEYDOWN")[before:]), 20,
                  "the hotkey's T to reach TESTPAD")


@scenario("restart_after_kills_acts_once")
def restart_after_kills_acts_once(box):
    """QUINDL.EXE started, killed, started, killed and started again: a Typlet fires (once, its
    name erased by exactly three Backspaces), a hotkey plays its macro once, and a quick capture
    of "hey" records each letter once."""
    pad = box.start_pad("TestPad Restart")
    ini = macros.typlet_settings() + capture_settings(timing=False)[
        len(macros.MAIN_WINDOW_SETTINGS):]
    box.write_file("QUINX.INI", ini)
    file_bytes = macros.macro_file(
        record("Typlet sig", SIGNATURE, TYPLET, typlet_name="sig"),
        record("Greeting", "Hello<ENTER>", hotkey(HOTKEY)))
    process = box.start_quindl_with(file_bytes, pad)
    for kill in range(KILLS):
        kill_quindl(box, pad, process)
        if kill == 0:
            keys_pass_without_quindl(box, pad)
        process = box.start_quindl(["/F" + box.windows_path("SCEN.QNL")], wait_with=pad)

    bring_to_front(box, pad)
    box.type_keys("xsig")
    pad.wait_text(TYPED_DEAD + "x" + SIGNATURE)
    settle()
    expect_equal(pad.text(), TYPED_DEAD + "x" + SIGNATURE, "text after the Typlet")
    expect_equal(backspaces(pad), 3, "Backspaces sent")

    box.key(HOTKEY)
    pad.wait_text(TYPED_DEAD + "x" + SIGNATURE + "Hello\r\n")
    settle()
    expect_equal(pad.text(), TYPED_DEAD + "x" + SIGNATURE + "Hello\r\n", "text after the hotkey")

    box.key(QUICK_CAPTURE)
    wait_recording(pad)
    bring_to_front(box, pad)
    box.type_keys("hey")
    pad.wait_text(TYPED_DEAD + "x" + SIGNATURE + "Hello\r\nhey")
    box.key(QUICK_CAPTURE)
    name_the_typlet(box, pad, "hy1")
    waiting.until(lambda: record_count(box) == FIRST_OWN + 3, 20, "the captured macro stored")
    expect_equal(text_of(stored_record(box, FIRST_OWN + 2)), "hey", "the captured text")
