"""A long run of one hotkey: QUINDL.EXE plays the same macro thousands of times into TESTPAD.

The macro types a fixed marker and Enter. The macro language keeps nothing from one play to
the next (its only counters are the pass numbers inside one repeat), so the plays are counted
instead: TESTPAD must receive the marker exactly once per press, each one whole, with nothing
between or inside them. A hotkey pressed while its macro still plays starts the macro again
nested inside the running one, and the modifiers held for the press would change the keys the
macro types; so each press waits for the play before it to end in TESTPAD's log, which is as
fast as the program lets itself be driven.

At the end no modifier may be left down, and QUINDL's memory and handle count must not have
grown after a warm-up (its one-time allocations: fonts, the first play's buffers). Memory is the
resident size of the Wine process that runs QUINDL.EXE (VmRSS in /proc); the handle count is
the number of QUINDL's entries in the system's handle table, asked through TESTPAD (Wine
answers GetProcessHandleCount of another process with 0, but its server lists every handle).
"""

import os
import statistics
import time

from . import macros, waiting

HOTKEY = "ctrl+alt+shift+t"
# Capitals and "!" need Shift from the macro itself, so a Shift it leaves down would show.
MARKER = "Qk7!"
MACRO_TEXT = MARKER + "<ENTER>"
PLAY_CHARS = MARKER + "\r"
MARKER_KEY = 43  # the key QUINDL sends after each play; its hook swallows it
HOTKEY_LETTER = ord("T")
MEMORY_LIMIT_BYTES = 1024 * 1024
HANDLE_LIMIT = 50
PLAY_LIMIT_SECONDS = 30
# Between looks at TESTPAD's log while a play is awaited; short, since it paces every press.
LOOK_SECONDS = 0.002


