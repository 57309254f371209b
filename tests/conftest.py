"""pytest's side of the harness: a session (display, Wine server, xdrive,
layout) for each test, stopped whatever way the test ends."""
import signal
import sys

import pytest

from harness import Session


def _stop_on_sigterm(*_):
    sys.exit(143)   # CTest's timeout ends the test this way: the finalizers still run


signal.signal(signal.SIGTERM, _stop_on_sigterm)


@pytest.fixture
def session(request):
    started = Session(name=request.node.name[len("test_"):])
    request.addfinalizer(started.close)
    return started


def pytest_sessionfinish(session, exitstatus):
    """A run whose tests were all skipped is CTest's skip (77), not a pass."""
    reporter = session.config.pluginmanager.get_plugin("terminalreporter")
    if exitstatus == 0 and reporter and reporter.stats.get("skipped") and not reporter.stats.get("passed"):
        session.exitstatus = 77
