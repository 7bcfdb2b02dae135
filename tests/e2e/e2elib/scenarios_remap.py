"""Key remapping, worked by keyboard alone: "&Remap" opens "Keyboard Remapper", a key gets
another character from "Select Character", and closing saves the remap file and installs the
message hook, so the key types that character in TESTPAD; set back, the hook goes again."""

from . import macros, waiting
from .registry import expect_equal, scenario
from .scenarios_list import front
from .scenarios_typlets import bring_to_front

REMAPPER = "Keyboard Remapper"
SPECIAL = "Select Character"
LOWER_A = 26  # the slot of "a" in the remap file


def remap_file_slot(box, slot):
    try:
        with open(box.host_path("SCEN.QNS"), "rb") as f:
            data = f.read()
    except OSError:
        return None
    return data[slot] if len(data) == 93 else None


def remap_a(box, pad, move, becomes, screenshots=False):
    """In the main window: "&Remap", the first row of "&Lower Case" ("a"), Enter, `move` in the
    chart, Enter, "&Ok"; then waits for the remap file to say `becomes`."""
    box.select_macro("ctrl")
    box.key("alt+r")
    front(pad, REMAPPER, ("&Ok", "&Lower Case"))
    if screenshots:
        box.session.settled_screenshot("remap_keyboard_remapper.png")
    # Home, not a typed "a": once the hook is in, the remapper's own keys are remapped too.
    box.key("alt+l", "Home", "Return")
    front(pad, SPECIAL, ("&Ok", "&Cancel"))
    if screenshots:
        box.session.settled_screenshot("remap_select_character.png")
    box.key(move, "Return")
    waiting.until(lambda: pad.window(SPECIAL) is None, 20, SPECIAL + " closed")
    if screenshots:
        box.session.settled_screenshot("remap_keyboard_remapper_changed.png")
    box.key("alt+o")
    waiting.until(lambda: pad.window(REMAPPER) is None, 20, REMAPPER + " closed")
    waiting.until(lambda: remap_file_slot(box, LOWER_A) == ord(becomes), 20,
                  "SCEN.QNS to hold %r for a" % becomes)


@scenario("remap_a_to_b_and_back")
def remap_a_to_b_and_back(box):
    """A new macro file gets a neutral SCEN.QNS; "a" remapped to "b" types "b" in TESTPAD, and
    set back to "a" the hook is gone and "a" types "a"."""
    pad = box.start_pad("TestPad Remap")
    box.start_quindl_with(macros.macro_file(), pad)
    neutral = waiting.until(lambda: remap_file_slot(box, LOWER_A), 20, "SCEN.QNS made")
    expect_equal(neutral, ord("a"), "the new remap file's slot of a")

    remap_a(box, pad, "Right", "b", screenshots=True)
    bring_to_front(box, pad)
    box.type_keys("a")
    pad.wait_text("b")

    remap_a(box, pad, "Left", "a")
    bring_to_front(box, pad)
    box.type_keys("a")
    pad.wait_text("ba")
