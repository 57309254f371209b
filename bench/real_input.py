"""The real-input benchmark: the built game played through the X server on
the test harness (tests/harness), every figure timed by xdrive from a
click's release to the moment the pixels on the screen changed (XGetImage
polled every millisecond).

The same run times a reference Win32 window that only fills itself on
WM_LBUTTONUP (the floor of this setup: X server, Wine's input handling,
Wine's way to the screen), and the game's busy delay D, before, between the
games and after. The host's pauses are timed by xdrive's real-time
watchers: a sample during which the host stopped any core waited for the
host, not only for the game; it counts in the raw p99 but is set aside from
the rest. (Taking the pause's length off instead fell short: the cores stop
for different lengths, and a click waits for the core its work is on.)

    real_input.py BUILD_DIR [GAMES]    (bench.sh runs it on build/bench)
"""
import math
import os
import random
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
from harness import Build, Session  # noqa: E402
from harness.waits import wait_until  # noqa: E402

# In the top left of the window: no button, counter or ring on any screen,
# and every picture that follows another differs there. Small, so that one
# read of it costs little next to what is timed.
SCREEN_REGION = (20, 20, 200, 60)
SCREEN_MIN = 3000
ROWS = [  # row, what, the goal's slack over the reference's p99 + D (ms)
    ("first", "first click of each level to its ring", 5), ("ring", "click to ring (later clicks)", 5),
    ("misses", "click to misses-left digit", 5), ("hint", "hint press to ring", 5),
    ("start", "start press to level picture", 16), ("next", "next press to level picture", 16),
    ("restored", "restore from minimised to picture", 16), ("maximised", "maximise to picture", 16),
    ("unmaximised", "restore from maximised to picture", 16)]


class Bench:
    def __init__(self, session):
        self.session, self.xdrive = session, session.xdrive
        self.samples, self.raw, self.aside, self.lost = {}, {}, {}, {}
        self.delays, self.d = [], 0.0
        self.watched = self.xdrive.ask("watchpauses") == ["realtime"]
        self.log = open(os.environ["SAMPLE_LOG"], "w") if os.environ.get("SAMPLE_LOG") else None

    def record(self, row, timed):
        """A timed sample into its row; False, and counted lost, when it did not come."""
        if not timed:
            self.lost[row] = self.lost.get(row, 0) + 1
            return False
        ms, at = timed
        every = anyone = 0.0
        if self.watched:
            every, anyone = (float(v) for v in self.xdrive.ask("paused", at, at + ms))
        self.raw.setdefault(row, []).append(ms)
        if anyone > 0:
            self.aside[row] = self.aside.get(row, 0) + 1
        else:
            self.samples.setdefault(row, []).append(ms)
        if self.log:
            self.log.write("%s ok %.3f %.3f %.3f %.3f\n" % (row, ms, at, every, anyone))
        return True

    def sample(self, row, game, click, region, minimum, timeout=5000):
        """A click at a client point, timed until minimum pixels of the
        client region changed; False when they did not within the timeout."""
        x, y, w, h = region
        return self.record(row, self.xdrive.timed("clickwait", *game.to_screen(click), *game.to_screen((x, y)), w, h,
                                                  minimum, timeout))

    def time_busy_delay(self, when):
        """Before, between the games and after: this machine's pace moved by
        two times within one run, and a click waits for the delay at
        whatever pace it then runs. D is the largest median."""
        print("bench: timing the busy delay (%s)" % when, file=sys.stderr)
        _, out, _ = self.session.wine.run([self.session.build.reference, "delay", "15"])
        median, low, high = next(line.split()[1:4] for line in out.splitlines() if line.startswith("delay "))
        self.delays.append("%s %s (%s-%s)" % (when, median, low, high))
        self.d = max(self.d, float(median))

    def launch(self, program, window_class):
        game = self.session.launch(program, window_class, timeout=900)
        if window_class == "ViewBMPWinClass":
            game.expect_screen(self.session.layout.title_picture, within=20)
        else:   # the reference shows one colour once it is up
            game.expect(lambda shot: ((shot == shot[0, 0]).all(), "not yet one colour"), within=10)
        return game


def pause(low, high):
    time.sleep(random.randint(low, high) / 1000)


