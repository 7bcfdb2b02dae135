"""Two users share one macro file on a network: two Wine prefixes, each with its own program
folder and QUINX.INI, both reach the shared folder as drive S: and run with file locking on
("/N"). Each user's change is proved by what the shared macro file and its sync file hold."""

import os
import struct
import time

from . import macros, waiting
from .box import Box
from .macros import RECORD_SIZE, hotkey, record
from .registry import expect_equal, scenario

SHARED = "S:\\TEAM.QNL"
IN_USE = "Macro File in use by another user."
CHANGED = "Macro File has changed by another user."
ALPHA, BRAVO = 4, 5  # record positions after the system macros


class User:
    """One copy of the program in a box of its own, its main window at `left`."""

    def __init__(self, box, shared_dir, left, pad_left):
        self.box = box
        os.symlink(shared_dir, os.path.join(box.prefix, "dosdevices", "s:"))
        self.left = left
        box.write_file("QUINX.INI", "[Main Window]\r\nWidth=440\r\nHeight=200\r\nLeft=%d\r\n"
                                    "Top=560\r\n" % left)
        self.pad = box.start_pad("TestPad %s" % box.name[-1].upper(),
                                 geometry=(pad_left, 100, 380, 300))
        self.process = box.start_quindl(["/N", "/F" + SHARED], wait_with=self.pad)

    def select(self, activation):
        """Clicks into this user's macro list and types the activation, as a user selects."""
        self.box.click(self.left + 220, 560 + 110)
        self.box.key("Home")
        self.box.type_keys(activation)

    def answer(self, text_part, limit=30):
        """Waits for the message box that says `text_part` and closes it with Enter."""
        try:
            waiting.until(lambda: self.pad.message(text_part), limit,
                          "the message %r" % text_part)
        except AssertionError:
            self.box.session.screenshot("network_no_message_%s.png" % self.box.name[-1])
            raise
        self.box.key("Return")
        waiting.until(lambda: not self.pad.message(text_part), limit, "the message gone")


def shared_record(shared_dir, index):
    with open(os.path.join(shared_dir, "TEAM.QNL"), "rb") as f:
        return f.read()[index * RECORD_SIZE:(index + 1) * RECORD_SIZE]


def enabled(shared_dir, index):
    return shared_record(shared_dir, index)[97]


def sync_record(shared_dir):
    """(counter, state) of the sync file; state 1 is held, 2 free."""
    with open(os.path.join(shared_dir, "TEAM.MAS"), "rb") as f:
        counter, state, _ = struct.unpack("<ihd", f.read(14))
    return counter, state


def two_users(box):
    shared_dir = os.path.join(box.session.work, "share-" + box.name)
    os.makedirs(shared_dir, exist_ok=True)
    with open(os.path.join(shared_dir, "TEAM.QNL"), "wb") as f:
        f.write(macros.macro_file(record("Alpha", "alpha", hotkey("ctrl+alt+shift+a")),
                                  record("Bravo", "bravo", hotkey("ctrl+alt+shift+b"))))
    other = Box(box.session, box.name + "-b")
    # The second user on a screen of its own, as on a second machine: two Wine desktops on one
    # screen would cover each other.
    xvfb, display = box.session.start_xvfb()
    other.processes.append(xvfb)
    other.env["DISPLAY"] = display
    try:
        a = User(box, shared_dir, 570, 120)
        b = User(other, shared_dir, 40, 560)
    except Exception:
        other.close()
        raise
    return shared_dir, a, b, other


