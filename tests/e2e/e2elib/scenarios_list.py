"""The main window's list operations, worked by keyboard alone: adding a macro, copying it,
giving it a Typlet, deactivating and activating it, and switching macro files. Each change is
proved by what the macro then does in TESTPAD, or by what the files hold."""

import struct

from . import macros, waiting
from .macros import RECORD_SIZE, hotkey, record
from .registry import expect_equal, scenario
from .scenarios_typlets import bring_to_front, settle


def hotkey_of(stored):
    return struct.unpack_from("<H", stored, 93)[0]


def typlet_of(stored):
    return stored[83:83 + stored[82]].decode("cp1252")


def enabled_of(stored):
    return stored[97]


def front(pad, caption, controls=()):
    pad.wait_window(caption, controls=controls)
    waiting.until(lambda: (pad.window(caption) or {}).get("fg") == "1", 20, caption + " in front")


def records_in(box, name="SCEN.QNL"):
    with open(box.host_path(name), "rb") as f:
        return len(f.read()) // RECORD_SIZE


@scenario("list_add_macro_by_keyboard")
def list_add_macro_by_keyboard(box):
    """"&Add Macro" (Alt+A), Ctrl+Alt+K pressed into the hotkey entry, Tab, "&Enter Directly",
    "Kilo" typed into "Modify Hot Key" and "&Update": the macro is appended with that hotkey,
    and Ctrl+Alt+K then types Kilo into TESTPAD."""
    pad = box.start_pad("TestPad Add")
    box.start_quindl_with(macros.macro_file(), pad)
    box.select_macro("ctrl")
    box.session.settled_screenshot("main_window_lettered_buttons.png")
    box.key("alt+a")
    front(pad, "Add Macro", ("&Enter Directly", "&Scripting Editor"))
    box.session.settled_screenshot("list_add_macro.png")
    box.key("ctrl+alt+k")
    box.key("Tab")
    box.key("alt+e")
    front(pad, "Modify Hot Key", ("&Update",))
    box.session.settled_screenshot("list_modify_hot_key.png")
    box.type_keys("Kilo")
    box.key("alt+u")
    macros.wait_stored(box, 4, macros.text_of, "Kilo", "the new macro's text")
    expect_equal(hotkey_of(macros.stored_record(box, 4)), hotkey("ctrl+alt+k"),
                 "the new macro's hotkey")
    bring_to_front(box, pad)
    box.key("ctrl+alt+k")
    pad.wait_text("Kilo")


@scenario("list_copy_then_rename_to_a_typlet")
def list_copy_then_rename_to_a_typlet(box):
    """"Cop&y Macro" gives a copy on Ctrl+Alt+Shift+B and both hotkeys play; "Re&name Macro"
    then gives the copy the Typlet "zq", which plays when typed."""
    pad = box.start_pad("TestPad Copy")
    box.start_quindl_with(macros.macro_file(
        record("Alpha", "alpha", hotkey("ctrl+alt+shift+a"))), pad)
    box.select_macro("ctrl+alt+shift+a")
    box.key("alt+y")
    front(pad, "Copy Hot Key", ("&Ok", "&Cancel"))
    box.session.settled_screenshot("list_copy_hot_key.png")
    box.key("ctrl+alt+shift+b")
    box.key("Return")
    macros.wait_stored(box, 5, hotkey_of, hotkey("ctrl+alt+shift+b"), "the copy's hotkey")
    expect_equal(macros.text_of(macros.stored_record(box, 5)), "alpha", "the copy's text")
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+a")
    pad.wait_text("alpha")
    box.key("ctrl+alt+shift+b")
    pad.wait_text("alphaalpha")

    box.select_macro("ctrl+alt+shift+b")
    box.key("alt+n")
    front(pad, "Move Hot Key", ("&Ok", "&Cancel"))
    # The dialog opens in the hotkey entry, where every combination pressed (Shift+Tab too) is
    # taken as the new hotkey: Tab leaves it first, as "Capture Complete" is left.
    box.key("Tab")
    box.key("alt+y")
    box.key("alt+n")
    box.type_keys("zq")
    box.session.settled_screenshot("list_move_hot_key.png")
    box.key("Return")
    macros.wait_stored(box, 5, typlet_of, "zq", "the renamed macro's Typlet")
    expect_equal(hotkey_of(macros.stored_record(box, 5)), macros.TYPLET, "its activation")
    bring_to_front(box, pad)
    box.type_keys("zq")
    pad.wait_text("alphaalphaalpha")


