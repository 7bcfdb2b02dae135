#!/usr/bin/env python3
"""The layering check finds each kind of wrong include, and only those.

    check_layers_test.py REPOSITORY TARGETS_FILE

Each row adds one include line to a real file of the program (in memory; no file is changed), or
one link to a library, and names what the check must report. The tree as it is must be clean.
"""

import glob
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "cmake"))
import check_layers  # noqa: E402

# (folder the line is added to, the line, phrases of the faults it must give, in any order)
ROWS = [
    ("src/storage", '#include "../app/settings.h"',
     ["storage may not include src/app/settings.h", "does not link qnl_app"]),
    ("src/storage", '#  include   "../app/settings.h"  // spaced',
     ["storage may not include src/app/settings.h", "does not link qnl_app"]),
    ("src/storage", "#include <storage/../app/settings.h>",
     ["storage may not include src/app/settings.h", "does not link qnl_app"]),
    ("src/storage", '#include "engine/tag.h"',
     ["storage may not include src/engine/tag.h", "does not link qnl_engine"]),
    ("src/capture", '#include "editors/command_dialog.h"',
     ["capture may not include src/editors/command_dialog.h", "does not link qnl_editors"]),
    ("src/scheduler", '#include "activation/typlets.h"',
     ["qnl_scheduler includes src/activation/typlets.h but does not link qnl_activation"]),
    ("src/storage", '#include "platform/win32/handles.h"',
     ["portable code includes the Win32 header src/platform/win32/handles.h",
      "includes src/platform/win32/handles.h but does not link"]),
    ("src/storage", '#include "../../tests/support/test_files.h"',
     ["is tests/support/test_files.h, not a program header"]),
    ("src/engine", "#include <WinUser.h>", ["Windows SDK header <WinUser.h>"]),
    ("src/engine", "#include <winsock2.h>", ["Windows SDK header <winsock2.h>"]),
    ("src/engine", '#include "Windows.h"', ["Windows SDK header <Windows.h>"]),
    ("src/engine", "#include <termios.h>", ["<termios.h>, which is not a standard C++ header"]),
    ("src/engine", "#include <CLI/CLI.hpp>", ["<CLI/CLI.hpp>, which is not a standard C++ header"]),
    ("src/storage", "#include <string>", []),
    ("src/storage", '#include "macro_record.h"', []),
    ("src/engine", '#include "storage/macro_record.h"', []),
]

# (library, a link added to it, phrase of the fault)
LINK_ROWS = [
    ("qnl_editors", "qnl_capture", "qnl_editors links qnl_capture but includes none of its headers"),
]


def FirstSource(root, folder):
    return sorted(glob.glob(os.path.join(root, folder, "*.cpp")))[0]


def Run(root, targets, injected=None, line=""):
    real = check_layers.Checker(root, targets).read

    def Read(path):
        text = real(path)
        return text + "\n" + line + "\n" if path == injected else text

    checker = check_layers.Checker(root, targets, read=Read)
    return checker.Check(check_layers.ProgramFiles(checker.root))


def main(argv):
    root = os.path.normpath(os.path.abspath(argv[1]))
    failures = []
    baseline = Run(root, check_layers.ReadTargets(argv[2]))
    if baseline:
        failures.append(f"the tree itself has faults: {baseline}")
    for folder, line, phrases in ROWS:
        path = FirstSource(root, folder)
        faults = Run(root, check_layers.ReadTargets(argv[2]), path, line)
        rel = os.path.relpath(path, root)
        missing = [p for p in phrases if not any(p in f for f in faults)]
        stray = [f for f in faults if not f.startswith(rel + ":") or not any(p in f for p in phrases)]
        if missing or stray or len(faults) != len(phrases):
            failures.append(f"{rel} + {line!r}: want {phrases}, got {faults}")
    for library, link, phrase in LINK_ROWS:
        targets = check_layers.ReadTargets(argv[2])
        next(t for t in targets if t.name == library).links.append(link)
        faults = Run(root, targets)
        if len(faults) != 1 or phrase not in faults[0]:
            failures.append(f"{library} + link {link}: want {phrase!r}, got {faults}")
    for failure in failures:
        print("FAIL", failure)
    count = len(ROWS) + len(LINK_ROWS) + 1
    print(f"check_layers_test: {count - len(failures)} of {count} cases pass")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
