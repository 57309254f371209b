// The game played through its real window: screens and commands, click
// judging, counters, the countdown, and the faults the game guards against.
#include "resources/layout.h"
#include "rules/counters.h"
#include "rules/differences.h"
#include "test_platform.h"
#include "test_support.h"

#include <algorithm>
#include <set>
#include <string>

namespace {

using GameTest = GameWindowTest;

const COLORREF RING_RED = RGB(255, 0, 0);

// Every button the game has, to check that exactly a screen's set is visible.
std::set<const BitmapButton*> VisibleButtons() {
    std::set<const BitmapButton*> visible;
    for (const BitmapButton* button : {&game.btnStart, &game.btnExit, &game.btnLevelExit, &game.btnGameOverExit,
                                       &game.btnNext, &game.btnHint, &game.btnBack})
        if (Visible(*button)) visible.insert(button);
    return visible;
}

// The top of the ring that a find of area k of level draws.
POINT RingTop(int level, int k) {
    const RECT area = AreaOf(level, k);
    return {(area.left + area.right) / 2, area.top + 1};
}

// Sounds played since the index given, as ids.
std::vector<int> SoundsSince(size_t first) {
    std::vector<int> ids;
    for (size_t i = first; i < playedSounds.size(); ++i) ids.push_back(playedSounds[i].id);
    return ids;
}

// Pixels of RGB 240, 240, 240 (the counters' text background) in a box.
int CounterCellPixels(int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (WindowPixel(x, y) == RGB(240, 240, 240)) count++;
    return count;
}

void MissTimes(int times) {
    for (int i = 0; i < times; ++i) MissOnce();
}

// Level k+1's picture name: "pic10" for level 1.
std::string LevelPicture(int level) { return "pic" + std::to_string(level + 9); }

}  // namespace

// ------------------------------------------------------------- screens ---

TEST_F(GameTest, StartBeginsLevelOneWithHintButtonAndFreshCounters) {
    const size_t before = playedSounds.size();
    StartGame();
    EXPECT_EQ(std::vector<int>{WAV_CLICK}, SoundsSince(before));
    EXPECT_EQ(0x40005u, playedSounds.back().flags);
    EXPECT_EQ(std::set<const BitmapButton*>{&game.btnHint}, VisibleButtons());
    EXPECT_STREQ("pic10", game.pCurrentPicture);
    EXPECT_EQ(941, game.bgWidth);
    EXPECT_EQ(1, game.gameActive);
    EXPECT_EQ(1, game.levelActive);
    EXPECT_EQ(1, game.clockRunning);
    EXPECT_EQ(0, game.gameOverShown);
    EXPECT_STREQ("100", game.scoreText);
    EXPECT_STREQ("9", game.chancesText);
    EXPECT_STREQ("60", game.timerText);  // the first paint took the first step
    EXPECT_EQ(&DifferenceTable[0], game.pLevelRects);
    // The hint button takes bh_1's size and stands at (800, 100).
    RECT hint;
    GetWindowRect(game.btnHint.hwnd, &hint);
    MapWindowPoints(nullptr, game.hwndMain, reinterpret_cast<POINT*>(&hint), 2);
    EXPECT_EQ(800, hint.left);
    EXPECT_EQ(100, hint.top);
    EXPECT_EQ(135, hint.right - hint.left);
    EXPECT_EQ(93, hint.bottom - hint.top);
    // The counters were drawn into the strip at the first paint.
    EXPECT_GT(CounterCellPixels(500, 545, 612, 578), 30) << "score cell";
    EXPECT_GT(CounterCellPixels(770, 545, 812, 578), 10) << "misses cell";
    EXPECT_GT(CounterCellPixels(205, 545, 245, 575), 10) << "timer cell";
}

TEST_F(GameTest, StartActsWhateverItsHighWordHolds) {
    Command(ID_START, 0xBEEF);
    EXPECT_EQ(1, game.gameActive);
    EXPECT_STREQ("pic10", game.pCurrentPicture);
}

