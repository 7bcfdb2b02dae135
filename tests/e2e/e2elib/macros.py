"""Macro files for the scenarios, written record by record in the stored layout."""

import struct

from . import waiting

RECORD_SIZE = 5165

GLOBAL, WINDOW, PROGRAM, POPUP, SYSTEM = 1, 2, 3, 4, 5
TYPLET = 20000  # the HotkeyNumber of a Typlet macro


def hotkey(name):
    """The HotkeyNumber of a few combinations the scenarios use."""
    letter_bases = {"ctrl": 0, "alt": 48, "ctrl+shift": 96, "ctrl+alt": 144, "alt+shift": 192,
                    "ctrl+alt+shift": 240}
    mouse_bases = {"lmouse": 699, "rmouse": 706, "mmouse": 713}
    mouse_mods = {"": 0, "shift": 1, "ctrl": 2, "alt": 3, "ctrl+shift": 4, "ctrl+alt": 5,
                  "shift+alt": 6}
    parts = name.lower().split("+")
    key, mods = parts[-1], "+".join(parts[:-1])
    if key in mouse_bases:
        return mouse_bases[key] + mouse_mods[mods]
    if len(key) == 1 and key.isalpha():
        return letter_bases[mods] + ord(key.upper()) - ord("A")
    raise ValueError("no HotkeyNumber for " + name)


def _pstring(text, capacity):
    data = text.encode("cp1252")[:capacity]
    return bytes([len(data)]) + data + b"\0" * (capacity - len(data))


TIMED = 10000
AT_STARTUP, ONCE, HOURLY, DAILY, WEEKLY, MONTHLY, EVERY_MINUTES = range(7)


def schedule(kind, hour24=12, minute=0, days=(True,) * 7, year=2000, month=1, day=1,
             hourly_minute=15, interval=15, weekday=1):
    """The schedule fields of a timed macro; `days` runs Monday to Sunday, `weekday` 1 is
    Sunday. The time is given on the 24-hour clock and stored as the record keeps it."""
    hour12 = hour24 % 12 or 12
    return {"kind": kind, "days": days, "hour": hour12, "minute": minute, "month": month,
            "day": day, "hourly_minute": hourly_minute, "interval": interval,
            "weekday": weekday, "year": year, "pm": hour24 >= 12}


def record(name, text, hotkey_number, scope=GLOBAL, scope_text="", enabled=True,
           top_most_only=False, schedule=None, typlet_name="", icon_name=""):
    body = text.encode("cp1252")
    if len(body) > 5000:
        raise ValueError("a macro text holds at most 5000 characters")
    data = bytearray(RECORD_SIZE)
    data[0:51] = _pstring(name, 50)
    data[51:82] = _pstring(scope_text, 30)
    data[82:93] = _pstring(typlet_name, 10)
    struct.pack_into("<Hh", data, 93, hotkey_number, scope)
    data[97] = 1 if enabled else 0
    data[100:100 + len(body)] = body
    data[5101:5114] = _pstring(icon_name, 12)
    if schedule is not None:
        struct.pack_into("<h7BBBBBBHBHB", data, 5114, schedule["kind"],
                         *[1 if d else 0 for d in schedule["days"]], schedule["hour"],
                         schedule["minute"], schedule["month"], schedule["day"],
                         schedule["hourly_minute"], schedule["interval"], schedule["weekday"],
                         schedule["year"], 1 if schedule["pm"] else 0)
    data[5134] = 1 if top_most_only else 0
    struct.pack_into("<d", data, 5135, 46000.0)
    return bytes(data)


def system_macros():
    """The four system macros as a new file gets them, so a scenario's file is not changed by
    the program adding them."""
    names = ["Activate Quindle", "Start / Stop Capture", "Resume Pause",
             "Menu of Macros for Top Most Window"]
    return [record(name, "", 262 + i, SYSTEM, str(i + 1)) for i, name in enumerate(names)]


def macro_file(*records, with_system=True):
    return b"".join((system_macros() if with_system else []) + list(records))


# Where the harness puts the main window when a scenario writes no settings file of its own:
# the bottom right corner, clear of the TESTPADs' title bars that the harness clicks.
MAIN_WINDOW_SETTINGS = "[Main Window]\r\nWidth=440\r\nHeight=200\r\nLeft=570\r\nTop=560\r\n"


def typlet_settings(solitary=False, case_sensitive=True, suffix=False, prefix=""):
    """A QUINX.INI with the main window's place and these Typlet options; write it with
    box.write_file("QUINX.INI", ...) before starting QUINDL.EXE."""
    def yes(flag):
        return "Yes" if flag else "No"
    return MAIN_WINDOW_SETTINGS + (
        "[Typlets]\r\nSolitary Usage=%s\r\nCase Sensative=%s\r\nUse Suffix=%s\r\n"
        "Prefix Keys=%s\r\n" % (yes(solitary), yes(case_sensitive), yes(suffix), prefix))


# -- reading the macro file back -------------------------------------------------------------
def stored_record(box, index, name="SCEN.QNL"):
    """Record `index` (0-based, the system macros first) of a macro file in the box."""
    with open(box.host_path(name), "rb") as f:
        data = f.read()
    return data[index * RECORD_SIZE:(index + 1) * RECORD_SIZE]


def text_of(stored):
    """The MacroText of a stored record."""
    end = stored.index(b"\0", 100)
    return stored[100:end].decode("cp1252")


def wait_stored(box, index, read, expected, what, name="SCEN.QNL", limit=20):
    """Waits until `read(record)` of record `index` gives `expected`, and fails naming what it
    gave last. An editor's window is gone before the program writes what it accepted, so the
    file is read until the write has come."""
    last = [None]

    def written():
        stored = stored_record(box, index, name)
        # A record not yet appended, or still being written, holds nothing to read yet.
        last[0] = read(stored) if len(stored) == RECORD_SIZE else None
        return last[0] == expected
    try:
        waiting.until(written, limit, what)
    except waiting.Timeout:
        raise AssertionError("%s: got %r, expected %r" % (what, last[0], expected)) from None
