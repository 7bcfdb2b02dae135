"""Window tags: activating, launching, sizing, moving, showing and closing TESTPAD."""

import os

from . import waiting
from .registry import expect, expect_equal, scenario

# The launch tags' program text: TESTPAD with a title, a log and a place on the screen.
LAUNCH = '<LAUNCH:C:\\e2e\\TESTPAD.EXE<PARAM>"%s" C:\\e2e\\%s 200 150 480 320>'


def size_of(rect):
    left, top, right, bottom = rect
    return right - left, bottom - top


@scenario("title_bars_draw_their_buttons")
def title_bars_draw_their_buttons(box):
    """The prefix has the Marlett font, with which Windows draws the minimise, maximise and
    close buttons and the scroll arrows; without it the screenshots show "0 1 r" instead."""
    pad = box.start_pad("Marlett Pad")
    expect(pad.has_font("Marlett"), "no Marlett font in the Wine prefix")
    expect(not pad.has_font("No Such Font 98"), "the font check finds a font that is not there")
    box.session.screenshot("title_bar_buttons.png")


@scenario("activate_by_part_of_title")
def activate_by_part_of_title(box):
    """<ACTIVATE: with a part of a title in another case brings that TESTPAD up from behind
    another window; <ACTIVATE:NoSuchWindow> ends the macro before anything is typed."""
    back = box.start_pad("Alpha Editor One", geometry=(40, 40, 420, 300))
    front = box.start_pad("Beta Editor Two", geometry=(200, 160, 420, 300))
    expect_equal(back.state()["fg"], "0", "Alpha is behind before the macro")
    box.play("<ACTIVATE:alpha editor>xyz")
    back.wait_text("xyz")
    expect_equal(back.state()["fg"], "1", "Alpha in front after <ACTIVATE:")
    expect_equal(front.text(), "", "nothing typed into Beta")

    box.play("<ACTIVATE:NoSuchWindow>ab")
    # Keys that were sent are queued before TESTPAD answers a request, so this is final.
    expect_equal(back.text(), "xyz", "Alpha after <ACTIVATE:NoSuchWindow>ab")
    expect_equal(front.text(), "", "Beta after <ACTIVATE:NoSuchWindow>ab")


@scenario("launchno_starts_and_types")
def launchno_starts_and_types(box):
    """<LAUNCHNO: starts TESTPAD, waits for its window, waits NN seconds, then types into it."""
    played = box.play("<LAUNCHNO:01Launched Pad" + LAUNCH % ("Launched Pad", "launched.log") +
                      "hello")
    pad = box.pad_for_log("Launched Pad", "launched.log")
    pad.wait_ready(30)
    pad.wait_text("hello")
    # From the window's creation (the player cannot find it earlier) to the first key as the
    # player sent it: load can only lengthen this. TESTPAD's own "ready" line and its taking
    # of the key both come late on a loaded machine, and shortened the gap seen before.
    created = pad.named("create")[0]
    first_key = pad.named("WM_KEYDOWN")[0]
    waited = first_key.int("sent") - created.ms
    expect(waited >= 1000, "typing began %d ms after the window was made, wanted the 1 s wait"
           % waited)
    expect(played.seconds < 30, "play took %.1f s" % played.seconds)


@scenario("launchyes_activates_running_copy")
def launchyes_activates_running_copy(box):
    """<LAUNCHYES: with TESTPAD open only activates it: no second copy, no NN-second wait."""
    pad = box.start_pad("Running Pad", geometry=(40, 40, 420, 300))
    other = box.start_pad("Other Window", geometry=(240, 200, 420, 300))
    played = box.play("<LAUNCHYES:20Running Pad" + LAUNCH % ("Running Pad", "second.log") +
                      "ok")
    pad.wait_text("ok")
    expect_equal(other.text(), "", "nothing typed into the other window")
    expect(played.seconds < 15, "play took %.1f s: it waited the 20 s" % played.seconds)
    second = box.host_path("second.log")
    # A launch would have come before the play ended; give a wrong copy time to show itself.
    expect(waiting.holds(lambda: not os.path.exists(second), 2.0),
           "a second TESTPAD was started")


