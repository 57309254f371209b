"""The built game played from outside, as a player plays it: real clicks
through the X server at client coordinates, every step judged from what the
screen shows. One scenario a test, each with a fresh game process.

Input the player did not mean (the last five) must not count. Whether it
did is read from a later event: the game handles input in order, so once
the answer to a later click is on the screen, a wrong judgement of the
earlier input would be there too. Each ends with the same input made on
purpose, which must count, so that the spots and timings are known to
matter."""
from harness.screen import red_count

PAUSE_MS = 1000   # the second's pause between the fifth find and the cleared screen


def open_title(session):
    game = session.launch()
    game.expect_screen(session.layout.title_picture, within=30)
    game.expect(session.judge.button_shown, "start", session.layout.title_picture)
    return game


def start_level_one(session):
    game = open_title(session)
    game.click_button("start")
    game.expect_screen(session.layout.level_pictures[0])
    return game


def expect_counters(game, misses, score):
    game.expect_counter("misses", misses)
    game.expect_counter("score", score)


def expect_buttons(game, picture, shown=(), absent=()):
    """The buttons a picture shows waited for, then those it must not show checked."""
    for button in shown:
        game.expect(game.judge.button_shown, button, picture)
    for button in absent:
        game.check(game.judge.button_absent, button, picture)


def next_level(game, level):
    """From a level's cleared screen, once its next button shows, on to the next."""
    game.expect_screen(game.layout.cleared_picture, what="level %d cleared" % level)
    game.expect(game.judge.button_shown, "next", game.layout.cleared_picture)
    game.click_button("next")


def close_window(game):
    """The caption's close button, as a player closes the window. (A key would
    do, but the tests share one Wine server, whose foreground window may be
    another test's.)"""
    game.xdrive.click(*game.last("caption")[4:6])
    game.expect_exit_zero("closing the window")


def click_and_time(game, point, rect, minimum, failure):
    """(ms, release): a click until minimum pixels of a client rectangle
    changed, watched by xdrive itself (a poll from here could see it late)."""
    x, y, w, h = rect
    timed = game.xdrive.timed("clickwait", *game.to_screen(point), *game.to_screen((x, y)), w, h, minimum, 3000)
    assert timed, failure
    return timed


def second_click(game, point, first, gap_ms):
    """A double click's second click, well inside the double-click time."""
    game.session.until_clock(first + gap_ms)
    second = game.click(point)
    assert second - first < game.layout.double_click_ms * 3 / 4, "the second click came %d ms after the first, " \
        "not well inside the double-click time of %d ms" % (second - first, game.layout.double_click_ms)
    return second


def find_then_miss(game, point, not_before=0):
    """The later event: a find, with no miss before it; then the player's own
    click at the point, no sooner than not_before, which is a miss."""
    game.find(1, 0)
    expect_counters(game, "9", "110")
    game.session.until_clock(not_before)
    game.click(point)
    expect_counters(game, "8", "100")


def both(first, second):
    return first[0] and second[0], "%s; %s" % (first[1], second[1])


def test_exit_from_title(session):
    game = open_title(session)
    expect_buttons(game, session.layout.title_picture, shown=["title_exit"], absent=["next", "hint"])
    game.click_button("title_exit")
    game.expect_exit_zero("the title's exit button")


def test_level_one(session):
    layout, judge = session.layout, session.judge
    level = layout.level_pictures[0]
    timer = session.counters("timer", *("%02d" % s for s in range(60, 50, -1)))
    game = start_level_one(session)
    expect_buttons(game, level, shown=["hint"], absent=["start"])
    # The counters are drawn over the lower part of the title's exit spot.
    x, y, w, _ = layout.spot("title_exit")
    game.check(judge.button_absent, "title_exit", level, (x, y, w, 40))
    expect_counters(game, "9", "100")

    # The countdown moves on its own: from the second it shows to the next.
    shown = game.expect(lambda shot: next(((True, c) for c in timer if judge.counter_shows(shot, c)[0]),
                                          (False, "no second from 60 to 51")), what="the timer's seconds")
    game.expect(judge.counter_shows, timer[timer.index(shown) + 1], what="the countdown's next second")

    # A miss: one miss fewer, ten points fewer, and no ring anywhere.
    l, t, r, b = layout.altered_scene
    red_before = red_count(game.grab()[t:b, l:r])
    game.click(layout.miss_points(1)[0])
    expect_counters(game, "8", "090")
    assert red_count(game.grab()[t:b, l:r]) - red_before <= 5, "a miss drew red in the altered scene"
    for k in range(layout.areas_per_level):
        game.check(judge.ring_absent, 1, k)

    # Finds: each rings its own area and leaves the others alone.
    game.find(1, 0)
    expect_counters(game, "8", "100")
    for k in range(1, 5):
        game.check(judge.ring_absent, 1, k)
    game.find(1, 1, 2, 3)
    # The fifth ring stays up through the second's pause, with the others.
    game.click_area(1, 4)
    game.expect_ring(1, 4, within=1.5)
    for k in range(4):
        game.check(judge.ring_drawn, 1, k)

    game.expect_screen(layout.cleared_picture)
    expect_buttons(game, layout.cleared_picture, shown=["next", "level_exit"])
    # The hint spot reaches down over the next button: look above it.
    hx, hy, hw, _ = layout.spot("hint")
    game.check(judge.button_absent, "hint", layout.cleared_picture, (hx, hy, hw, layout.spot("next")[1] - hy))
    game.click_button("level_exit")
    game.expect_exit_zero("the level-cleared exit button")