TEST_F(GameTest, UnknownCommandsAreIgnored) {
    const size_t sounds = playedSounds.size();
    for (int id : {0, 999, 1005, 2000, 0xFFFF}) Command(static_cast<WORD>(id), 7);
    EXPECT_EQ(sounds, playedSounds.size());
    EXPECT_EQ(0, game.gameActive);
    EXPECT_EQ((std::set<const BitmapButton*>{&game.btnStart, &game.btnExit}), VisibleButtons());
}

TEST_F(GameTest, FifthFindPausesOneSecondThenShowsLevelCleared) {
    StartGame();
    ClearCurrentLevelByClicks();
    EXPECT_NE(sleepsMs.end(), std::find(sleepsMs.begin(), sleepsMs.end(), 1000u));
    EXPECT_EQ((std::set<const BitmapButton*>{&game.btnNext, &game.btnLevelExit}), VisibleButtons());
    EXPECT_EQ(941, game.bgWidth);
    EXPECT_EQ(627, game.bgHeight);  // "pic2"
    EXPECT_EQ(0, game.levelActive);
    EXPECT_EQ(0, game.clockRunning);
    EXPECT_EQ(1, game.levelIndex);
    EXPECT_EQ(0, game.foundCount);
    EXPECT_EQ(&DifferenceTable[1], game.pLevelRects);
    EXPECT_STREQ("150", game.scoreText);

    // Next: level 2, score carried, countdown from 60 again.
    AdvanceTestClock(17);
    Command(ID_NEXT);
    EXPECT_EQ(std::set<const BitmapButton*>{&game.btnHint}, VisibleButtons());
    EXPECT_STREQ("pic11", game.pCurrentPicture);
    EXPECT_STREQ("150", game.scoreText);
    EXPECT_STREQ("60", game.timerText);
    EXPECT_EQ(1, game.clockRunning);
}

TEST_F(GameTest, AFullGameReachesTheFinalScreenWithNoButton) {
    StartGame();
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
        SCOPED_TRACE(level);
        ASSERT_EQ(LevelPicture(level), game.pCurrentPicture);
        ASSERT_EQ(&DifferenceTable[level - 1], game.pLevelRects);
        ClearCurrentLevelByClicks();
        if (level < LEVEL_COUNT) {
            ASSERT_EQ((std::set<const BitmapButton*>{&game.btnNext, &game.btnLevelExit}), VisibleButtons());
            Command(ID_NEXT);
        }
    }
    EXPECT_TRUE(VisibleButtons().empty());
    EXPECT_EQ(13, game.levelIndex);
    EXPECT_EQ(&DifferenceTable[12], game.pLevelRects);
    PumpPaints(1);
    EXPECT_TRUE(WindowShowsPicture("pic4"));
    EXPECT_STREQ("750", game.scoreText);
    // Nothing moves it on from here but closing the window.
    Command(ID_NEXT);
    Command(ID_START);
    Command(ID_BACK);
    EXPECT_EQ(13, game.levelIndex);
    EXPECT_TRUE(VisibleButtons().empty());
}

