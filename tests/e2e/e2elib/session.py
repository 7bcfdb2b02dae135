"""One run of the end-to-end suite: its own X server and template Wine prefix.

Everything started here is remembered by PID and ended by that PID; the Wine processes of a
prefix are ended with `wineserver -k` under that prefix, never by name.
"""

import functools
import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time

from . import waiting

SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768

# Wine shows every window inside one desktop window as large as the screen, as Windows does.
# With one X window per Wine window, the X focus (where real key presses go) and Wine's window
# in front drift apart: a program that brings a window to the front moves only Wine's. Inside
# the desktop window the screen looks and stacks as on Windows.
#
# No window manager runs. Each Wine window still has an X window of its own inside the
# desktop window, and each Wine program gives the X focus to its window when that comes to
# the front; the harness settles the X focus on the window in front before it types
# (Box.sync_x_focus). A window manager took the X focus away and back now and then around a
# click, most often on a loaded machine; Wine then made its desktop the window in front, and
# the keys typed next reached no program.
VIRTUAL_DESKTOP = [
    ["HKCU\\Software\\Wine\\Explorer", "/v", "Desktop", "/d", "Default"],
    ["HKCU\\Software\\Wine\\Explorer\\Desktops", "/v", "Default", "/d",
     "%dx%d" % (SCREEN_WIDTH, SCREEN_HEIGHT)],
]


# Windows draws the caption buttons (minimise, maximise, close) and the scroll arrows with the
# symbols of the Marlett font. Debian's fonts-wine ships Wine's own Marlett, but a new prefix
# does not find it, and its title bars show the letters "0 1 r" instead; so each template gets
# it in its font folder and its font list, as on Windows.
MARLETT = "/usr/share/wine/fonts/marlett.ttf"
MARLETT_REGISTRATION = ["HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", "/v",
                        "Marlett (TrueType)", "/d", "marlett.ttf"]


# The project's `wine` (scripts/wine-bin) comes first on the PATH of every Wine program started
# here: it starts Wine's 64-bit loader directly on a machine that cannot execute 32-bit
# programs, where Debian's own script would fail for every program.
WINE_BIN = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.dirname(os.path.abspath(__file__))))), "scripts", "wine-bin")


@functools.lru_cache(maxsize=None)
def machine_runs_32bit():
    """Whether this machine can execute Wine's 32-bit loader, hence 32-bit Windows programs."""
    return subprocess.run([os.path.join(WINE_BIN, "wine32-runs")], check=False).returncode == 0


def wine_environment(prefix, display):
    env = dict(os.environ)
    env["PATH"] = WINE_BIN + os.pathsep + env.get("PATH", "")
    if "QNL_WINE32" not in env:
        env["QNL_WINE32"] = "1" if machine_runs_32bit() else "0"
    env.update({
        "WINEPREFIX": prefix,
        "WINEARCH": "win64",
        "WINEDEBUG": "-all",
        "WINEDLLOVERRIDES": "mscoree,mshtml=",
        "DISPLAY": display,
        # Arguments reach Wine as UTF-8 and become the ANSI code page there, so "é" stays "é".
        "LANG": "C.UTF-8",
        "LC_ALL": "C.UTF-8",
    })
    return env


def end_process(process, grace=5.0):
    """Ends a process we started, by its PID: politely first, then for sure."""
    if process is None or process.poll() is not None:
        return
    try:
        process.send_signal(signal.SIGTERM)
        process.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(timeout=grace)
    except ProcessLookupError:
        pass


def stop_wineserver(env):
    """Ends every Wine process of this prefix and waits until its wineserver has gone."""
    subprocess.run(["wineserver", "-k"], env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=60, check=False)
    subprocess.run(["wineserver", "-w"], env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=60, check=False)


