"""The capture dialogs by keyboard: "Capture Defaults" from "&Options" > "&Capture", stored in
QUINX.INI at "&Ok"; "Capture Macro" and "Capture Complete" opened by the unit test program's
showcase, one at a time (the capture scenarios reach them from QUINDL.EXE)."""

import os
import shutil
import time

from . import macros, waiting
from .registry import expect, expect_equal, scenario

DEFAULTS_CONTROLS = ("Capture &Keystrokes", "Capture &Double <ALT> for Menus", "Capture &Mouse",
                     "&Screen", "&Window", "Capture Window Si&ze", "Captur&e At",
                     "&Actual Speed", "&Half Speed", "Do&uble Speed", "&Quadruple Speed",
                     "P&rompt on Capture", "&Global", "&Program", "&Ok", "&Cancel")


def wait_gone(pad, title_part, limit=30):
    waiting.until(lambda: pad.window(title_part) is None, limit,
                  "the window %r to close" % title_part)


def capture_section(box):
    """The [Capture] keys of QUINX.INI, lower-cased, as a dict."""
    text = open(box.host_path("QUINX.INI"), encoding="cp1252").read()
    section = text.split("[Capture]", 1)[1].split("[", 1)[0] if "[Capture]" in text else ""
    pairs = (line.split("=", 1) for line in section.splitlines() if "=" in line)
    return {key.strip().lower(): value.strip().lower() for key, value in pairs}


@scenario("capture_defaults_by_keyboard")
def capture_defaults_by_keyboard(box):
    """"&Options" > "&Capture" opens "Capture Defaults" with every option; unticking keystrokes,
    choosing window-relative mouse, half speed, no prompt and program scope by their mnemonics
    and Enter write exactly those keys into [Capture]; Escape afterwards stores nothing."""
    pad = box.start_pad("TestPad Options")
    box.write_file("QUINX.INI", macros.typlet_settings())
    box.start_quindl_with(macros.macro_file(), pad)
    box.key("alt+o", "c")
    dialog = pad.wait_window("Capture Defaults", DEFAULTS_CONTROLS)
    expect_equal(dialog["title"], "Capture Defaults", "caption")
    box.session.settled_screenshot("capture_defaults.png")
    box.key("alt+k", "alt+w", "alt+h", "alt+r", "alt+p")
    box.session.settled_screenshot("capture_defaults_changed.png")
    box.key("Return")
    wait_gone(pad, "Capture Defaults")
    waiting.until(lambda: capture_section(box).get("keys") == "no", 20,
                  "the capture options stored in QUINX.INI")
    expect_equal(capture_section(box), {
        "double alt": "yes", "keys": "no", "mouse": "yes", "relative to screen": "no",
        "time": "yes", "prompt": "no", "window size": "yes", "global": "no", "speed": "2"},
        "[Capture] after Ok")
    # The dialog shows what was stored; Escape leaves it so.
    box.key("alt+o", "c")
    pad.wait_window("Capture Defaults", DEFAULTS_CONTROLS)
    box.session.settled_screenshot("capture_defaults_reopened.png")
    box.key("alt+k", "Escape")
    wait_gone(pad, "Capture Defaults")
    time.sleep(1.0)
    expect_equal(capture_section(box).get("keys"), "no", "Keys after Escape")


def start_showcase(box, which):
    return box.start_showcase("QNL_SHOW_CAPTURE_DIALOG", which, "CaptureDialogsShowcase.*")


def refuse(box, pad, text, screenshot):
    """Enter ("&Ok") gives the message `text` titled "Error"; Enter closes it again."""
    box.key("Return")
    waiting.until(lambda: pad.message(text), 20, "the message %r" % text)
    box.session.settled_screenshot(screenshot)
    expect_equal(pad.message(text)["title"], "Error", "the message's title")
    box.key("Return")
    waiting.until(lambda: not pad.message(text), 20, "the message to close")


def showcase_output(box, process, limit=60):
    waiting.until(lambda: process.poll() is not None, limit, "the showcase to end")
    text = open(box.host_path("showcase.out"), encoding="cp1252", errors="replace").read()
    expect(process.returncode == 0, "the showcase failed:\n" + text)
    return text