TEST_F(GameTest, NineMissesEndTheGameAndBackReturnsToTitleWithMusic) {
    StartGame();
    MissTimes(8);
    EXPECT_STREQ("1", game.chancesText);
    EXPECT_STREQ("020", game.scoreText);
    EXPECT_EQ(0, game.gameOverShown);
    MissOnce();
    EXPECT_STREQ("0", game.chancesText);
    EXPECT_STREQ("010", game.scoreText);
    EXPECT_EQ(1, game.outOfChances);
    EXPECT_EQ(1, game.gameOverShown);
    EXPECT_EQ(0, game.clockRunning);
    EXPECT_EQ((std::set<const BitmapButton*>{&game.btnGameOverExit, &game.btnBack}), VisibleButtons());
    EXPECT_EQ(944, game.bgWidth);  // "pic3"

    const size_t before = playedSounds.size();
    Command(ID_BACK);
    ASSERT_EQ(std::vector<int>{WAV_MUSIC}, SoundsSince(before));
    EXPECT_EQ(0x4000Du, playedSounds.back().flags);
    EXPECT_EQ((std::set<const BitmapButton*>{&game.btnStart, &game.btnExit}), VisibleButtons());
    EXPECT_STREQ("pic1", game.pCurrentPicture);
    EXPECT_EQ(0, game.gameActive);
    EXPECT_EQ(3, game.hintsLeft);

    // The next game starts afresh from level 1.
    StartGame();
    EXPECT_STREQ("pic10", game.pCurrentPicture);
    EXPECT_STREQ("100", game.scoreText);
    EXPECT_STREQ("9", game.chancesText);
    EXPECT_EQ(&DifferenceTable[0], game.pLevelRects);
}

TEST_F(GameTest, MissesCarryAcrossLevels) {
    StartGame();
    MissTimes(4);
    ClearCurrentLevelByClicks();
    Command(ID_NEXT);
    EXPECT_STREQ("5", game.chancesText);
    MissTimes(5);
    EXPECT_EQ(1, game.gameOverShown);
}

// -------------------------------------------------------------- judging ---

TEST_F(GameTest, ClicksMustBeStrictlyInsideAnArea) {
    StartGame();
    // Level 1 area 1 is (605, 319) - (644, 350).
    for (POINT edge : {POINT{605, 320}, POINT{644, 320}, POINT{606, 319}, POINT{606, 350}}) {
        ClickAt(edge.x, edge.y);
        EXPECT_EQ(0, game.found[0]) << edge.x << "," << edge.y;
        EXPECT_EQ(WAV_MISS, playedSounds.back().id);
    }
    const COLORREF before = WindowPixel(RingTop(1, 0).x, RingTop(1, 0).y);
    ASSERT_NE(RING_RED, before);
    ClickAt(606, 320);
    EXPECT_EQ(1, game.found[0]);
    EXPECT_EQ(1, game.foundCount);
    EXPECT_EQ(WAV_FOUND, playedSounds.back().id);
    EXPECT_EQ(RING_RED, WindowPixel(RingTop(1, 0).x, RingTop(1, 0).y)) << "the ring is on the window";
    EXPECT_STREQ("070", game.scoreText) << "four misses, one find";
}

TEST_F(GameTest, SecondClickOnAFoundAreaIsAMissAndRingsStay) {
    StartGame();
    const POINT p = InsideOf(1, 1);
    ClickAt(p.x, p.y);
    ClickAt(p.x, p.y);
    EXPECT_EQ(1, game.foundCount);
    EXPECT_EQ(1, game.missFlag);
    EXPECT_STREQ("8", game.chancesText);
    EXPECT_STREQ("100", game.scoreText);
    MissOnce();
    EXPECT_EQ(RING_RED, WindowPixel(RingTop(1, 1).x, RingTop(1, 1).y)) << "rings outlive later clicks";
}

TEST_F(GameTest, TheUnalteredSceneNeverScores) {
    StartGame();
    const POINT p = InsideOf(1, 0);
    ClickAt(p.x - SCENE_OFFSET_X, p.y);
    EXPECT_EQ(0, game.foundCount);
    EXPECT_EQ(WAV_MISS, playedSounds.back().id);
}

