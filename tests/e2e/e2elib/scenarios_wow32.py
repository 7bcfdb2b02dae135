"""32-bit programs under a 64-bit QUINDL.EXE: a 64-bit hook library reaches only 64-bit
programs, so QUINDL.EXE starts HOOK32\\QNLHOOK32.EXE, which installs the same hooks from the
32-bit QNLHOOK.DLL beside it, and stops it when it ends; a killed QUINDL.EXE takes it along."""


from . import macros, waiting
from .macros import TYPLET, hotkey, record
from .registry import CannotRunHere, expect, expect_equal, scenario
from .scenarios_restart import kill_quindl
from .scenarios_typlets import backspaces, bring_to_front, settle

HOTKEY = "ctrl+alt+shift+g"  # W..Z are the system macros' keys
SIGNATURE = "Best wishes"
REMAP_SLOTS = (b"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
               b" !\"#$%&'()*+,-./:;<=>?@[\\]^_`}~")


def remap_file(**changes):
    """A remap file (SCEN.QNS) that maps each lower-case letter named to the character given;
    every other key keeps its own."""
    slots = bytearray(REMAP_SLOTS)
    for key, becomes in changes.items():
        slots[REMAP_SLOTS.index(key.encode())] = ord(becomes)
    return bytes(slots)


def presses_of_g(pad):
    return [e for e in pad.named("WM_KEYDOWN", "WM_SYSKEYDOWN") if e.int("vk") == ord("G")]


def host_pids(box):
    return box.unix_pids("QNLHOOK32.EXE")


def activate_noted(box, pad, other, attempts=6):
    """Brings `pad` to the front until QUINDL.EXE notes it there: the host hooks a program
    started after it when it next looks at the windows, and only an activation after that is
    reported. Each try brings `other` to the front first, so that `pad` is activated anew."""
    for attempt in range(attempts):
        try:
            box.activate(pad, limit=5)
            return
        except AssertionError:
            if attempt == attempts - 1:
                raise
            bring_to_front(box, other)


@scenario("wow32_pad_gets_hotkey_typlet_and_remap")
def wow32_pad_gets_hotkey_typlet_and_remap(box):
    """With a 64-bit TESTPAD and QUINDL.EXE running, a 32-bit TESTPAD started later is noted in
    front (CBT hook) and gets a hotkey macro's text, a Typlet's expansion and a remapped key,
    while the 64-bit TESTPAD still gets its own; QUINDL.EXE killed, the host ends and keys typed
    into the 32-bit TESTPAD arrive unchanged."""
    expect(box.session.hook32 and box.session.testpad32,
           "no HOOK32\\QNLHOOK32.EXE or TESTPAD32.EXE in " + box.session.build_dir)
    if box.env["QNL_WINE32"] == "0":
        raise CannotRunHere("this machine cannot execute 32-bit programs (scripts/wine-bin)")
    pad64 = box.start_pad("TestPad 64")
    box.write_file("QUINX.INI", macros.typlet_settings())
    box.write_file("SCEN.QNS", remap_file(q="z"))
    data = macros.macro_file(record("Greeting", "Hello<ENTER>", hotkey(HOTKEY)),
                             record("Typlet sig", SIGNATURE, TYPLET, typlet_name="sig"))
    process = box.start_quindl_with(data, pad64)
    waiting.until(lambda: len(host_pids(box)) == 1, 60, "one QNLHOOK32.EXE running")
    pad = box.start_pad("TestPad 32", log_name="pad32.log", geometry=(620, 100, 380, 250),
                        exe="TESTPAD32.EXE", activate=False)
    activate_noted(box, pad, pad64)

    box.key(HOTKEY)
    pad.wait_text("Hello\r\n")
    box.type_keys("xsig")
    pad.wait_text("Hello\r\nx" + SIGNATURE)
    expect_equal(backspaces(pad), 3, "Backspaces sent for the Typlet")
    box.type_keys("q")
    pad.wait_text("Hello\r\nx" + SIGNATURE + "z")

    bring_to_front(box, pad64)
    box.key(HOTKEY)
    box.type_keys("q")
    pad64.wait_text("Hello\r\nz")
    settle()
    expect_equal(pad.text(), "Hello\r\nx" + SIGNATURE + "z", "32-bit text with QUINDL.EXE")
    expect_equal(pad64.text(), "Hello\r\nz", "64-bit text with QUINDL.EXE")

    hotkey_presses = len(presses_of_g(pad))
    kill_quindl(box, pad, process)
    waiting.until(lambda: not host_pids(box), 30, "QNLHOOK32.EXE to end with QUINDL.EXE")
    bring_to_front(box, pad)
    box.type_keys("qsig")
    pad.wait_text("Hello\r\nx" + SIGNATURE + "zqsig")
    # The hotkey is a plain key combination now: its G reaches TESTPAD, and nothing plays.
    box.key(HOTKEY)
    pad.wait_event(lambda e: len(presses_of_g(pad)) > hotkey_presses, 20,
                   "the hotkey's G to reach the 32-bit TESTPAD")
    settle()
    expect_equal(pad.text(), "Hello\r\nx" + SIGNATURE + "zqsig", "text after QUINDL.EXE died")
