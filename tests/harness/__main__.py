"""Runs one Windows program under Wine on a display, a prefix and a Wine
server of its own, and stops all three after it; exits with its status.
CTest runs each test program this way, so that tests run side by side never
see each other's windows:

    PYTHONPATH=tests /usr/bin/python3 -m harness PROGRAM.exe [ARG...]
"""
import signal
import sys

from .processes import WineEnvironment, Xvfb, spawn


def main(command):
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))   # CTest's timeout: still stop everything
    display = Xvfb()
    try:
        wine = WineEnvironment(display.display)
        try:
            return spawn([wine.wine_run] + command, env=wine.env).wait()
        finally:
            wine.stop()
    finally:
        display.stop()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