class Session:
    """Xvfb + one booted template prefix, shared by all scenarios of a run."""

    def __init__(self, build_dir, out_dir, verbose=False, display=None):
        """With `display` given, the programs show on that X display (the user's) and no X
        server of our own is started."""
        self.build_dir = os.path.abspath(build_dir)
        self.user_display = display
        self.out_dir = out_dir
        self.verbose = verbose
        self.work = None
        self.display = None
        self.xvfb = None
        self.template = None
        self.testpad = self._find_binary(["tests/e2e/TESTPAD.EXE", "tests/e2e/TESTPAD.exe"])
        # Missing qnl.exe fails the scenarios that play, not the harness's own check.
        self.qnl = self._find_binary(["tools/qnl/qnl.exe"], required=False)
        # The two deliverables; scenarios that need them fail without them.
        self.quindl = self._find_binary(["src/app/win32/QUINDL.EXE"], required=False)
        self.qnlhook = self._find_binary(["src/hooklib/win32/QNLHOOK.DLL"], required=False)
        # A program that takes the shared table's mutex and keeps it, for the hung-lock check.
        self.lockholder = self._find_binary(["tests/e2e/LOCKHOLD.EXE"], required=False)
        # The 32-bit hooks' folder beside QUINDL.EXE, and a 32-bit TESTPAD to reach with them.
        self.hook32 = os.path.join(self.build_dir, "src", "app", "win32", "HOOK32")
        if not os.path.isfile(os.path.join(self.hook32, "QNLHOOK32.EXE")):
            self.hook32 = None
        self.testpad32 = self._find_binary(["tests/e2e/TESTPAD32.EXE"], required=False)

    def _find_binary(self, candidates, required=True):
        for relative in candidates:
            path = os.path.join(self.build_dir, relative)
            if os.path.isfile(path):
                return path
        if not required:
            return None
        raise FileNotFoundError("none of %s in %s" % (", ".join(candidates), self.build_dir))

    def log(self, text):
        if self.verbose:
            print("  [session] " + text, flush=True)

    def __enter__(self):
        try:
            self.work = tempfile.mkdtemp(prefix="qnl-e2e-")
            if self.user_display:
                self.display = self.user_display
            else:
                self._start_x(self._keyboard_as_on_a_pc())
            self._make_template()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _start_x(self, xkb_rules):
        self.xvfb, self.display = self.start_xvfb(xkb_rules)
        self.log("Xvfb on %s (pid %d)" % (self.display, self.xvfb.pid))

    def start_xvfb(self, xkb_rules=None):
        """Starts an X server of the harness's size: (process, display). A scenario with two
        users gives the second one a screen of its own, as a second machine has."""
        xkb_rules = xkb_rules or os.path.join(self.work, "xkb")
        read_end, write_end = os.pipe()
        # -noreset: by default the server starts afresh whenever its last client leaves, and
        # the harness's own short-lived clients (xdotool, import) come and go between Wine's.
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-xkbdir", xkb_rules, "-screen", "0",
             "%dx%dx24" % (SCREEN_WIDTH, SCREEN_HEIGHT), "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 30
        # Xvfb writes the display number it picked once it accepts connections.
        while not number.endswith(b"\n"):
            if time.monotonic() > deadline or xvfb.poll() is not None:
                os.close(read_end)
                end_process(xvfb)
                raise RuntimeError("Xvfb did not start")
            readable, _, _ = select.select([read_end], [], [], waiting.POLL_SECONDS)
            if not readable:
                continue
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_end)
        return xvfb, ":" + number.decode().strip()

    def _keyboard_as_on_a_pc(self):
        """Xvfb's keymap also puts ( and ) on two extra keys (the keypad parentheses, which a PC
        keyboard lacks); Wine's VkKeyScan finds those first, has no virtual key for them and
        answers "no key", so ( and ) could never be typed. A copy of the keymap rules without
        the two keys gives the US layout of a PC: ( and ) on Shift+9 and Shift+0 only. (The
        server ignores keymaps loaded after it has started, so it starts with the copy.)"""
        rules = os.path.join(self.work, "xkb")
        shutil.copytree("/usr/share/X11/xkb", rules)
        inet = os.path.join(rules, "symbols", "inet")
        with open(inet, encoding="latin-1") as f:
            symbols = f.read()
        extra = re.compile(r"^\s*key <\w+>\s*\{\s*\[\s*(parenleft|parenright)\s*\]\s*\};\s*\n",
                           re.M)
        symbols, dropped = extra.subn("", symbols)
        with open(inet, "w", encoding="latin-1") as f:
            f.write(symbols)
        self.log("keymap: %d extra parenthesis key(s) dropped" % dropped)
        return rules

    def x_env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        return env

    def _make_template(self):
        self.template = os.path.join(self.work, "template")
        env = wine_environment(self.template, self.display)
        started = time.monotonic()
        boot = subprocess.run(["wineboot", "-i"], env=env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=300, check=False)
        if not os.path.isfile(MARLETT):
            raise RuntimeError("no %s: install Debian's fonts-wine (scripts/setup)" % MARLETT)
        fonts = os.path.join(self.template, "drive_c", "windows", "Fonts")
        os.makedirs(fonts, exist_ok=True)
        shutil.copy2(MARLETT, os.path.join(fonts, "marlett.ttf"))
        added = [subprocess.run(["wine", "reg", "add"] + value + ["/f"], env=env,
                                capture_output=True, timeout=120, check=False).returncode
                 for value in VIRTUAL_DESKTOP + [MARLETT_REGISTRATION]]
        # The registry reaches its files when the prefix's wineserver ends.
        stop_wineserver(env)
        if not os.path.isfile(os.path.join(self.template, "system.reg")):
            raise RuntimeError("wineboot made no prefix (exit %d)" % boot.returncode)
        if any(added):
            raise RuntimeError("reg add for the virtual desktop or Marlett failed: %r" % added)
        self.log("template prefix in %.1f s" % (time.monotonic() - started))

    def screenshot(self, name):
        os.makedirs(self.out_dir, exist_ok=True)
        path = os.path.join(self.out_dir, name)
        subprocess.run(["import", "-window", "root", path], env=self.x_env(), timeout=60,
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return path

    def settled_screenshot(self, name, limit=20):
        """A screenshot once the screen has stopped changing: two captures in a row alike, so
        the last repaints are in the picture."""
        def capture():
            return subprocess.run(["import", "-window", "root", "rgb:-"], env=self.x_env(),
                                  timeout=60, check=True, capture_output=True).stdout
        previous = [capture()]

        def still():
            current = capture()
            alike = current == previous[0]
            previous[0] = current
            return alike
        waiting.until(still, limit, "the screen to stop changing")
        return self.screenshot(name)

    def close(self):
        end_process(self.xvfb)
        if self.work and os.path.isdir(self.work):
            shutil.rmtree(self.work, ignore_errors=True)
