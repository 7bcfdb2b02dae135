"""Timed macros in QUINDL.EXE: start-up macros, a once-macro on the clock, and the "Set
Schedule" dialog driven by the keyboard alone."""

import datetime
import re
import struct
import time

from . import macros, waiting
from .macros import WINDOW, record, schedule
from .registry import expect, expect_equal, scenario

SETTINGS = ("[Main Window]\r\nWidth=440\r\nHeight=200\r\nLeft=570\r\nTop=560\r\n"
            "[Scheduler]\r\nTimer Seconds=1\r\n")


@scenario("sched_startup_macro_types_into_testpad")
def sched_startup_macro_types_into_testpad(box):
    """A start-up macro scoped to TESTPAD's title types into it five seconds after QUINDL starts,
    though QUINDL's own window is in front by then; it runs once."""
    pad = box.start_pad("TestPad Startup")
    data = macros.macro_file(record("Boot", "boot", macros.TIMED, WINDOW, "TestPad Startup",
                                    schedule=schedule(macros.AT_STARTUP)))
    process = box.start_quindl_with(data, pad)
    pad.wait_text("boot", limit=40)
    took = time.monotonic() - process.started
    expect(took >= 5.0, "the start-up macro ran %.1f s after QUINDL started" % took)
    expect(waiting.holds(lambda: pad.text() == "boot", 7.0), "the start-up macro ran again")


class WineClock:
    """Wine's local time, read once by typing it into a TESTPAD, then carried on with the
    monotonic clock. `low` never runs ahead of Wine's clock and `high` never lags it."""

    def __init__(self, box, pad):
        before = time.monotonic()
        box.play("<YYYYMMDD{Y}><hhmmss{Y}>")
        after = time.monotonic()
        text = waiting.until(lambda: len(pad.text()) >= 14 and pad.text(), 20, "the clock text")
        self.read = datetime.datetime.strptime(text[:14], "%Y%m%d%H%M%S")
        self.before, self.after = before, after

    def low(self):
        return self.read + datetime.timedelta(seconds=time.monotonic() - self.after)

    def high(self):
        return self.read + datetime.timedelta(seconds=time.monotonic() - self.before + 1)


@scenario("sched_once_macro_runs_when_its_minute_comes")
def sched_once_macro_runs_when_its_minute_comes(box):
    """A once-macro for the coming minute, with "Timer Seconds" 1, types into its TESTPAD when
    Wine's clock passes that minute, and not before; it runs once."""
    clock_pad = box.start_pad("TestPad Clock", log_name="clock.log",
                              geometry=(620, 100, 380, 250))
    clock = WineClock(box, clock_pad)
    # At least 30 s before the minute turns, so QUINDL is surely running when it does.
    waiting.until(lambda: clock.high().second <= 28, 70, "a minute with 30 s left")
    target = (clock.high() + datetime.timedelta(minutes=1)).replace(second=0, microsecond=0)
    pad = box.start_pad("TestPad Once")
    once = schedule(macros.ONCE, hour24=target.hour, minute=target.minute, year=target.year,
                    month=target.month, day=target.day)
    data = macros.macro_file(record("Once", "once", macros.TIMED, WINDOW, "TestPad Once",
                                    schedule=once))
    box.write_file("QUINX.INI", SETTINGS)
    box.start_quindl_with(data, pad)
    early = target - datetime.timedelta(seconds=1)
    while clock.high() < early:
        expect_equal(pad.text(), "", "TESTPAD's text before %s" % target.time())
        time.sleep(waiting.POLL_SECONDS)
    pad.wait_text("once", limit=40)
    seen = clock.low()
    expect(seen <= target + datetime.timedelta(seconds=6),
           "the macro for %s came only at %s" % (target.time(), seen.time()))
    expect(waiting.holds(lambda: pad.text() == "once", 4.0), "the once-macro ran again")


def select_last_row_and_open(box, quindl_caption="Quindle 98 ("):
    """Selects the timed macro in QUINDL's macro list and presses Enter on it."""
    box.select_macro("timed")
    box.key("Return")


@scenario("sched_set_schedule_dialog_by_keyboard")
def sched_set_schedule_dialog_by_keyboard(box):
    """Enter on a timed macro in the list opens it in the scripting editor, whose "Se&t
    Schedule" opens "Set Schedule"; by keys alone a once-date in the past is refused with its
    message, then an hourly schedule at minute 45 is stored when the editor is accepted."""
    pad = box.start_pad("TestPad Dialog")
    daily = schedule(macros.DAILY, hour24=9, minute=0, year=2026, month=12, day=8)
    data = macros.macro_file(record("Timed", "x", macros.TIMED, schedule=daily))
    box.start_quindl_with(data, pad)
    select_last_row_and_open(box)
    pad.wait_window("Macro Scripting Editor", controls=("Timed Macros", "Se&t Schedule", "&Ok"))
    box.key("alt+t")
    pad.wait_window("Set Schedule", controls=("&Update", "&Cancel", "He&lp", "&Daily"))
    box.session.settled_screenshot("sched_set_schedule_daily.png")
    box.key("alt+o")
    box.key("alt+y")
    box.type_keys("1999")
    box.key("Return")
    pad.wait_window("Error", controls=("Specified date has already elapsed.",))
    box.session.settled_screenshot("sched_set_schedule_error.png")
    box.key("Return")
    waiting.until(lambda: pad.window("Error") is None, 20, "the message to close")
    box.key("alt+h")
    box.key("alt+p")
    box.type_keys("45")
    box.session.settled_screenshot("sched_set_schedule_hourly.png")
    box.key("Return")
    waiting.until(lambda: pad.window("Set Schedule") is None, 20, "the dialog to close")
    box.key("alt+o")
    waiting.until(lambda: pad.window("Macro Scripting Editor") is None, 20, "the editor to close")
    macros.wait_stored(box, 4, lambda stored: (struct.unpack_from("<h", stored, 5114)[0],
                                               stored[5127]),
                       (macros.HOURLY, 45), "the stored schedule kind and hourly minute")


