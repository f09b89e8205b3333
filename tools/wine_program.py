"""What the tests that start the programs under Wine share: a test class
with the service simulator, waiting for a state, the programs' windows as
the window probe sees them, the mouse, and ending a program inside the Wine
prefix."""

import argparse
import os
import subprocess
import sys
import time
import unittest

import simulator

# How long a test waits for a state before it gives up. The first program
# starts in a new Wine prefix are 20 to 40 times slower than later ones, and
# a wait that holds ends at once, so the limit only costs time when something
# is wrong. The C++ tests use the same figure (ui/base/tests/support/Pump.h).
LONG_WAIT = 180


class SimulatorTestCase(unittest.TestCase):
    """Runs the service simulator on `port` for all the class's tests and resets
    it before each; `shots` is the folder for screenshots. The test script sets
    both from its command line before unittest runs."""

    port = None
    shots = None

    @classmethod
    def setUpClass(cls):
        cls.sim = simulator.start_simulator(port=cls.port)
        os.makedirs(cls.shots, exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        cls.sim.stop()

    def setUp(self):
        self.sim.state.reset()


class _ReportAtOnce(unittest.TextTestResult):
    """Prints each failure when it happens rather than at the end, so that a
    run ended at its time limit still says what went wrong."""

    def addFailure(self, test, err):
        super().addFailure(test, err)
        self._report("FAIL", self.failures)

    def addError(self, test, err):
        super().addError(test, err)
        self._report("ERROR", self.errors)

    def _report(self, kind, found):
        test, text = found[-1]
        self.stream.writeln(f"{kind}: {self.getDescription(test)}\n{text}")
        self.stream.flush()

    def printErrors(self):
        pass


def simulator_test_arguments(*options):
    """The command line of a test script that starts the programs against the
    simulator: --program-dir, --wine-run, --probe (WindowProbe.exe), --port,
    --shots and the further options named, all required. Gives the parsed
    arguments and the rest for unittest, and sets SimulatorTestCase's port and
    screenshot folder."""
    parser = argparse.ArgumentParser()
    for name in ("--program-dir", "--wine-run", "--probe", "--shots") + options:
        parser.add_argument(name, required=True)
    parser.add_argument("--port", type=int, required=True)
    args, rest = parser.parse_known_args()
    SimulatorTestCase.port, SimulatorTestCase.shots = args.port, args.shots
    return args, [sys.argv[0]] + rest


def run_tests(argv):
    """unittest.main for the test scripts: verbose, failures reported at once."""
    unittest.main(argv=argv, testRunner=unittest.TextTestRunner(resultclass=_ReportAtOnce, verbosity=2))


def wait_for(condition, seconds=LONG_WAIT, step=0.1):
    """The first true value of condition() within the time, else its last value."""
    until = time.monotonic() + seconds
    while time.monotonic() < until:
        value = condition()
        if value:
            return value
        time.sleep(step)
    return condition()


def wait_until(what, condition, seconds=LONG_WAIT, detail=None):
    """wait_for for a test: the true value, or a failure that says what the
    test waited for (and detail(), when given, what it saw instead)."""
    value = wait_for(condition, seconds)
    if not value:
        raise AssertionError(f"gave up after {seconds} s waiting for {what}" + (f"; {detail()}" if detail else ""))
    return value


def end_images(wine_run, *images):
    """Ends every process of the images inside the prefix with Wine's taskkill."""
    for image in images:
        subprocess.run([wine_run, "taskkill", "/f", "/im", image], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=False, timeout=LONG_WAIT)


# The COM surrogates that Wine starts for the main program's machine-id read
# (WMI) never exit; dozens of them slow every later window operation.
SURROGATE = "dllhost.exe"


def end_program(wine_run, starter, image="Tavrin.exe"):
    """Ends the program that `starter` (the Popen of wine-run) started: killing
    the starter alone leaves the program running under Wine, so it is ended
    inside the prefix, with the surrogates it made Wine start; then the
    starter is reaped."""
    end_images(wine_run, image, SURROGATE)
    if starter.poll() is None:
        starter.kill()
    starter.wait()


def answer_boxes_until_ended(wine_run, probe, process, seconds=LONG_WAIT):
    """Presses OK on each message box that appears, through the window probe
    running inside the prefix, until `process` has ended."""
    def ended():
        subprocess.run([wine_run, probe, "answer"], capture_output=True, check=False)
        return process.poll() is not None
    return wait_for(ended, seconds)


class Rect:
    def __init__(self, text):
        self.left, self.top, self.right, self.bottom = (int(n) for n in text.split())

    @property
    def centre(self):
        return (self.left + self.right) // 2, (self.top + self.bottom) // 2

    @property
    def size(self):
        return self.right - self.left, self.bottom - self.top

    def __repr__(self):
        return f"({self.left}, {self.top})-({self.right}, {self.bottom})"


class Thing:
    """A control, toolbar button or menu item: its text, where it is, whether
    it takes clicks; `cls` and `focused` for controls."""

    def __init__(self, text, rect, enabled, cls="", focused=False):
        self.text, self.rect, self.enabled, self.cls, self.focused = text, rect, enabled, cls, focused

    def __repr__(self):
        return f"{self.cls or 'item'} {self.text!r} {self.rect}{'' if self.enabled else ' disabled'}"


class Form:
    def __init__(self, enabled, caption, rect, moving):
        self.enabled, self.caption, self.rect, self.moving = enabled, caption, rect, moving
        self.controls, self.items, self.rows = [], [], []

    def control(self, text):
        return next((c for c in self.controls if c.text == text), None)

    def item(self, text):
        return next((i for i in self.items if i.text == text), None)

    def beside(self, label, cls="Edit"):
        """The control of the class on the label's line, right of it (an edit box has no text of its own)."""
        mark = self.control(label)
        if not mark:
            return None
        middle = mark.rect.centre[1]
        right = [c for c in self.controls
                 if c.cls == cls and c.rect.left >= mark.rect.right - 2 and c.rect.top <= middle <= c.rect.bottom]
        return min(right, key=lambda c: c.rect.left, default=None)

    def row(self, first_cell):
        """The list row whose first cell (序号) is the text: (rect, cells)."""
        return next((r for r in self.rows if r[1] and r[1][0] == first_cell), None)

    def __repr__(self):
        return f"form {self.caption!r} {self.rect}{'' if self.enabled else ' disabled'}"


class Look:
    """What the window probe saw at one moment (its lines: updater/tests/support/FormListing.cpp)."""

    def __init__(self, listing):
        self.forms, self.menu, self.boxes = [], [], []
        for line in listing.splitlines():
            kind, *f = line.split("\t")
            if kind == "form":
                self.forms.append(Form(f[0] == "1", f[1], Rect(f[2]), f[3] == "1"))
            elif kind == "control" and self.forms:
                self.forms[-1].controls.append(Thing(f[0], Rect(f[2]), f[3] == "1", f[1], f[4] == "1"))
            elif kind == "item" and self.forms:
                self.forms[-1].items.append(Thing(f[0], Rect(f[1]), f[2] == "1"))
            elif kind == "row" and self.forms:
                self.forms[-1].rows.append((Rect(f[0]), f[1:]))
            elif kind == "menu":
                self.menu.append(Thing(f[0], Rect(f[1]), f[2] == "1"))
            elif kind == "box":
                self.boxes.append((f[0], f[1]))

    def form(self, caption):
        return next((f for f in self.forms if f.caption == caption), None)

    def menu_item(self, text):
        return next((i for i in self.menu if i.text == text), None)

    def __repr__(self):
        return repr({"forms": [(f, f.controls, f.items, f.rows) for f in self.forms],
                     "menu": self.menu, "boxes": self.boxes})


class WindowProbe:
    """The programs' visible windows, read from outside by WindowProbe.exe inside the prefix."""

    def __init__(self, wine_run, probe):
        self.wine_run, self.probe = wine_run, probe

    def look(self):
        out = subprocess.run([self.wine_run, self.probe, "forms"], capture_output=True, check=False,
                             timeout=LONG_WAIT).stdout
        return Look(out.decode("utf-8", "replace"))

    def wait_until(self, what, condition, seconds=LONG_WAIT):
        """The first true value of condition(look) within the time; else a
        failure that says what the test waited for and what the probe saw."""
        seen = []

        def holds():
            seen[:] = [self.look()]
            return condition(seen[0])
        return wait_until(what, holds, seconds, detail=lambda: f"saw {seen[0] if seen else None}")

    def wait_for_form(self, caption, seconds=LONG_WAIT):
        """The form once it shows and takes input."""
        return self.wait_until(f"the window {caption!r}",
                               lambda look: (f := look.form(caption)) and f.enabled and f, seconds)


def click(point, button=1):
    """A click of the X pointer, as a user's; the Wine desktop fills the screen from (0, 0)."""
    subprocess.run(["xdotool", "mousemove", str(point[0]), str(point[1]), "click", str(button)], check=False)


def move_mouse_away():
    """Moves the pointer off the windows, so that no hover shows in a screenshot."""
    subprocess.run(["xdotool", "mousemove", "800", "700"], check=False)
