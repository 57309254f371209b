"""Runs a command with a display and a kept-up Wine server of the tests'
prefix, and stops both after it: the in-process tests share them. (The
harness's own tests make a display and a prefix of their own.)

    PYTHONPATH=tests /usr/bin/python3 -m harness ctest --test-dir build/win64
"""
import subprocess
import sys

from .processes import WineEnvironment, Xvfb


def main(command):
    display = Xvfb()
    try:
        wine = WineEnvironment(display.display, private=False)
        try:
            print("==> Xvfb on %s, the Wine server of %s kept up" % (display.display, wine.env["WINEPREFIX"]),
                  flush=True)
            return subprocess.call(command, env=wine.env)
        finally:
            wine.stop()
    finally:
        display.stop()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
