"""The processes a test starts: a virtual display, the Wine server of the
prefix, Wine programs tagged with the run they belong to. Each is stopped
by its own pid, and nothing else is."""
import ctypes
import fcntl
import os
import select
import shutil
import signal
import subprocess
import tempfile
import threading
import time
import uuid

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# wine-run.sh picks the prefix from TUMBLEWIT_TESTING.
PREFIXES = {"1": "wineprefix-test", "audio": "wineprefix-audio"}


def _die_with_parent():
    """Children get SIGTERM should this process die before it stops them."""
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)   # PR_SET_PDEATHSIG


def spawn(args, **options):
    return subprocess.Popen([str(a) for a in args], preexec_fn=_die_with_parent, **options)


def stop_pid(process, grace=3.0):
    """Asks a child to end, then makes it."""
    if process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Xvfb:
    """A display of its own: Xvfb picks a free number and writes it once it
    is ready, so runs started together never race for one."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = spawn(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        ready, _, _ = select.select([read_end], [], [], 20)
        if ready:
            number = os.read(read_end, 32).strip()
        self.display_pipe = read_end   # closed while Xvfb ran, it ended Xvfb (exit 1)
        if not number:
            self.stop()
            raise RuntimeError("Xvfb did not start within 20 s")
        self.display = ":" + number.decode()

    def stop(self):
        stop_pid(self.process)
        os.close(self.display_pipe)


class WineServer:
    """The prefix's Wine server kept up while it is needed: one left to
    itself exits three seconds after its last program, and a program started
    as it went died unseen. Where one already runs it is used and left alone."""

    def __init__(self, env):
        self.process = spawn(["wineserver", "-f", "-p"], env=env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            self.process.wait(0.5)   # another server answers: this one ends at once
            self.process = None
        except subprocess.TimeoutExpired:
            pass

    def stop(self):
        if self.process:
            stop_pid(self.process, grace=5.0)


class WineEnvironment:
    """The environment Wine programs of one test run in: its display, its
    prefix (through wine-run.sh) and a tag that finds every process of it.

    The prefix, and so the Wine server, is the test's own: tests that
    share a server share its capture and foreground window, and one test's
    click went to another's window. Its prefix is a hard-linked copy of the
    prepared one, reached through links to scripts/ from a folder of its
    own, so wine-run.sh prepares and runs it as it does the shared one."""

    def __init__(self, display, testing="1", extra=None):
        self.tag = "tumblewit-%s" % uuid.uuid4().hex[:12]
        self.env = dict(os.environ, DISPLAY=display, TUMBLEWIT_TESTING=testing, TUMBLEWIT_RUN_TAG=self.tag)
        self.env.update(extra or {})
        self.wine_run = os.path.join(ROOT, "scripts", "wine-run.sh")
        # Every kind is made at once, side by side: the audio test, which
        # runs alone, would otherwise spend its first 15 s making its own.
        makers = [threading.Thread(target=self._prepare, args=(kind,)) for kind in PREFIXES]
        for maker in makers:
            maker.start()
        for maker in makers:
            maker.join()
        shared = os.path.join(ROOT, "build", PREFIXES[testing])
        self.private_root = os.path.join(ROOT, "build", "harness-prefixes", self.tag)
        try:
            self._make_private(shared, PREFIXES[testing])
            self.server = WineServer(self.env)
        except BaseException:
            self.stop()
            raise

    def _prepare(self, testing):
        """The prepared prefix of one kind, which tests copy, made once: one
        test makes it while the others wait."""
        shared = os.path.join(ROOT, "build", PREFIXES[testing])
        env = dict(self.env, TUMBLEWIT_TESTING=testing, WINEPREFIX=shared)
        with open(shared + ".lock", "a") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            if not os.path.exists(os.path.join(shared, ".tumblewit-ready")):
                self.run(["cmd", "/c", "exit", "0"], timeout=300, env=env)
                subprocess.run(["wineserver", "-w"], env=env, timeout=60)

    def _make_private(self, shared, prefix_name):
        os.makedirs(os.path.join(self.private_root, "scripts"))
        os.makedirs(os.path.join(self.private_root, "build"))
        for name in os.listdir(os.path.join(ROOT, "scripts")):
            os.symlink(os.path.join(ROOT, "scripts", name), os.path.join(self.private_root, "scripts", name))
        prefix = os.path.join(self.private_root, "build", prefix_name)
        subprocess.run(["cp", "-al", shared, prefix], check=True)
        # The files at its top (the registry, wine-run.sh's notes) are
        # written to: copies, so that nothing written reaches the shared one.
        for name in os.listdir(prefix):
            if os.path.isfile(os.path.join(prefix, name)) and not os.path.islink(os.path.join(prefix, name)):
                os.unlink(os.path.join(prefix, name))
                shutil.copy2(os.path.join(shared, name), os.path.join(prefix, name))
        self.wine_run = os.path.join(self.private_root, "scripts", "wine-run.sh")
        self.env["WINEPREFIX"] = prefix

    def run(self, args, timeout=60, env=None):
        """A Wine program run to its end: (exit code, stdout, stderr). Its
        output goes through files: the Wine services it may start keep a
        pipe open for as long as the server runs."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            process = spawn([self.wine_run] + list(args), env=env or self.env, stdout=out, stderr=err)
            try:
                process.wait(timeout)
            except subprocess.TimeoutExpired:
                stop_pid(process)
                raise
            out.seek(0)
            err.seek(0)
            return process.returncode, out.read().decode(errors="replace").replace("\r", ""), \
                err.read().decode(errors="replace")

    def start(self, args, stderr=subprocess.DEVNULL, env=None):
        return spawn([self.wine_run] + list(args), env=env or self.env, stdout=subprocess.PIPE,
                                stderr=stderr)

    def kill_tagged(self):
        """Every process still carrying this run's tag, by pid."""
        marker = ("TUMBLEWIT_RUN_TAG=%s" % self.tag).encode()
        for name in os.listdir("/proc"):
            if not name.isdigit():
                continue
            try:
                with open("/proc/%s/environ" % name, "rb") as environ:
                    if marker in environ.read().split(b"\0"):
                        os.kill(int(name), signal.SIGKILL)
            except OSError:
                pass

    def stop(self):
        self.kill_tagged()
        time.sleep(0.1)
        if hasattr(self, "server"):
            self.server.stop()
        shutil.rmtree(self.private_root, ignore_errors=True)
