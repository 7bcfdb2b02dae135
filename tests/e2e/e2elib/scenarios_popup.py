"""Popup menus of macros: a menu built in "Build Macro Menu" by keyboard alone, opened by its
hotkey in TESTPAD, a member chosen by its key label and played there; Esc gives the focus back.
The chooser's three layouts each once on the screen."""

import struct

from . import macros, waiting
from .macros import hotkey, record
from .registry import expect, expect_equal, scenario
from .scenarios_list import front, members_of, popup_menu_record
from .scenarios_typlets import bring_to_front, settle

CHOOSER = "Choose A Macro"
BUILDER = "Build Macro Menu"
# The menus' tray icons report to the main window with this message (app/win32/
# popup_menu_host.h); wParam 100 is the first menu's icon.
POPUP_TRAY_CALLBACK = 0xB072
FIRST_POPUP_ICON = 100
WM_RBUTTONUP = 0x0205
POPUP_REFUSAL = "A current Popup Menu macro is being displayed."


def menu_with_options(name, code, members, options):
    """A popup-menu record with its three option characters (tray, layout, icon size)."""
    data = bytearray(popup_menu_record(name, code, members))
    text = options.encode("cp1252")
    data[82] = len(text)
    data[83:83 + len(text)] = text
    return bytes(data)


def chooser_gone(pad):
    return pad.window(CHOOSER) is None


def open_chooser(box, pad, keys, controls=()):
    if keys:
        box.key(keys)
    window = pad.wait_window(CHOOSER, controls=controls)
    waiting.until(lambda: (pad.window(CHOOSER) or {}).get("fg") == "1", 20, "the chooser in front")
    return window


def client_size(window):
    left, top, right, bottom = window["rect"]
    return right - left, bottom - top


