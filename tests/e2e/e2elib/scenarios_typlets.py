"""Typlets typed in TESTPAD start their macros after erasing the abbreviation, and the system
hot keys are changed by pressing them in "System Hot Keys": QUINDL.EXE and QNLHOOK.DLL."""

import struct
import time

from . import macros, waiting
from .macros import TYPLET, WINDOW, hotkey, record
from .registry import expect, expect_equal, scenario

BACKSPACE = 8
SIGNATURE = "Best wishes"


def backspaces(pad):
    return sum(1 for e in pad.named("WM_KEYDOWN") if e.int("vk") == BACKSPACE)


def settle(seconds=1.5):
    """Time for keys that should NOT arrive to have arrived; used only after a positive wait."""
    time.sleep(seconds)


def bring_to_front(box, pad, attempts=3):
    """box.activate, clicking again when a click got lost: right after a dialog of QUINDL closes,
    Wine may still be handing the activation back to the main window when the click comes."""
    for attempt in range(attempts):
        try:
            box.activate(pad, limit=10)
            return
        except AssertionError:
            if attempt == attempts - 1:
                raise


def typlet(name, text, **kwargs):
    return record("Typlet " + name, text, TYPLET, typlet_name=name, **kwargs)


def start(box, pad, *records, **options):
    box.write_file("QUINX.INI", macros.typlet_settings(**options))
    box.start_quindl_with(macros.macro_file(*records), pad)
    box.activate(pad)


def child(window, text=None, cls=None):
    for entry in window["children"]:
        if (text is None or entry["text"] == text) and (cls is None or entry["class"] == cls):
            return entry
    raise AssertionError("no control %r/%r in %r; controls: %r" % (
        text, cls, window["title"], [(c["class"], c["text"]) for c in window["children"]]))


