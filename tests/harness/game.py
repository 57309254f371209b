"""A test's session: its display, Wine, xdrive, the layout the probe prints,
and the games it launches, each watched through the probe's lines."""
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time

import numpy as np

from .processes import ROOT, WineEnvironment, Xvfb, spawn, stop_pid
from .screen import Judge, Pictures, read_ppm, write_ppm
from .waits import WaitTimeout, wait_until
from .xdrive import XDrive


# How long a judgement of the screen may take to hold. The game answers in
# milliseconds; a loaded machine has stalled a Wine program for seconds.
SHOWN_SECONDS = 5.0
SCREEN_SECONDS = 10.0


class Build:
    """Where the built programs are: build/win64 unless the environment says."""

    def __init__(self, game=None, build=None):
        build = build or os.environ.get("TUMBLEWIT_BUILD") or os.path.join(ROOT, "build", "win64")
        self.dir = build
        self.game = os.path.abspath(game or os.environ.get("TUMBLEWIT_GAME") or os.path.join(build, "tumblewit.exe"))
        self.probe = os.environ.get("TUMBLEWIT_PROBE") or os.path.join(build, "tests", "e2e_probe.exe")
        self.xdrive = os.environ.get("TUMBLEWIT_XDRIVE") or os.path.join(build, "host-realinput", "xdrive")
        self.pictures = os.environ.get("TUMBLEWIT_PICTURES") or os.path.join(build, "generated")
        self.reference = os.path.join(build, "bench", "tumblewit-reference.exe")
        self.shots = os.environ.get("TUMBLEWIT_SHOTS") or os.path.join(build, "test-shots")


class Layout:
    """resources/layout.h as the probe prints it, and what follows from it."""

    def __init__(self, data):
        self.__dict__.update(data)

    def area(self, level, k):
        return self.areas[level - 1][k]

    def area_centre(self, level, k):
        l, t, r, b = self.area(level, k)
        return (l + r) // 2, (t + b) // 2

    def spot(self, button):
        return self.buttons[button]["spot"]

    def button_centre(self, button):
        x, y, w, h = self.spot(button)
        return x + w // 2, y + h // 2

    def inside_spot(self, button, point):
        x, y, w, h = self.spot(button)
        return x < point[0] < x + w and y < point[1] < y + h

    def miss_points(self, level):
        """Points of the altered scene at least 8 pixels from every area of
        the level, on a 10-pixel grid: sure misses."""
        sl, st, sr, sb = self.altered_scene
        points = []
        for y in range(st + 20, sb - 10, 10):
            for x in range(sl + 20, sr - 10, 10):
                if all(not (l - 8 < x < r + 8 and t - 8 < y < b + 8) for l, t, r, b in self.areas[level - 1]):
                    points.append((x, y))
        return points

    def counter_box(self, kind):
        """Counters reach from their corner to the client's bottom right, at
        the window's own size (every level picture lies within it)."""
        if kind == "timer":
            return self.timer_box
        corner = self.score_box_top_left if kind == "score" else self.misses_box_top_left
        return corner + self.client_size


USUAL_TEXTS = {
    "misses": [str(n) for n in range(10)],
    "score": ["%03d" % n for n in range(0, 310, 10)],
    "timer": ["%02d" % n for n in range(61)],
}


class Cell:
    def __init__(self, kind, text, rect, image):
        self.kind, self.text, self.rect, self.image = kind, text, rect, image