def test_game_over(session):
    layout = session.layout
    miss = layout.miss_points(1)[0]

    def nine_misses(game):
        for n in range(1, 9):
            game.click(miss)
            game.expect_counter("misses", str(9 - n))
        game.click(miss)
        game.expect_screen(layout.game_over_picture)

    game = start_level_one(session)
    expect_counters(game, "9", "100")
    nine_misses(game)
    expect_buttons(game, layout.game_over_picture, shown=["back", "game_over_exit"], absent=["hint", "next"])
    game.click_button("back")
    game.expect_screen(layout.title_picture)
    expect_buttons(game, layout.title_picture, shown=["start", "title_exit"], absent=["back", "game_over_exit"])

    # A new game starts afresh, and plays.
    game.click_button("start")
    game.expect_screen(layout.level_pictures[0])
    expect_counters(game, "9", "100")
    game.find(1, 2)
    # Out again by nine misses (a find costs none), then the game-over
    # screen's own exit button.
    nine_misses(game)
    expect_buttons(game, layout.game_over_picture, shown=["game_over_exit"])
    game.click_button("game_over_exit")
    game.expect_exit_zero("the game-over exit button")


def test_play_through(session):
    layout, judge = session.layout, session.judge
    game = start_level_one(session)
    for level in range(1, layout.level_count + 1):
        game.expect_screen(layout.level_pictures[level - 1], what="level %d on screen" % level)
        if level == 2:
            # A hint rings the first unfound area; the button shows what is left.
            game.expect(judge.hint_image_is, "bh_1")
            game.click_button("hint")
            game.expect_ring(2, 0)
            game.expect(judge.hint_image_is, "bh_2")
            game.find(2, 2)
            game.click_button("hint")
            game.expect_ring(2, 1)   # area 0 found, area 1 the first unfound
            game.check(judge.ring_absent, 2, 3)
            game.expect(judge.hint_image_is, "bh_3")
            game.find(2, 3)
            game.click_area(2, 4)
        elif level == 3:
            # The last hint finds the fifth area: the level is cleared.
            game.expect(judge.hint_image_is, "bh_3")
            game.find(3, 0, 1, 2, 3)
            game.click_button("hint")
        else:
            game.find(level, 0, 1, 2, 3)
            if level == 4:
                game.expect(judge.hint_image_is, "bh_4")
            game.click_area(level, 4)
        if level < layout.level_count:
            next_level(game, level)
    game.expect_screen(layout.final_picture)
    expect_buttons(game, layout.final_picture, absent=["next", "level_exit", "hint"])
    close_window(game)


def test_fast_player(session):
    """Bursts of finds (f) and misses (m) at 8 a second, each the moment its
    level shows, every one on its own spot: every one is counted."""
    layout = session.layout
    plans = ["f0 m f1 f2 m f3 m", "f0 m f1 m f2 f3", "f0 m f1 m f2"]
    misses, scores = ["6", "4", "2"], ["110", "140", "160"]
    session.counters("misses", *misses)
    session.counters("score", *scores)
    game = start_level_one(session)
    for level in (1, 2, 3):
        game.expect_screen(layout.level_pictures[level - 1])
        steps, spare_misses = plans[level - 1].split(), iter(layout.miss_points(level)[::3])
        game.clicks(125, [next(spare_misses) if step == "m" else layout.area_centre(level, int(step[1]))
                          for step in steps])
        for k in (int(step[1]) for step in steps if step != "m"):
            game.expect_ring(level, k)
        expect_counters(game, misses[level - 1], scores[level - 1])
        if level < 3:
            game.click_area(level, 4)
            next_level(game, level)
    close_window(game)


