#!/usr/bin/python3
"""Notes when the machine held back an ordinary process: it sleeps 5 ms at a
time, at the game's own priority, and writes "START_SECONDS MILLISECONDS"
(CLOCK_MONOTONIC_RAW, the clock the clicks are stamped with) to OUT for
every wake-up that came 30 ms or more late. It ends on SIGTERM.

A cue heard late while this process was held back too was held back by the
machine, not by the game: hear.py reports such a cue and does not fail it.

    stall_watch.py OUT
"""
import signal
import sys
import time

STEP = 0.005
LATE = 0.030


def main():
    running = [True]
    signal.signal(signal.SIGTERM, lambda *_: running.__setitem__(0, False))
    with open(sys.argv[1], "w", buffering=1) as out:
        before = time.clock_gettime(time.CLOCK_MONOTONIC_RAW)
        while running[0]:
            time.sleep(STEP)
            now = time.clock_gettime(time.CLOCK_MONOTONIC_RAW)
            if now - before - STEP >= LATE:
                out.write("%.6f %.1f\n" % (before + STEP, (now - before - STEP) * 1000))
            before = now
    return 0


if __name__ == "__main__":
    sys.exit(main())