class Session:
    """One test's display, Wine server, xdrive and layout; close() stops all
    of it, whatever state the test left it in."""

    def __init__(self, build=None, name="test", testing="1", env=None):
        self.build = build or Build()
        self.name = name
        self.work = tempfile.mkdtemp(prefix="tumblewit-%s-" % name)
        self.games, self.cells, self.stoppers = [], {}, []
        self.failures = 0
        try:
            self.display = Xvfb()
            self.stoppers.append(self.display.stop)
            self.wine = WineEnvironment(self.display.display, testing, env)
            self.stoppers.append(self.wine.stop)
            self.xdrive = XDrive(self.build.xdrive, self.display.display)
            self.stoppers.append(self.xdrive.stop)
            self.layout = Layout(self._probe_json())
            self.judge = Judge(self.layout, Pictures(self.build.pictures))
        except BaseException:
            self.close()
            raise

    def _probe(self, *args):
        """The probe run to its end, asked three times: now and then a Wine
        program started beside a running one prints nothing."""
        tries = []
        for _ in range(3):
            code, out, err = self.wine.run([self.build.probe] + list(args))
            if code == 0 and out.strip():
                return out
            tries.append("exit %d: %s %s" % (code, out.strip()[:200], err.strip()[-300:]))
        raise RuntimeError("the probe %s failed three times: %s" % (args[0], " | ".join(tries)))

    def _probe_json(self):
        return json.loads(self._probe("layout"))

    def counters(self, kind, *texts):
        """The cells of texts in that counter as the game draws them, drawn
        by the probe with the game's own routine. Each counter's usual texts
        come in one run of it: a Wine program's start costs more than all
        of its drawing."""
        missing = [t for t in texts if (kind, t) not in self.cells]
        if missing:
            if not any(k == kind for k, _ in self.cells):
                missing = sorted(set(missing) | set(USUAL_TEXTS[kind]))
            folder = os.path.join(self.work, "counter-" + kind)
            os.makedirs(folder, exist_ok=True)
            for line in self._probe("counter", *self.layout.counter_box(kind), folder, *missing).splitlines():
                words = line.split()
                if words[:1] == ["cell"]:
                    image = read_ppm(os.path.join(folder, words[1] + ".ppm"))
                    self.cells[kind, words[1]] = Cell(kind, words[1], [int(v) for v in words[2:6]], image)
        return [self.cells[kind, t] for t in texts]

    def launch(self, program=None, window_class="ViewBMPWinClass", args=(), env=None, stderr=None, timeout=300):
        return Game(self, program or self.build.game, window_class, args, env, stderr, timeout)

    def start_window_manager(self):
        """A window manager (openbox) on this display, and Wine told to leave
        the frames of the windows it makes from now on to it, as on a
        desktop; the tests' own prefix has Wine draw them itself."""
        code, out, err = self.wine.run(["reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
                                        "/d", "Y", "/f"])
        assert code == 0, "could not let the window manager frame Wine's windows: %s %s" % (out, err)
        env = dict(os.environ, DISPLAY=self.display.display)
        manager = spawn(["openbox"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.stoppers.append(lambda: stop_pid(manager))

        def running():
            found = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env, capture_output=True,
                                   text=True)
            return "window id" in found.stdout, found.stdout.strip() or "openbox exited %s" % manager.poll()
        wait_until(running, 20, "openbox to manage the display")

    def until_clock(self, ms):
        """Sleeps until xdrive's clock, which stamps the clicks, reads ms."""
        left = ms - self.xdrive.now()
        if left > 0:
            time.sleep(left / 1000)

    def keep_shot(self, image, label):
        """A failing screen, kept where the test's shots go."""
        os.makedirs(self.build.shots, exist_ok=True)
        self.failures += 1
        path = os.path.join(self.build.shots, "%s-%s-%d.ppm" % (self.name, label, self.failures))
        write_ppm(path, image)
        return path

    def close(self):
        for game in self.games:
            game.stop()
        for stop in reversed(self.stoppers):
            try:
                stop()
            except Exception as error:   # the rest must still be stopped
                print("harness: stopping failed: %s" % error)
        shutil.rmtree(self.work, ignore_errors=True)


class Game:
    """A program started through the probe, its window found, its lines read
    as they come."""

    def __init__(self, session, program, window_class, args, env, stderr, timeout):
        self.session, self.xdrive, self.judge = session, session.xdrive, session.judge
        self.layout = session.layout
        self.stop_file = os.path.join(session.work, "stop-%d" % len(session.games))
        run_env = dict(session.wine.env, **(env or {}))
        self.process = session.wine.start([session.build.probe, "launch", program, self.stop_file, str(timeout),
                                           window_class] + list(args), stderr=stderr or subprocess.DEVNULL,
                                          env=run_env)
        session.games.append(self)   # stopped with the session, whatever happens next
        self.lines, self.lock = [], threading.Lock()
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()
        wait_until(lambda: (bool(self.last("client")) or self.process.poll() is not None, self.lines[-3:]), 60,
                   "the %s window to appear" % window_class)
        if not self.last("client"):
            raise AssertionError("the %s window did not appear: %s" % (window_class, self.lines))
        self.client = self.last("client")
        self.window = self.last("window")

    def _read(self):
        for raw in self.process.stdout:
            with self.lock:
                self.lines.append(raw.decode(errors="replace").strip())

    def all(self, kind):
        with self.lock:
            return [[int(v) for v in line.split()[1:]] for line in self.lines if line.split()[:1] == [kind]]

    def last(self, kind):
        found = self.all(kind)
        return found[-1] if found else None

    # -------------------------------------------------------------- input
    def to_screen(self, point):
        return self.client[0] + point[0], self.client[1] + point[1]

    def click(self, point):
        """A click at a client point; the release's time on xdrive's clock."""
        return self.xdrive.click(*self.to_screen(point))

    def clicks(self, gap_ms, points):
        return self.xdrive.clicks(gap_ms, [self.to_screen(p) for p in points])

    def click_button(self, button):
        return self.click(self.layout.button_centre(button))

    def click_area(self, level, k):
        return self.click(self.layout.area_centre(level, k))

    # -------------------------------------------------------------- screen
    def grab(self, region=None):
        """The client area as an array. Given a region (x, y, w, h), only that
        part is read and the rest left black: a poll reads what it judges."""
        x, y, w, h = self.client
        if region is None:
            return self.xdrive.pixels(x, y, w, h)
        rx, ry, rw, rh = region
        part = self.xdrive.pixels(x + rx, y + ry, rw, rh)
        shot = np.zeros((h, w, 3), np.uint8)
        shot[ry:ry + part.shape[0], rx:rx + part.shape[1]] = part
        return shot

    def _failed(self, message):
        """The message, with where the whole screen as it is now was kept."""
        try:
            return "%s; screen kept in %s" % (message, self.session.keep_shot(self.grab(), "failed"))
        except Exception as error:   # the window may be gone: the message still counts
            return "%s; no screen kept (%s)" % (message, error)

    def check(self, judgement, *args):
        """One judgement of the screen as it is now."""
        holds, seen = judgement(self.grab(self.judge.region(judgement, args)), *args)
        if not holds:
            raise AssertionError(self._failed(seen))
        return seen

    def expect(self, judgement, *args, within=SHOWN_SECONDS, what=None):
        """Waits for a judgement of the screen to hold."""
        what = what or "%s%s" % (judgement.__name__, args)
        region = self.judge.region(judgement, args)
        try:
            return wait_until(lambda: judgement(self.grab(region), *args), within, what)
        except WaitTimeout as error:
            raise WaitTimeout(self._failed(error))

    def expect_screen(self, picture, within=SCREEN_SECONDS, what=None):
        return self.expect(self.judge.screen_is, picture, within=within, what=what or "%s on screen" % picture)

    def expect_ring(self, level, k, within=SHOWN_SECONDS):
        return self.expect(self.judge.ring_drawn, level, k, within=within,
                           what="a ring over area %d of level %d" % (k, level))

    def expect_counter(self, kind, text, within=SHOWN_SECONDS):
        cell, = self.session.counters(kind, text)
        return self.expect(self.judge.counter_shows, cell, within=within, what="the %s showing %s" % (kind, text))

    def find(self, level, *areas):
        """Finds areas by clicking, each ring waited for before the next
        click (a click is judged by the next paint)."""
        for k in areas:
            self.click_area(level, k)
            self.expect_ring(level, k)

    # -------------------------------------------------------------- window
    def moves(self):
        return len(self.all("moved"))

    def wait_moved(self, seen, what):
        """Moves beyond the first seen come and settle (none for 0.3 s); the
        client's new place is kept."""
        wait_until(lambda: (self.moves() > seen, self.lines[-2:]), 5, what)
        count = self.moves()
        while True:
            time.sleep(0.3)
            if self.moves() == count:
                break
            count = self.moves()
        self.client = self.last("moved")
        return self.client

    # -------------------------------------------------------------- the end
    def running(self):
        return self.process.poll() is None

    def exit_status(self, within=SCREEN_SECONDS):
        """(the probe's exit code, which passes the game's on, its last word)."""
        wait_until(lambda: (not self.running(), "still running"), within, "the game to end")
        self.reader.join(5)
        ends = [line for line in self.lines if line.split()[:1] in (["exit"], ["stopped"], ["timeout"])]
        return self.process.returncode, " ".join(ends)

    def expect_exit_zero(self, what):
        status = self.exit_status()
        assert status == (0, "exit 0"), "%s: the game ended with %s, not (0, 'exit 0')" % (what, status)

    def stop(self):
        """Ends this game only: the probe terminates it when the stop file
        appears; the probe itself by its pid after that."""
        if self.running():
            open(self.stop_file, "w").close()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                stop_pid(self.process)
        self.reader.join(5)


def play_smoke(exe_path):
    """Plays exe_path on a display and Wine server of its own: the title,
    start, one find, the rest of level 1, and the cleared screen's exit
    button, which must end the game with exit status 0."""
    session = Session(Build(game=exe_path), name="smoke")
    try:
        game = session.launch()
        title = session.layout.title_picture
        game.expect_screen(title, within=30)
        game.expect(session.judge.button_shown, "start", title)
        game.click_button("start")
        game.expect_screen(session.layout.level_pictures[0])
        game.find(1, 0, 1, 2, 3, 4)
        game.expect_screen(session.layout.cleared_picture)
        game.expect(session.judge.button_shown, "level_exit", session.layout.cleared_picture)
        game.click_button("level_exit")
        game.expect_exit_zero("the cleared screen's exit button")
    finally:
        session.close()