def test_double_click_fifth(session):
    """The fifth find double-clicked, the second click in the pause where
    the cleared screen's exit button will stand: it presses nothing."""
    layout, judge = session.layout, session.judge
    fifth = layout.area_centre(1, 3)
    assert layout.inside_spot("level_exit", fifth), "area 3's centre is not under the cleared screen's exit"
    game = start_level_one(session)
    game.find(1, 0, 1, 2, 4)
    game.clicks(100, [fifth, fifth])
    # On a loaded machine the ring can show only after the second release.
    game.expect(lambda shot: both(judge.ring_drawn(shot, 1, 3), judge.screen_is(shot, layout.level_pictures[0])),
                what="the double-clicked fifth ring over level 1")
    # The later event: next, pressed now, opens level 2 with the finds
    # scored once; had the exit been pressed the game would be gone.
    next_level(game, 1)
    game.expect_screen(layout.level_pictures[1])
    expect_counters(game, "9", "150")
    close_window(game)


def click_in_the_pause(session, button):
    """Level 1 to its fifth find, then a click at the middle of a cleared
    screen button's spot the moment the fifth ring shows."""
    layout, judge = session.layout, session.judge
    game = start_level_one(session)
    game.find(1, 0, 1, 2, 3)
    l, t, r, b = layout.area(1, 4)
    ms, released = click_and_time(game, layout.area_centre(1, 4), ((l + r) // 2 - 4, t, 9, 5), 8,
                                  "the fifth find's ring did not show within 3 s")
    clicked = game.click_button(button)
    assert clicked - (released + ms) < PAUSE_MS / 2, "the click at the %s spot came %d ms after the ring: not " \
        "well inside the pause" % (button, clicked - (released + ms))
    game.check(lambda shot: both(judge.ring_drawn(shot, 1, 4), judge.screen_is(shot, layout.level_pictures[0])))
    game.expect_screen(layout.cleared_picture)
    return game


def test_pause_clicks(session):
    layout = session.layout
    # At the exit's spot: then next, pressed now, opens level 2.
    game = click_in_the_pause(session, "level_exit")
    next_level(game, 1)
    game.expect_screen(layout.level_pictures[1])
    close_window(game)
    # At next's spot: then the exit, pressed now, ends the game (on level 2
    # its spot would end nothing).
    game = click_in_the_pause(session, "next")
    expect_buttons(game, layout.cleared_picture, shown=["level_exit"])
    game.click_button("level_exit")
    game.expect_exit_zero("the exit button pressed on the cleared screen")


def test_double_click_start(session):
    """A double click on start whose second click comes once level 1 is up
    (as soon as it shows, no sooner than a quick hand's 60 ms), where the
    start button was: it is no click on the level."""
    layout = session.layout
    game = open_title(session)
    start = layout.button_centre("start")
    _, first = click_and_time(game, start, (0, 0, 640, 150), 640 * 150 // 5,
                              "the first click of the double click changed nothing on the screen within 3 s")
    second = second_click(game, start, first, 60)
    game.expect_screen(layout.level_pictures[0])
    # After the double-click time, a click there is the player's.
    find_then_miss(game, start, not_before=second + layout.double_click_ms + 100)
    close_window(game)


def test_title_bar_double_click(session):
    """A double click on the caption Wine draws maximises the window; its
    second release lands in the client area, with no press there."""
    layout = session.layout
    game = start_level_one(session)
    caption = game.last("caption")
    assert caption, "the probe reported no caption buttons"
    expect_counters(game, "9", "100")
    press = (game.client[0] + game.client[2] // 2, caption[1])
    seen = game.moves()
    game.xdrive.clicks(100, [press, press])
    cx, cy, cw, ch = game.wait_moved(seen, "the title-bar double click to move the window")
    assert cw > layout.client_size[0] and ch > layout.client_size[1], "not maximised: client %dx%d" % (cw, ch)
    release = (press[0] - cx, press[1] - cy)
    assert 0 < release[0] < cw and release[1] > 0, "the second release %s is not over the client" % (release,)
    game.expect_screen(layout.level_pictures[0])
    # A press and release of its own there is judged.
    find_then_miss(game, release)
    close_window(game)


def test_maximise_restore(session):
    """Maximised and restored mid-level through the caption's button: the
    panels show the current counts throughout, and a count drawn while the
    window is large stays in its panel, not in the blank below the picture."""
    layout, judge = session.layout, session.judge
    level = layout.level_pictures[0]
    misses = layout.miss_points(1)
    game = start_level_one(session)
    assert game.last("caption"), "the probe reported no caption buttons"
    own_size = game.client[2:]
    game.find(1, 0)
    game.click(misses[0])
    expect_counters(game, "8", "100")

    seen = game.moves()
    game.xdrive.click(*game.last("caption")[2:4])
    _, _, cw, ch = game.wait_moved(seen, "the maximise button to move the window")
    assert cw > layout.client_size[0] and ch > layout.client_size[1], "not maximised: client %dx%d" % (cw, ch)
    game.expect_screen(level)
    expect_counters(game, "8", "100")
    game.expect(judge.blank_beyond, level)
    game.click(misses[1])
    expect_counters(game, "7", "090")
    game.expect(judge.blank_beyond, level)

    seen = game.moves()
    game.xdrive.click(*game.last("caption")[2:4])
    game.wait_moved(seen, "the restore button to move the window")
    assert game.client[2:] == own_size, "restored to %s, not %s" % (game.client[2:], own_size)
    game.expect_screen(level)
    expect_counters(game, "7", "090")
    game.click(misses[2])
    expect_counters(game, "6", "080")
    close_window(game)


def overlap_centre(layout, first, second):
    """The middle of the part of the screen two buttons' spots share."""
    ax, ay, aw, ah = layout.spot(first)
    bx, by, bw, bh = layout.spot(second)
    left, top, right, bottom = max(ax, bx), max(ay, by), min(ax + aw, bx + bw), min(ay + ah, by + bh)
    assert left < right and top < bottom, "the %s and %s spots do not overlap" % (first, second)
    return (left + right) // 2, (top + bottom) // 2


def test_double_click_next(session):
    """A double click on next where the next level's hint button will
    stand: its second click, 120 or 250 ms after the first and once level 2
    is up, spends no hint. The player's own click there afterwards does."""
    layout, judge = session.layout, session.judge
    spot = overlap_centre(layout, "next", "hint")
    hint = layout.spot("hint")
    for gap in (120, 250):
        game = start_level_one(session)
        game.find(1, 0, 1, 2, 3)
        game.click_area(1, 4)
        game.expect_screen(layout.cleared_picture)
        game.expect(judge.button_shown, "next", layout.cleared_picture)
        _, first = click_and_time(game, spot, hint, hint[2] * hint[3] // 5,
                                  "next's click changed nothing where the hint button stands within 3 s")
        second = second_click(game, spot, first, gap)
        game.expect_screen(layout.level_pictures[1])
        # The later event: the player's own press there gives the game's
        # first hint (area 0, "bh_2"); a hint spent by the double click
        # would make it the second (area 1, "bh_3").
        session.until_clock(second + layout.double_click_ms + 100)
        game.click(spot)
        game.expect_ring(2, 0)
        game.expect(judge.hint_image_is, "bh_2")
        game.check(judge.ring_absent, 2, 1)
        close_window(game)


def blank_margin(shot):
    """How many columns at the right and rows at the bottom of a client area
    show nothing but the window's white."""
    white = (shot >= 250).all(axis=2)
    h, w = white.shape
    columns = next((n for n in range(w) if not white[:, w - 1 - n].all()), w)
    rows = next((n for n in range(h) if not white[h - 1 - n, :].all()), h)
    return columns, rows


def test_picture_fills_the_window(session):
    """The window's client area is the layout's, so the picture fills it as
    on Windows: framed by Wine itself, and by a window manager."""
    layout = session.layout
    picture = session.judge.pictures[layout.title_picture]
    margin = (layout.client_size[0] - picture.shape[1], layout.client_size[1] - picture.shape[0])
    for framed_by in ("Wine", "a window manager"):
        if framed_by != "Wine":
            session.start_window_manager()
        game = open_title(session)
        assert list(game.client[2:]) == list(layout.client_size), "framed by %s, the client area is %dx%d" % (
            framed_by, game.client[2], game.client[3])
        game.expect(lambda shot: (blank_margin(shot) == margin, "blank margin %s, the picture leaves %s" % (
            blank_margin(shot), margin)), what="the title picture filling the window framed by %s" % framed_by)
        game.click_button("title_exit")
        game.expect_exit_zero("the title's exit button")
