"""The scenarios of the suite, in the order they run."""

SCENARIOS = []


class Scenario:
    def __init__(self, name, function, doc):
        self.name = name
        self.function = function
        self.doc = doc


def scenario(name):
    """Registers a check of its own; the function gets a fresh Box and fails by raising."""
    def register(function):
        SCENARIOS.append(Scenario(name, function, (function.__doc__ or "").strip()))
        return function
    return register


class CannotRunHere(Exception):
    """The machine lacks what the scenario needs (32-bit programs, say): nothing was checked.
    Counted apart from passes and failures, and said so in the summary."""


class KnownLimitation(Exception):
    """What the program sent was right, but Wine does not do what Windows does with it. Counted
    apart from passes and failures, and said so in the summary."""


def expect(condition, message):
    if not condition:
        raise AssertionError(message)


def expect_equal(actual, expected, what):
    if actual != expected:
        raise AssertionError("%s: got %r, expected %r" % (what, actual, expected))
