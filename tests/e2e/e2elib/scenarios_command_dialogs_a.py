"""The command dialogs of activating, sounds, delays, pauses, repeats, speeds, windows and the
mouse by keyboard alone: the unit test program's showcase opens each as the keystroke editor does,
one at a time (the scripting editor's scenarios open them from QUINDL.EXE); mnemonics and Tab reach every field, Enter on a wrong entry
gives the model's message titled "Error" and puts the user back on the field, and Enter on a
right one hands back the command's MacroText."""

import os
import shutil

from . import waiting
from .registry import expect, expect_equal, scenario


def start_showcase(box, which):
    return box.start_showcase("QNL_SHOW_COMMAND_DIALOG", which, "CommandDialogsAShowcase.*")


def open_dialog(box, which, caption, controls):
    pad = box.start_pad("TestPad Showcase " + which)
    process = start_showcase(box, which)
    dialog = pad.wait_window(caption, controls, limit=60)
    expect_equal(dialog["title"], caption, "caption")
    waiting.until(lambda: pad.window(caption)["fg"] == "1", 20, "the dialog in front")
    box.session.settled_screenshot("command_%s.png" % which)
    return pad, process


def refuse(box, pad, text, screenshot):
    """Enter ("&Ok") gives the message `text` titled "Error"; Enter closes it again."""
    box.key("Return")
    waiting.until(lambda: pad.message(text), 20, "the message %r" % text)
    box.session.settled_screenshot(screenshot)
    expect_equal(pad.message(text)["title"], "Error", "the message's title")
    box.key("Return")
    waiting.until(lambda: not pad.message(text), 20, "the message to close")


def handed_back(box, process, which, text, limit=60):
    """Enter closes the dialog; the showcase prints the MacroText it made."""
    box.key("Return")
    waiting.until(lambda: process.poll() is not None, limit, "the showcase to end")
    output = open(box.host_path("showcase.out"), encoding="cp1252", errors="replace").read()
    expect(process.returncode == 0, "the showcase failed:\n" + output)
    expect("showcase %s text=%s\n" % (which, text) in output,
           "the command handed back, %r:\n%s" % (text, output))


@scenario("command_dialog_active_by_keyboard")
def command_dialog_active_by_keyboard(box):
    """"Activate/Launch Program" opens on "Activate or Launch" with both panels; the other
    kinds shrink it; a title is needed; title and program typed make <LAUNCHYES:."""
    caption = "Activate/Launch Program"
    pad, process = open_dialog(box, "active", caption, (
        "&Activate Window Only", "&Launch Program Only", "La&unch Program and Activate Window",
        "Activate &Window if Running Otherwise Launch Program and Activate Window",
        "Window Title", "(May be partial title)", "Program Path/Name", "&Browse",
        "Program Parameters", "Delay (in seconds)", "&Ok", "&Cancel", "&Help"))
    full = pad.window(caption)["rect"]
    refuse(box, pad, "No entry made for Window Title.  Please correct.", "command_active_no_title.png")
    box.type_keys("TestPad")
    box.key("Tab")
    box.type_keys("C:\\windows\\notepad.exe")
    box.key("Tab", "Tab")
    box.type_keys("/x")
    box.key("Tab")
    box.type_keys("5")
    box.session.settled_screenshot("command_active_filled.png")
    box.key("alt+l")
    waiting.until(lambda: pad.window(caption)["rect"] != full, 20, "the dialog to shrink")
    box.session.settled_screenshot("command_active_launch.png")
    box.key("alt+a")
    box.session.settled_screenshot("command_active_activate.png")
    small = pad.window(caption)["rect"]
    expect(small[3] - small[1] < full[3] - full[1], "activate only is shorter")
    box.key("alt+w")
    waiting.until(lambda: pad.window(caption)["rect"] == full, 20, "the full layout again")
    handed_back(box, process, "active",
                "<LAUNCHYES:05TestPad<LAUNCH:C:\\windows\\notepad.exe<PARAM>/x>")