TEST_F(GameTest, OverlappingAreasAreFoundOneClickAtATime) {
    // Level 6 areas 3 and 5 share the strip y 315-316 between x 750 and 787.
    StartGame();
    for (int level = 1; level < 6; ++level) {
        ClearCurrentLevelByClicks();
        Command(ID_NEXT);
    }
    ASSERT_STREQ("pic15", game.pCurrentPicture);
    ClickAt(760, 315);  // on area 3's top edge, inside area 5
    EXPECT_EQ(0, game.found[2]);
    EXPECT_EQ(1, game.found[4]);
    ClickAt(760, 316);  // inside area 3, on area 5's bottom edge
    EXPECT_EQ(1, game.found[2]);
    EXPECT_EQ(2, game.foundCount);
}

TEST_F(GameTest, OnlyTheLaterOfTwoReleasesIsJudged) {
    StartGame();
    const POINT first = InsideOf(1, 0), second = InsideOf(1, 2);
    PostClick(first.x, first.y);
    PostClick(second.x, second.y);
    PumpWithoutPaint();
    PumpWithoutPaint();
    PumpPaints(2);
    EXPECT_EQ(0, game.found[0]);
    EXPECT_EQ(1, game.found[2]);
    EXPECT_EQ(1, game.foundCount);
}

// ------------------------------------------------------------- counters ---

TEST_F(GameTest, ScoreDigitsCarryAndBorrow) {
    HDC dc = GetDC(game.hwndMain);
    const auto set = [](const char* text) { std::copy(text, text + 4, game.scoreText); };
    set("190");
    AddScore(dc, game.hwndMain);
    EXPECT_STREQ("200", game.scoreText);
    SubtractScore(dc, game.hwndMain);
    EXPECT_STREQ("190", game.scoreText);
    set("100");
    SubtractScore(dc, game.hwndMain);
    EXPECT_STREQ("090", game.scoreText);
    AddScore(dc, game.hwndMain);
    EXPECT_STREQ("100", game.scoreText);
    set("740");
    AddScore(dc, game.hwndMain);
    EXPECT_STREQ("750", game.scoreText);
    ReleaseDC(game.hwndMain, dc);
}

TEST_F(GameTest, MissesLeftStopAtZero) {
    HDC dc = GetDC(game.hwndMain);
    for (int i = 0; i < 8; ++i) StepMissesLeft(dc, game.hwndMain);
    EXPECT_STREQ("1", game.chancesText);
    EXPECT_EQ(0, game.outOfChances);
    game.clickPending = 1;
    StepMissesLeft(dc, game.hwndMain);
    EXPECT_STREQ("0", game.chancesText);
    EXPECT_EQ(1, game.outOfChances);
    EXPECT_EQ(0, game.clickPending);
    StepMissesLeft(dc, game.hwndMain);
    EXPECT_STREQ("0", game.chancesText);
    ReleaseDC(game.hwndMain, dc);
}

TEST_F(GameTest, EveryCounterDrawLeavesOneFontAlive) {
    HDC dc = GetDC(game.hwndMain);
    DrawScore(dc, game.hwndMain);
    const int alive = CountLiveGdiObjects();
    for (int i = 0; i < 50; ++i) {
        DrawScore(dc, game.hwndMain);
        DrawMissesLeft(dc, game.hwndMain);
    }
    EXPECT_EQ(alive, CountLiveGdiObjects());
    ReleaseDC(game.hwndMain, dc);
}

// ------------------------------------------------------------ countdown ---

TEST_F(GameTest, CountdownFromSecondThirtyRunsOutAMinuteLater) {
    SetTestClock(5, 30);
    StartGame();
    EXPECT_STREQ("60", game.timerText);
    EXPECT_EQ(10000000ul, lastBusyDelayIterations);
    AdvanceTestClock(29);  // 5:59
    PumpPaints(1);
    EXPECT_STREQ("31", game.timerText);
    AdvanceTestClock(1);  // 6:00
    PumpPaints(1);
    EXPECT_STREQ("30", game.timerText);
    AdvanceTestClock(21);  // 6:21: nine seconds left, shown as a pair
    PumpPaints(1);
    EXPECT_STREQ("09", game.timerText);
    AdvanceTestClock(8);  // 6:29
    PumpPaints(1);
    EXPECT_STREQ("01", game.timerText);
    EXPECT_EQ(0, game.timeUp);
    AdvanceTestClock(1);  // 6:30
    PumpPaints(1);
    EXPECT_EQ(1, game.timeUp);
    EXPECT_STREQ("00", game.timerText);
    PumpPaints(1);  // the next paint raises the game-over screen
    EXPECT_EQ(1, game.gameOverShown);
    EXPECT_EQ(0, game.clockRunning);
    EXPECT_EQ((std::set<const BitmapButton*>{&game.btnGameOverExit, &game.btnBack}), VisibleButtons());
}

