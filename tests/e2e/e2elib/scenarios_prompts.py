"""The pause dialog and the repeat prompt as real windows, driven through their buttons."""

from . import waiting
from .registry import expect, expect_equal, scenario

PAUSE_MACRO = "abc<PAUSE:050,100Insert disk>def"
INVALID_NUMBER = "Invalid numeric value entered.  Please Correct"


def child(window, text):
    for entry in window["children"]:
        if entry["text"] == text:
            return entry
    raise AssertionError("no control %r in %r; controls: %r" % (
        text, window["title"], [c["text"] for c in window["children"]]))


def click_control(box, entry):
    left, top, right, bottom = entry["rect"]
    box.click((left + right) // 2, (top + bottom) // 2)


def wait_gone(pad, title_part, limit=30):
    waiting.until(lambda: pad.window(title_part) is None, limit,
                  "the window %r to close" % title_part)


def open_pause(box, name):
    pad = box.start_pad(name, geometry=(260, 200, 480, 320))
    process = box.start_play(PAUSE_MACRO)
    pad.wait_text("abc", 60)
    dialog = pad.wait_window("Pause", ("&Resume", "&Abort"))
    return pad, process, dialog


def check_pause_dialog(pad, dialog):
    expect_equal(dialog["title"], "Pause", "caption of the pause dialog")
    expect_equal(dialog["rect"][:2], (100, 50), "left and top of the pause dialog")
    expect_equal(dialog["topmost"], "1", "pause dialog stays on top")
    texts = [c["text"] for c in dialog["children"] if c["visible"] == "1"]
    for wanted in ("Quindle Pause", "Insert disk", "&Resume", "&Abort"):
        expect(wanted in texts, "%r shown in the pause dialog; shown: %r" % (wanted, texts))
    width = dialog["rect"][2] - dialog["rect"][0]
    expect_equal(width, 224, "width of the pause dialog")


@scenario("pause_dialog_place_and_resume")
def pause_dialog_place_and_resume(box):
    """<PAUSE:050,100Insert disk> stands at left 100, top 50, 224 wide, captioned "Pause",
    shows the message and stays on top; Resume goes on with the macro."""
    pad, process, dialog = open_pause(box, "Disk Pad")
    check_pause_dialog(pad, dialog)
    box.session.screenshot("pause_over_testpad.png")
    click_control(box, child(dialog, "&Resume"))
    played = box.finish_play(process)
    expect_equal(played.returncode, 0, "qnl.exe play exit status")
    pad.wait_text("abcdef")
    wait_gone(pad, "Pause")


@scenario("pause_dialog_leaves_typing_to_testpad")
def pause_dialog_leaves_typing_to_testpad(box):
    """While the pause dialog floats above TESTPAD, TESTPAD has the keyboard: what the user
    types goes into it, not into the dialog."""
    pad, process, dialog = open_pause(box, "Typing Pad")
    try:
        pad.wait_state(lambda s: s["fg"] == "1", 20, "TESTPAD back in front under the dialog")
        box.type_keys("xyz")
        pad.wait_text("abcxyz")
        again = pad.window("Pause")
        expect(again is not None and again["visible"] == "1" and again["topmost"] == "1",
               "the dialog still floats above TESTPAD: %r" % again)
    finally:
        # Whatever happened, let the macro end so the next check starts clean.
        box.session.screenshot("pause_typing.png")
        current = pad.window("Pause")
        if current:
            click_control(box, child(current, "&Resume"))
    played = box.finish_play(process)
    expect_equal(played.returncode, 0, "qnl.exe play exit status")
    pad.wait_text("abcxyzdef")


@scenario("pause_dialog_abort")
def pause_dialog_abort(box):
    """Abort on the pause dialog ends the macro: nothing after the pause is typed."""
    pad, process, dialog = open_pause(box, "Abort Pad")
    click_control(box, child(dialog, "&Abort"))
    played = box.finish_play(process)
    expect_equal(played.returncode, 0, "qnl.exe play exit status")
    wait_gone(pad, "Pause")
    expect_equal(pad.text(), "abc", "text after Abort")


def open_prompt(box, name):
    pad = box.start_pad(name, geometry=(60, 60, 480, 320))
    process = box.start_play("<PROMPTREP>ab<ENDREP>!")
    prompt = pad.wait_window("Macro Repeat", ("Times To Repeat", "&Ok"))
    expect_equal(prompt["title"], "Macro Repeat", "caption of the repeat prompt")
    expect_equal(prompt["topmost"], "1", "repeat prompt stays on top")
    texts = [c["text"] for c in prompt["children"]]
    for wanted in ("Times To Repeat", "&Ok"):
        expect(wanted in texts, "%r in the repeat prompt; controls: %r" % (wanted, texts))
    # The prompt takes the keyboard so the count can be typed at once.
    waiting.until(lambda: pad.foreground_title() == "Macro Repeat", 20,
                  "the repeat prompt in front")
    return pad, process, prompt


@scenario("promptrep_repeats_entered_count")
def promptrep_repeats_entered_count(box):
    """<PROMPTREP> with 3 typed into the prompt and Ok clicked repeats its body 3 times."""
    pad, process, prompt = open_prompt(box, "Repeat Pad")
    box.type_keys("3")
    box.session.screenshot("repeat_prompt.png")
    click_control(box, child(prompt, "&Ok"))
    played = box.finish_play(process)
    expect_equal(played.returncode, 0, "qnl.exe play exit status")
    pad.wait_text("ababab!")


@scenario("promptrep_rejects_text")
def promptrep_rejects_text(box):
    """"abc" in the repeat prompt shows the error and keeps the prompt open; a number then
    closes it."""
    pad, process, prompt = open_prompt(box, "Reject Pad")
    box.type_keys("abc")
    click_control(box, child(prompt, "&Ok"))
    error = pad.wait_window("Error", ("OK",))
    expect_equal(error["title"], "Error", "caption of the message box")
    texts = [c["text"] for c in error["children"]]
    expect(INVALID_NUMBER in texts, "message %r shown; shown: %r" % (INVALID_NUMBER, texts))
    box.session.screenshot("repeat_prompt_invalid.png")
    expect(pad.window("Macro Repeat") is not None, "the prompt stays open")
    click_control(box, child(error, "OK"))
    wait_gone(pad, "Error")
    waiting.until(lambda: pad.foreground_title() == "Macro Repeat", 20,
                  "the prompt back in front")
    box.key("BackSpace", "BackSpace", "BackSpace", "2")
    click_control(box, child(prompt, "&Ok"))
    played = box.finish_play(process)
    expect_equal(played.returncode, 0, "qnl.exe play exit status")
    pad.wait_text("abab!")
