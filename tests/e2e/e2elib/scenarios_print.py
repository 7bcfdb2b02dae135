"""The printing entries of "&File", worked by keyboard alone: "&Print Macro List" prints two
copies of a list longer than a page on the print service's PDF printer, whose file is read back
with pdftotext; "Printer &Font" stores the chosen font in the settings."""

import glob
import os
import subprocess

from . import macros, waiting
from .macros import GLOBAL, PROGRAM, TIMED, TYPLET, WINDOW, hotkey, record, schedule
from .registry import expect, expect_equal, scenario

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__)))))
JOB_TITLE_FILE = "Quindle_98"  # what the PDF printer names a job titled "Quindle 98"


def start_print_service():
    """Starts the print service with its PDF printer as the default queue; the folder it writes
    this user's PDF files to."""
    done = subprocess.run([os.path.join(REPO, "scripts", "start-cups"), "--wait", "60"],
                          capture_output=True, text=True, timeout=120, check=False)
    expect(done.returncode == 0, "scripts/start-cups failed: " + done.stderr.strip())
    return done.stdout.strip().splitlines()[-1]


def queue_empty():
    listed = subprocess.run(["lpstat", "-o"], capture_output=True, text=True, timeout=30,
                            check=False)
    return listed.returncode == 0 and listed.stdout.strip() == ""