TEST_F(GameTest, CountdownStartedInSecondZeroRunsOutLikeAnyOther) {
    SetTestClock(7, 0);
    StartGame();
    EXPECT_STREQ("60", game.timerText);
    AdvanceTestClock(59);
    PumpPaints(1);
    EXPECT_STREQ("01", game.timerText);
    EXPECT_EQ(0, game.timeUp);
    AdvanceTestClock(1);
    PumpPaints(1);
    EXPECT_EQ(1, game.timeUp);
    EXPECT_STREQ("00", game.timerText);
}

TEST_F(GameTest, CountdownHeldUpPastTheStartSecondStillRunsOut) {
    SetTestClock(3, 10);
    StartGame();
    AdvanceTestClock(40);
    PumpPaints(1);
    EXPECT_STREQ("20", game.timerText);
    AdvanceTestClock(25);  // the paint loop stalled across second 10
    PumpPaints(1);
    EXPECT_EQ(1, game.timeUp);
    EXPECT_STREQ("00", game.timerText);
    PumpPaints(1);
    EXPECT_EQ(1, game.gameOverShown);
}

// The clock set mid-level (a correction, summer time, the user): the level
// still lasts its minute, no more and no less.
void ExpectASteadyMinuteAcrossAClockStep(int stepSeconds) {
    SetTestClock(4, 20);
    StartGame();
    AdvanceTestClock(30);
    PumpPaints(1);
    StepWallClock(stepSeconds);
    PumpPaints(1);
    EXPECT_EQ(0, game.timeUp) << "a clock step of " << stepSeconds << " s ended the level";
    AdvanceTestClock(29);
    PumpPaints(1);
    EXPECT_EQ(0, game.timeUp) << "the level ended early after a clock step of " << stepSeconds << " s";
    AdvanceTestClock(1);
    PumpPaints(1);
    EXPECT_EQ(1, game.timeUp) << "the level outlasted its minute after a clock step of " << stepSeconds << " s";
    PumpPaints(1);
    EXPECT_EQ(1, game.gameOverShown);
}

TEST_F(GameTest, AClockSetBackASecondNeitherEndsNorStretchesTheLevel) { ExpectASteadyMinuteAcrossAClockStep(-1); }
TEST_F(GameTest, SummerTimeNeitherEndsNorStretchesTheLevel) { ExpectASteadyMinuteAcrossAClockStep(3600); }
TEST_F(GameTest, WinterTimeNeitherEndsNorStretchesTheLevel) { ExpectASteadyMinuteAcrossAClockStep(-3600); }

TEST_F(GameTest, EachLevelRestartsTheCountdown) {
    SetTestClock(1, 45);
    StartGame();
    AdvanceTestClock(50);
    PumpPaints(1);
    EXPECT_STREQ("10", game.timerText);
    ClearCurrentLevelByClicks();
    AdvanceTestClock(100);  // time on the level-cleared screen does not count
    PumpPaints(3);
    EXPECT_EQ(0, game.timeUp);
    Command(ID_NEXT);
    EXPECT_STREQ("60", game.timerText);
    EXPECT_EQ(0, game.timeUp);
}

// ------------------------------------------------- faults guarded against ---

