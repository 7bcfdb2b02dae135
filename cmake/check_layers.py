#!/usr/bin/env python3
"""Checks that the program's includes go down the layers and that each library links what it uses.

    check_layers.py REPOSITORY TARGETS_FILE

TARGETS_FILE is what cmake/layering.cmake writes of the build's targets. Each include is resolved
as the compiler resolves it: a quoted name first beside the including file, then in the include
folders of its library in their order; a name in angle brackets in the include folders only; what
is found in none of them is a system header. Then:

- the layers run one way: platform < storage < hooklib < engine < activation < scheduler, capture,
  editors < app, with ui/grid on the platform alone and the tools and examples on top;
- portable code (any folder that is not a win32/ folder) includes no win32/ header and, of the
  system's headers, only the C++ standard library's (and CLI11 where it is linked), so no Windows
  SDK header, whatever its name or spelling;
- no program file reaches into the tests, the benchmarks or anything else outside the program;
- each library links directly exactly the program libraries whose headers it includes;
- every program file belongs to a library of the build.

Prints one line per fault, "file:line: what is wrong", and exits 1 when there is any.
"""

import glob
import os
import sys

RANKS = {"platform": 1, "storage": 2, "hooklib": 3, "engine": 4, "activation": 5,
         "scheduler": 6, "capture": 6, "editors": 6, "ui": 6, "app": 7,
         "tools": 8, "examples": 8}

STANDARD_HEADERS = set("""
algorithm any array atomic barrier bit bitset charconv chrono codecvt compare complex concepts
condition_variable coroutine deque exception execution expected filesystem format forward_list
fstream functional future initializer_list iomanip ios iosfwd iostream istream iterator latch
limits list locale map memory memory_resource mutex new numbers numeric optional ostream queue
random ranges ratio regex scoped_allocator semaphore set shared_mutex source_location span
sstream stack stdexcept stop_token streambuf string string_view syncstream system_error thread
tuple type_traits typeindex typeinfo unordered_map unordered_set utility valarray variant vector
version cassert cctype cerrno cfenv cfloat cinttypes climits clocale cmath csetjmp csignal cstdarg
cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype
assert.h ctype.h errno.h fenv.h float.h inttypes.h limits.h locale.h math.h setjmp.h signal.h
stdarg.h stddef.h stdint.h stdio.h stdlib.h string.h time.h uchar.h wchar.h wctype.h
""".split())

# Third-party headers and the library a target links to use them.
THIRD_PARTY = {"CLI/CLI.hpp": "qnl_cli11"}

SOURCE_SUFFIXES = (".cpp", ".h", ".rc")


class Target:
    def __init__(self, fields):
        self.name = fields["target"]
        self.kind = fields["type"]
        self.dir = fields["dir"]
        self.sources = {os.path.normpath(os.path.join(self.dir, s))
                        for s in Split(fields["sources"]) if s.endswith(SOURCE_SUFFIXES)}
        self.header_dirs = {os.path.normpath(d) for d in Split(fields["header_dirs"])}
        self.headers = {os.path.normpath(h) for h in Split(fields["headers"])}
        self.includes = [os.path.normpath(d) for d in Split(fields["includes"])]
        self.links = Split(fields["links"])


def Split(value):
    return [part for part in value.split("|") if part]


def ReadTargets(path):
    targets, fields = [], {}
    with open(path, encoding="utf-8") as stream:
        for line in stream.read().split("\n") + [""]:
            if not line.strip():
                if fields:
                    targets.append(Target(fields))
                fields = {}
                continue
            key, _, value = line.partition(" ")
            fields[key] = value
    return targets


def WindowsSdkHeaders():
    """Every header name of the Windows SDK this machine has (mingw-w64's), lower case."""
    names = set()
    for folder in glob.glob("/usr/share/mingw-w64/include") + glob.glob("/usr/*-w64-mingw32/include"):
        for path in glob.glob(os.path.join(folder, "**", "*.h"), recursive=True):
            names.add(os.path.relpath(path, folder).lower())
    return names


