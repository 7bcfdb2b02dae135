"""Tray mode ("Use Tray"): QUINDL.EXE lives in the notification area, comes up from its icon and
hides again when another program takes the focus."""

import time

from . import macros, waiting
from .macros import MAIN_WINDOW_SETTINGS, hotkey, record
from .registry import expect, expect_equal, scenario

CAPTION = "Quindle 98 ("
# The main window's tray callback (app/win32/tray_controller.h): wParam is the icon (1 the
# "Quindle 98" icon), lParam the mouse message the notification area reports.
TRAY_CALLBACK = 0xB070
MAIN_ICON = 1
WM_LBUTTONUP = 0x0202
WM_RBUTTONUP = 0x0205
# Wine's notification area inside its desktop window.
TRAY_CLASS = "Shell_TrayWnd"
TRAY_SETTINGS = MAIN_WINDOW_SETTINGS + "[Misc]\r\nUse Tray=Yes\r\n"
ALREADY_RUNNING_TRAY = ("Quindle 98 is already running.  Right Click on the Quindle Icon in the "
                        "system tray in the bottom right corner to active.")


def main_window(pad):
    return pad.window(CAPTION)


def wait_main(pad, visible, limit=30, foreground=None):
    def ok():
        window = main_window(pad)
        if window is None or window["visible"] != ("1" if visible else "0"):
            return None
        if foreground is not None and window["fg"] != ("1" if foreground else "0"):
            return None
        return window
    return waiting.until(ok, limit, "the main window %s" % ("shown" if visible else "hidden"))


def use_tray_setting(box):
    for line in open(box.host_path("QUINX.INI"), encoding="cp1252").read().splitlines():
        if line.lower().startswith("use tray="):
            return line.split("=", 1)[1]
    return None


def start_in_tray(box, pad):
    box.write_file("QUINX.INI", TRAY_SETTINGS)
    box.write_file("SCEN.QNL", macros.macro_file(record("One", "one", hotkey("ctrl+alt+shift+t"))))
    box.start_quindl(["/F" + box.windows_path("SCEN.QNL")])
    # The window exists (its caption names the file) but is never shown.
    waiting.until(lambda: main_window(pad), 60, "the QUINDL main window to exist")
    expect(waiting.holds(lambda: main_window(pad)["visible"] == "0", 2.0),
           "the main window showed at start in tray mode")
    return main_window(pad)


def post_tray_click(pad, main, mouse):
    """The notification area's report of a click on the "Quindle 98" icon, as the shell sends
    it, for where the icon cannot be clicked on the screen."""
    expect(pad.post(main["hwnd"], TRAY_CALLBACK, MAIN_ICON, mouse), "posting the tray callback")


def icon_point(pad):
    """Where the "Quindle 98" icon is: Wine's task bar runs along the bottom of its desktop
    window with the notification area at its right end, and with no other icon there ours is
    the last one, drawn 16 pixels square a few pixels from the right edge."""
    # The task bar window exists before it is laid out: until then its rectangle is empty and
    # the point would lie off the screen.
    def laid_out():
        tray = pad.class_window(TRAY_CLASS)
        if tray is None:
            return None
        left, top, right, bottom = tray["rect"]
        return tray if right > left and bottom > top else None
    tray = waiting.until(laid_out, 30, "Wine's task bar laid out")
    left, top, right, bottom = tray["rect"]
    return right - 11, (top + bottom) // 2


def click_tray_icon(box, pad, button):
    """A real click on the icon (button 1 left, 3 right)."""
    x, y = icon_point(pad)
    box.xdotool("mousemove", x, y)
    waiting.until(lambda: box.pointer() == (x, y), 20, "the pointer on the tray icon")
    box.xdotool("click", button)


GUI_INMENUMODE = 0x4
MENU_CLASS = "#32768"


def tray_menu_shown(pad, main):
    """The main window in front with its thread in menu mode: MyPopUp is tracked."""
    front = pad.foreground()
    return front["hwnd"] == main["hwnd"] and int(front["guiflags"]) & GUI_INMENUMODE