@scenario("popup_build_by_keyboard_and_choose_by_key")
def popup_build_by_keyboard_and_choose_by_key(box):
    """"&Add Macro" with "&Popup Menu" and Ctrl+Alt+Shift+P opens "Build Macro Menu"; a nickname
    typed, two macros added with "&Add" and "&Ok" store the menu. Its hotkey in TESTPAD opens
    "Choose A Macro" centred on the screen, "1" plays the second member there; opened again,
    Esc closes it and the keys go to TESTPAD once more."""
    pad = box.start_pad("TestPad Popup")
    box.start_quindl_with(macros.macro_file(
        record("Able", "alpha", hotkey("ctrl+alt+shift+a")),
        record("Baker", "bravo", hotkey("ctrl+alt+shift+b"))), pad)
    box.select_macro("ctrl")
    box.key("alt+a")
    front(pad, "Add Macro", ("&Enter Directly",))
    box.key("ctrl+alt+shift+p")
    box.key("Tab")
    box.key("alt+p")
    box.key("Return")
    front(pad, BUILDER, ("&Add", "Insert &Before", "&Ok"))
    box.type_keys("Tools")
    box.key("alt+v")  # "A&vailable Macros": Able is selected
    box.key("alt+a")
    box.key("alt+a")
    box.session.settled_screenshot("popup_build_macro_menu.png")
    box.key("alt+o")
    macros.wait_stored(box, 6, members_of, [5, 6], "the new menu's members")
    stored = macros.stored_record(box, 6)
    expect_equal(stored[0:1 + stored[0]][1:].decode("cp1252"), "Tools", "the menu's nickname")
    expect_equal(struct.unpack_from("<h", stored, 95)[0], macros.POPUP, "the menu's scope")
    expect_equal(stored[83:86].decode("cp1252"), "N30", "the new menu's options")

    bring_to_front(box, pad)
    window = open_chooser(box, pad, "ctrl+alt+shift+p", ("Cancel",))
    width, height = client_size(window)
    left, top = window["rect"][0], window["rect"][1]
    expect(abs(left + width // 2 - 512) <= 2 and abs(top + height // 2 - 384) <= 2,
           "the chooser is centred on the screen: %r" % (window["rect"],))
    box.session.settled_screenshot("popup_chooser_nickname_layout.png")
    box.key("1")
    pad.wait_text("bravo")
    waiting.until(lambda: chooser_gone(pad), 20, "the chooser to close")

    open_chooser(box, pad, "ctrl+alt+shift+p")
    box.key("Escape")
    waiting.until(lambda: chooser_gone(pad), 20, "the chooser to close on Esc")
    pad.wait_state(lambda s: s["fg"] == "1", 20, "TESTPAD in front again")
    box.type_keys("z")
    pad.wait_text("bravoz")


@scenario("popup_chooser_layouts_keys_and_icons")
def popup_chooser_layouts_keys_and_icons(box):
    """A menu of 20 in the nickname layout opens in two columns and "J" plays its 20th member
    ("K" does nothing); a text menu of 3 plays its third on "2"; an icon menu of 5 at 32 pixels
    is 180 by 58 inside and its second button, reached with Tab, plays on the space bar."""
    pad = box.start_pad("TestPad Layouts")
    members = [record("Member %02d" % i, "m%02d" % i, hotkey("alt+shift+%s" % chr(ord("a") + i - 1)))
               for i in range(1, 21)]
    first = 5  # the members follow the four system macros
    numbers = list(range(first, first + 20))
    box.start_quindl_with(macros.macro_file(
        *members,
        menu_with_options("Twenty", hotkey("ctrl+alt+shift+m"), numbers, "N30"),
        menu_with_options("Texts", hotkey("ctrl+alt+shift+t"), numbers[:3], "N10"),
        menu_with_options("Icons", hotkey("ctrl+alt+shift+i"), numbers[:5], "N22")), pad)
    bring_to_front(box, pad)

    window = open_chooser(box, pad, "ctrl+alt+shift+m", ("Cancel",))
    box.session.settled_screenshot("popup_chooser_two_columns.png")
    box.key("k")
    expect(waiting.holds(lambda: pad.window(CHOOSER) is not None, 1.0), "K closed the chooser")
    box.key("j")
    pad.wait_text("m20")
    expect(client_size(window)[0] > 604, "two columns are wider than 604 pixels outside")

    open_chooser(box, pad, "ctrl+alt+shift+t", ("Cancel",))
    box.session.settled_screenshot("popup_chooser_text_layout.png")
    box.key("2")
    pad.wait_text("m20m03")

    window = open_chooser(box, pad, "ctrl+alt+shift+i", ("Cancel",))
    box.session.settled_screenshot("popup_chooser_icon_layout.png")
    buttons = [c for c in window["children"] if c.get("class", "").lower() == "button" and
               c["text"] != "Cancel"]
    if buttons:
        expect_equal(len(buttons), 5, "one icon button per member")
        left, top, right, bottom = buttons[0]["rect"]
        expect_equal((right - left, bottom - top), (36, 36), "a 32-pixel icon's button")
    box.key("Tab")
    box.key("space")
    pad.wait_text("m20m03m02")
    settle()
    expect(chooser_gone(pad), "the chooser closed after the click")


@scenario("popup_menu_for_the_window_in_front")
def popup_menu_for_the_window_in_front(box):
    """System hotkey "4" (Ctrl+Alt+Shift+Z) in TESTPAD offers the macros scoped to its title and
    to its program, whatever their case, and not the global one. Meanwhile the global hotkey is
    refused with the on-top warning; "1" then plays the second macro in TESTPAD."""
    pad = box.start_pad("TestPad Front")
    box.start_quindl_with(macros.macro_file(
        record("Global", "global", hotkey("ctrl+alt+shift+g")),
        record("Titled", "titled", hotkey("ctrl+alt+shift+h"), scope=macros.WINDOW,
               scope_text="testpad front"),
        record("Program", "program", hotkey("ctrl+alt+shift+j"), scope=macros.PROGRAM,
               scope_text="TestPad")), pad)
    bring_to_front(box, pad)
    window = open_chooser(box, pad, "ctrl+alt+shift+z", ("Cancel",))
    lists = [c for c in window["children"] if c.get("class", "").lower() == "listbox" and
             c.get("visible") == "1"]
    expect_equal(len(lists), 1, "one list for two macros")
    # While the chooser shows, another hotkey is refused and plays nothing.
    box.key("ctrl+alt+shift+g")
    waiting.until(lambda: pad.message(POPUP_REFUSAL), 20, "the popup menu refusal")
    box.key("Return")
    waiting.until(lambda: not pad.message(POPUP_REFUSAL), 20, "the refusal to close")
    waiting.until(lambda: (pad.window(CHOOSER) or {}).get("fg") == "1", 20,
                  "the chooser in front again")
    box.key("1")
    pad.wait_text("program")
    waiting.until(lambda: chooser_gone(pad), 20, "the chooser to close")


@scenario("popup_tray_icon_opens_its_menu_at_the_bottom")
def popup_tray_icon_opens_its_menu_at_the_bottom(box):
    """A menu placed in the tray ("Y") has its icon there; its right button (the shell's report
    of it, posted as the notification area sends it) opens the chooser with its bottom on the
    bottom of the screen, and the member chosen plays into the window that was active last."""
    pad = box.start_pad("TestPad TrayMenu")
    box.start_quindl_with(macros.macro_file(
        record("Able", "alpha", hotkey("ctrl+alt+shift+a")),
        menu_with_options("Tray Menu", hotkey("ctrl+alt+shift+p"), [5], "Y30")), pad)
    main = pad.window("Quindle 98 (")
    bring_to_front(box, pad)
    box.xdotool("mousemove", 300, 500)
    expect(pad.post(main["hwnd"], POPUP_TRAY_CALLBACK, FIRST_POPUP_ICON, WM_RBUTTONUP),
           "posting the menu icon's callback")
    window = open_chooser(box, pad, [], ("Cancel",))
    box.session.settled_screenshot("popup_chooser_from_tray.png")
    expect_equal(window["rect"][3], 768, "the chooser's bottom edge")
    expect_equal(window["rect"][0], 300, "the chooser's left edge at the click")
    box.key("0")
    pad.wait_text("alpha")


@scenario("popup_modify_reorders_and_tells_quick_info")
def popup_modify_reorders_and_tells_quick_info(box):
    """"Mo&dify Popup Menu" opens the builder on the menu's members; the context-menu key on the
    selected member shows its Quick Info, "&Up" moves the second member to the top and "&Ok"
    stores the new order, which the chooser then shows: "0" plays the macro moved up."""
    pad = box.start_pad("TestPad Modify")
    box.start_quindl_with(macros.macro_file(
        record("Able", "alpha", hotkey("ctrl+alt+shift+a")),
        record("Baker", "bravo", hotkey("ctrl+alt+shift+b")),
        menu_with_options("Menu", hotkey("ctrl+alt+shift+p"), [5, 6], "N30")), pad)
    box.select_macro("ctrl+alt+shift+p")
    box.key("alt+m", "d")
    front(pad, BUILDER, ("&Up", "&Ok"))
    box.key("alt+m")  # "Macros in &Menu": Able is selected
    box.key("Down")
    box.key("shift+F10")
    waiting.until(lambda: pad.message("Name: Baker"), 20, "Quick Info of Baker")
    box.key("Return")
    front(pad, BUILDER)
    box.key("alt+u")
    box.key("alt+o")
    macros.wait_stored(box, 6, members_of, [6, 5], "the menu's members in their new order")
    bring_to_front(box, pad)
    open_chooser(box, pad, "ctrl+alt+shift+p", ("Cancel",))
    box.key("0")
    pad.wait_text("bravo")
