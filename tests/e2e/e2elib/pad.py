"""A running TESTPAD.EXE seen through its log file, and the requests it answers."""

import itertools
import os
import re

from . import waiting

_request_ids = itertools.count(1)


def unescape(text):
    """Reverses TESTPAD's escaping: \\\\ \\r \\n \\t \\xHH; returns bytes as code-page characters."""
    out = bytearray()
    i = 0
    raw = text.encode("latin-1")
    while i < len(raw):
        c = raw[i]
        if c == 0x5C and i + 1 < len(raw):
            nxt = chr(raw[i + 1])
            if nxt == "x" and i + 3 < len(raw):
                out.append(int(raw[i + 2:i + 4].decode(), 16))
                i += 4
                continue
            out.append({"\\": 0x5C, "r": 0x0D, "n": 0x0A, "t": 0x09}.get(nxt, raw[i + 1]))
            i += 2
            continue
        out.append(c)
        i += 1
    return out.decode("cp1252", errors="replace")


class Event:
    """One log line: the tick count, the event name and its key=value fields."""

    def __init__(self, line):
        self.line = line
        head, _, rest = line.partition(" ")
        self.ms = int(head)
        self.name, _, self.rest = rest.partition(" ")
        self.fields = {}
        for match in re.finditer(r"(\w+)=(\S*)", self.rest):
            self.fields.setdefault(match.group(1), match.group(2))

    def int(self, key):
        return int(self.fields[key])

    def __repr__(self):
        return self.line