@scenario("list_deactivate_by_type_ahead_and_back")
def list_deactivate_by_type_ahead_and_back(box):
    """A macro selected by typing its activation into the list and deactivated with
    "Deacti&vate Macro" no longer plays; "Acti&vate Macro" brings it back."""
    pad = box.start_pad("TestPad Activate")
    box.start_quindl_with(macros.macro_file(
        record("Alpha", "alpha", hotkey("ctrl+alt+shift+a")),
        record("Bravo", "bravo", hotkey("ctrl+alt+shift+b"))), pad)
    box.select_macro("ctrl+alt+shift+b")
    box.key("alt+v")
    macros.wait_stored(box, 5, enabled_of, 0, "Bravo deactivated")
    expect_equal(enabled_of(macros.stored_record(box, 4)), 1, "Alpha still active")
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+b")
    box.key("ctrl+alt+shift+a")
    pad.wait_text("alpha")
    settle()
    expect_equal(pad.text(), "alpha", "TESTPAD's text with Bravo deactivated")

    box.select_macro("ctrl+alt+shift+b")
    box.key("alt+v")
    macros.wait_stored(box, 5, enabled_of, 1, "Bravo active again")
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+b")
    pad.wait_text("alphabravo")


@scenario("list_open_second_file_and_back")
def list_open_second_file_and_back(box):
    """"&Open File" on a second macro file makes it current (its macro plays, the first file's
    does not) and puts the first at the top of the last files; "&1" goes back."""
    pad = box.start_pad("TestPad Files")
    box.write_file("OTHER.QNL", macros.macro_file(
        record("Other", "other", hotkey("ctrl+alt+shift+o"))))
    process = box.start_quindl_with(macros.macro_file(
        record("First", "first", hotkey("ctrl+alt+shift+f"))), pad)
    box.select_macro("ctrl")
    box.key("alt+f", "o")
    front(pad, "Open Quindle File")
    box.type_keys(box.windows_path("OTHER.QNL"))
    box.key("Return")
    pad.wait_window("Quindle 98 (OTHER)")
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+f")
    box.key("ctrl+alt+shift+o")
    pad.wait_text("other")

    box.select_macro("ctrl")
    box.key("alt+f", "1")
    pad.wait_window("Quindle 98 (SCEN)")
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+f")
    pad.wait_text("otherfirst")
    # Back on the first file, the second is the last file before it.
    pad.close_window("Quindle 98 (")
    process.wait(timeout=60)
    with open(box.host_path("QUINX.INI"), encoding="cp1252", errors="replace") as f:
        ini = f.read()
    expected = "Last File 1=" + box.windows_path("OTHER.QNL")
    if expected not in ini:
        raise AssertionError("QUINX.INI lacks %r: %s" % (expected, ini[:2000]))


def qnl_output(box, *arguments):
    """What qnl.exe prints, as bytes, run in the box on its files."""
    import subprocess
    done = subprocess.run(["wine", box.host_path("qnl.exe")] + list(arguments), env=box.env,
                          cwd=box.drive, capture_output=True, timeout=120)
    if done.returncode != 0:
        raise AssertionError("qnl.exe %s failed (%d): %s" % (
            " ".join(arguments), done.returncode, done.stderr.decode("cp1252", "replace")))
    return done.stdout


