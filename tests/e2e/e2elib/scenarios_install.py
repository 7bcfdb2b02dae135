"""The setup program as a user meets it: installed silently into a fresh prefix, the installed
program started from the folder setup chose, then uninstalled silently, which must take the
program away and leave the user's settings and macro files where they were.

The setup program is the one scripts/package makes from the build folder under test (it is made
again here, so it always holds that build's program); QNL_E2E_SETUP names another one to try."""

import glob
import os
import shutil
import subprocess

from . import waiting
from .registry import expect, expect_equal, scenario

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(
    __file__)))))
PRODUCT = "Quindle 98"
UNINSTALL_KEY = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + PRODUCT
PROGRAM_FILES = ("QUINDL.EXE", "QNLHOOK.DLL", "QUINDL.CHM", "HOOK32/QNLHOOK.DLL",
                 "HOOK32/QNLHOOK32.EXE", "Uninstall.exe")
SHORTCUTS = (PRODUCT + ".lnk", PRODUCT + " Help.lnk", "Uninstall " + PRODUCT + ".lnk")
# Exit status of setup and uninstaller when they stop because the program runs.
REFUSED_WHILE_RUNNING = 2


def setup_program(box):
    given = os.environ.get("QNL_E2E_SETUP")
    if given:
        return given
    made = subprocess.run([os.path.join(ROOT, "scripts", "package"), box.session.build_dir],
                          capture_output=True, text=True, timeout=1800, check=False)
    if made.returncode != 0:
        raise AssertionError("scripts/package failed: " + (made.stdout + made.stderr)[-1500:])
    return os.path.join(ROOT, "out", "package", "Quindle98-Setup.exe")


def run_windows(box, program, *arguments, limit=180):
    """Runs a Windows program of the prefix to its end; its exit status."""
    done = subprocess.run(["wine", program] + list(arguments), env=box.env, cwd=box.drive,
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          timeout=limit, check=False)
    return done.returncode


def user_folder(box, *parts):
    """A folder below the prefix's one user profile (Wine names it after the Unix user)."""
    found = [p for p in glob.glob(os.path.join(box.prefix, "drive_c", "users", "*", *parts))
             if os.sep + "Public" + os.sep not in p]
    expect_equal(len(found), 1, "folders %s in the prefix's user profile" % "/".join(parts))
    return found[0]


def uninstall_entry(box):
    """The per-user Uninstall entry's values as `reg query` prints them; None without one."""
    query = subprocess.run(["wine", "reg", "query", UNINSTALL_KEY], env=box.env,
                           capture_output=True, text=True, timeout=120, check=False)
    return query.stdout if query.returncode == 0 else None