def open_tray_menu(box, pad, main):
    """A right click on the icon, and MyPopUp's window once it is tracked."""
    click_tray_icon(box, pad, 3)
    try:
        waiting.until(lambda: tray_menu_shown(pad, main), 20, "the tray menu")
    except AssertionError as error:
        raise AssertionError("%s; in front: %r" % (error, pad.foreground())) from None
    return waiting.until(lambda: pad.class_window(MENU_CLASS), 20, "the tray menu's window")


@scenario("tray_starts_in_tray_opens_and_hides")
def tray_starts_in_tray_opens_and_hides(box):
    """With "Use Tray" = Yes the main window is not shown at start and the notification area
    holds the icon; a click on it brings the window up in front, and clicking TESTPAD (the
    program losing the focus) hides it again. The tray menu's "&Open" does the same."""
    pad = box.start_pad("TestPad Tray")
    main = start_in_tray(box, pad)
    box.session.settled_screenshot("tray_icon.png")
    click_tray_icon(box, pad, 1)
    wait_main(pad, True, foreground=True)
    box.session.settled_screenshot("tray_opened.png")
    box.activate(pad)
    wait_main(pad, False)
    # MyPopUp at the pointer, from a real right click, and its first entry "&Open" clicked.
    # (Wine gives the keys to the hidden window in front, not to the menu: its letters do not
    # reach it here.)
    menu = open_tray_menu(box, pad, main)
    box.session.settled_screenshot("tray_menu.png")
    left, top, _, _ = menu["rect"]
    box.click(left + 30, top + 12)
    wait_main(pad, True, foreground=True)
    box.activate(pad)
    wait_main(pad, False)
    # The shell's own report of a left click, as a program in front of the tray would get it.
    post_tray_click(pad, main, WM_LBUTTONUP)
    wait_main(pad, True, foreground=True)


@scenario("tray_place_in_tray_by_keyboard")
def tray_place_in_tray_by_keyboard(box):
    """"Place in System &Tray" by keys alone turns "Use Tray" on and off in QUINX.INI at once;
    with it on, "&Hide Quindle 98" hides the window, and the tray icon brings it back."""
    pad = box.start_pad("TestPad Place")
    box.start_quindl_with(macros.macro_file(record("One", "one", hotkey("ctrl+alt+shift+t"))),
                          pad)
    main = main_window(pad)
    box.key("alt+o")
    box.key("t")
    waiting.until(lambda: use_tray_setting(box) == "Yes", 20, "Use Tray=Yes in QUINX.INI")
    box.key("alt+o")
    box.key("t")
    waiting.until(lambda: use_tray_setting(box) == "No", 20, "Use Tray=No in QUINX.INI")
    # Without tray mode "&Hide Quindle 98" is greyed: the window stays.
    box.key("alt+f")
    box.key("h")
    box.key("Escape")
    box.key("Escape")
    expect(waiting.holds(lambda: main_window(pad)["visible"] == "1", 1.5),
           "the window hid without tray mode")
    box.key("alt+o")
    box.key("t")
    waiting.until(lambda: use_tray_setting(box) == "Yes", 20, "Use Tray=Yes in QUINX.INI")
    box.key("alt+f")
    box.key("h")
    wait_main(pad, False)
    click_tray_icon(box, pad, 1)
    wait_main(pad, True, foreground=True)


@scenario("tray_second_instance_names_the_tray")
def tray_second_instance_names_the_tray(box):
    """A second QUINDL.EXE in tray mode points the user to the tray icon and ends."""
    pad = box.start_pad("TestPad Tray Twice")
    start_in_tray(box, pad)
    second = box.start_quindl([])
    shown = waiting.until(lambda: pad.message(ALREADY_RUNNING_TRAY), 30,
                          "the already-running message naming the tray")
    box.session.screenshot("tray_second_instance.png")
    expect_equal(shown["title"], "", "the message's title")
    expect(pad.close_handle(shown["hwnd"]), "closing the message box")
    try:
        second.wait(timeout=30)
    except Exception:
        raise AssertionError("the second QUINDL.EXE did not end after its message")
    time.sleep(0.5)
    expect(main_window(pad) is not None, "the first QUINDL.EXE ended too")