@scenario("window_size_and_position")
def window_size_and_position(box):
    """<WSIZE: and <WPOS: by title and with "CURRENT"."""
    pad = box.start_pad("Sizing Pad", geometry=(100, 100, 480, 320))
    box.play("<WSIZE:0500,0300Sizing Pad>")
    pad.wait_state(lambda s: size_of(s["rect"]) == (500, 300), 20, "size 500 x 300")
    box.play("<WPOS:0150,0120sizing>")
    state = pad.wait_state(lambda s: s["rect"][:2] == (150, 120), 20, "left 150, top 120")
    expect_equal(size_of(state["rect"]), (500, 300), "size kept by <WPOS:")
    box.play('<WSIZE:0420,0260"CURRENT">')
    state = pad.wait_state(lambda s: size_of(s["rect"]) == (420, 260), 20, "size 420 x 260")
    expect_equal(state["rect"][:2], (150, 120), "place kept by <WSIZE:")
    box.play('<WPOS:0060,0070"CURRENT">')
    pad.wait_state(lambda s: s["rect"][:2] == (60, 70), 20, "left 60, top 70")


@scenario("window_maximize_minimize_restore")
def window_maximize_minimize_restore(box):
    """<WMAX:, <WRES:, <WMIN: by title and with "CURRENT"."""
    pad = box.start_pad("Zoom Pad", geometry=(100, 100, 480, 320))
    normal = pad.state()["rect"]
    box.play("<WMAX:Zoom Pad>")
    pad.wait_state(lambda s: s["zoomed"] == "1", 20, "maximized")
    box.play("<WRES:zoom pad>")
    pad.wait_state(lambda s: s["zoomed"] == "0" and s["rect"] == normal, 20,
                   "restored to %r" % (normal,))
    box.play('<WMAX:"CURRENT">')
    pad.wait_state(lambda s: s["zoomed"] == "1", 20, "maximized through CURRENT")
    box.play('<WRES:"CURRENT">')
    pad.wait_state(lambda s: s["zoomed"] == "0", 20, "restored through CURRENT")
    box.play('<WMIN:"CURRENT">')
    pad.wait_state(lambda s: s["iconic"] == "1", 20, "minimized through CURRENT")
    box.play("<WRES:Zoom Pad>")
    pad.wait_state(lambda s: s["iconic"] == "0" and s["rect"] == normal, 20, "restored")
    box.play("<WMIN:Zoom Pad>")
    pad.wait_state(lambda s: s["iconic"] == "1", 20, "minimized by title")


@scenario("window_hide_show")
def window_hide_show(box):
    """<WHIDE: hides TESTPAD ("CURRENT" and by title); <WSHOW: shows it again."""
    pad = box.start_pad("Hiding Pad")
    box.play('<WHIDE:"CURRENT">')
    pad.wait_state(lambda s: s["visible"] == "0", 20, "hidden through CURRENT")
    box.play("<WSHOW:Hiding Pad>")
    pad.wait_state(lambda s: s["visible"] == "1", 20, "shown again")
    box.play("<WHIDE:hiding>")
    pad.wait_state(lambda s: s["visible"] == "0", 20, "hidden by part of the title")
    box.play("<WSHOW:HIDING PAD>")
    pad.wait_state(lambda s: s["visible"] == "1", 20, "shown by the title in capitals")


@scenario("window_close")
def window_close(box):
    """<WCLS: closes TESTPAD by title and with "CURRENT"; the other window stays."""
    first = box.start_pad("Closing One", geometry=(40, 40, 420, 300))
    second = box.start_pad("Closing Two", geometry=(240, 200, 420, 300))
    box.play("kept<WCLS:Closing One>")
    first.wait_event(lambda e: e.name == "exit", 20, "Closing One to end")
    closing = [e for e in first.named("text") if e.fields.get("id") == "close"]
    expect_equal(len(closing), 1, "text written once on close")
    expect_equal(second.text(), "kept", "Closing Two typed into and still open")
    box.play('<WCLS:"CURRENT">')
    second.wait_event(lambda e: e.name == "exit", 20, "Closing Two to end")
