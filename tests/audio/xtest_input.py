#!/usr/bin/python3
"""The audio test's mouse: moves the pointer and presses its left button
through the X server's XTEST extension, as a real mouse would, and says when
each release reached the server. One long-lived process, fed one command a
line on standard input:

    move X Y       the pointer to root coordinates X, Y
    click LABEL    press and release the left button; prints "LABEL SECONDS"
    mark LABEL     prints "LABEL SECONDS" without touching anything

SECONDS is CLOCK_MONOTONIC, the clock timed_record.py stamps the recording
with, taken just before the release is sent, so a measured latency includes
all of the X server's part.
"""
import sys
import time

from Xlib import X, display
from Xlib.ext import xtest


def main():
    screen = display.Display()
    if not screen.has_extension("XTEST"):
        print("error: the X server has no XTEST extension", file=sys.stderr)
        return 1
    for line in sys.stdin:
        words = line.split()
        if not words:
            continue
        if words[0] == "move" and len(words) == 3:
            xtest.fake_input(screen, X.MotionNotify, x=int(words[1]), y=int(words[2]))
            screen.sync()
        elif words[0] == "click" and len(words) == 2:
            xtest.fake_input(screen, X.ButtonPress, 1)
            screen.sync()
            time.sleep(0.03)  # a press as short as a quick finger's
            released = time.monotonic()
            xtest.fake_input(screen, X.ButtonRelease, 1)
            screen.sync()
            print(words[1], "%.6f" % released, flush=True)
        elif words[0] == "mark" and len(words) == 2:
            print(words[1], "%.6f" % time.monotonic(), flush=True)
        else:
            print("error: unknown command: " + line.strip(), file=sys.stderr)
            return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