@scenario("command_dialog_sound_by_keyboard")
def command_dialog_sound_by_keyboard(box):
    """"Set Sound" opens on "&Beep"; "&Wave File" and Tab reach the path; a missing file is
    refused; an existing one with "Wait for wave file to &finish" makes <WAV1:."""
    box.write_file("ding.wav", "RIFF")
    pad, process = open_dialog(box, "sound", "Set Sound", (
        "&Beep", "&Wave File", "&Browse", "Wait for wave file to &finish", "&Test", "&Ok",
        "&Cancel", "&Help"))
    box.key("alt+w", "Tab")
    box.type_keys("C:\\missing.wav")
    refuse(box, pad, "Specified WAV File does not exist.  Please correct.", "command_sound_missing.png")
    box.type_keys(box.windows_path("ding.wav"))
    box.key("alt+f")
    box.session.settled_screenshot("command_sound_wave.png")
    handed_back(box, process, "sound", "<WAV1:%s>" % box.windows_path("ding.wav"))


@scenario("command_dialog_delay_by_keyboard")
def command_dialog_delay_by_keyboard(box):
    """"Set Delay" opens in seconds on its field; 61 is refused, 1.5 makes <DELAY:01.50>."""
    pad, process = open_dialog(box, "delay", "Set Delay", (
        "Delay Time", "Delay in Seconds", "Delay in Milliseconds", "&Ok", "&Cancel", "&Help"))
    box.type_keys("61")
    refuse(box, pad, "Value must be greater than zero and no larger than 60.",
           "command_delay_refused.png")
    box.type_keys("1.5")
    handed_back(box, process, "delay", "<DELAY:01.50>")


@scenario("command_dialog_pause_by_keyboard")
def command_dialog_pause_by_keyboard(box):
    """"Pause Window" opens on "Complex &Pause"; "&Basic Pause" disables the location; a top
    that is no number is refused; top, left and message make <PAUSE:."""
    pad, process = open_dialog(box, "pause", "Pause Window", (
        "&Basic Pause", "Complex &Pause", "Location", "Top Coordinate", "Left Coordinate",
        "Message", "&Ok", "&Cancel", "&Help"))
    box.key("alt+b")
    box.session.settled_screenshot("command_pause_basic.png")
    box.key("alt+p", "Tab")
    box.type_keys("ab")
    refuse(box, pad, "Invalid Top Window Coordinate entered.  Please correct.",
           "command_pause_refused.png")
    box.type_keys("10")
    box.key("Tab")
    box.type_keys("20")
    box.key("Tab")
    box.type_keys("Hello")
    handed_back(box, process, "pause", "<PAUSE:010,020Hello>")


@scenario("command_dialog_repeat_by_keyboard")
def command_dialog_repeat_by_keyboard(box):
    """"Repeat Options" opens on "&Start Repeat"; "&Incremental Counter" relabels the field; a
    count of 0 is refused, 12 makes <REPEAT:0012>."""
    pad, process = open_dialog(box, "repeat", "Repeat Options", (
        "&Start Repeat", "Start Repeat with &Prompt", "&End Repeat", "&Incremental Counter",
        "Repeat Count", "&Ok", "&Cancel", "&Help"))
    box.key("alt+i")
    waiting.until(lambda: pad.window("Repeat Options") and "Counter Width" in [
        c["text"] for c in pad.window("Repeat Options")["children"]], 20, "the width label")
    box.session.settled_screenshot("command_repeat_counter.png")
    box.key("alt+e")
    box.session.settled_screenshot("command_repeat_end.png")
    box.key("alt+s", "Tab")
    box.type_keys("0")
    refuse(box, pad, "Value must be greater than zero.", "command_repeat_refused.png")
    box.type_keys("12")
    handed_back(box, process, "repeat", "<REPEAT:0012>")


@scenario("command_dialog_speed_by_keyboard")
def command_dialog_speed_by_keyboard(box):
    """"Speed" opens on "&Keyboard Speed"; "M&acro Speed" relabels the field; -1 is refused,
    2 makes <SPEED:02.00>."""
    pad, process = open_dialog(box, "speed", "Speed", (
        "&Keyboard Speed", "&Mouse Speed", "M&acro Speed", "Delay in Milliseconds", "&Ok",
        "&Cancel", "&Help"))
    box.key("alt+a")
    waiting.until(lambda: "Playback Factor" in [
        c["text"] for c in pad.window("Speed")["children"]], 20, "the factor label")
    box.session.settled_screenshot("command_speed_macro.png")
    box.key("Tab")
    box.key("minus")
    box.type_keys("1")
    refuse(box, pad, "Value must be zero or greater.", "command_speed_refused.png")
    box.type_keys("2")
    handed_back(box, process, "speed", "<SPEED:02.00>")