def list_macros():
    """120 macros (with the four system macros, more than a page in 10 point type): every kind of
    activation and scope. Returns the records and, per macro, its printed activation, name and
    scope."""
    records, printed = [], []
    modifiers = ["ctrl", "ctrl+shift", "ctrl+alt+shift"]
    names = {"ctrl": "Ctrl+", "ctrl+shift": "Ctrl+Shift+", "ctrl+alt+shift": "Ctrl+Alt+Shift+"}
    for i in range(120):
        name = "Nick%03d" % i
        scope, scope_text, top, scope_shown = GLOBAL, "", False, "GLOBAL"
        if i % 5 == 1:
            scope, scope_text, top = WINDOW, "Pad%d" % i, i % 2 == 0
        elif i % 5 == 2:
            scope, scope_text, top = PROGRAM, "P%d.EXE" % i, i % 2 == 0
        if scope != GLOBAL:
            scope_shown = ("Window: " if scope == WINDOW else "Program: ") + scope_text + (
                " (Top Most Only)" if top else " (If Running)")
        if i < 78:
            letter = chr(ord("a") + i % 26)
            combination = modifiers[i // 26] + "+" + letter
            number, activation, extra = hotkey(combination), \
                names[modifiers[i // 26]] + letter.upper(), {}
        elif i < 100:
            number, activation = TYPLET, "Typlet: tp%d" % i
            extra = {"typlet_name": "tp%d" % i}
        else:
            number, activation = TIMED, "Timed Macro"
            extra = {"schedule": schedule(macros.ONCE, year=2099)}
        records.append(record(name, "x", number, scope, scope_text, enabled=False,
                              top_most_only=top, **extra))
        printed.append((activation, name, scope_shown))
    return records, printed


def pdf_files(folder):
    return {path: os.path.getmtime(path) for path in glob.glob(os.path.join(folder, "*.pdf"))}


def new_pdf(folder, before):
    """The PDF file of our job once the queue has finished it."""
    if not queue_empty():
        return None
    for path, mtime in pdf_files(folder).items():
        if JOB_TITLE_FILE in os.path.basename(path) and before.get(path) != mtime:
            return path
    return None


def check_copy(pages, printed, path):
    """One copy: the heading once, first on its first page; every macro on a line of its own
    with its activation, name and scope in that order."""
    lines = [line.strip() for page in pages for line in page.splitlines() if line.strip()]
    expect_equal(lines[0].upper(), ("Macro File: " + path).upper(), "the first line of the copy")
    expect_equal(sum(1 for line in lines if line.startswith("Macro File: ")), 1,
                 "headings in one copy")
    for activation, name, scope in printed:
        line = next((line for line in lines if name in line.split()), None)
        expect(line is not None, "%s is printed" % name)
        words = line.split()
        expect(line.startswith(activation) and line.endswith(scope) and name in words,
               "the line of %s holds %r, %r and %r: %r" % (name, activation, name, scope, line))


@scenario("print_two_copies_of_a_long_list")
def print_two_copies_of_a_long_list(box):
    """"&Print Macro List" (Alt+F, P), "Number of &copies" 2 in the print dialog, Enter: the PDF
    printer's file holds two copies, each from a new page, each with "Macro File: " and the path
    once at its top and every macro's activation, name and scope on its line."""
    out_dir = start_print_service()
    before = pdf_files(out_dir)
    pad = box.start_pad("TestPad Listing")
    records, printed = list_macros()
    box.start_quindl_with(macros.macro_file(*records), pad)
    box.key("alt+f")
    box.key("p")
    pad.wait_window("Print", controls=("OK",))
    box.key("alt+c")
    box.type_keys("2")
    box.session.settled_screenshot("print_dialog_two_copies.png")
    box.key("Return")
    pdf = waiting.until(lambda: new_pdf(out_dir, before), 120, "the PDF file of the job")
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True,
                          timeout=60, check=True).stdout
    pages = text.split("\f")
    if pages and not pages[-1].strip():
        pages.pop()
    starts = [i for i, page in enumerate(pages) if page.lstrip().startswith("Macro File: ")]
    expect_equal(len(starts), 2, "copies, each beginning a page")
    expect_equal(starts[0], 0, "the first copy's first page")
    per_copy = starts[1]
    expect(per_copy >= 2, "a copy is longer than a page (%d pages)" % per_copy)
    expect_equal(len(pages), 2 * per_copy, "pages of the two copies")
    path = box.windows_path("SCEN.QNL")
    for copy in range(2):
        check_copy(pages[copy * per_copy:(copy + 1) * per_copy], printed, path)
    expect_equal(pages[0:per_copy], pages[per_copy:], "the second copy is the first again")


@scenario("print_printer_font_is_stored")
def print_printer_font_is_stored(box):
    """"Printer &Font" (Alt+F, F): the font dialog; "DejaVu Sans" typed and Enter: the settings
    hold the font under "Print List Font"."""
    pad = box.start_pad("TestPad Typeface")
    box.start_quindl_with(macros.macro_file(record("A", "a", hotkey("ctrl+q"))), pad)
    box.key("alt+f")
    box.key("f")
    pad.wait_window("Font", controls=("OK",))
    box.type_keys("DejaVu Sans")
    box.session.settled_screenshot("print_printer_font.png")
    box.key("Return")

    def stored():
        with open(box.host_path("QUINX.INI"), "rb") as f:
            settings = f.read().decode("cp1252")
        section = settings.split("[Print List Font]", 1)
        return len(section) == 2 and "Font Name=DejaVu Sans" in section[1].split("[", 1)[0]
    waiting.until(stored, 30, "Font Name=DejaVu Sans under [Print List Font] in QUINX.INI")


@scenario("print_setup_then_cancelled_print")
def print_setup_then_cancelled_print(box):
    """"Printer &Setup" (Alt+F, S) shows the printer set-up dialog on the PDF printer, Enter
    keeps it; "&Print Macro List" then cancelled with Esc prints nothing and says nothing."""
    out_dir = start_print_service()
    before = pdf_files(out_dir)
    pad = box.start_pad("TestPad Setup")
    box.start_quindl_with(macros.macro_file(record("A", "a", hotkey("ctrl+q"))), pad)
    box.key("alt+f")
    box.key("s")
    pad.wait_window("Print Setup", controls=("OK",))
    box.session.settled_screenshot("print_printer_setup.png")
    box.key("Return")
    waiting.until(lambda: pad.window("Print Setup") is None, 30, "the set-up dialog closed")
    box.key("alt+f")
    box.key("p")
    pad.wait_window("Print", controls=("OK",))
    box.key("Escape")
    waiting.until(lambda: (pad.window("Quindle 98 (") or {}).get("fg") == "1", 30,
                  "the main window in front again")
    expect(pad.message("print") is None, "no message after a cancelled print")
    expect(queue_empty() and pdf_files(out_dir) == before, "nothing printed")