class Pad:
    def __init__(self, box, title, log_name, process):
        self.box = box
        self.title = title
        self.log_path = box.host_path(log_name)
        self.windows_log = box.windows_path(log_name)
        self.process = process
        self.hwnd = None
        self.pid = None
        self.exe = "TESTPAD.EXE"
        self._read_to = 0  # how far the log has been read, in bytes
        self._parsed = []  # the events of the lines read so far

    # -- the log -------------------------------------------------------------------------------
    def events(self):
        """Every line of the log so far."""
        return self.events_from(0)

    def events_from(self, start):
        """The lines of the log from the `start`th on (0-based). The log only grows, so each
        look reads and parses just what was added since the last one: a long run (thousands of
        macro plays) is looked at after every step, and reading it whole each time would cost
        more than the run itself."""
        try:
            size = os.path.getsize(self.log_path)
        except OSError:
            return []
        if size < self._read_to:  # a new log under the same name: start over
            self._read_to, self._parsed = 0, []
        if size > self._read_to:
            with open(self.log_path, "rb") as f:
                f.seek(self._read_to)
                data = f.read(size - self._read_to)
            # A line still being written has no CR LF yet: leave it for the next look.
            whole = data.rfind(b"\r\n") + 2
            if whole >= 2:
                self._read_to += whole
                self._parsed += [Event(line) for line in
                                 data[:whole].decode("latin-1").split("\r\n") if line]
        return self._parsed[start:]

    def named(self, *names):
        return [e for e in self.events() if e.name in names]

    def chars(self):
        """The characters the edit control was given, in order, as text."""
        return bytes(e.int("code") for e in self.named("WM_CHAR")).decode("cp1252")

    def wait_event(self, predicate, limit, what):
        def found():
            for event in self.events():
                if predicate(event):
                    return event
            return None
        return waiting.until(found, limit, what)

    def wait_ready(self, limit=60):
        ready = self.wait_event(lambda e: e.name == "ready", limit, "%s to be ready" % self.title)
        self.hwnd = ready.int("hwnd")
        self.pid = ready.int("pid")
        return ready

    # -- requests ------------------------------------------------------------------------------
    def request(self, command, limit=30):
        """Asks TESTPAD something through its request file; returns the answer's events."""
        rid = "r%d" % next(_request_ids)
        request_path = self.log_path + ".req"
        temporary = request_path + ".tmp"
        with open(temporary, "w", encoding="latin-1") as f:
            f.write("%s %s" % (rid, command))
        # Renamed into place so TESTPAD never reads half a request.
        os.replace(temporary, request_path)
        def answered():
            events = self.events()
            if any(e.name == "done" and e.fields.get("id") == rid for e in events):
                return True
            if any(e.name == "exit" for e in events):
                raise AssertionError("%s has ended; it cannot answer %r" % (self.title, command))
            return False
        waiting.until(answered, limit, "%s to answer %r" % (self.title, command))
        return [e for e in self.events() if e.fields.get("id") == rid and e.name != "done"]

    def text(self):
        answer = self.request("text")[0]
        return unescape(answer.rest.split(" ", 1)[1] if " " in answer.rest else "")

    def state(self):
        answer = self.request("state")[0]
        state = dict(answer.fields)
        state["clip"] = unescape(answer.rest.split(" clip=", 1)[1])
        state["rect"] = tuple(int(v) for v in state["rect"].split(","))
        state["client"] = tuple(int(v) for v in state["client"].split(","))
        return state

    def window(self, title_part):
        """Another top-level window whose title contains `title_part`, with its children."""
        return self._window_answer(self.request("window " + title_part))

    def top_windows(self):
        """Every top-level window, hidden ones too: dicts of hwnd, pid, class, visible and
        title."""
        found = []
        for answer in self.request("windows"):
            entry = dict(answer.fields)
            entry["title"] = unescape(answer.rest.split(" title=", 1)[1])
            found.append(entry)
        return found

    def class_window(self, class_name):
        """A top-level window of this class (one without a title, like the notification
        area's), as window() gives it; None when there is none."""
        return self._window_answer(self.request("classwindow " + class_name))

    def post(self, hwnd, message, wparam=0, lparam=0):
        """Posts a message to a window, as another program would."""
        answer = self.request("post %d %d %d %d" % (int(hwnd), message, wparam, lparam))[0]
        return answer.fields.get("posted") == "1"

    @staticmethod
    def _window_answer(answer):
        head = answer[0]
        if head.fields.get("found") != "1":
            return None
        info = dict(head.fields)
        info["title"] = unescape(head.rest.split(" title=", 1)[1])
        info["rect"] = tuple(int(v) for v in info["rect"].split(","))
        info["children"] = []
        for child in answer[1:]:
            entry = dict(child.fields)
            entry["text"] = unescape(child.rest.split(" text=", 1)[1])
            entry["rect"] = tuple(int(v) for v in entry["rect"].split(","))
            info["children"].append(entry)
        return info

    def wait_window(self, title_part, controls=(), limit=30):
        """Waits for a top-level window whose title contains `title_part` to be ready for use
        and returns it: on the screen, with every control named in `controls` in it. A dialog
        gets its title when it is created, before its controls, and is shown only once its
        initialisation has laid them out, so a window found by its title alone may still lack
        controls or have them where the template put them."""
        seen = []

        def ready():
            seen[:] = [self.window(title_part)]
            window = seen[0]
            if window is None or window["visible"] != "1":
                return None
            texts = [c["text"] for c in window["children"]]
            return window if all(text in texts for text in controls) else None
        try:
            return waiting.until(ready, limit, "a window %r" % title_part)
        except waiting.Timeout as timeout:
            window = seen[0] if seen else None
            raise AssertionError("a window %r with %r on the screen; last seen: %s" % (
                title_part, list(controls), "none" if window is None else
                "visible=%s controls %r" % (window["visible"],
                                            [c["text"] for c in window["children"]])
            )) from timeout

    def message(self, text_part):
        """The visible top-level window that shows `text_part` in one of its children (a
        message box), as a dict with hwnd, pid and title; None when there is none."""
        head = self.request("message " + text_part)[0]
        if head.fields.get("found") != "1":
            return None
        info = dict(head.fields)
        info["title"] = unescape(head.rest.split(" title=", 1)[1])
        return info

    def close_window(self, title_part):
        """Posts WM_CLOSE to the first top-level window whose title contains `title_part`."""
        return self.request("close " + title_part)[0].fields.get("posted") == "1"

    def close_handle(self, hwnd):
        """Posts WM_CLOSE to the window with this handle."""
        return self.request("closehwnd %s" % hwnd)[0].fields.get("posted") == "1"

    def has_font(self, family):
        """Whether the system TESTPAD runs on has this font family installed."""
        return self.request("font " + family)[0].fields.get("found") == "1"

    def foreground(self):
        """The window in front: its handle, class, process id and title."""
        answer = self.request("foreground")[0]
        found = dict(answer.fields)
        found["title"] = unescape(answer.rest.split(" title=", 1)[1])
        return found

    def table_program(self):
        """The program QUINDL.EXE has noted in front ("<none>" while no QUINDL.EXE runs)."""
        answer = self.request("tableprogram")[0]
        return unescape(answer.rest.split(" name=", 1)[1])

    def move(self, x, y):
        """Moves this TESTPAD so that its top left corner stands at the screen point x, y."""
        return self.request("move %d %d" % (x, y))[0].fields.get("moved") == "1"

    def table_capturing(self):
        """Whether a running QUINDL.EXE has a capture recording (CaptureActive)."""
        return self.request("tableprogram")[0].fields.get("capture") == "1"

    def modifiers_down(self):
        """The modifier keys down (names such as "lshift", or none): (as the system has them
        now, as this TESTPAD's messages have delivered them so far)."""
        fields = self.request("keys")[0].fields
        def names(text):
            return [] if text == "none" else text.split(",")
        return names(fields["async"]), names(fields["thread"])

    def process_of(self, title_part):
        """The open handles and memory (bytes) of the program owning the first top-level window
        whose title contains `title_part`: a dict with pid, handles, workingset and private, or
        None when there is no such window or it cannot be asked."""
        fields = self.request("process " + title_part)[0].fields
        if fields.get("found") != "1":
            return None
        return {key: int(fields[key]) for key in ("pid", "handles", "workingset", "private")}

    def foreground_title(self):
        return self.foreground()["title"]

    def wait_text(self, expected, limit=30):
        """Polls until the edit control holds exactly `expected`; fails showing what it holds."""
        seen = []

        def matches():
            seen[:] = [self.text()]
            return seen[0] == expected
        try:
            waiting.until(matches, limit, "text %r" % expected)
        except waiting.Timeout as timeout:
            raise AssertionError("%s holds %r, expected %r" % (self.title, seen[0] if seen else
                                                              None, expected)) from timeout

    def wait_state(self, predicate, limit, what):
        seen = []

        def ok():
            seen[:] = [self.state()]
            return predicate(seen[0])
        try:
            waiting.until(ok, limit, what)
        except waiting.Timeout as timeout:
            raise AssertionError("%s: %s; last state %r" % (self.title, what, seen)) from timeout
        return seen[0]

    def exited(self):
        return any(e.name == "exit" for e in self.events())