@scenario("capture_macro_dialog_by_keyboard")
def capture_macro_dialog_by_keyboard(box):
    """"Capture Macro" shows both stop texts, the nickname and the options; the nickname typed,
    "&Program" and "&Quadruple Speed" chosen by mnemonics, "&Start Capture" hands them back."""
    pad = box.start_pad("TestPad Showcase Keys")
    process = start_showcase(box, "keys")
    pad.wait_window("Capture Macro", (
        "Press Ctrl+Alt+Shift+X to end capture", "Or Press Ctrl+Alt+Shift+L to end capture",
        "&Nickname", "Capture &Keystrokes", "Sc&reen", "&Global", "&Program", "&Start Capture",
        "&Cancel"), limit=60)
    waiting.until(lambda: pad.window("Capture Macro")["fg"] == "1", 20, "the dialog in front")
    box.session.settled_screenshot("capture_macro.png")
    box.key("alt+n", "ctrl+a")
    box.type_keys("Signature")
    box.key("alt+p", "alt+q", "alt+k")
    box.session.settled_screenshot("capture_macro_changed.png")
    box.key("alt+s")
    text = showcase_output(box, process)
    expect("showcase nickname=Signature scope=program speed=4 keys=0" in text,
           "the choices handed back:\n" + text)


@scenario("capture_complete_dialog_by_keyboard")
def capture_complete_dialog_by_keyboard(box):
    """"Capture Complete" shows the 720 lines in two columns; a line picked with the arrow keys,
    then "&Typlets" shrinks the dialog and shows "Typlet Name"; the name and nickname typed,
    "&Ok" hands back the Typlet."""
    pad = box.start_pad("TestPad Showcase Complete")
    process = start_showcase(box, "complete")
    dialog = pad.wait_window("Capture Complete", ("&Hot Keys", "&Typlets", "&NickName", "&Global",
                                                  "&Program", "&Ok", "&Help"), limit=60)
    waiting.until(lambda: pad.window("Capture Complete")["fg"] == "1", 20, "the dialog in front")
    box.session.settled_screenshot("capture_complete.png")
    refuse(box, pad, "No hot key selected.  Please select one.", "capture_complete_no_key.png")
    # From the hotkey field (where the dialog opens) Tab reaches the list.
    box.key("Tab", "Down", "Down")
    box.session.settled_screenshot("capture_complete_line.png")
    box.key("alt+t")
    waiting.until(lambda: pad.window("Capture Complete")["rect"] != dialog["rect"], 20,
                  "the dialog to shrink")
    small = pad.window("Capture Complete")
    expect(small["rect"][3] - small["rect"][1] < dialog["rect"][3] - dialog["rect"][1],
           "the Typlet layout is shorter: %r then %r" % (dialog["rect"], small["rect"]))
    # Without a name "&Ok" is refused and the focus goes back to the name.
    refuse(box, pad, "No Typlet name entered.", "capture_complete_no_name.png")
    box.type_keys("sig")
    box.key("alt+n")
    box.type_keys("Signature")
    box.session.settled_screenshot("capture_complete_typlet.png")
    box.key("Return")
    text = showcase_output(box, process)
    expect("showcase typlet=1 name=sig hotkey=20000 nickname=Signature" in text,
           "the choices handed back:\n" + text)


@scenario("capture_defaults_help_by_f1")
def capture_defaults_help_by_f1(box):
    """F1 in "Capture Defaults" opens the help at the capture page ("Help" has no mnemonic: the
    letter H belongs to "&Half Speed")."""
    chm = os.path.join(box.session.build_dir, "src", "app", "win32", "QUINDL.CHM")
    expect(os.path.isfile(chm), "no QUINDL.CHM in the build")
    shutil.copy2(chm, box.host_path("QUINDL.CHM"))
    pad = box.start_pad("TestPad Help")
    box.write_file("QUINX.INI", macros.typlet_settings())
    box.start_quindl_with(macros.macro_file(), pad)
    box.key("alt+o", "c")
    pad.wait_window("Capture Defaults", DEFAULTS_CONTROLS)
    box.key("F1")
    pad.wait_window("Quindle 98 Help", limit=40)
    box.session.settled_screenshot("capture_defaults_help.png")
