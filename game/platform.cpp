// The real platform services: winmm, the local clock, Sleep and a spin.
#include "game/platform.h"

#include "game/game_state.h"

#include <mmsystem.h>

void PlatformPlaySound(int soundId, DWORD flags) {
    PlaySoundA(MAKEINTRESOURCEA(soundId), game.hInstance, flags);
}

void PlatformLocalTime(SYSTEMTIME* now) { GetLocalTime(now); }

ULONGLONG PlatformTickCount() { return GetTickCount64(); }

// A Sleep that handles no messages, waited as a message wait: Wine puts what
// the window drew on the display only while its thread waits for messages,
// so under a plain Sleep the fifth ring would stay hidden through the pause.
// The wait ends early whenever input arrives, hence the loop to the full time.
void PlatformSleep(DWORD ms) {
    const DWORD start = GetTickCount();
    for (DWORD waited = 0; waited < ms; waited = GetTickCount() - start)
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - waited, 0);
}

// Wine reads the X server's input and pushes the window's drawing to the
// screen only while the thread waits for messages, or after it has taken 200
// messages without waiting. The paint loop always has a paint due, so its
// thread never waits: a click sat unread for 200 paints (seconds), and what
// a paint drew showed only after its busy delay. A wait of zero milliseconds
// does both at once. On Windows input is queued and drawing shown without
// it, and the zero wait returns at once.
void PlatformSyncWithDisplay() { MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT); }

void PlatformBusyDelay(unsigned long iterations) {
    // The counter is volatile so the optimiser must keep every iteration:
    // the paint loop's pace depends on this loop really running.
    for (volatile unsigned long i = 0; i < iterations; i = i + 1) {
    }
}