@scenario("sched_show_date_caption_and_menu")
def sched_show_date_caption_and_menu(box):
    """With "Show Date" on the caption reads "Quindle 98 (SCEN)     " + date + two blanks +
    time, without any timed macro; "Show Date & Time" in the menu turns it off and saves."""
    pad = box.start_pad("TestPad Caption")
    box.write_file("QUINX.INI", SETTINGS + "[Misc]\r\nShow Date=Yes\r\n")
    box.start_quindl_with(macros.macro_file(), pad)
    window = waiting.until(lambda: pad.window("Quindle 98 (SCEN)     "), 20, "the dated caption")
    expect(re.fullmatch(r"Quindle 98 \(SCEN\)     \S+  \S.*", window["title"]) is not None,
           "caption %r" % window["title"])
    box.session.settled_screenshot("sched_show_date_caption.png")
    box.key("alt+o")
    box.key("s")
    box.key("s")
    waiting.until(lambda: (pad.window("Quindle 98 (") or {}).get("title") == "Quindle 98 (SCEN)",
                  20, "the caption without the date")

    def saved_off():
        ini = open(box.host_path("QUINX.INI"), encoding="cp1252").read().lower()
        return "show date=no" in ini
    waiting.until(saved_off, 20, "Show Date=No in QUINX.INI")


@scenario("sched_timer_interval_by_keyboard")
def sched_timer_interval_by_keyboard(box):
    """"&Scheduler" > "&Timer Interval" opens "Scheduler Frequency" on the current "Timer
    Seconds"; 61 is refused with its message, 5 is stored in QUINX.INI."""
    pad = box.start_pad("TestPad Interval")
    box.write_file("QUINX.INI", SETTINGS)
    box.start_quindl_with(macros.macro_file(), pad)
    box.key("alt+o", "s", "t")
    pad.wait_window("Scheduler Frequency", controls=("Check Every", "Seconds", "&Ok", "&Cancel"))
    waiting.until(lambda: pad.window("Scheduler Frequency")["fg"] == "1", 20, "the dialog in front")
    box.session.settled_screenshot("sched_timer_interval.png")
    box.key("ctrl+a")
    box.type_keys("61")
    box.key("Return")
    refused = "Value must be between 1 and 60."
    waiting.until(lambda: pad.message(refused), 20, "the range message")
    box.key("Return")
    waiting.until(lambda: not pad.message(refused), 20, "the message to close")
    box.type_keys("5")
    box.key("Return")
    waiting.until(lambda: pad.window("Scheduler Frequency") is None, 20, "the dialog to close")
    waiting.until(lambda: "timer seconds=5" in open(box.host_path("QUINX.INI"),
                                                    encoding="cp1252").read().lower(),
                  20, "Timer Seconds stored in QUINX.INI")


@scenario("sched_alarm_sound_by_keyboard")
def sched_alarm_sound_by_keyboard(box):
    """"&Scheduler" > "&Alarm" opens "Set Sound" on the alarm; a wave file chosen there, with
    "Wait for wave file to &finish", becomes the alarm in QUINX.INI."""
    box.write_file("ding.wav", "RIFF")
    pad = box.start_pad("TestPad Alarm")
    box.write_file("QUINX.INI", SETTINGS)
    box.start_quindl_with(macros.macro_file(), pad)
    box.key("alt+o", "s", "a")
    pad.wait_window("Set Sound", controls=("&Beep", "&Wave File", "&Ok"))
    waiting.until(lambda: pad.window("Set Sound")["fg"] == "1", 20, "the dialog in front")
    box.key("alt+w", "Tab")
    box.type_keys(box.windows_path("ding.wav"))
    box.key("alt+f")
    box.session.settled_screenshot("sched_alarm.png")
    box.key("Return")
    waiting.until(lambda: pad.window("Set Sound") is None, 20, "the dialog to close")

    def alarm():
        text = open(box.host_path("QUINX.INI"), encoding="cp1252").read().lower()
        return ("use wave file=yes" in text and "wave file wait=yes" in text and
                ("wave file=" + box.windows_path("ding.wav")).lower() in text)
    waiting.until(alarm, 20, "the alarm stored in QUINX.INI")
