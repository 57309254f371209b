// The tests' platform: sounds are recorded instead of played, the local
// clock is set by the test, and pauses are counted, not waited for.
#pragma once

#include <windows.h>

#include <vector>

struct PlayedSound {
    int id;
    DWORD flags;
    bool mainWindowExisted;  // a "ViewBMPWinClass" window existed when it started
};

extern std::vector<PlayedSound> playedSounds;
extern SYSTEMTIME testClock;          // what the game reads as the local time
extern std::vector<DWORD> sleepsMs;   // every pause asked for
extern unsigned long busyDelays;      // busy delays asked for
extern unsigned long lastBusyDelayIterations;
extern ULONGLONG testTicks;           // what the game reads as the steady clock, in ms

// What the player does during a pause, if set: called from inside it.
extern void (*duringSleep)();
// Called, if set, each time the game puts what it drew on the screen.
extern void (*duringSync)();

// Sets the test clock to 2026-12-08 10:minute:second.000.
void SetTestClock(int minute, int second);
// Time passes: the local clock and the steady clock move on by whole seconds
// (across minutes and hours).
void AdvanceTestClock(int seconds);
// Only the local clock is set, by whole seconds either way (a correction, a
// change to or from summer time); no time passes on the steady clock.
void StepWallClock(int seconds);