class Checker:
    """`read` and `exists` are the file system; a test passes its own to add faulty lines."""

    def __init__(self, root, targets, read=None, exists=None):
        self.root = os.path.normpath(os.path.abspath(root))
        self.targets = {t.name: t for t in targets}
        self.read = read or (lambda path: open(path, encoding="utf-8", errors="replace").read())
        self.exists = exists or os.path.isfile
        self.sdk = None
        self.faults = []
        self.windows_build = any("/win32" in t.dir for t in targets)

    # --- where a file belongs -----------------------------------------------------------------
    def Rel(self, path):
        return os.path.relpath(path, self.root)

    def Subsystem(self, path):
        parts = self.Rel(path).split(os.sep)
        if parts[0] == "src" and len(parts) > 2:
            return parts[1]
        if parts[0] in ("tools", "examples"):
            return parts[0]
        return None

    def IsProgram(self, path):
        return self.Subsystem(path) is not None and not self.Rel(path).startswith("..")

    def Owners(self, path):
        return [t for t in self.targets.values()
                if path in t.sources or path in t.headers
                or (path.endswith(".h") and os.path.dirname(path) in t.header_dirs)]

    def IncludeDirs(self, path):
        owners = self.Owners(path)
        dirs = [d for t in owners for d in t.includes]
        if not dirs:
            dirs = [os.path.join(self.root, "src")]
            if self.Subsystem(path) == "tools":
                dirs.append(os.path.join(self.root, "tools"))
        return list(dict.fromkeys(dirs))

    # --- one include ---------------------------------------------------------------------------
    def Resolve(self, path, quoted, name):
        folders = ([os.path.dirname(path)] if quoted else []) + self.IncludeDirs(path)
        for folder in folders:
            candidate = os.path.join(folder, name)
            if self.exists(candidate):
                return os.path.normpath(candidate)
        return None

    def Fault(self, where, text):
        self.faults.append(f"{where}: {text}")

    def CheckSystemHeader(self, where, path, name, links):
        if "/win32/" in self.Rel(path) or name in STANDARD_HEADERS:
            return
        if THIRD_PARTY.get(name) in links:
            return
        if self.sdk is None:
            self.sdk = WindowsSdkHeaders()
        if name.lower() in self.sdk or name.lower() in ("windows.h", "winsock2.h"):
            self.Fault(where, f"portable code includes the Windows SDK header <{name}>; "
                              "Win32 code lives in a win32/ folder")
        else:
            self.Fault(where, f"portable code includes <{name}>, which is not a standard C++ header")

    def CheckProgramHeader(self, where, path, name, header):
        if not self.IsProgram(header):
            self.Fault(where, f"\"{name}\" is {self.Rel(header)}, not a program header "
                              "(the tests, benchmarks and build files stay out)")
            return False
        if "/win32/" not in self.Rel(path) and "/win32/" in self.Rel(header):
            self.Fault(where, f"portable code includes the Win32 header {self.Rel(header)}")
        source, target = self.Subsystem(path), self.Subsystem(header)
        if not MayInclude(source, target):
            self.Fault(where, f"{source} may not include {self.Rel(header)} "
                              f"({target} is not below {source})")
        return True

    def Includes(self, path):
        """(line number, quoted, name) of every #include of the file."""
        found = []
        for number, line in enumerate(self.read(path).split("\n"), 1):
            text = line.strip()
            if not text.startswith("#"):
                continue
            text = text[1:].lstrip()
            if not text.startswith("include"):
                continue
            text = text[len("include"):].lstrip()
            if text[:1] in ('"', "<"):
                close = text.find('"' if text[0] == '"' else ">", 1)
                if close > 1:
                    found.append((number, text[0] == '"', text[1:close]))
        return found

    # --- the whole program ---------------------------------------------------------------------
    def Check(self, files):
        used = {}  # library -> {header: first place it is included}
        for path in files:
            owners = self.Owners(path)
            if not owners and (self.windows_build or "/win32/" not in self.Rel(path)):
                self.Fault(self.Rel(path), "belongs to no library of the build")
            links = {link for t in owners for link in t.links}
            for number, quoted, name in self.Includes(path):
                where = f"{self.Rel(path)}:{number}"
                header = self.Resolve(path, quoted, name)
                if header is None or (name in THIRD_PARTY and not self.IsProgram(header)):
                    self.CheckSystemHeader(where, path, name, links)
                elif self.CheckProgramHeader(where, path, name, header):
                    for owner in owners:
                        used.setdefault(owner.name, {}).setdefault(header, where)
        for target in self.targets.values():
            self.CheckLinks(target, used.get(target.name, {}))
        return self.faults

    def CheckLinks(self, target, used):
        # Resources reach a program as objects of its own link line; they link nothing.
        if target.kind == "OBJECT_LIBRARY":
            return
        linked = {link for link in target.links if link in self.targets}
        justified = set()
        for header, where in sorted(used.items(), key=lambda item: item[1]):
            providers = {t.name for t in self.Owners(header)}
            if target.name in providers:
                justified |= providers & linked
                continue
            if not providers:
                self.Fault(where, f"{target.name} includes {self.Rel(header)} but does not link "
                                  "it: no library of this build provides it")
            elif not providers & linked:
                self.Fault(where, f"{target.name} includes {self.Rel(header)} "
                                  f"but does not link {' or '.join(sorted(providers))}")
            justified |= providers & linked
        for link in sorted(linked - justified):
            self.Fault(target.name, f"{target.name} links {link} but includes none of its headers")


def MayInclude(source, target):
    if source == target:
        return True
    if source == "ui":
        return target == "platform"  # the grid knows no macros
    if source not in RANKS or target not in RANKS:
        return False
    if target == "ui":
        return RANKS[source] > RANKS["ui"]
    return RANKS[target] < RANKS[source]


def ProgramFiles(root):
    files = []
    for top in ("src", "tools", "examples"):
        for path in glob.glob(os.path.join(root, top, "**", "*"), recursive=True):
            if path.endswith(SOURCE_SUFFIXES) and os.path.isfile(path):
                files.append(os.path.normpath(os.path.abspath(path)))
    return sorted(files)


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().split("\n\n")[1], file=sys.stderr)
        return 2
    root, targets_file = argv[1], argv[2]
    checker = Checker(root, ReadTargets(targets_file))
    files = ProgramFiles(checker.root)
    faults = checker.Check(files)
    for fault in faults:
        print(fault)
    if faults:
        print(f"check_layers: {len(faults)} fault(s) in {len(files)} files")
        return 1
    print(f"check_layers: {len(files)} files include down the layers and link what they include")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
