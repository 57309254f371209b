"""The built game heard. A private PulseAudio server with one null sink takes
what the game plays, through the Wine audio settings ./play.sh uses (the
audio prefix); the sink's monitor is recorded while the game is played with
real input, and hear.py matches the recording against the game's own WAVE
resources.

First the floor: the reference window plays the game's found and miss cues
at six releases, and the game's busy delay is timed; a game cue is held to
what a cue costs there, under the machine's load at the time. Then the play:
the title music from launch through its first loop, start, one find, nine
misses, back to the title, the music again.

TUMBLEWIT_AUDIO_FAULT=wrong|late|missing|pulse plays a game with a fault in
its sound instead (see faults.py), which this test must fail."""
import os
import shutil
import subprocess
import sys

import pytest

import faults
import hear
from harness import Build, Session
from harness.processes import spawn, stop_pid
from harness.waits import wait_until

HERE = os.path.dirname(os.path.abspath(__file__))
RATE = 44100
MUSIC_SECONDS = 37   # the music is 33.7 s long: the title stays up past its first loop
CUE_SPACING_MS = 1200   # each cue heard to its end before the next click


class SoundServer:
    """PulseAudio with its own socket, runtime folder and home, one null
    sink, no idle exit; raised priority, as a desktop's server has."""

    def __init__(self, work, keep):
        self.socket = os.path.join(work, "run", "native")
        os.makedirs(os.path.join(work, "run"))
        os.makedirs(os.path.join(work, "home"))
        env = dict(os.environ, HOME=os.path.join(work, "home"), XDG_RUNTIME_DIR=os.path.join(work, "run"))
        self.process = spawn(["pulseaudio", "-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1",
                              "--high-priority=yes", "--realtime=yes", "--log-level=info",
                              "--log-target=file:" + os.path.join(keep, "pulseaudio.log"),
                              "-L", "module-null-sink sink_name=tumblewit_test rate=%d channels=2" % RATE,
                              "-L", "module-native-protocol-unix socket=%s auth-anonymous=1" % self.socket],
                             env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.env = {"PULSE_SERVER": "unix:" + self.socket}
        answers = lambda: (subprocess.run(["pactl", "info"], env=dict(os.environ, **self.env),
                                          capture_output=True).returncode == 0, "no answer from pactl info")
        wait_until(answers, 10, "the private PulseAudio server")


class Recorder:
    """parec on the sink's monitor into timed_record.py, which stamps the
    recording's start on the clicks' clock; stall_watch.py beside it."""

    def __init__(self, keep, server_env):
        self.raw = os.path.join(keep, "recording.raw")
        env = dict(os.environ, **server_env)
        self.parec = spawn(["nice", "-n", "-10", "parec", "--device=tumblewit_test.monitor", "--raw",
                            "--format=s16le", "--rate=%d" % RATE, "--channels=2", "--latency-msec=10"],
                           env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.writer = spawn(["nice", "-n", "-10", sys.executable, os.path.join(HERE, "timed_record.py"), self.raw,
                             RATE], stdin=self.parec.stdout)
        self.parec.stdout.close()
        self.stalls = os.path.join(keep, "stalls.txt")
        self.watch = spawn([sys.executable, os.path.join(HERE, "stall_watch.py"), self.stalls])
        grown = lambda: (os.path.exists(self.raw) and os.path.getsize(self.raw) > RATE * 2, "too little recorded")
        wait_until(grown, 10, "the recording to run")

    def stop(self):
        """Ending parec ends the pipe, and the recorder writes its start."""
        stop_pid(self.parec)
        try:
            self.writer.wait(10)
        finally:
            stop_pid(self.writer)
            stop_pid(self.watch)


@pytest.fixture
def audio(request):
    for tool in ("pulseaudio", "parec", "pactl"):
        if not shutil.which(tool):
            pytest.skip("no PulseAudio server to play into (%s missing: Debian's pulseaudio and pulseaudio-utils; "
                        "./test.sh installs them where it can)" % tool)
    build = Build()
    keep = os.path.join(build.dir, "audio-test")
    shutil.rmtree(keep, ignore_errors=True)
    os.makedirs(keep)
    fault = os.environ.get("TUMBLEWIT_AUDIO_FAULT", "")
    if fault:
        build.game = faults.game_with(fault, build)
    stoppers = []
    request.addfinalizer(lambda: [stop() for stop in reversed(stoppers)])
    work = os.path.join(keep, "server")
    server = SoundServer(work, keep)
    stoppers.append(lambda: stop_pid(server.process))
    env = dict(server.env, TUMBLEWIT_AUDIO_DRIVER=faults.driver(fault))
    session = Session(build, name="audio", testing="audio", env=env)
    stoppers.append(session.close)
    return session, keep


def test_audio(audio):
    session, keep = audio
    layout, judge = session.layout, session.judge
    recorder = Recorder(keep, {"PULSE_SERVER": session.wine.env["PULSE_SERVER"]})
    events = {}
    trace = open(os.path.join(keep, "wine-trace.txt"), "wb")
    # Wine's own trace says when each PlaySound call was made, on the
    # clicks' clock: the game's share of a cue's time, apart from Wine's.
    traced = {"WINEDEBUG": os.environ.get("TUMBLEWIT_AUDIO_TRACE", "+timestamp,+winmm")}
    try:
        # The floor: six cues played by the reference window at the release.
        events["ref-launch"] = session.xdrive.now()
        reference = session.launch(session.build.reference, "TumblewitReference", ["sound", "Z:" + session.build.game],
                                   env=traced, stderr=trace)
        events["ref-window"] = session.xdrive.now()
        for n in range(1, 7):
            session.until_clock(events.get("ref%d" % (n - 1), events["ref-window"]) + CUE_SPACING_MS)
            x, y = reference.to_screen((200, 200))
            filled = session.xdrive.timed("clickwait", x, y, x - 5, y - 5, 10, 10, 50, 3000)
            assert filled, "the reference window did not fill itself after click %d" % n
            events["ref%d" % n] = filled[1]
        session.until_clock(events["ref6"] + CUE_SPACING_MS)
        reference.stop()

        events["launch"] = session.xdrive.now()
        game = session.launch(env=traced, stderr=trace)
        events["window"] = session.xdrive.now()
        game.expect_screen(layout.title_picture, within=30)
        game.expect(judge.button_shown, "start", layout.title_picture)
        session.until_clock(events["launch"] + MUSIC_SECONDS * 1000)
        events["start"] = game.click_button("start")
        game.expect_screen(layout.level_pictures[0])
        session.until_clock(events["start"] + 1500)
        events["find"] = game.click_area(1, 0)
        game.expect_ring(1, 0)
        miss, last = layout.miss_points(1)[0], "find"
        for n in range(1, 10):
            session.until_clock(events[last] + CUE_SPACING_MS)
            events["miss%d" % n] = game.click(miss)
            last = "miss%d" % n
            if n < 9:
                game.expect_counter("misses", str(9 - n))
        game.expect_screen(layout.game_over_picture)
        game.expect(judge.button_shown, "back", layout.game_over_picture)
        session.until_clock(events["miss9"] + CUE_SPACING_MS)
        events["back"] = game.click_button("back")
        game.expect_screen(layout.title_picture)
        session.until_clock(events["back"] + 3000)
        events["end"] = session.xdrive.now()
        game.stop()
    finally:
        recorder.stop()
        trace.close()
    with open(os.path.join(keep, "events.txt"), "w") as out:
        out.writelines("%s %.6f\n" % (label, ms / 1000) for label, ms in events.items())

    # The busy delay the game's paint runs, timed now, under the same load: a
    # release can wait for the paint under way before its cue is asked for.
    code, out, _ = session.wine.run([session.build.reference, "delay", "15"])
    delay = [line.split()[1:] for line in out.splitlines() if line.startswith("delay ")]
    assert code == 0 and delay, "the reference did not time the busy delay: %s" % out
    failures = hear.judge(recorder.raw, RATE, {k: v / 1000 for k, v in events.items()}, session.build.pictures,
                          (float(delay[0][0]), float(delay[0][2])), recorder.stalls,
                          os.path.join(keep, "wine-trace.txt"), report=os.path.join(keep, "report.txt"))
    assert not failures, "%d checks of the recording failed (kept in %s):\n%s" % (
        len(failures), keep, "\n".join(failures))
