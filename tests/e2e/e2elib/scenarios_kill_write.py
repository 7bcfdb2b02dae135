"""QUINDL.EXE killed from outside while it removes a macro from a full file: the removal builds
the shortened file as a working copy beside it and then puts it in the file's place, so the next
start finds the old file or the new one, whole, whenever the kill comes."""

import ctypes
import os
import select
import signal
import struct
import time

from . import macros, waiting
from .macros import RECORD_SIZE, TYPLET, hotkey, record
from .registry import expect, expect_equal, scenario
from .scenarios_list import records_in
from .scenarios_restart import kill_quindl

FULL = 500
REMOVED = 250  # 0-based record index of the macro removed, in the middle of the file

FAN_CLOEXEC, FAN_CLASS_CONTENT = 0x1, 0x4
FAN_MARK_ADD, FAN_ACCESS_PERM = 0x1, 0x20000
FAN_ALLOW = 0x1
EVENT = struct.Struct("=IBBHQii")  # struct fanotify_event_metadata


class HeldRead:
    """Every read of one file waits for this watcher's leave (fanotify): a process can be
    stopped at a read whose moment is known, not at one a timer guessed."""

    def __init__(self, path):
        self.libc = ctypes.CDLL(None, use_errno=True)
        self.libc.fanotify_mark.argtypes = [ctypes.c_int, ctypes.c_uint, ctypes.c_uint64,
                                            ctypes.c_int, ctypes.c_char_p]
        self.fd = self.libc.fanotify_init(FAN_CLOEXEC | FAN_CLASS_CONTENT, os.O_RDONLY)
        self.held = None
        if self.fd < 0 or self.libc.fanotify_mark(self.fd, FAN_MARK_ADD, FAN_ACCESS_PERM, -100,
                                                  path.encode()) < 0:
            raise OSError(ctypes.get_errno(), "fanotify on " + path)

    def hold(self, wanted, limit):
        """Lets every read go on until `wanted(pid)` says yes to one, and returns with that
        read still waiting (it goes on at close()); False when none came within `limit`
        seconds. This process must not read the file meanwhile."""
        deadline = time.monotonic() + limit
        while True:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.fd], [], [], left)[0]:
                return False
            data = os.read(self.fd, 4096)
            held = False
            for at in range(0, len(data), EVENT.size):
                _, _, _, _, _, fd, pid = EVENT.unpack_from(data, at)
                if not held and wanted(pid):
                    held = True
                    self.held = fd
                    continue
                self._allow(fd)
            if held:
                return True

    def _allow(self, fd):
        try:
            os.write(self.fd, struct.pack("=iI", fd, FAN_ALLOW))
        except OSError:
            pass  # the reader was killed while it waited: nothing waits for the answer
        os.close(fd)

    def close(self):
        if self.held is not None:
            self._allow(self.held)
        os.close(self.fd)


def full_file():
    """The four system macros and 496 disabled Typlets, one of them on a hotkey to select it
    by; each record different, so that any record out of place shows."""
    own = [record("Filler %03d" % i, "filler %d" % i, TYPLET, enabled=False,
                  typlet_name="f%03d" % i) for i in range(FULL - 4)]
    own[REMOVED - 4] = record("Removed", "removed", hotkey("ctrl+alt+shift+r"), enabled=False)
    return macros.macro_file(*own)


def records_of(data):
    return [data[i:i + RECORD_SIZE] for i in range(0, len(data) - len(data) % RECORD_SIZE,
                                                   RECORD_SIZE)]


@scenario("kill_while_removing_a_macro")
def kill_while_removing_a_macro(box):
    """A 500-macro file, "R&emove Macro" answered Yes, and QUINDL.EXE killed at a read of the
    old file while a fifth of the shortened copy is written (the read is held until the kill):
    started again, it loads the file with 500 macros or 499, each record as it was."""
    pad = box.start_pad("TestPad Kill")
    original = full_file()
    path = box.host_path("SCEN.QNL")
    scratch = box.host_path("SCEN.QNL.tmp")
    process = box.start_quindl_with(original, pad)
    box.select_macro("ctrl+alt+shift+r")
    box.key("alt+e")
    waiting.until(lambda: pad.message('remove "Ctrl+Alt+Shift+R"?'), 20, "the question")
    pids = box.unix_pids("QUINDL.EXE")

    def amid_the_copy(pid):
        # A read of the old file once the copy holds a fifth of it: the removal is copying.
        return (pid in pids and os.path.exists(scratch) and
                os.path.getsize(scratch) >= FULL // 5 * RECORD_SIZE)
    reads = HeldRead(path)
    try:
        box.key("Return")
        expect(reads.hold(amid_the_copy, 30), "a read of the file while its copy is written")
        # Every process of the Windows program: the one `wine` was started as may have handed
        # it to another. Killed while its read waits, it runs no further.
        for pid in pids:
            os.kill(pid, signal.SIGKILL)
    finally:
        reads.close()
    kill_quindl(box, pad, process)
    expect(os.path.exists(scratch), "the working copy still beside the file after the kill")
    box.log("killed with %d records in the file and %d bytes in its copy" % (
        records_in(box), os.path.getsize(scratch)))

    box.start_quindl(["/F" + box.windows_path("SCEN.QNL")], wait_with=pad)
    expect(pad.message("could not") is None, "no error message at the start")
    with open(path, "rb") as f:
        data = f.read()
    expect_equal(len(data) % RECORD_SIZE, 0, "bytes past the last whole record")
    kept = records_of(data)
    whole = records_of(original)
    shortened = whole[:REMOVED] + whole[REMOVED + 1:]
    expect(kept in (whole, shortened),
           "the file holds %d records, not the %d or %d it had or should have" % (
               len(kept), FULL, FULL - 1))
    box.log("started again on %d macros" % len(kept))