def reference_clicks(bench):
    print("bench: the reference window", file=sys.stderr)
    game = bench.launch(bench.session.build.reference, "TumblewitReference")
    w, h = game.client[2:]
    for _ in range(80):
        x, y = random.randint(40, w - 40), random.randint(40, h - 40)
        bench.sample("reference", game, (x, y), (x - 5, y - 5, 10, 10), 50, 3000)
        pause(60, 250)
    game.stop()


def next_move(game, seen):
    """The probe's next "moved" line and the lines after it, once no other
    follows for a moment (a minimised window's caption comes a moment after
    its client area, on a line of its own)."""
    wait_until(lambda: (game.moves() > seen, game.lines[-2:]), 5, "the window to move")
    printed = len(game.lines)
    for _ in range(20):
        time.sleep(0.15)
        if len(game.lines) == printed:
            break
        printed = len(game.lines)
    return game.moves(), game.last("moved"), game.last("caption")


def window_phase(bench, program, window_class, prefix):
    """Minimised and restored, maximised and restored back, through the
    buttons of the caption Wine draws, each timed from the release until a
    patch of the window as it first showed is back where the client now is."""
    game = bench.launch(program, window_class)
    caption, seen, maximised_at = game.last("caption"), 0, None
    patch = os.path.join(bench.session.work, "patch.ppm")
    bench.xdrive.ask("grab", game.client[0] + 20, game.client[1] + 20, 40, 30, patch)

    def press(button, row=None, client=None):
        """A caption button (0 minimise or restore, 2 maximise or restore),
        timed into the row when it has one; then its move, and a pause."""
        nonlocal caption, seen
        point = caption[button:button + 2]
        if row:
            bench.record(row, bench.xdrive.timed("clickmatch", *point, client[0] + 20, client[1] + 20, 40, 30, patch,
                                                 24, 5000))
        else:
            bench.xdrive.click(*point)
        seen, moved, caption = next_move(game, seen)
        pause(200, 400)
        return moved

    for _ in range(8):
        press(0)
        press(0, prefix + "restored", game.client)
        # Where the maximised client will be is known from the first time.
        if maximised_at is None:
            maximised_at = press(2)
        else:
            press(2, prefix + "maximised", maximised_at)
        # A plain background is the same patch inside the maximised client,
        # so the reference's restore from maximised cannot be seen; untimed.
        press(2, None if prefix else "unmaximised", game.client)
    game.stop()


def play_game(bench):
    session, layout = bench.session, bench.session.layout
    game = bench.launch(session.build.game, "ViewBMPWinClass")
    ring_top = lambda level, k: (layout.area_centre(level, k)[0] - 4, layout.area(level, k)[1], 9, 5)
    if not bench.sample("start", game, layout.button_centre("start"), SCREEN_REGION, SCREEN_MIN, 10000):
        return game
    misses = hints = 0
    for level in range(1, layout.level_count + 1):
        pause(150, 400)
        bench.sample("first", game, layout.area_centre(level, 0), ring_top(level, 0), 8)
        first_left = 1
        if level % 4 == 0 and hints < 3:
            pause(150, 400)
            bench.sample("hint", game, layout.button_centre("hint"), ring_top(level, 1), 8)
            hints, first_left = hints + 1, 2
        if level % 2 == 1 and misses < 8:
            pause(150, 400)
            cell, = session.counters("misses", str(9 - misses))
            bench.sample("misses", game, layout.miss_points(level)[0], cell.rect, 15)
            misses += 1
        for k in range(first_left, layout.areas_per_level):
            pause(120, 400)
            bench.sample("ring", game, layout.area_centre(level, k), ring_top(level, k), 8)
        # The cleared (or final) picture follows the second's pause.
        x, y, w, h = SCREEN_REGION
        if not bench.xdrive.timed("waitchange", *game.to_screen((x, y)), w, h, SCREEN_MIN, 6000):
            break
        if level == layout.level_count:
            break
        pause(300, 600)
        if not bench.sample("next", game, layout.button_centre("next"), SCREEN_REGION, SCREEN_MIN, 10000):
            break
    return game