def click_control(box, entry, dy=None):
    left, top, right, bottom = entry["rect"]
    box.click((left + right) // 2, (top + bottom) // 2 if dy is None else top + dy)


def wait_gone(pad, title_part, limit=30):
    waiting.until(lambda: pad.window(title_part) is None, limit,
                  "the window %r to close" % title_part)


@scenario("typlet_prefix_mode_fires_at_last_letter")
def typlet_prefix_mode_fires_at_last_letter(box):
    """Prefix mode without prefix keys: "xsig" leaves the x and the macro's text, after exactly
    three Backspaces."""
    pad = box.start_pad("TestPad Typlet")
    start(box, pad, typlet("sig", SIGNATURE))
    box.type_keys("xsig")
    pad.wait_text("x" + SIGNATURE)
    settle()
    expect_equal(pad.text(), "x" + SIGNATURE, "text after the Typlet")
    expect_equal(backspaces(pad), 3, "Backspaces sent")


@scenario("typlet_suffix_mode_waits_for_space")
def typlet_suffix_mode_waits_for_space(box):
    """Suffix mode: "sig" alone does nothing; the space after it sends four Backspaces (the
    name and the space), then the text."""
    pad = box.start_pad("TestPad Suffix")
    start(box, pad, typlet("sig", SIGNATURE), suffix=True)
    box.type_keys("sig")
    pad.wait_text("sig")
    settle()
    expect_equal(pad.text(), "sig", "text before the space")
    box.type_keys(" ")
    pad.wait_text(SIGNATURE)
    expect_equal(backspaces(pad), 4, "Backspaces sent")


@scenario("typlet_prefix_keys_two_slashes")
def typlet_prefix_keys_two_slashes(box):
    """Prefix keys "//": "ad" alone stays; "//ad" is replaced after four Backspaces."""
    pad = box.start_pad("TestPad Slashes")
    start(box, pad, typlet("ad", "Address"), prefix="//")
    box.type_keys("ad ")
    pad.wait_text("ad ")
    box.type_keys("//ad")
    pad.wait_text("ad Address")
    expect_equal(backspaces(pad), 4, "Backspaces sent")


@scenario("typlet_case_insensitive_fires_on_capitals")
def typlet_case_insensitive_fires_on_capitals(box):
    """With "Case Sensative" off, SIG in capitals fires the Typlet sig."""
    pad = box.start_pad("TestPad Case")
    start(box, pad, typlet("sig", SIGNATURE), case_sensitive=False)
    box.type_keys("SIG")
    pad.wait_text(SIGNATURE)
    expect_equal(backspaces(pad), 3, "Backspaces sent")


@scenario("typlet_window_scope_only_in_front")
def typlet_window_scope_only_in_front(box):
    """A Typlet scoped to one TESTPAD's title plays only with that window in front."""
    scoped = box.start_pad("Scoped Pad")
    other = box.start_pad("Other Pad", log_name="other.log", geometry=(620, 100, 380, 250))
    start(box, scoped, typlet("sig", "win", scope=WINDOW, scope_text="SCOPED PAD"))
    box.type_keys("sig")
    scoped.wait_text("win")
    bring_to_front(box, other)
    box.type_keys("sig")
    other.wait_text("sig")
    settle()
    expect_equal(other.text(), "sig", "the other TESTPAD's text")
    expect_equal(backspaces(other), 0, "Backspaces in the other TESTPAD")
    expect_equal(scoped.text(), "win", "the scoped TESTPAD's text")


@scenario("typlet_during_pause_gives_the_pause_warning")
def typlet_during_pause_gives_the_pause_warning(box):
    """A Typlet typed while a macro is paused gets the pause warning, plays nothing and erases
    nothing; the paused macro then resumes as usual."""
    pad = box.start_pad("TestPad Typlet Pause")
    code = hotkey("ctrl+alt+shift+t")
    start(box, pad, record("Paused", "x<PAUSE:050,100Wait here>y", code),
          typlet("sig", SIGNATURE))
    box.key("ctrl+alt+shift+t")
    pad.wait_text("x")
    pad.wait_window("Pause (", ("&Resume", "&Abort"), limit=20)
    bring_to_front(box, pad)
    box.type_keys("sig")
    pad.wait_text("xsig")
    warning = waiting.until(lambda: pad.message("in the middle of a PAUSE"), 20,
                            "the pause warning")
    box.session.screenshot("typlet_pause_warning.png")
    expect_equal(warning["title"], "Warning", "the warning's title")
    pad.close_window("Warning")
    waiting.until(lambda: not pad.message("in the middle of a PAUSE"), 20, "the warning to close")
    expect_equal(pad.text(), "xsig", "text while paused")
    expect_equal(backspaces(pad), 0, "Backspaces while paused")
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+t")
    pad.wait_text("xsigy")


@scenario("typlet_macro_output_never_fires")
def typlet_macro_output_never_fires(box):
    """Nothing a macro types starts a Typlet: neither a Typlet's own text nor a hotkey
    macro's."""
    pad = box.start_pad("TestPad Typlet Output")
    code = hotkey("ctrl+alt+shift+t")
    start(box, pad, typlet("sig", "sig and sig"), record("Types", " xsig", code))
    box.type_keys("sig")
    pad.wait_text("sig and sig")
    box.key("ctrl+alt+shift+t")
    pad.wait_text("sig and sig xsig")
    settle()
    expect_equal(pad.text(), "sig and sig xsig", "text after both macros")
    expect_equal(backspaces(pad), 3, "Backspaces sent")


@scenario("typlet_options_dialog_by_keyboard")
def typlet_options_dialog_by_keyboard(box):
    """"&Options" > "T&yplets" opens "Typlet Options"; unticking "Use &Prefix Keys" with its
    mnemonic and Enter stores suffix mode, which the next Typlet obeys."""
    pad = box.start_pad("TestPad Options")
    box.write_file("QUINX.INI", macros.typlet_settings(prefix="//"))
    box.start_quindl_with(macros.macro_file(typlet("sig", SIGNATURE)), pad)
    box.key("alt+o", "y")
    dialog = pad.wait_window("Typlet Options", ("Solitary &Usage", "Case &Sensitive",
                                                "Use &Prefix Keys", "&Ok", "&Cancel"))
    expect_equal(dialog["title"], "Typlet Options", "caption")
    # Another program reads an edit field's creation text only; the screenshot shows "//".
    box.session.settled_screenshot("typlet_options.png")
    box.key("alt+p")
    box.key("Return")
    wait_gone(pad, "Typlet Options")
    bring_to_front(box, pad)
    box.type_keys("sig ")
    pad.wait_text(SIGNATURE)
    waiting.until(lambda: "use suffix=yes" in open(box.host_path("QUINX.INI"),
                                                   encoding="cp1252").read().lower(),
                  20, "suffix mode stored in QUINX.INI")


@scenario("typlet_options_invalid_prefix")
def typlet_options_invalid_prefix(box):
    """A character a Typlet cannot hold in "Prefix Keys" is refused with its message titled
    "Error"; Escape leaves the options as they were."""
    pad = box.start_pad("TestPad Bad Prefix")
    box.write_file("QUINX.INI", macros.typlet_settings())
    box.start_quindl_with(macros.macro_file(typlet("sig", SIGNATURE)), pad)
    box.key("alt+o", "y")
    pad.wait_window("Typlet Options", ("&Ok",))
    box.key("alt+k")
    box.type_keys("(")
    waiting.until(lambda: pad.message("The Prefix Keys has invalid characters"), 20,
                  "the invalid prefix message")
    expect_equal(pad.message("The Prefix Keys has invalid characters")["title"], "Error",
                 "message title")
    box.key("Return")
    waiting.until(lambda: not pad.message("The Prefix Keys has invalid characters"), 20,
                  "the message to close")
    box.key("Escape")
    wait_gone(pad, "Typlet Options")
    bring_to_front(box, pad)
    box.type_keys("xsig")
    pad.wait_text("x" + SIGNATURE)


def open_system_keys(box, pad):
    """Selects the "Activate Program" system entry (Ctrl+Alt+Shift+W) of the macro list by
    typing its activation, and opens it with Enter."""
    pad.wait_window("Quindle 98 (")
    box.select_macro("ctrl+alt+shift+w")
    box.key("Return")
    return pad.wait_window("System Hot Keys", ("&Ok", "&Cancel", "&Help"))


def field_texts(window):
    return [c["text"] for c in window["children"] if c["class"] == "Edit"]


@scenario("syskeys_change_activate_program")
def syskeys_change_activate_program(box):
    """Pressing Ctrl+Alt+Shift+Q in the "Activate Program" field and "&Ok" make that combination
    bring up the main window, while Ctrl+Alt+Shift+W passes on to the program in front."""
    pad = box.start_pad("TestPad SysKeys")
    box.write_file("QUINX.INI", macros.typlet_settings())
    box.start_quindl_with(macros.macro_file(), pad)
    dialog = open_system_keys(box, pad)
    expect_equal(len(field_texts(dialog)), 4, "hot key fields")
    box.session.settled_screenshot("system_hot_keys.png")
    # The hook posts the combination to the dialog before the system delivers the Return typed
    # after it, and another program cannot read an edit field's text: the screenshot shows it.
    box.key("ctrl+alt+shift+q")
    box.session.settled_screenshot("system_hot_keys_changed.png")
    box.key("Return")
    wait_gone(pad, "System Hot Keys")
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+w")
    pad.wait_event(lambda e: e.name in ("WM_KEYDOWN", "WM_SYSKEYDOWN") and e.int("vk") == ord("W"),
                   20, "the old combination's W to reach TESTPAD")
    expect_equal(pad.window("Quindle 98 (")["fg"], "0", "main window in front after the old key")
    box.key("ctrl+alt+shift+q")
    waiting.until(lambda: pad.window("Quindle 98 (")["fg"] == "1", 20,
                  "the main window in front after the new key")
    box.session.settled_screenshot("system_hot_keys_list_after.png")
    def hotkey_number(stored):
        return struct.unpack_from("<H", stored, 93)[0]
    macros.wait_stored(box, 0, hotkey_number, hotkey("ctrl+alt+shift+q"),
                       "the Activate Program entry's HotkeyNumber in the file")
    expect_equal(hotkey_number(macros.stored_record(box, 1)), 263,
                 "the Start/Stop Capture entry, unchanged")
    ini = open(box.host_path("QUINX.INI"), encoding="cp1252").read()
    expect("system menu=1" in ini.lower(), "System Menu written:\n" + ini)


@scenario("syskeys_global_hotkey_in_use")
def syskeys_global_hotkey_in_use(box):
    """Pressing a global macro's hotkey in a system field shows the in-use message with the
    combination's name, and the field keeps its combination."""
    pad = box.start_pad("TestPad SysKeys Used")
    box.write_file("QUINX.INI", macros.typlet_settings())
    box.start_quindl_with(macros.macro_file(record("Used", "u", hotkey("ctrl+alt+shift+t"))), pad)
    open_system_keys(box, pad)
    box.key("ctrl+alt+shift+t")
    text = "The hot key \"Ctrl+Alt+Shift+T\" is already in use by a macro."
    waiting.until(lambda: pad.message(text), 20, "the in-use message")
    box.session.screenshot("system_hot_keys_in_use.png")
    expect_equal(pad.message(text)["title"], "Error", "message title")
    box.key("Return")
    waiting.until(lambda: not pad.message(text), 20, "the message to close")
    box.session.settled_screenshot("system_hot_keys_after_refusal.png")
    box.key("Escape")
    wait_gone(pad, "System Hot Keys")

