"""Waiting by polling a condition, with a generous limit and a clear message when it runs out."""

import os
import time

POLL_SECONDS = 0.05


class Timeout(AssertionError):
    pass


def until(condition, limit, what):
    """Polls `condition` until it returns something true and returns that; fails after `limit`
    seconds naming what was awaited."""
    started = time.monotonic()
    deadline = started + limit
    while True:
        result = condition()
        if result:
            took = time.monotonic() - started
            if took > 3 and os.environ.get("QNL_E2E_VERBOSE"):
                print("  [wait] %.1f s for %s" % (took, what), flush=True)
            return result
        if time.monotonic() > deadline:
            raise Timeout("waited %.0f s for %s" % (limit, what))
        time.sleep(POLL_SECONDS)


def holds(condition, seconds):
    """True when `condition` stays true for the whole of `seconds` (used to show that something
    does NOT happen: nothing typed, no second copy started)."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not condition():
            return False
        time.sleep(POLL_SECONDS)
    return condition()