@scenario("network_change_by_another_user_is_reloaded_first")
def network_change_by_another_user_is_reloaded_first(box):
    """A deactivates Bravo; B's next change (deactivating Alpha) only shows the "has changed"
    notice and reloads, changing nothing; B's repeat goes ahead."""
    shared_dir, a, b, other = two_users(box)
    try:
        a.select("ctrl+alt+shift+b")
        a.box.key("alt+v")
        waiting.until(lambda: enabled(shared_dir, BRAVO) == 0, 20, "A's Bravo deactivated")
        waiting.until(lambda: sync_record(shared_dir) == (2, 2), 20, "the counter raised")

        b.select("ctrl+alt+shift+a")
        b.box.key("alt+v")
        b.answer(CHANGED)
        expect_equal(enabled(shared_dir, ALPHA), 1, "Alpha after B's first try")
        expect_equal(sync_record(shared_dir), (2, 2), "the sync file after B's first try")

        b.select("ctrl+alt+shift+a")
        b.box.key("alt+v")
        waiting.until(lambda: enabled(shared_dir, ALPHA) == 0, 20, "B's Alpha deactivated")
        waiting.until(lambda: sync_record(shared_dir) == (3, 2), 20, "the counter raised again")
        expect_equal(enabled(shared_dir, BRAVO), 0, "A's change kept")
    finally:
        other.close()


def open_editor(user):
    user.select("ctrl+alt+shift+a")
    user.box.key("alt+m", "s")
    user.pad.wait_window("Scripting Editor")


@scenario("network_lock_of_an_editor_and_of_a_killed_user")
def network_lock_of_an_editor_and_of_a_killed_user(box):
    """While A's scripting editor is open B is refused; when A is killed with the editor open,
    B is refused for about a minute after it first saw A's heartbeat, then goes ahead."""
    shared_dir, a, b, other = two_users(box)
    try:
        open_editor(a)
        waiting.until(lambda: sync_record(shared_dir)[1] == 1, 20, "A holding the lock")
        b.select("ctrl+alt+shift+b")
        b.box.key("alt+v")
        b.answer(IN_USE)
        expect_equal(enabled(shared_dir, BRAVO), 1, "Bravo while A's editor is open")

        a.process.kill()
        a.process.wait(timeout=30)
        expect_equal(sync_record(shared_dir)[1], 1, "the lock A left behind")

        first_seen = time.monotonic()
        b.select("ctrl+alt+shift+b")
        b.box.key("alt+v")
        b.answer(IN_USE)
        refusals = 1

        def went_ahead():
            nonlocal refusals
            b.select("ctrl+alt+shift+b")
            b.box.key("alt+v")
            outcome = waiting.until(
                lambda: ("refused" if b.pad.message(IN_USE) else None) or
                ("done" if enabled(shared_dir, BRAVO) == 0 else None), 20, "B's outcome")
            if outcome == "refused":
                refusals += 1
                b.answer(IN_USE)
                return False
            return True

        # The wait is inherent: a lock whose heartbeat stands still is taken after a minute.
        waiting.until(went_ahead, 150, "B to take over the lock of the killed user")
        waited = time.monotonic() - first_seen
        if waited < 55:
            raise AssertionError("B took over after %.0f s, before the minute" % waited)
        waiting.until(lambda: sync_record(shared_dir) == (2, 2), 20, "B's release")
        box.log("B was refused %d times over %.0f s" % (refusals, waited))
    finally:
        other.close()


@scenario("network_dialog_by_keyboard")
def network_dialog_by_keyboard(box):
    """"&Options" > "&Network" opens "Network Considerations" with the synchronization greyed
    while file locking is off; Alt+F ticks it, a minute count of 0 typed and Enter store
    "Network Mode" on and "Auto Sync" off, and the sync file is made beside the macro file."""
    pad = box.start_pad("TestPad Network")
    box.start_quindl_with(macros.macro_file(), pad)
    box.key("alt+o", "n")
    pad.wait_window("Network Considerations", ("&File Locking of Macro Files", "&Ok"))
    box.key("alt+f")
    box.key("alt+s")  # the label's mnemonic moves to the minutes field
    box.key("ctrl+a", "BackSpace")
    box.type_keys("0")
    box.session.settled_screenshot("network_considerations.png")
    box.key("Return")
    waiting.until(lambda: not pad.window("Network Considerations"), 20, "the dialog closed")

    def stored():
        with open(box.host_path("QUINX.INI"), "rb") as f:
            text = f.read().decode("cp1252")
        return ("Network Mode=Yes" in text and "Auto Sync=No" in text and
                "Sync Minutes=0" in text)
    waiting.until(stored, 20, "the network settings in QUINX.INI")
    waiting.until(lambda: os.path.exists(box.host_path("SCEN.MAS")), 20, "SCEN.MAS made")