@scenario("tray_dialog_keeps_window_open_closes_it")
def tray_dialog_keeps_window_open_closes_it(box):
    """In tray mode an open dialog keeps the program up when another program takes the focus;
    opening from the tray closes the dialog and shows the main window in front."""
    pad = box.start_pad("TestPad Tray Dialog")
    start_in_tray(box, pad)
    click_tray_icon(box, pad, 1)
    wait_main(pad, True, foreground=True)
    box.key("alt+o")
    box.key("y")
    pad.wait_window("Typlet Options")
    box.activate(pad)
    expect(waiting.holds(lambda: main_window(pad)["visible"] == "1", 2.0),
           "the main window hid with a dialog of the program open")
    expect(pad.window("Typlet Options") is not None, "the dialog closed on the focus loss")
    click_tray_icon(box, pad, 1)
    waiting.until(lambda: pad.window("Typlet Options") is None, 20, "the dialog to close")
    wait_main(pad, True, foreground=True)
    box.activate(pad)
    wait_main(pad, False)


@scenario("tray_activate_hotkey_and_terminate")
def tray_activate_hotkey_and_terminate(box):
    """The "Activate Quindle" system hotkey brings the window out of the tray; MyPopUp's
    "&Terminate and Unload" ends the program, and its icon leaves the tray."""
    pad = box.start_pad("TestPad Tray Hotkey")
    start_in_tray(box, pad)
    process = box.processes[-1]
    # Up from the tray and down again first: the hook library notes a program in front only
    # when the front changes, and TESTPAD was in front before QUINDL.EXE started.
    click_tray_icon(box, pad, 1)
    wait_main(pad, True, foreground=True)
    box.activate(pad)
    wait_main(pad, False)
    box.key("ctrl+alt+shift+w")
    wait_main(pad, True, foreground=True)
    box.activate(pad)
    wait_main(pad, False)
    main = main_window(pad)
    menu = open_tray_menu(box, pad, main)
    left, _, _, bottom = menu["rect"]
    box.click(left + 30, bottom - 12)  # the last entry
    waiting.until(lambda: main_window(pad) is None, 30, "the main window to close")
    try:
        process.wait(timeout=30)
    except Exception:
        raise AssertionError("QUINDL.EXE did not end after \"Terminate and Unload\"")
    box.session.settled_screenshot("tray_after_terminate.png")


@scenario("tray_pause_dialog_leaves_window_in_tray")
def tray_pause_dialog_leaves_window_in_tray(box):
    """In tray mode a macro's pause dialog comes up on its own, without the main window, and
    after Resume the macro goes on and the program stays in the tray."""
    pad = box.start_pad("TestPad Tray Pause")
    box.write_file("QUINX.INI", TRAY_SETTINGS)
    code = hotkey("ctrl+alt+shift+t")
    box.write_file("SCEN.QNL", macros.macro_file(record("Paused", "x<PAUSE:050,100Wait>y", code)))
    box.start_quindl(["/F" + box.windows_path("SCEN.QNL")])
    waiting.until(lambda: main_window(pad), 60, "the QUINDL main window to exist")
    click_tray_icon(box, pad, 1)
    wait_main(pad, True, foreground=True)
    box.activate(pad)
    wait_main(pad, False)
    box.key("ctrl+alt+shift+t")
    pad.wait_text("x")
    pad.wait_window("Pause (", ("&Resume", "&Abort"), limit=20)
    box.session.settled_screenshot("tray_pause.png")
    expect_equal(main_window(pad)["visible"], "0", "the main window's visibility in the pause")
    # TESTPAD took the focus back from the dialog: that focus loss must not have hidden
    # anything either. The macro's own hotkey resumes it.
    box.activate(pad)
    box.key("ctrl+alt+shift+t")
    pad.wait_text("xy")
    expect(waiting.holds(lambda: main_window(pad)["visible"] == "0", 1.5),
           "the main window showed after the pause")
