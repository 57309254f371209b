#!/usr/bin/python3
"""Writes the raw recording that arrives on standard input (parec's output:
s16le, stereo, RATE frames a second) to OUT, and, when the input ends, the
CLOCK_MONOTONIC_RAW time of its first frame (the clock
xdrive stamps its clicks with) to OUT.start.

A chunk can only arrive after its last frame was captured, so every chunk
gives an upper bound on the start: arrival time minus the frames so far over
the rate. The smallest such bound is the estimate; it errs late by the
recorder's smallest delivery delay (a fragment, some milliseconds), which
makes every latency measured against it that much longer, never shorter.

    timed_record.py OUT RATE
"""
import os
import sys
import time


def main():
    out_path, rate = sys.argv[1], int(sys.argv[2])
    frame_bytes = 4
    received = 0
    start = None
    with open(out_path, "wb") as out:
        while True:
            chunk = os.read(0, 16384)
            arrived = time.clock_gettime(time.CLOCK_MONOTONIC_RAW)
            if not chunk:
                break
            out.write(chunk)
            received += len(chunk)
            bound = arrived - (received // frame_bytes) / rate
            if start is None or bound < start:
                start = bound
    if start is None:
        print("timed_record: nothing was recorded", file=sys.stderr)
        return 1
    with open(out_path + ".start", "w") as note:
        note.write("%.6f\n" % start)
    return 0


if __name__ == "__main__":
    sys.exit(main())