def holders(path):
    """The Wine processes that have `path` mapped, as "pid name" (to tell who keeps a file in
    use); the processes of other prefixes do not have it."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/maps" % pid, encoding="latin-1") as maps:
                if os.path.basename(path) not in maps.read():
                    continue
            with open("/proc/%s/cmdline" % pid, "rb") as cmdline:
                found.append("%s %s" % (pid, cmdline.read().replace(b"\0", b" ").decode(
                    "latin-1").strip()))
        except OSError:
            continue
    return found


def present(folder, names):
    return [name for name in names if os.path.exists(os.path.join(folder, name))]


def start_installed(box, pad, folder):
    """Starts the installed QUINDL.EXE, from another current folder than its own, and waits for
    its main window on the macro file that it makes beside itself."""
    out = open(os.path.join(box.prefix, "installed.out"), "w+b")
    process = subprocess.Popen(["wine", os.path.join(folder, "QUINDL.EXE")], env=box.env,
                               cwd=box.drive, stdout=out, stderr=subprocess.STDOUT)
    process.outputs = (out,)
    box.processes.append(process)
    pad.wait_window("Quindle 98 (QUINX)", limit=90)
    return process


@scenario("install_run_uninstall_keeps_user_files")
def install_run_uninstall_keeps_user_files(box):
    """Setup /S installs the program, its help, the sample file, a Start-menu folder and the
    per-user Uninstall entry; the installed program starts and shows its main window; setup
    run again meanwhile stops and changes nothing; Uninstall.exe /S then removes the program,
    the shortcuts and the entry and keeps QUINX.INI and the user's macro files."""
    setup = setup_program(box)
    expect(os.path.isfile(setup), "no setup program at " + setup)
    # Nothing of the program but what setup installs: the box's own copies go.
    for name in ("QUINDL.EXE", "QNLHOOK.DLL"):
        os.remove(box.host_path(name))
    shutil.rmtree(box.host_path("HOOK32"), ignore_errors=True)
    shutil.copy2(setup, box.host_path("Quindle98-Setup.exe"))

    expect_equal(run_windows(box, box.host_path("Quindle98-Setup.exe"), "/S"), 0,
                 "exit status of setup /S")
    folder = user_folder(box, "AppData", "Local", "Programs", PRODUCT)
    expect_equal(present(folder, PROGRAM_FILES + ("SAMPLE.QNL",)),
                 list(PROGRAM_FILES + ("SAMPLE.QNL",)), "files installed")
    menu = user_folder(box, "AppData", "Roaming", "Microsoft", "Windows", "Start Menu",
                       "Programs", PRODUCT)
    expect_equal(present(menu, SHORTCUTS), list(SHORTCUTS), "Start-menu shortcuts")
    entry = uninstall_entry(box)
    expect(entry is not None and "Uninstall.exe" in entry and "/S" in entry,
           "the Uninstall entry names the uninstaller: %r" % entry)

    pad = box.start_pad("TestPad Install")
    process = start_installed(box, pad, folder)
    box.session.settled_screenshot("install_main_window.png")
    with open(os.path.join(folder, "MINE.QNL"), "wb") as mine:
        mine.write(open(os.path.join(folder, "SAMPLE.QNL"), "rb").read())

    stamp = os.stat(os.path.join(folder, "QUINDL.EXE")).st_mtime_ns
    expect_equal(run_windows(box, box.host_path("Quindle98-Setup.exe"), "/S"),
                 REFUSED_WHILE_RUNNING, "exit status of setup /S while the program runs")
    expect_equal(os.stat(os.path.join(folder, "QUINDL.EXE")).st_mtime_ns, stamp,
                 "QUINDL.EXE after the refused setup")

    expect(pad.close_window("Quindle 98 (QUINX)"), "WM_CLOSE posted to the main window")
    waiting.until(lambda: process.poll() is not None, 60, "the installed program to end")
    expect(os.path.isfile(os.path.join(folder, "QUINX.INI")), "QUINX.INI written at the end")

    # TESTPAD keeps running, as the user's other programs do: the hook library may still be
    # loaded in it.
    kept = ["QUINX.INI", "MINE.QNL", "SAMPLE.QNL"] + present(folder, ["QUINX.QNL"])
    # The uninstaller runs on from a copy of itself and ends before the work is done: the files
    # going, the entry too, is what tells that it has finished.
    expect_equal(run_windows(box, os.path.join(folder, "Uninstall.exe"), "/S"), 0,
                 "exit status of Uninstall.exe /S")
    try:
        waiting.until(lambda: not present(folder, PROGRAM_FILES) and uninstall_entry(box) is None,
                      120, "the program files and the Uninstall entry to go")
    except waiting.Timeout as timeout:
        raise AssertionError("%s; still there: %r, the entry %s; the hook library is held by %r"
                             % (timeout, present(folder, PROGRAM_FILES),
                                "too" if uninstall_entry(box) else "gone",
                                holders(os.path.join(folder, "QNLHOOK.DLL")))) from None
    expect(not os.path.exists(menu), "the Start-menu folder is removed")
    expect(not os.path.exists(os.path.join(folder, "HOOK32")), "the HOOK32 folder is removed")
    expect_equal(present(folder, kept), kept, "the user's files after uninstalling")