class Figures:
    """What one run measured; `problems` is empty when every check held."""

    def __init__(self, presses, warmup):
        self.presses = presses
        self.warmup = warmup
        self.plays = 0
        self.seconds = 0.0
        self.press_to_play_ms = []
        self.start = None  # before the first press, to show what the warm-up took
        self.before = None
        self.after = None
        self.modifiers = None
        self.problems = []

    def growth(self, key):
        return self.after[key] - self.before[key]

    def lines(self):
        out = ["%d presses, %d plays in %.1f s (%.1f presses/s)" % (
            self.presses, self.plays, self.seconds,
            self.presses / self.seconds if self.seconds else 0)]
        if self.press_to_play_ms:
            out.append("press to end of play: median %.0f ms, max %.0f ms (xdotool included)" % (
                statistics.median(self.press_to_play_ms), max(self.press_to_play_ms)))
        if self.start and self.before:
            out.append("warm-up: VmRSS %d -> %d kB, handles %d -> %d" % (
                self.start["rss"] // 1024, self.before["rss"] // 1024, self.start["handles"],
                self.before["handles"]))
        if self.before and self.after:
            out.append("after %d warm-up presses: VmRSS %d -> %d kB (%+d kB), handles %d -> %d "
                       "(%+d), Wine working set %d -> %d kB, private %d -> %d kB" % (
                           self.warmup, self.before["rss"] // 1024, self.after["rss"] // 1024,
                           self.growth("rss") // 1024, self.before["handles"],
                           self.after["handles"], self.growth("handles"),
                           self.before["workingset"] // 1024, self.after["workingset"] // 1024,
                           self.before["private"] // 1024, self.after["private"] // 1024))
        if self.modifiers is not None:
            out.append("modifiers down at the end: system %s, TESTPAD %s" % (
                ",".join(self.modifiers[0]) or "none", ",".join(self.modifiers[1]) or "none"))
        out += ["FAILED: " + problem for problem in self.problems]
        return out


def unix_pid(box, exe="QUINDL.EXE"):
    """The Linux process that runs `exe` in this box's Wine prefix (None if there is none)."""
    pids = box.unix_pids(exe, launchers=False)
    return pids[0] if pids else None


def resident_bytes(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) * 1024
    raise AssertionError("no VmRSS for process %d" % pid)


def measure(box, pad, pid):
    asked = pad.process_of("Quindle 98 (")
    if asked is None:
        raise AssertionError("TESTPAD could not ask QUINDL's process for its handles")
    asked["rss"] = resident_bytes(pid)
    return asked


class PlayCounter:
    """Follows TESTPAD's log: the characters typed so far, and keys that must never arrive."""

    def __init__(self, pad):
        self.pad = pad
        self.seen = len(pad.events())
        self.chars = []
        self.plays = 0
        self.stray = []  # (event line) of a hotkey letter or marker key that reached TESTPAD

    def look(self):
        for event in self.pad.events_from(self.seen):
            self.seen += 1
            if event.name == "WM_CHAR":
                code = event.int("code")
                self.chars.append(chr(code))
                if code == 13:
                    self.plays += 1
            elif event.name in ("WM_KEYDOWN", "WM_SYSKEYDOWN") and \
                    event.int("vk") in (HOTKEY_LETTER, MARKER_KEY):
                self.stray.append(event.line)
        return self.plays

    def wait_plays(self, count, limit=PLAY_LIMIT_SECONDS):
        deadline = time.monotonic() + limit
        while self.look() < count:
            if time.monotonic() > deadline:
                raise AssertionError("waited %d s for play %d; %d plays, last characters %r" % (
                    limit, count, self.plays, "".join(self.chars[-20:])))
            time.sleep(LOOK_SECONDS)

    def first_wrong_play(self):
        """The 1-based number of the first play whose characters are not the marker, or None."""
        typed = "".join(self.chars)
        for play in range(len(typed) // len(PLAY_CHARS) + 1):
            piece = typed[play * len(PLAY_CHARS):(play + 1) * len(PLAY_CHARS)]
            if piece and piece != PLAY_CHARS:
                return play + 1, piece
        return None


def run(box, presses, warmup=100, progress=None):
    """Presses the hotkey `presses` times in a fresh TESTPAD and checks the plays, the
    modifiers and QUINDL's growth; returns the Figures. `progress(done)` is called now and
    then, for a long run to show that it moves."""
    warmup = min(warmup, presses // 2)
    figures = Figures(presses, warmup)
    pad = box.start_pad("TestPad Soak")
    data = macros.macro_file(macros.record("Counter", MACRO_TEXT, macros.hotkey(HOTKEY)))
    box.start_quindl_with(data, pad)
    box.activate(pad)
    pid = unix_pid(box)
    if pid is None:
        raise AssertionError("no Linux process runs QUINDL.EXE in " + box.prefix)
    counter = PlayCounter(pad)
    # Nothing else opens or moves a window during the run, so the X focus stays where it is.
    box.sync_x_focus()
    figures.start = measure(box, pad, pid)
    started = time.monotonic()
    for press in range(1, presses + 1):
        if press == warmup + 1:
            figures.before = measure(box, pad, pid)
        pressed = time.monotonic()
        box.xdotool("key", HOTKEY)
        counter.wait_plays(press)
        figures.press_to_play_ms.append((time.monotonic() - pressed) * 1000)
        if progress and press % 500 == 0:
            progress(press)
    figures.seconds = time.monotonic() - started
    figures.plays = counter.plays
    figures.after = measure(box, pad, pid)
    check(figures, counter, pad)
    return figures


def check(figures, counter, pad):
    problems = figures.problems
    # Whatever was still on its way has arrived once the modifiers are all up.
    def all_up():
        figures.modifiers = pad.modifiers_down()
        return not figures.modifiers[0] and not figures.modifiers[1]
    try:
        waiting.until(all_up, 5, "every modifier up")
    except waiting.Timeout:
        problems.append("modifiers still down: system %r, TESTPAD %r" % figures.modifiers)
    counter.look()
    figures.plays = counter.plays
    if counter.plays != figures.presses:
        problems.append("%d presses but %d plays" % (figures.presses, counter.plays))
    wrong = counter.first_wrong_play()
    if wrong is not None:
        problems.append("play %d typed %r, expected %r" % (wrong[0], wrong[1], PLAY_CHARS))
    if counter.stray:
        problems.append("%d hotkey letters or marker keys reached TESTPAD, first %r" % (
            len(counter.stray), counter.stray[0]))
    if figures.growth("rss") >= MEMORY_LIMIT_BYTES:
        problems.append("QUINDL's memory grew by %d kB (limit %d kB)" % (
            figures.growth("rss") // 1024, MEMORY_LIMIT_BYTES // 1024))
    if figures.growth("handles") >= HANDLE_LIMIT:
        problems.append("QUINDL's handle count grew by %d (limit %d)" % (
            figures.growth("handles"), HANDLE_LIMIT))