def stats(values):
    """(n, median, p99, max): the p99 is the sample at 99 % of the row,
    rounded up, so a row of 100 samples or fewer gives its slowest."""
    if not values:
        return 0, None, None, None
    v = sorted(values)
    return len(v), v[(len(v) + 1) // 2 - 1], v[max(math.ceil(0.99 * len(v)), 1) - 1], v[-1]


def table(bench):
    fmt = "%-44s %4s %7s %7s %7s %7s %5s %7s %8s %9s %7s %s"
    show = lambda x: "-" if x is None else "%.1f" % x
    heads = ("what", "n", "median", "p99", "max", "raw p99", "aside", "p99/ref", "p99 - D", "goal p99", "result",
             "lost")
    lines = [fmt % heads, fmt % tuple("-" * len(h) for h in heads)]

    def row(key, what, rest):
        n, med, p99, top = stats(bench.samples.get(key, []))
        lines.append(fmt % ((what, n, show(med), show(p99), show(top), show(stats(bench.raw.get(key, []))[2]),
                             bench.aside.get(key, 0)) + rest(p99) + (bench.lost.get(key, 0),)))
        return p99

    ref_p99 = row("reference", "reference window: click to its fill", lambda _: ("1.00", "-", "floor", "-"))
    # The reference's own window rows: what Wine takes to give back a window
    # whose paint only fills its background. Beside the goals, not in them.
    row("reference_restored", "reference window: restore from minimised", lambda _: ("-", "-", "floor", "-"))
    row("reference_maximised", "reference window: maximise", lambda _: ("-", "-", "floor", "-"))
    for key, what, slack in ROWS:
        goal = (ref_p99 or 0) + bench.d + slack
        lost = bench.lost.get(key, 0)
        row(key, what, lambda p99: ("-", "-", "-", "MISS (no samples)") if p99 is None else (
            "%.1fx" % (p99 / (ref_p99 or 1)), "%.1f" % (p99 - bench.d), "<= %.1f" % goal,
            "PASS" if p99 <= goal and lost == 0 else "MISS"))
    return lines


def steal_seconds():
    """CPU time the host took from this machine (steal, in /proc/stat), in
    CPU seconds over all cores: a run in which the host took much is slow
    for reasons not of the game's."""
    with open("/proc/stat") as f:
        fields = f.readline().split()
    return int(fields[8]) / os.sysconf("SC_CLK_TCK")


def run(build_dir, games=4):
    """Plays the benchmark; returns its info lines and its table."""
    build = Build(build=build_dir)
    build.probe = os.path.join(build_dir, "bench", "e2e_probe.exe")
    session = Session(build, name="bench")
    try:
        bench = Bench(session)
        steal_before, started = steal_seconds(), time.monotonic()
        bench.time_busy_delay("before")
        reference_clicks(bench)
        print("bench: minimise, maximise and restore (the reference window)", file=sys.stderr)
        window_phase(bench, build.reference, "TumblewitReference", "reference_")
        print("bench: minimise, maximise and restore (the game)", file=sys.stderr)
        window_phase(bench, build.game, "ViewBMPWinClass", "")
        for g in range(1, games + 1):
            if g > 1:
                bench.time_busy_delay("after game %d" % (g - 1))
            print("bench: game %d of %d" % (g, games), file=sys.stderr)
            play_game(bench).stop()
        bench.time_busy_delay("after")
        info = ["busy delay D (10,000,000 iterations under Wine, median and range of 15 runs, ms): %s; D = %.2f ms, "
                "the largest median" % (", ".join(bench.delays), bench.d),
                "steal time (CPU the host took from this machine) during the run: %.1f CPU seconds (all cores) in "
                "%d s" % (steal_seconds() - steal_before, time.monotonic() - started)]
        if bench.watched:
            count, total, longest, watched = bench.xdrive.ask("pauses")
            info.append("the host's pauses (every core stopped at once, seen by a real-time thread on each core "
                        "waking 2 ms or more late): %s in %s s, %s ms in all, the longest %s ms; %d samples, during "
                        "which any core was stopped, set aside" % (count, watched, total, longest,
                                                                   sum(bench.aside.values())))
        else:
            info.append("the host's pauses: not timed (no real-time thread allowed), so no sample is set aside")
        return info, table(bench)
    finally:
        session.close()


if __name__ == "__main__":
    info_lines, rows = run(os.path.abspath(sys.argv[1]), int(sys.argv[2]) if len(sys.argv) > 2 else 4)
    print("\n".join(["  " + line for line in info_lines] + [""] + rows))