@scenario("command_dialog_sizeit_by_keyboard")
def command_dialog_sizeit_by_keyboard(box):
    """"Size or Position a Window" opens on "&Resize Window" of a "Speci&fic Window" in the
    title; "&Position Window" relabels the numbers; a width of 9 is refused; 400 by 100 makes
    <WSIZE:."""
    pad, process = open_dialog(box, "sizeit", "Size or Position a Window", (
        "Window", "Current &Window", "Speci&fic Window", "Window Title", "(Can be partial title)",
        "Commands", "&Resize Window", "&Position Window", "Width", "Height", "&Ok", "&Cancel",
        "&Help"))
    box.type_keys("TestPad")
    box.key("alt+p")
    waiting.until(lambda: "Left" in [
        c["text"] for c in pad.window("Size or Position")["children"]], 20, "the left label")
    box.session.settled_screenshot("command_sizeit_position.png")
    box.key("alt+r", "Tab")
    box.type_keys("9")
    box.key("Tab")
    box.type_keys("100")
    refuse(box, pad, "Invalid width specified.  Width must be 10 or greater.  Please correct.",
           "command_sizeit_refused.png")
    box.type_keys("400")
    handed_back(box, process, "sizeit", "<WSIZE:0400,0100TestPad>")


@scenario("command_dialog_system_by_keyboard")
def command_dialog_system_by_keyboard(box):
    """"System Commands" opens on "&Maximize Window" of a "Speci&fic Window"; without a title
    it is refused; "&Hide Window" with a title makes <WHIDE:."""
    pad, process = open_dialog(box, "system", "System Commands", (
        "Commands", "&Maximize Window", "M&inimize Window", "&Restore Window", "C&lose Window",
        "&Hide Window", "&Show Window (unhide)", "Shut Down &Program", "Window",
        "Current &Window", "Speci&fic Window", "Window Title", "&Ok", "&Cancel", "Help"))
    refuse(box, pad, "No Window title specified.  Please correct", "command_system_refused.png")
    box.type_keys("TestPad")
    box.key("alt+h")
    box.session.settled_screenshot("command_system_hide.png")
    handed_back(box, process, "system", "<WHIDE:TestPad>")


@scenario("command_dialog_mouse_by_keyboard")
def command_dialog_mouse_by_keyboard(box):
    """"Mouse Commands" opens on "Mouse Mo&ve" relative to the screen; the wheel enables its
    clicks instead; X 30001 is refused, 300 and 5 make <MMS:00300,00005>."""
    pad, process = open_dialog(box, "mouse", "Mouse Commands", (
        "Left Button", "Right Button", "Middle Button", "Click", "Double Click", "Down", "Up",
        "Mouse Mo&ve", "Relative To &Screen", "Relative To Wi&ndow", "Mouse &Wheel Forward",
        "Mouse Wheel &Backward", "&Ok", "&Cancel", "&Help"))
    box.key("alt+w")
    box.session.settled_screenshot("command_mouse_wheel.png")
    box.key("alt+v", "Tab", "Tab")
    box.type_keys("30001")
    box.key("Tab")
    box.type_keys("5")
    refuse(box, pad, "Invalid X Position specified.  Please correct.", "command_mouse_refused.png")
    box.type_keys("300")
    handed_back(box, process, "mouse", "<MMS:00300,00005>")


@scenario("command_dialog_system_help_by_f1")
def command_dialog_system_help_by_f1(box):
    """F1 in "System Commands" opens the help at the page of the command dialogs ("Help" has no
    mnemonic there: the letter H belongs to "&Hide Window")."""
    chm = os.path.join(box.session.build_dir, "src", "app", "win32", "QUINDL.CHM")
    expect(os.path.isfile(chm), "no QUINDL.CHM in the build")
    shutil.copy2(chm, box.host_path("QUINDL.CHM"))
    pad, process = open_dialog(box, "system", "System Commands", ("&Hide Window", "Help"))
    box.key("F1")
    pad.wait_window("Quindle 98 Help", limit=40)
    box.session.settled_screenshot("command_system_help.png")
    pad.close_window("Quindle 98 Help")
    pad.close_window("System Commands")
    waiting.until(lambda: process.poll() is not None, 60, "the showcase to end")
    output = open(box.host_path("showcase.out"), encoding="cp1252", errors="replace").read()
    expect("showcase system text=(none)" in output, "closed without a command:\n" + output)