TEST_F(GameTest, ReleasesOnOtherScreensAreNotJudgedInTheNextLevel) {
    const POINT p = InsideOf(1, 0);
    // On the title screen, at a spot that would be a find in level 1.
    PostClick(p.x, p.y);
    PumpWithoutPaint();
    PumpPaints(1);
    EXPECT_EQ(1, game.clickPending);
    StartGame();
    PumpPaints(2);
    EXPECT_EQ(0, game.foundCount);
    EXPECT_STREQ("100", game.scoreText);
    EXPECT_STREQ("9", game.chancesText);

    // On the level-cleared screen, at a spot that would miss in level 2.
    ClearCurrentLevelByClicks();
    PostClick(10, 10);
    PumpWithoutPaint();
    Command(ID_NEXT);
    PumpPaints(2);
    EXPECT_STREQ("9", game.chancesText);
    EXPECT_STREQ("150", game.scoreText);
}

TEST_F(GameTest, CommandsActOnlyOnTheScreenShowingTheirButton) {
    // Next and back on the title screen.
    Command(ID_NEXT);
    Command(ID_BACK);
    EXPECT_STREQ("pic1", game.pCurrentPicture);
    EXPECT_EQ(0, game.gameActive);

    // A second start (a queued double click) during level 1.
    StartGame();
    Command(ID_START);
    EXPECT_STREQ("pic10", game.pCurrentPicture);
    EXPECT_EQ(&DifferenceTable[0], game.pLevelRects);

    // Back during play leaves the countdown alone and the level in play.
    Command(ID_BACK);
    EXPECT_EQ(1, game.clockRunning);
    EXPECT_EQ(1, game.gameActive);
    EXPECT_STREQ("pic10", game.pCurrentPicture);

    // A second next after the level-cleared screen's button went.
    ClearCurrentLevelByClicks();
    Command(ID_NEXT);
    Command(ID_NEXT);
    EXPECT_STREQ("pic11", game.pCurrentPicture);
    EXPECT_EQ(&DifferenceTable[1], game.pLevelRects);
    const POINT p = InsideOf(2, 0);
    ClickAt(p.x, p.y);
    EXPECT_EQ(1, game.found[0]) << "the picture shown is the one being judged";
}

TEST_F(GameTest, ExitWorksOnEveryScreen) {
    // Each way to a screen, from a fresh start; ID_EXIT closes the window from
    // any of them, the final screen and a level in play included.
    const struct {
        const char* screen;
        void (*reach)();
    } screens[] = {
        {"title", [] {}},
        {"level", [] { StartGame(); }},
        {"level cleared", [] { StartGame(); ClearCurrentLevelByClicks(); }},
        {"game over", [] { StartGame(); MissTimes(9); }},
        {"final", [] {
             StartGame();
             for (int level = 1; level < LEVEL_COUNT; ++level) {
                 ClearCurrentLevelByClicks();
                 Command(ID_NEXT);
             }
             ClearCurrentLevelByClicks();
         }},
    };
    for (const auto& screen : screens) {
        SCOPED_TRACE(screen.screen);
        screen.reach();
        const size_t before = playedSounds.size();
        SendMessageA(game.hwndMain, WM_COMMAND, MAKEWPARAM(ID_EXIT, BN_CLICKED), 0);
        EXPECT_EQ(std::vector<int>{WAV_CLICK}, SoundsSince(before));
        EXPECT_FALSE(IsWindow(game.hwndMain));
        MSG msg;
        bool quit = false;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) quit = quit || msg.message == WM_QUIT;
        EXPECT_TRUE(quit);
        TearDown();
        SetUp();
    }
}

