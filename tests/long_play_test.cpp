// Two hundred games in one process: won through all thirteen levels, lost
// by time, lost by misses, left by back or by exit. What the game holds of
// the system (GDI objects, windows, memory) must be the same at the end as
// after the first few games.
#include "resources/layout.h"
#include "rules/differences.h"
#include "test_platform.h"
#include "test_support.h"

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using LongPlayTest = GameWindowTest;

constexpr int GAMES = 200;
constexpr int WARM_UP_GAMES = 8;  // a multiple of the four kinds, so both marks fall after the same kind
// Memory under Wine steps between a few levels a whole picture (2.3 MB)
// apart from one reading to the next, with no trend over the games (some
// blocks are given back late). So it is read after each of a few games early
// and late, and the lowest late reading may pass the highest early one by
// four pictures at most: a leak of 60 KB a game still shows.
// TUMBLEWIT_LONG_PLAY_TRACE=1 prints every reading.
constexpr int MEMORY_READINGS = 4;  // each after a game of the same kind
constexpr SIZE_T MEMORY_MARGIN = 10 * 1024 * 1024;

struct Memory {
    SIZE_T workingSet = 0, privateBytes = 0;
};

Memory MemoryNow() {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    Memory memory;
    if (K32GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                sizeof counters)) {
        memory.workingSet = counters.WorkingSetSize;
        // Wine leaves PrivateUsage at 0; PagefileUsage is the same commit
        // charge on Windows and is filled in there.
        memory.privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    }
    return memory;
}

void Exit() {
    SendMessageA(game.hwndMain, WM_COMMAND, MAKEWPARAM(ID_EXIT, BN_CLICKED), 0);
}

}  // namespace

TEST_F(LongPlayTest, TwoHundredGamesLeaveNothingBehind) {
    // A game lost or won, and how it is left. The window goes with every
    // exit; it is then made again as the executable would at its next start.
    const auto restart = [this] {
        ASSERT_FALSE(IsWindow(game.hwndMain)) << "exit leaves no window";
        TearDown();
        SetUp();
    };
    const auto wonAndExited = [&] {
        StartGame();
        for (int level = 1; level <= LEVEL_COUNT; ++level) {
            ASSERT_EQ(&DifferenceTable[level - 1], game.pLevelRects) << "level " << level;
            ClearCurrentLevelByClicks();
            if (level < LEVEL_COUNT) Command(ID_NEXT, BN_CLICKED);
        }
        ASSERT_EQ(LEVEL_COUNT, game.levelIndex);
        ASSERT_STREQ("750", game.scoreText);
        Exit();
        restart();
    };
    const auto lostByTimeAndExited = [&] {
        StartGame();
        ClearCurrentLevelByClicks();
        Command(ID_NEXT, BN_CLICKED);
        Command(ID_HINT, BN_CLICKED);
        AdvanceTestClock(61);
        PumpPaints(2);
        ASSERT_EQ(1, game.gameOverShown);
        ASSERT_EQ(0, game.outOfChances);
        Exit();
        restart();
    };
    const auto lostByMissesAndBack = [&] {
        StartGame();
        for (int i = 0; i < 9; ++i) MissOnce();
        ASSERT_EQ(1, game.gameOverShown);
        ASSERT_EQ(1, game.outOfChances);
        Command(ID_BACK, BN_CLICKED);
        PumpPaints(2);
        ASSERT_EQ(0, game.gameActive);
    };
    const auto lostByTimeAndBack = [&] {
        StartGame();
        Command(ID_HINT, BN_CLICKED);
        Command(ID_HINT, BN_CLICKED);
        MissOnce();
        AdvanceTestClock(70);
        PumpPaints(2);
        ASSERT_EQ(1, game.gameOverShown);
        ASSERT_EQ(0, game.outOfChances);
        Command(ID_BACK, BN_CLICKED);
        PumpPaints(2);
        ASSERT_EQ(0, game.gameActive);
    };

    const auto begun = std::chrono::steady_clock::now();
    int gdiAfterWarmUp = 0, windowsAfterWarmUp = 0;
    Memory memoryAfterWarmUp, early, late = {~SIZE_T{0}, ~SIZE_T{0}};  // highest early, lowest late
    for (int played = 0; played < GAMES; ++played) {
        SCOPED_TRACE(played);
        switch (played % 4) {
            case 0: wonAndExited(); break;
            case 1: lostByTimeAndExited(); break;
            case 2: lostByMissesAndBack(); break;
            default: lostByTimeAndBack(); break;
        }
        if (HasFatalFailure()) return;
        // The test's own records would otherwise grow with every game.
        playedSounds.clear();
        playedSounds.shrink_to_fit();
        sleepsMs.clear();
        sleepsMs.shrink_to_fit();
        if (played + 1 == WARM_UP_GAMES) {
            gdiAfterWarmUp = CountLiveGdiObjects();
            windowsAfterWarmUp = CountThreadWindows();
            memoryAfterWarmUp = MemoryNow();
        }
        const int sameKind = (played + 1 - WARM_UP_GAMES) / 4;  // readings after the warm-up's last kind
        if ((played + 1) % 4 == 0 && played + 1 >= WARM_UP_GAMES) {
            const Memory now = MemoryNow();
            if (std::getenv("TUMBLEWIT_LONG_PLAY_TRACE")) std::printf("after %d games: private %zu KB\n", played + 1, now.privateBytes / 1024);
            if (sameKind < MEMORY_READINGS) {
                if (now.workingSet > early.workingSet) early.workingSet = now.workingSet;
                if (now.privateBytes > early.privateBytes) early.privateBytes = now.privateBytes;
            }
            if (played + 1 > GAMES - 4 * MEMORY_READINGS) {
                if (now.workingSet < late.workingSet) late.workingSet = now.workingSet;
                if (now.privateBytes < late.privateBytes) late.privateBytes = now.privateBytes;
            }
        }
    }
    const int gdi = CountLiveGdiObjects(), windows = CountThreadWindows();

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
    std::printf("%d games in %.1f s; after %d: %d GDI objects, %d windows; after %d: %d GDI objects, %d windows; "
                "highest early / lowest late: working set %zu / %zu KB, private %zu / %zu KB\n",
                GAMES, seconds, WARM_UP_GAMES, gdiAfterWarmUp, windowsAfterWarmUp, GAMES, gdi, windows,
                early.workingSet / 1024, late.workingSet / 1024, early.privateBytes / 1024, late.privateBytes / 1024);

    // The readings must be real ones for the comparison to mean anything.
    ASSERT_GT(gdiAfterWarmUp, 10) << "the count must see the game's own objects";
    ASSERT_GT(memoryAfterWarmUp.workingSet, SIZE_T{4} << 20) << "working set, bytes";
    ASSERT_LT(memoryAfterWarmUp.workingSet, SIZE_T{2} << 30) << "working set, bytes";
    ASSERT_GT(memoryAfterWarmUp.privateBytes, SIZE_T{4} << 20) << "private bytes";
    ASSERT_LT(memoryAfterWarmUp.privateBytes, SIZE_T{2} << 30) << "private bytes";

    EXPECT_EQ(gdiAfterWarmUp, gdi) << "GDI objects";
    EXPECT_EQ(windowsAfterWarmUp, windows) << "windows";
    EXPECT_LE(late.privateBytes, early.privateBytes + MEMORY_MARGIN)
        << "private bytes grew by " << (late.privateBytes - early.privateBytes) / 1024 << " KB";
    EXPECT_LE(late.workingSet, early.workingSet + MEMORY_MARGIN)
        << "working set grew by " << (late.workingSet - early.workingSet) / 1024 << " KB";
}
