// Countdown: seconds left from the local clock's seconds, and the run-out.
#include "rules/countdown.h"

#include "game/game_state.h"
#include "game/platform.h"
#include "resources/layout.h"
#include "rules/counters.h"

namespace {

// The local time as a count of whole seconds, so that a gap of any length
// between two steps is measured, not just the second of the minute.
LONGLONG ClockSeconds(const SYSTEMTIME& time) {
    FILETIME fileTime;
    if (!SystemTimeToFileTime(&time, &fileTime)) return 0;
    ULARGE_INTEGER ticks;
    ticks.LowPart = fileTime.dwLowDateTime;
    ticks.HighPart = fileTime.dwHighDateTime;
    return static_cast<LONGLONG>(ticks.QuadPart / 10000000ULL);
}

}  // namespace

void StepCountdown(HDC dc, HWND hwnd) {
    RECT box = {TIMER_BOX.left, TIMER_BOX.top, TIMER_BOX.right, TIMER_BOX.bottom};

    if (!game.timerStarted) {
        PlatformLocalTime(&game.nowTime);
        game.startSecond = game.nowTime.wSecond;
        game.startClockSecond = ClockSeconds(game.nowTime);
        game.timerStarted = 1;
    }
    PlatformLocalTime(&game.nowTime);
    const DWORD now = game.nowTime.wSecond, start = game.startSecond;

    DWORD elapsed;
    if (now >= start) {
        elapsed = now - start;
    } else {
        elapsed = 60 - (start - now);
        game.timeWrapped = 1;
    }
    // The minute is over when the whole clock says so: this also holds when
    // the paint loop was held up across the start second (minimised or
    // dragged window), and for a countdown that began in second 0. A clock
    // turned back ends the level rather than stretching it.
    const LONGLONG clockElapsed = ClockSeconds(game.nowTime) - game.startClockSecond;
    if (clockElapsed >= 60 || clockElapsed < 0) {
        game.timeWrapped = 1;
        game.timeUp = 1;
    }

    const DWORD left = game.timeUp ? 0 : 60 - elapsed;
    game.timerText[0] = static_cast<char>('0' + left / 10);
    game.timerText[1] = static_cast<char>('0' + left % 10);
    DrawCounterText(dc, game.timerText, &box);
    InvalidateRect(hwnd, &box, FALSE);
}