TEST_F(GameTest, GdiObjectsAndWindowsStayBoundedOverManyGames) {
    const auto playOneGame = [](int kind) {
        StartGame();
        if (kind == 0) {
            ClearCurrentLevelByClicks();
            Command(ID_NEXT);
        }
        MissTimes(9);
        Command(ID_BACK);
        PumpPaints(2);
    };
    playOneGame(0);
    playOneGame(1);
    const int gdi = CountLiveGdiObjects(), windows = CountThreadWindows();
    ASSERT_GT(gdi, 10) << "the count must see the game's own objects";
    for (int i = 0; i < 8; ++i) playOneGame(i % 2);
    EXPECT_EQ(gdi, CountLiveGdiObjects());
    EXPECT_EQ(windows, CountThreadWindows());
}

TEST_F(GameTest, RepaintsAskedForByTheSystemShowPictureRingsAndCounters) {
    StartGame();
    const POINT p = InsideOf(1, 3);
    ClickAt(p.x, p.y);
    const POINT ring = RingTop(1, 3);
    ASSERT_EQ(RING_RED, WindowPixel(ring.x, ring.y));
    const COLORREF pictureSpot = WindowPixel(HINT_SPOT.left - 20, 120);
    const int scoreCell = CounterCellPixels(500, 545, 612, 578);

    // As after being uncovered or restored: everything invalid and erased.
    RedrawWindow(game.hwndMain, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    PumpWithoutPaint();
    PumpPaints(1);
    EXPECT_EQ(RING_RED, WindowPixel(ring.x, ring.y));
    EXPECT_EQ(pictureSpot, WindowPixel(HINT_SPOT.left - 20, 120));
    EXPECT_EQ(scoreCell, CounterCellPixels(500, 545, 612, 578));

    // Minimised and restored.
    ShowWindow(game.hwndMain, SW_MINIMIZE);
    PumpWithoutPaint();
    ShowWindow(game.hwndMain, SW_RESTORE);
    PumpWithoutPaint();
    PumpPaints(2);
    EXPECT_EQ(RING_RED, WindowPixel(ring.x, ring.y));
    EXPECT_EQ(pictureSpot, WindowPixel(HINT_SPOT.left - 20, 120));
}

// What a judged click drew (the ring, the score) reaches the window before
// the rest of the window it asked for, and the rest still follows: a spot
// the system wiped meanwhile is put back by the same paint.
struct ShowOrder {
    POINT ring, wiped;
    COLORREF wipedColour;
    bool ringBeforeRest = false;
} showOrder;

TEST_F(GameTest, AJudgedClicksRingReachesTheWindowFirstAndTheRestFollows) {
    StartGame();
    PumpPaints(3);
    showOrder.ring = RingTop(1, 2);
    showOrder.wiped = {HINT_SPOT.left - 20, 120};
    showOrder.wipedColour = RGB(1, 2, 3);
    ASSERT_NE(showOrder.wipedColour, WindowPixel(showOrder.wiped.x, showOrder.wiped.y));
    HDC dc = GetDC(game.hwndMain);
    const RECT wipe = {showOrder.wiped.x - 2, showOrder.wiped.y - 2, showOrder.wiped.x + 3, showOrder.wiped.y + 3};
    HBRUSH brush = CreateSolidBrush(showOrder.wipedColour);
    FillRect(dc, &wipe, brush);
    DeleteObject(brush);
    ReleaseDC(game.hwndMain, dc);
    ASSERT_EQ(showOrder.wipedColour, WindowPixel(showOrder.wiped.x, showOrder.wiped.y));

    duringSync = [] {
        if (WindowPixel(showOrder.ring.x, showOrder.ring.y) == RING_RED &&
            WindowPixel(showOrder.wiped.x, showOrder.wiped.y) == showOrder.wipedColour)
            showOrder.ringBeforeRest = true;
    };
    const POINT p = InsideOf(1, 2);
    PostClick(p.x, p.y);
    PumpWithoutPaint();
    PumpPaints(1);
    duringSync = nullptr;

    EXPECT_TRUE(showOrder.ringBeforeRest);
    EXPECT_EQ(RING_RED, WindowPixel(showOrder.ring.x, showOrder.ring.y));
    EXPECT_NE(showOrder.wipedColour, WindowPixel(showOrder.wiped.x, showOrder.wiped.y));
}

// Counter-grey pixels of the score and misses-left cells centred in boxes
// that end at (right, bottom).
int ScoreCellAt(LONG right, LONG bottom) {
    const int x = (SCORE_BOX_TOP_LEFT.x + right) / 2, y = (SCORE_BOX_TOP_LEFT.y + bottom) / 2;
    return CounterCellPixels(x - 20, y - 10, x + 20, y + 10);
}
int MissesCellAt(LONG right, LONG bottom) {
    const int x = (MISSES_BOX_TOP_LEFT.x + right) / 2, y = (MISSES_BOX_TOP_LEFT.y + bottom) / 2;
    return CounterCellPixels(x - 6, y - 10, x + 6, y + 10);
}
void SizeClientTo(int width, int height) {
    RECT outer = {0, 0, width, height};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    SetWindowPos(game.hwndMain, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    PumpWithoutPaint();
    PumpPaints(2);
}

TEST_F(GameTest, CountersStayInTheirPanelsThroughResizes) {
    StartGame();
    const LONG designRight = EXPECTED_CLIENT_WIDTH, designBottom = EXPECTED_CLIENT_HEIGHT;
    ASSERT_GT(ScoreCellAt(designRight, designBottom), 100);

    // Made larger (maximised): the new values are drawn in the panels, not
    // in the blank beyond the picture, and the panels show them.
    SizeClientTo(1300, 900);
    MissOnce();
    EXPECT_GT(ScoreCellAt(designRight, designBottom), 100) << "the score left its panel";
    EXPECT_GT(MissesCellAt(designRight, designBottom), 20) << "the misses-left digit left its panel";
    EXPECT_EQ(0, ScoreCellAt(1300, 900)) << "a score drawn beyond the picture";
    EXPECT_EQ(0, CounterCellPixels(0, designBottom + 2, 1300, 900)) << "a counter cell beyond the picture";

    // Made smaller than the picture: the counters follow the window's
    // edges, and no cell is left behind at the old place.
    SizeClientTo(880, 600);
    MissOnce();
    EXPECT_GT(ScoreCellAt(880, 600), 100);
    EXPECT_GT(MissesCellAt(880, 600), 20) << "the misses-left digit stayed behind";
    EXPECT_EQ(0, MissesCellAt(designRight, designBottom)) << "a stale misses-left cell at the old place";

    // Back to its own size: exactly where they stood at first, one cell each.
    SizeClientTo(designRight, designBottom);
    MissOnce();
    EXPECT_GT(ScoreCellAt(designRight, designBottom), 100);
    EXPECT_GT(MissesCellAt(designRight, designBottom), 20);
    EXPECT_EQ(0, MissesCellAt(880, 600)) << "a stale misses-left cell where the small window had it";
}

TEST_F(GameTest, ButtonsStayOnScreenThroughThePaintLoop) {
    // The hint button's face, centre pixel, as the game's resources hold it.
    StoredBitmap face;
    ASSERT_TRUE(ReadStoredBitmap(GetModuleHandleA(nullptr), "bh_1", &face));
    int r, g, b;
    face.Pixel(face.width / 2, face.height / 2 + 20, &r, &g, &b);
    const POINT centre = {HINT_BUTTON_AT.x + face.width / 2, HINT_BUTTON_AT.y + face.height / 2 + 20};

    StartGame();
    MissOnce();  // a whole-window repaint
    PumpPaints(5);
    EXPECT_EQ(RGB(r, g, b), WindowPixel(centre.x, centre.y));
    RedrawWindow(game.hwndMain, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    PumpWithoutPaint();
    PumpPaints(5);
    EXPECT_EQ(RGB(r, g, b), WindowPixel(centre.x, centre.y));
}
