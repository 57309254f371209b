"""xdrive (tests/realinput/xdrive.cpp), the one long-lived process that
clicks through the X server's XTEST and reads the screen back: every answer
is read with a deadline."""
import os
import select
import subprocess
import time

import numpy as np

from .processes import spawn, stop_pid

ANSWER_SECONDS = 30.0   # no command takes longer, its own timeout included


class XDriveError(RuntimeError):
    pass


class XDrive:
    def __init__(self, path, display):
        self.process = spawn([path], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, env=dict(os.environ, DISPLAY=display))
        self.buffer = bytearray()
        ready = self._line(10.0)
        if ready != "ready":
            raise XDriveError("xdrive did not start: %r %s" % (ready, self.process.stderr.read1(2000)))

    def _fill(self, deadline):
        fd = self.process.stdout.fileno()
        left = deadline - time.monotonic()
        ready, _, _ = select.select([fd], [], [], max(left, 0))
        if not ready:
            raise XDriveError("xdrive gave no answer in time")
        chunk = os.read(fd, 1 << 20)
        if not chunk:
            raise XDriveError("xdrive ended (exit %s)" % self.process.poll())
        self.buffer += chunk

    def _line(self, seconds):
        deadline = time.monotonic() + seconds
        while b"\n" not in self.buffer:
            self._fill(deadline)
        end = self.buffer.index(b"\n")
        line = bytes(self.buffer[:end])
        del self.buffer[:end + 1]
        return line.decode()

    def _bytes(self, count, seconds):
        deadline = time.monotonic() + seconds
        while len(self.buffer) < count:
            self._fill(deadline)
        data = bytes(self.buffer[:count])
        del self.buffer[:count]
        return data

    def ask(self, *words):
        """One command; the words of its answer after "ok"."""
        self.process.stdin.write((" ".join(str(w) for w in words) + "\n").encode())
        self.process.stdin.flush()
        answer = self._line(ANSWER_SECONDS)
        if not answer.startswith("ok"):
            raise XDriveError("xdrive %s: %s" % (" ".join(map(str, words)), answer))
        return answer.split()[1:]

    def now(self):
        """The clock every click is stamped with, in ms."""
        return float(self.ask("now")[0])

    def click(self, x, y):
        """A click at screen (x, y); the release's time."""
        return float(self.ask("click", x, y)[0])

    def clicks(self, gap_ms, points):
        """Clicks gap_ms apart, release to release, timed by xdrive itself."""
        flat = [c for point in points for c in point]
        return [float(t) for t in self.ask("clicks", gap_ms, *flat)]

    def pixels(self, x, y, w, h):
        """The screen region as an h x w x 3 array of RGB."""
        width, height = (int(v) for v in self.ask("pixels", x, y, w, h))
        data = self._bytes(width * height * 3, ANSWER_SECONDS)
        return np.frombuffer(data, np.uint8).reshape(height, width, 3)

    def timed(self, *words):
        """A clickwait/waitchange/clickmatch: (ms, release time), or None on its timeout."""
        answer = self.ask(*words)
        return None if answer == ["timeout"] else (float(answer[0]), float(answer[1]))

    def stop(self):
        if self.process.poll() is None:
            try:
                self.process.stdin.write(b"quit\n")
                self.process.stdin.flush()
            except OSError:
                pass
        stop_pid(self.process)
