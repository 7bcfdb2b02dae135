"""One scenario's world: a copy of the template prefix, its TESTPADs, qnl.exe and real input."""

import os
import shutil
import subprocess
import time

from . import session as session_module
from . import waiting
from .pad import Pad

FOLDER = "e2e"  # C:\e2e inside the prefix
# Windows' defaults: two clicks within 500 ms and 4 pixels of each other are a double click.
# The margins are wider, so no two clicks of the harness ever count as one double click.
DOUBLE_CLICK_SECONDS = 0.6
DOUBLE_CLICK_PIXELS = 8


class Played:
    def __init__(self, returncode, stdout, stderr, seconds):
        self.returncode = returncode
        self.stdout = stdout
        self.stderr = stderr
        self.seconds = seconds

    def describe(self):
        return "exit %s after %.1f s; stderr: %s" % (self.returncode, self.seconds,
                                                      self.stderr.strip()[-400:])


class Box:
    def __init__(self, session, name):
        self.session = session
        self.name = name
        self.prefix = os.path.join(session.work, "prefix-" + name)
        self.processes = []
        self.pads = []
        self.last_click = None  # ((x, y), time.monotonic()) of the harness's last left click
        self.desktop_xwindow = None
        started = time.monotonic()
        subprocess.run(["cp", "-a", session.template, self.prefix], check=True)
        self.env = session_module.wine_environment(self.prefix, session.display)
        self.drive = os.path.join(self.prefix, "drive_c", FOLDER)
        os.makedirs(self.drive, exist_ok=True)
        shutil.copy2(session.testpad, os.path.join(self.drive, "TESTPAD.EXE"))
        if session.qnl:
            shutil.copy2(session.qnl, os.path.join(self.drive, "qnl.exe"))
        for binary, name in ((session.quindl, "QUINDL.EXE"), (session.qnlhook, "QNLHOOK.DLL"),
                             (session.lockholder, "LOCKHOLD.EXE"),
                             (session.testpad32, "TESTPAD32.EXE")):
            if binary:
                shutil.copy2(binary, os.path.join(self.drive, name))
        # Installed as the installer puts it: QUINDL.EXE starts the host of the 32-bit hooks.
        if session.hook32:
            shutil.copytree(session.hook32, os.path.join(self.drive, "HOOK32"))
        self.log("prefix copied in %.1f s" % (time.monotonic() - started))

    def log(self, text):
        self.session.log("%s: %s" % (self.name, text))

    # -- paths ---------------------------------------------------------------------------------
    def host_path(self, name):
        return os.path.join(self.drive, *name.split("\\"))

    def windows_path(self, name):
        return "C:\\%s\\%s" % (FOLDER, name)

    def write_file(self, name, data):
        path = self.host_path(name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data.encode("cp1252") if isinstance(data, str) else data)
        return path

    # -- TESTPAD -------------------------------------------------------------------------------
    def start_pad(self, title, log_name=None, geometry=(120, 100, 480, 320), activate=True,
                  exe="TESTPAD.EXE"):
        """`exe`: another file name for the same program, where a scenario needs a second
        program that is not TESTPAD.EXE."""
        log_name = log_name or title.replace(" ", "_").lower() + ".log"
        if exe != "TESTPAD.EXE" and not os.path.exists(self.host_path(exe)):
            shutil.copy2(self.host_path("TESTPAD.EXE"), self.host_path(exe))
        command = ["wine", self.host_path(exe), title, self.windows_path(log_name)]
        command += [str(v) for v in geometry]
        process = subprocess.Popen(command, env=self.env, cwd=self.drive,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        pad = Pad(self, title, log_name, process)
        pad.exe = exe
        pad.wait_ready()
        self.pads.append(pad)
        if activate:
            self.activate(pad)
        return pad

    def running_pad(self):
        """A TESTPAD of this box that still runs and can answer, or None."""
        return next((pad for pad in self.pads if pad.process is not None and
                     pad.process.poll() is None and not pad.exited()), None)

    def pad_for_log(self, title, log_name):
        """A TESTPAD that something else started (a launch tag) with this log."""
        pad = Pad(self, title, log_name, None)
        self.pads.append(pad)
        return pad

    # -- the X side ----------------------------------------------------------------------------
    def sync_x_focus(self):
        """Gives the X focus to the X window of Wine's window in front. No window manager
        runs, so each Wine program sets the X focus itself when one of its windows comes to
        the front, and two programs doing so at once can leave it on the window of the one
        that is not in front; Wine then drops every key pressed, as if typed into nowhere. A
        window manager would settle that; here the harness does it before it types, asking a
        running TESTPAD which window is in front."""
        asked = self.running_pad()
        if asked is None:
            return
        xwindow = asked.foreground().get("xwindow", "0")
        if xwindow == "0":  # nothing in front but the desktop
            if self.desktop_xwindow is None:
                found = self.xdotool("search", "--name", "Wine desktop", check=False).split()
                self.desktop_xwindow = found[0] if found else None
            xwindow = self.desktop_xwindow
        if xwindow and self.xdotool("getwindowfocus", check=False) != xwindow:
            # The window may have gone meanwhile; the keys then show where they went.
            self.xdotool("windowfocus", xwindow, check=False)

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env,
                                capture_output=True, text=True, timeout=60, check=False)
        if check and result.returncode != 0:
            raise AssertionError("xdotool %s: %s" % (" ".join(map(str, args)),
                                                     result.stderr.strip()))
        return result.stdout.strip()

    def activate(self, pad, limit=30):
        """Brings a TESTPAD to the front the way a user would, with a click on its title bar,
        and waits until Wine agrees that it is in front."""
        state = pad.state()
        left, top, right, _ = state["rect"]
        client_top = state["client"][1]
        self.click((left + right) // 2, (top + client_top) // 2)
        # In front is not enough: the press on the title bar runs the system's move loop until
        # TESTPAD has taken the release, and a click that came meanwhile would drag the window.
        try:
            pad.wait_state(lambda s: s["fg"] == "1" and s["buttons"] == "0" and
                           s["sizemove"] == "0", limit,
                           "to be in front with the click on its title bar over")
        except AssertionError as error:
            raise AssertionError("%s; in front instead: %r" % (error, pad.foreground())) from None
        # A running QUINDL.EXE notes the program in front when the hook library reports the
        # activation, a moment later; a program-scoped hotkey pressed before then is matched
        # against the program that was in front before, as it would be for a user that fast.
        def noted():
            program = pad.table_program()
            return program in ("<none>", pad.exe.upper())
        try:
            waiting.until(noted, limit, "QUINDL to note %s in front" % pad.exe)
        except AssertionError as error:
            raise AssertionError("%s; it holds %r, and in front is %r" %
                                 (error, pad.table_program(), pad.foreground())) from None

    def rest_pointer_on_desktop(self, pad, limit=30):
        """Leaves the pointer on the bare desktop, in the bottom left corner, before a macro
        moves the mouse. When Wine moves the pointer for a program, it first grabs it, and
        the grab reports the pointer as entering the desktop window from the Wine window it
        was over, with the position from before the move; the desktop turns that report into
        a move of its own, later, so the cursor jumps back and a click the macro sends just
        after its move lands where the pointer was. From the bare desktop the grab reports
        nothing. TESTPAD tells when Wine, too, has the pointer there."""
        x, y = 4, session_module.SCREEN_HEIGHT - 4
        self.xdotool("mousemove", x, y)
        waiting.until(lambda: self.pointer() == (x, y), 20, "the pointer at %d,%d" % (x, y))
        where = "%d,%d" % (x, y)
        pad.wait_state(lambda s: s["cursor"] == where and s["overdesktop"] == "1", limit,
                       "Wine's pointer on the bare desktop at " + where)

    def type_keys(self, text):
        """Real key presses through XTEST into the window that has the focus."""
        self.sync_x_focus()
        self.xdotool("type", "--delay", "30", text)

    def key(self, *keys):
        self.sync_x_focus()
        self.xdotool("key", "--delay", "30", *keys)

    def select_macro(self, activation):
        """Clicks into QUINDL's macro list and selects the first row, in the list's sorted
        order, whose activation begins with `activation` ("ctrl+alt+shift+k", a Typlet, or
        "timed"), by typing it as a user does: the list searches as it is typed into."""
        self.click(570 + 220, 560 + 110)
        self.key("Home")  # also empties what was typed before
        self.type_keys(activation)

    def click(self, x, y):
        """A real left click at a screen point (pointer moved there first). It is always a
        single click: two clicks at one spot within the system's double-click time make a
        double click, which on a title bar maximises the window, so a click that follows the
        last one there too soon waits until that time has passed."""
        # Not "mousemove --sync": it waits for a motion event, which never comes when the
        # pointer already stands there.
        self.xdotool("mousemove", x, y)
        waiting.until(lambda: self.pointer() == (x, y), 20, "the pointer at %d,%d" % (x, y))
        if self.last_click is not None:
            (last_x, last_y), at = self.last_click
            if abs(last_x - x) <= DOUBLE_CLICK_PIXELS and abs(last_y - y) <= DOUBLE_CLICK_PIXELS:
                waiting.until(lambda: time.monotonic() - at > DOUBLE_CLICK_SECONDS,
                              DOUBLE_CLICK_SECONDS + 1, "the double-click time to pass")
        self.xdotool("click", 1)
        self.last_click = ((x, y), time.monotonic())

    def pointer(self):
        fields = dict(part.split(":") for part in self.xdotool("getmouselocation").split())
        return int(fields["x"]), int(fields["y"])

    # -- qnl.exe -------------------------------------------------------------------------------
    def play_command(self, text, target=None, delay=None):
        if not self.session.qnl:
            raise AssertionError("no tools/qnl/qnl.exe in " + self.session.build_dir)
        command = ["wine", self.host_path("qnl.exe"), "play"]
        if delay is not None:
            command += ["--delay", str(delay)]
        if target is not None:
            command += ["--target", target]
        command += ["--text", text]
        return command

    def start_play(self, text, target=None, delay=None):
        # Output goes to files, not pipes: a program that the macro launches inherits them and
        # would hold a pipe open long after qnl.exe has ended.
        number = len(self.processes)
        out = open(os.path.join(self.prefix, "play%d.out" % number), "w+b")
        err = open(os.path.join(self.prefix, "play%d.err" % number), "w+b")
        process = subprocess.Popen(self.play_command(text, target, delay), env=self.env,
                                   cwd=self.drive, stdout=out, stderr=err)
        process.started = time.monotonic()
        process.outputs = (out, err)
        self.processes.append(process)
        return process

    def finish_play(self, process, limit=90):
        try:
            process.wait(timeout=limit)
        except subprocess.TimeoutExpired:
            session_module.end_process(process)
            raise AssertionError("qnl.exe play did not end within %d s" % limit)
        seconds = time.monotonic() - process.started
        texts = []
        for stream in process.outputs:
            stream.seek(0)
            texts.append(stream.read().decode("cp1252", "replace"))
            stream.close()
        return Played(process.returncode, texts[0], texts[1], seconds)

    def play(self, text, target=None, delay=None, limit=90, expect_ok=True):
        played = self.finish_play(self.start_play(text, target, delay), limit)
        if expect_ok and played.returncode != 0:
            raise AssertionError("qnl.exe play failed: " + played.describe())
        return played

    # -- the unit test program's showcases --------------------------------------------------
    def start_showcase(self, variable, which, test_filter):
        """Starts the unit test program on one of its showcases: the tests named by
        `test_filter` open the dialog that the environment variable `variable` names, for a
        scenario to work by keyboard and look at."""
        program = os.path.join(self.session.build_dir, "tests", "unit", "unit_tests.exe")
        if not os.path.isfile(program):
            raise AssertionError("no unit_tests.exe in " + self.session.build_dir)
        if not os.path.exists(self.host_path("UNITTEST.EXE")):
            shutil.copy2(program, self.host_path("UNITTEST.EXE"))
        env = dict(self.env, **{variable: which})
        out = open(self.host_path("showcase.out"), "w+b")
        process = subprocess.Popen(
            ["wine", self.host_path("UNITTEST.EXE"), "--gtest_filter=" + test_filter],
            env=env, cwd=self.drive, stdout=out, stderr=subprocess.STDOUT)
        process.outputs = (out,)
        self.processes.append(process)
        return process

    # -- QUINDL.EXE -----------------------------------------------------------------------------
    def start_quindl(self, arguments=(), wait_with=None, caption="Quindle 98 (", limit=60):
        """Starts QUINDL.EXE from the box's folder (so QUINX.INI and QUINX.QNL live there) and,
        with a TESTPAD given, waits until its main window exists."""
        if not (self.session.quindl and self.session.qnlhook):
            raise AssertionError("no QUINDL.EXE and QNLHOOK.DLL in " + self.session.build_dir)
        if not os.path.exists(self.host_path("QUINX.INI")):
            # The main window in the bottom right corner, clear of the TESTPADs' title bars
            # that the harness clicks.
            self.write_file("QUINX.INI", "[Main Window]\r\nWidth=440\r\nHeight=200\r\n"
                                         "Left=570\r\nTop=560\r\n")
        number = len(self.processes)
        out = open(os.path.join(self.prefix, "quindl%d.out" % number), "w+b")
        process = subprocess.Popen(["wine", self.host_path("QUINDL.EXE")] + list(arguments),
                                   env=self.env, cwd=self.drive, stdout=out,
                                   stderr=subprocess.STDOUT)
        process.started = time.monotonic()
        process.outputs = (out,)
        self.processes.append(process)
        if wait_with is None:
            return process
        if any(argument.upper() == "/HIDE" for argument in arguments):
            waiting.until(lambda: wait_with.window(caption), limit,
                          "the QUINDL main window %r" % caption)
            return process
        # The main window has its title from its creation on, before it is shown, and showing
        # it brings it to the front: a TESTPAD clicked to the front before then would lose the
        # keyboard to it again. So: shown, and in front.
        wait_with.wait_window(caption, limit=limit)

        def in_front():
            window = wait_with.window(caption)
            return window is not None and window["fg"] == "1"
        waiting.until(in_front, limit, "the QUINDL main window %r in front" % caption)
        return process

    def start_quindl_with(self, macro_bytes, pad, name="SCEN.QNL", arguments=()):
        """Writes a macro file and starts QUINDL.EXE on it with /F."""
        self.write_file(name, macro_bytes)
        return self.start_quindl(["/F" + self.windows_path(name)] + list(arguments),
                                 wait_with=pad)

    # -- Linux processes ------------------------------------------------------------------------
    def unix_pids(self, program, launchers=True):
        """The Linux processes of this box's Wine prefix that run `program` ("QUINDL.EXE"): Wine
        names each after its Windows program. With `launchers`, also those that only name it
        among their arguments (the start.exe that `wine` may hand the program to)."""
        wanted = ("WINEPREFIX=" + self.prefix).encode()
        name = program.upper().encode()
        found = []
        for entry in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open("/proc/%s/cmdline" % entry, "rb") as f:
                    command = f.read().upper()
                # A Windows path as Wine names it, or the Linux path it was started by.
                own = command.split(b"\0")[0].replace(b"/", b"\\").split(b"\\")[-1] == name
                if not (own or (launchers and name in command)):
                    continue
                with open("/proc/%s/environ" % entry, "rb") as f:
                    if wanted in f.read().split(b"\0"):
                        found.append(int(entry))
            except OSError:  # gone meanwhile, or not ours to read
                continue
        return found

    # -- the end -------------------------------------------------------------------------------
    def close(self):
        started = time.monotonic()
        session_module.stop_wineserver(self.env)
        for process in self.processes:
            session_module.end_process(process)
            for stream in getattr(process, "outputs", ()):
                stream.close()
        shutil.rmtree(self.prefix, ignore_errors=True)
        self.log("closed in %.1f s" % (time.monotonic() - started))
