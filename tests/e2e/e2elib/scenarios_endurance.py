"""Endurance: hundreds of plays in a row, and typing while a hung program holds the table lock."""

import os
import string
import subprocess

from . import macros, soak, waiting
from .registry import expect, expect_equal, scenario

SOAK_PRESSES = 500
# How long LOCKHOLD keeps the table's mutex; the keys are typed in its first seconds.
HOLD_SECONDS = int(os.environ.get("QNL_E2E_HOLD_SECONDS", "10"))
# A key may wait at most this long between its press and TESTPAD's getting it while the lock
# is held: the hook library gives up on a lock it cannot have rather than holding up typing.
KEY_DELAY_LIMIT_MS = 500
LOCKED_TEXT = (string.ascii_lowercase + string.digits + string.ascii_lowercase)[:60]
HOTKEY = "ctrl+alt+shift+t"
AFTER_TEXT = "free"


@scenario("soak_hotkey_500_presses")
def soak_hotkey_500_presses(box):
    """The hotkey pressed 500 times, each press once the play before has ended: 500 whole plays
    in order, no modifier left down, and QUINDL's memory (under 1 MB) and handle count (under
    50) flat after a warm-up of 100 presses. scripts/soak runs the same with 10,000."""
    figures = soak.run(box, SOAK_PRESSES)
    for line in figures.lines():
        print("  soak: " + line, flush=True)
    expect(not figures.problems, "; ".join(figures.problems))


class LockHolder:
    """LOCKHOLD.EXE holding the shared table's mutex, seen through its status file."""

    def __init__(self, box, seconds):
        if not box.session.lockholder:
            raise AssertionError("no tests/e2e/LOCKHOLD.EXE in " + box.session.build_dir)
        self.path = box.host_path("lock.txt")
        self.release_path = self.path + ".release"
        process = subprocess.Popen(
            ["wine", box.host_path("LOCKHOLD.EXE"), str(seconds), box.windows_path("lock.txt")],
            env=box.env, cwd=box.drive, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        box.processes.append(process)
        self.process = process

    def notes(self):
        """What it has written so far, by the line's first word: "held" and "released" give
        the tick count, "error" what failed."""
        if not os.path.exists(self.path):
            return {}
        with open(self.path, encoding="latin-1", newline="") as f:
            whole_lines = f.read().split("\r\n")[:-1]
        return {words[0]: " ".join(words[1:]) for words in map(str.split, whole_lines) if words}

    def wait(self, what, limit):
        def written():
            notes = self.notes()
            if "error" in notes:
                raise AssertionError("LOCKHOLD failed: %s" % notes["error"])
            return notes.get(what)
        return int(waiting.until(written, limit, "LOCKHOLD to note %r" % what))


@scenario("hung_table_lock_keeps_typing")
def hung_table_lock_keeps_typing(box):
    """A program takes the table's mutex and keeps it (LOCKHOLD, QNL_E2E_HOLD_SECONDS, 10 s)
    while 60 keys are typed into TESTPAD: each arrives once and in order, none more than 500 ms
    after its press, and once the mutex is free again the hotkey plays its macro."""
    pad = box.start_pad("TestPad Lock")
    data = macros.macro_file(macros.record("After", AFTER_TEXT, macros.hotkey(HOTKEY)))
    box.start_quindl_with(data, pad)
    box.activate(pad)
    # The hooks are in place and the hotkey works before the lock is taken.
    box.key(HOTKEY)
    pad.wait_text(AFTER_TEXT)

    holder = LockHolder(box, HOLD_SECONDS)
    held_at = holder.wait("held", 40)
    mark = len(pad.events())
    box.type_keys(LOCKED_TEXT)
    # Generous: with every key held up by the lock, the last comes only well after its end.
    limit = HOLD_SECONDS + len(LOCKED_TEXT) + 30

    def arrived():
        chars = [e for e in pad.events_from(mark) if e.name == "WM_CHAR"]
        return len(chars) >= len(LOCKED_TEXT)
    try:
        waiting.until(arrived, limit, "the %d keys typed under the lock" % len(LOCKED_TEXT))
    except waiting.Timeout:
        pass  # what did arrive is checked and reported below
    released_at = holder.wait("released", HOLD_SECONDS + 30)
    events = pad.events_from(mark)
    downs = [e for e in events if e.name == "WM_KEYDOWN"]
    typed = "".join(chr(e.int("code")) for e in events if e.name == "WM_CHAR")
    delays = [e.ms - e.int("sent") for e in events if e.name in ("WM_KEYDOWN", "WM_KEYUP")]
    late = [d for d in delays if d > KEY_DELAY_LIMIT_MS]
    while_held = [e for e in events if e.name == "WM_KEYDOWN" and e.ms < released_at]
    print("  lock: held %d..%d ms (%.1f s); keys pressed %d..%d ms, %d of %d taken by TESTPAD "
          "before the release; press to TESTPAD: first keys %r ms, max %d ms, %d of %d key "
          "messages over %d ms" % (
              held_at, released_at, (released_at - held_at) / 1000.0,
              downs[0].int("sent") if downs else 0, downs[-1].int("sent") if downs else 0,
              len(while_held), len(downs), delays[:6], max(delays) if delays else 0, len(late),
              len(delays), KEY_DELAY_LIMIT_MS), flush=True)
    expect_equal(typed, LOCKED_TEXT, "the characters typed while the lock was held")
    expect_equal(len(downs), len(LOCKED_TEXT), "key-downs typed while the lock was held")
    expect(downs[-1].int("sent") < released_at,
           "the last key was pressed at %d, after the lock was free at %d: the hold was too "
           "short to type under it" % (downs[-1].int("sent"), released_at))
    # Free again: the hotkey plays as before (checked before the delays, so a run that fails
    # on them still tells whether the program came back).
    box.key(HOTKEY)
    pad.wait_text(AFTER_TEXT + LOCKED_TEXT + AFTER_TEXT)
    expect(not late, "%d of %d key messages came more than %d ms after their press (max %d "
                     "ms): the lock held typing up" % (len(late), len(delays),
                                                       KEY_DELAY_LIMIT_MS, max(delays)))