@scenario("list_information_file_matches_qnl_info")
def list_information_file_matches_qnl_info(box):
    """With "Primary Sort" 2, 1, 3, "O&utput Macro Information" writes the macros in the list's
    order, and the file is byte for byte what `qnl info` prints for the same file and INI."""
    pad = box.start_pad("TestPad Info")
    # With the tool-button bar ("Use Speed") instead of the large buttons.
    box.write_file("QUINX.INI", (macros.MAIN_WINDOW_SETTINGS + "Use Speed=Yes\r\n"
                                 "[Misc]\r\nPrimary Sort=213\r\n").encode("cp1252"))
    box.start_quindl_with(macros.macro_file(
        record("Zulu", "last<ENTER>", hotkey("ctrl+alt+shift+a")),
        record("Alpha", "first\r\nline two", hotkey("ctrl+alt+shift+b")),
        record("Mike", "", macros.TYPLET, typlet_name="mk")), pad)
    box.select_macro("ctrl")
    box.session.settled_screenshot("main_window_tool_buttons.png")
    box.key("alt+f", "u")
    front(pad, "Output Macros To File", ("&Ok",))
    box.session.settled_screenshot("list_output_macros.png")
    box.key("Return")
    front(pad, "Write Hot Key Definitions to File")
    box.type_keys(box.windows_path("INFO.TXT"))
    box.key("Return")

    def written():
        try:
            with open(box.host_path("INFO.TXT"), "rb") as f:
                data = f.read()
        except OSError:
            return None
        return data if data.endswith(b"\r\n\r\n") and pad.window("Output Macros") is None else None
    written_file = waiting.until(written, 30, "INFO.TXT written")
    expect_equal(written_file.index(b"Name: Alpha") < written_file.index(b"Name: Mike") <
                 written_file.index(b"Name: Zulu"), True, "the macros in nickname order")
    printed = qnl_output(box, "info", "SCEN.QNL", "--ini", "QUINX.INI")
    expect_equal(printed, written_file, "qnl info against the information file")


def typlet_file_record(typlet, text, enabled=True, clipboard=False):
    """One record of a Typlet file (".TPL", 3039 bytes)."""
    data = bytearray(3039)
    name = typlet.encode("cp1252")
    data[3] = len(name)
    data[4:4 + len(name)] = name
    data[14] = 1 if enabled else 0
    body = text.encode("cp1252")
    data[17:17 + len(body)] = body
    data[3018] = 1 if clipboard else 0
    return bytes(data)


@scenario("list_import_a_typlet_file")
def list_import_a_typlet_file(box):
    """"&Import Macros" on a ".TPL" file lists its Typlets; one picked and "&Ok" appends it as a
    global Typlet macro, which then plays when typed into TESTPAD."""
    pad = box.start_pad("TestPad Import")
    box.write_file("OLD.TPL", typlet_file_record("tq", "typed") +
                   typlet_file_record("zz", "other"))
    box.start_quindl_with(macros.macro_file(), pad)
    box.select_macro("ctrl")
    box.key("alt+m", "i")
    front(pad, "Import Macros", ("Open File", "&Ok"))
    box.key("space")  # "Open File" has the focus
    front(pad, "Import Quindle Files")
    box.type_keys(box.windows_path("OLD.TPL"))
    box.key("Return")
    front(pad, "Import Macros")
    box.session.settled_screenshot("list_import_macros.png")
    box.key("Home", "space", "Return")
    macros.wait_stored(box, 4, typlet_of, "tq", "the imported Typlet")
    expect_equal(records_in(box), 5, "records after the import of one Typlet")
    bring_to_front(box, pad)
    box.type_keys("tq")
    pad.wait_text("typed")


def popup_menu_record(name, code, members):
    """A popup-menu macro whose text area lists `members` (MacroNumbers)."""
    data = bytearray(record(name, "", code, scope=macros.POPUP))
    struct.pack_into("<H%dH" % len(members), data, 100, len(members), *members)
    return bytes(data)


def members_of(stored):
    count = struct.unpack_from("<H", stored, 100)[0]
    return list(struct.unpack_from("<%dH" % count, stored, 102))


@scenario("list_remove_a_popup_menu_member")
def list_remove_a_popup_menu_member(box):
    """"R&emove Macro" on a macro that a popup menu lists asks twice; after both Yes the macro
    is gone, the menu lists the others under their new numbers, and they still play."""
    pad = box.start_pad("TestPad Remove")
    box.start_quindl_with(macros.macro_file(
        record("Able", "a", hotkey("ctrl+alt+shift+a")),
        record("Baker", "b", hotkey("ctrl+alt+shift+b")),
        record("Charlie", "c", hotkey("ctrl+alt+shift+c")),
        popup_menu_record("Menu", hotkey("ctrl+alt+shift+p"), [5, 6, 7])), pad)
    box.select_macro("ctrl+alt+shift+b")
    box.key("alt+e")
    waiting.until(lambda: pad.message('remove "Ctrl+Alt+Shift+B"?'), 20, "the first question")
    box.key("Return")
    waiting.until(lambda: pad.message("contained in a"), 20, "the popup menu question")
    box.key("Return")
    waiting.until(lambda: records_in(box) == 7, 20, "the file one record shorter")
    macros.wait_stored(box, 6, members_of, [5, 6], "the menu's members renumbered")
    bring_to_front(box, pad)
    box.key("ctrl+alt+shift+c")
    box.key("ctrl+alt+shift+a")
    pad.wait_text("ca")


