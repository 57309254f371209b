"""The one wait policy: a condition polled until it holds or its deadline
passes, and a failure that says what was waited for and what was seen."""
import time


class WaitTimeout(AssertionError):
    pass


def wait_until(condition, deadline, what, poll=0.02):
    """Polls condition() until it holds; deadline is in seconds from now.

    condition returns (holds, seen): seen says what it found, for the
    message when the deadline passes. Returns the last seen."""
    give_up = time.monotonic() + deadline
    while True:
        holds, seen = condition()
        if holds:
            return seen
        if time.monotonic() > give_up:
            raise WaitTimeout("waited %.1f s for %s; last saw: %s" % (deadline, what, seen))
        time.sleep(poll)
