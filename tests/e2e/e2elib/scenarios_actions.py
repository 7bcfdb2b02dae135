"""Clipboard, file, mouse, timing and text-file tags acting on the real system."""

import os

from .registry import expect, expect_equal, scenario


def near(actual, expected, tolerance=1):
    return abs(actual - expected) <= tolerance


@scenario("clipboard_paste_block_and_file")
def clipboard_paste_block_and_file(box):
    """<BEGCLIP>abc<ENDCLIP><CLIPP> pastes abc; <CLIPF: pastes a file's text; the clipboard
    holds the text afterwards."""
    pad = box.start_pad("Clip Pad")
    box.play("<BEGCLIP>abc<ENDCLIP><CLIPP>")
    pad.wait_text("abc")
    expect_equal(pad.state()["clip"], "abc", "clipboard after <BEGCLIP>")
    content = "From a file, line 1\r\nline 2 <TAB> stays text"
    box.write_file("clip.txt", content)
    box.play("<CTRL>a<CLIPF:C:\\e2e\\clip.txt><CLIPP>")
    pad.wait_text(content)
    expect_equal(pad.state()["clip"], content, "clipboard after <CLIPF:")


@scenario("file_tags_act_on_real_files")
def file_tags_act_on_real_files(box):
    """<CHDIR: makes relative names point into the new folder; <COPYFILE: replaces an existing
    target; <RENFILE: moves; <DELFILE: deletes."""
    pad = box.start_pad("Files Pad")
    box.write_file("files\\a.txt", "alpha")
    box.write_file("files\\b.txt", "old b")
    box.write_file("a.txt", "decoy in the starting folder")
    box.play("<CHDIR:C:\\e2e\\files><COPYFILE:a.txt;b.txt><COPYFILE:a.txt;c.txt>"
             "<RENFILE:c.txt;d.txt><DELFILE:a.txt>done")
    pad.wait_text("done")

    def read(name):
        path = box.host_path(name)
        return open(path, "rb").read().decode("cp1252") if os.path.exists(path) else None
    expect_equal(read("files\\a.txt"), None, "a.txt deleted")
    expect_equal(read("files\\b.txt"), "alpha", "b.txt replaced by the copy")
    expect_equal(read("files\\c.txt"), None, "c.txt renamed away")
    expect_equal(read("files\\d.txt"), "alpha", "d.txt made by the rename")
    expect_equal(read("a.txt"), "decoy in the starting folder", "the starting folder untouched")


@scenario("mouse_move_click_and_wheel")
def mouse_move_click_and_wheel(box):
    """<MMS: + <LCLK> clicks at the client point aimed at; <MMW: is relative to the window in
    front; <WFW: scrolls the text."""
    pad = box.start_pad("Mouse Pad", geometry=(100, 100, 480, 320))
    state = pad.state()
    client_x, client_y = state["client"]
    left, top = state["rect"][:2]
    # Before each move of the macro's own; see rest_pointer_on_desktop.
    box.rest_pointer_on_desktop(pad)
    box.play("<MMS:%05d,%05d><LCLK>" % (client_x + 40, client_y + 50))
    down = pad.wait_event(lambda e: e.name == "WM_LBUTTONDOWN", 20, "the left click")
    expect(near(down.int("x"), 40) and near(down.int("y"), 50), "left click at %r" % down)
    expect(pad.named("WM_LBUTTONUP"), "left button released")

    box.rest_pointer_on_desktop(pad)
    box.play("<MMW:%05d,%05d><RCLK>" % (client_x - left + 70, client_y - top + 60))
    right = pad.wait_event(lambda e: e.name == "WM_RBUTTONDOWN", 20, "the right click")
    expect(near(right.int("x"), 70) and near(right.int("y"), 60), "right click at %r" % right)
    box.key("Escape")  # a context menu may have opened

    box.play("<LCLK><REPEAT:0040>line <II><ENTER><ENDREP>")
    before = pad.wait_state(lambda s: int(s["firstline"]) > 10, 20, "scrolled to the end")
    box.rest_pointer_on_desktop(pad)
    box.play("<MMS:%05d,%05d><WFW:002>" % (client_x + 100, client_y + 100))
    after = pad.wait_state(lambda s: int(s["firstline"]) < int(before["firstline"]), 20,
                           "scrolled back by the wheel")
    deltas = sum(e.int("delta") for e in pad.named("WM_MOUSEWHEEL"))
    expect_equal(deltas, 240, "wheel delta of <WFW:002>")
    expect(int(after["firstline"]) >= 0, "first line %s" % after["firstline"])


def sent_gap(pad, first, second):
    """Milliseconds between the key presses of two letters as the player put them into the
    system's input (their message times), not as TESTPAD got round to them: a TESTPAD slowed
    by load takes the first key late and would shorten the gap it sees."""
    sent = {}
    for event in pad.named("WM_KEYDOWN"):
        sent.setdefault(event.int("vk"), event.int("sent"))
    return sent[ord(second.upper())] - sent[ord(first.upper())]


@scenario("delay_and_speed_timing")
def delay_and_speed_timing(box):
    """<DELAY:02.00> waits 2 s; <SPEED:00002> doubles a 1 s delay. A wait is never shorter than
    asked; load can only make it longer, so the upper side is a ratio: the doubled 1 s delay
    against the plain 2 s delay of the same run, which the same load stretches alike."""
    pad = box.start_pad("Timing Pad")
    box.play("a<DELAY:02.00>b")
    pad.wait_text("ab")
    plain = sent_gap(pad, "a", "b")
    expect(plain >= 2000, "<DELAY:02.00> took %d ms" % plain)
    box.play("<SPEED:00002>c<DELAY:01.00>d")
    pad.wait_text("abcd")
    doubled = sent_gap(pad, "c", "d")
    expect(doubled >= 2000, "<SPEED:00002> with <DELAY:01.00> took %d ms" % doubled)
    expect(doubled < 1.5 * plain, "<SPEED:00002> with <DELAY:01.00> took %d ms, more than "
           "doubled against <DELAY:02.00>'s %d ms" % (doubled, plain))


@scenario("tfile_plays_file_text")
def tfile_plays_file_text(box):
    """<TFILE: plays a file's text, tags included, then the macro goes on."""
    pad = box.start_pad("File Text Pad")
    box.write_file("played.txt", "From a file<ENTER>Second <REPEAT:0002>ab<ENDREP>\x1a")
    box.play("<TFILE:C:\\e2e\\played.txt>!")
    pad.wait_text("From a file\r\nSecond abab!")
