// Countdown: seconds left from the local clock's seconds, and the run-out.
#include "rules/countdown.h"

#include "game/game_state.h"
#include "game/platform.h"
#include "resources/layout.h"
#include "rules/counters.h"

void StepCountdown(HDC dc, HWND hwnd) {
    RECT box = {TIMER_BOX.left, TIMER_BOX.top, TIMER_BOX.right, TIMER_BOX.bottom};

    if (!game.timerStarted) {
        PlatformLocalTime(&game.nowTime);
        game.startSecond = game.nowTime.wSecond;
        // The minute ends where the clock's next minute reaches this second
        // again, as the digits count it, but measured on the steady clock.
        game.countdownEndTick = PlatformTickCount() + 60000 - game.nowTime.wMilliseconds;
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
    // The minute is over when the steady clock says so, not the local one:
    // a clock set, corrected or changed for summer time neither ends a level
    // early nor stretches it. This also holds when the paint loop was held
    // up across the start second (a minimised or dragged window), and for a
    // countdown that began in second 0.
    if (PlatformTickCount() >= game.countdownEndTick) {
        game.timeWrapped = 1;
        game.timeUp = 1;
    }

    const DWORD left = game.timeUp ? 0 : 60 - elapsed;
    game.timerText[0] = static_cast<char>('0' + left / 10);
    game.timerText[1] = static_cast<char>('0' + left % 10);
    DrawCounterText(dc, game.timerText, &box);
    InvalidateRect(hwnd, &box, FALSE);
}