@scenario("list_export_in_list_order")
def list_export_in_list_order(box):
    """"E&xport Macros" with "Select &All" and "Save" writes every macro but the system ones,
    byte for byte as stored, in the list's order ("Primary Sort" 213: by nickname)."""
    pad = box.start_pad("TestPad Export")
    box.write_file("QUINX.INI", macros.MAIN_WINDOW_SETTINGS + "[Misc]\r\nPrimary Sort=213\r\n")
    box.start_quindl_with(macros.macro_file(
        record("Zulu", "z", hotkey("ctrl+alt+shift+a")),
        record("Alpha", "a", hotkey("ctrl+alt+shift+b"))), pad)
    box.select_macro("ctrl")
    box.key("alt+m", "x")
    front(pad, "Export Macros", ("Save", "Select &All"))
    box.key("alt+a")
    box.key("alt+m")  # back to the list, so that Enter is "Save"
    box.key("Return")
    front(pad, "Save Macro File")
    box.type_keys(box.windows_path("EXPORT.QNL"))
    box.key("Return")
    waiting.until(lambda: pad.message("Export Complete"), 20, "\"Export Complete\"")
    box.key("Return")
    with open(box.host_path("EXPORT.QNL"), "rb") as f:
        exported = f.read()
    expect_equal(exported, macros.stored_record(box, 5) + macros.stored_record(box, 4),
                 "EXPORT.QNL: Alpha's record, then Zulu's")


@scenario("list_sort_order_appearance_and_quick_info")
def list_sort_order_appearance_and_quick_info(box):
    """"S&ort" with "Nickname" moved up to be the primary sort, and "&Appearance" with the
    activation column 150 wide, are kept in QUINX.INI; the right button on a row of the list
    shows its "Quick Info", which Esc closes."""
    pad = box.start_pad("TestPad Sort")
    process = box.start_quindl_with(macros.macro_file(
        record("Zulu", "z", hotkey("ctrl+alt+shift+a")),
        record("Alpha", "a", hotkey("ctrl+alt+shift+b"))), pad)
    box.select_macro("ctrl")
    box.key("alt+m", "o")
    front(pad, "Sort Order", ("Move &Up", "&Ok"))
    # The primary list has the focus with its first row selected: Down, then "Move &Up".
    box.key("Down")
    box.key("alt+u")
    box.session.settled_screenshot("list_sort_order.png")
    box.key("Return")
    waiting.until(lambda: pad.window("Sort Order") is None, 20, "Sort Order closed")

    box.select_macro("ctrl")
    box.key("alt+o", "a")
    front(pad, "Appearance", ("&Title Font...", "&Ok"))
    box.key("alt+a")
    box.type_keys("150")
    box.session.settled_screenshot("list_appearance.png")
    box.key("Return")
    waiting.until(lambda: pad.window("Appearance") is None, 20, "Appearance closed")

    box.select_macro("ctrl")
    box.xdotool("click", 3)
    front(pad, "Quick Info")
    box.session.settled_screenshot("list_quick_info_right_button.png")
    box.key("Escape")
    waiting.until(lambda: pad.window("Quick Info") is None, 20, "Quick Info closed")

    pad.close_window("Quindle 98 (")
    process.wait(timeout=60)
    with open(box.host_path("QUINX.INI"), encoding="cp1252", errors="replace") as f:
        ini = f.read()
    for expected in ("Primary Sort=213", "Col 1 Width=150"):
        if expected not in ini:
            raise AssertionError("QUINX.INI lacks %r: %s" % (expected, ini[:2000]))
