"""The harness that plays the built game from outside: a display and Wine
of its own, real clicks through the X server, and the screen judged against
the build's own bitmaps. See tests/README.md."""
from .game import Build, Game, Layout, Session, play_smoke
from .screen import Judge
from .waits import WaitTimeout, wait_until

__all__ = ["Build", "Game", "Judge", "Layout", "Session", "WaitTimeout", "play_smoke", "wait_until"]
