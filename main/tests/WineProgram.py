"""What the tests that start Tavrin.exe under Wine share: waiting for a
condition, and ending the program inside the Wine prefix."""

import subprocess
import time


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
