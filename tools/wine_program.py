"""What the tests that start the programs under Wine share: a test class
with the service simulator, waiting for a condition, and ending a program
inside the Wine prefix."""

import os
import subprocess
import time
import unittest

import simulator


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


def wait_for(condition, seconds, step=0.1):
    until = time.monotonic() + seconds
    while time.monotonic() < until:
        if condition():
            return True
        time.sleep(step)
    return condition()


def end_program(wine_run, starter, image="Tavrin.exe"):
    """Ends the program that `starter` (the Popen of wine-run) started: killing
    the starter alone leaves the program running under Wine, so it is ended
    inside the prefix with Wine's taskkill, then the starter is reaped."""
    subprocess.run([wine_run, "taskkill", "/f", "/im", image], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=False, timeout=60)
    if starter.poll() is None:
        starter.kill()
    starter.wait()


def answer_boxes_until_ended(wine_run, probe, process, seconds):
    """Presses OK on each message box that appears, through the window probe
    running inside the prefix, until `process` has ended."""
    def ended():
        subprocess.run([wine_run, probe, "answer"], capture_output=True, check=False)
        return process.poll() is not None
    return wait_for(ended, seconds)
