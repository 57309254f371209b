// The real platform services: winmm, the local clock, Sleep and a spin.
#include "game/platform.h"

#include "game/game_state.h"

#include <mmsystem.h>

void PlatformPlaySound(int soundId, DWORD flags) {
    PlaySoundA(MAKEINTRESOURCEA(soundId), game.hInstance, flags);
}

void PlatformLocalTime(SYSTEMTIME* now) { GetLocalTime(now); }

void PlatformSleep(DWORD ms) { Sleep(ms); }

void PlatformBusyDelay(unsigned long iterations) {
    // The counter is volatile so the optimiser must keep every iteration:
    // the paint loop's pace depends on this loop really running.
    for (volatile unsigned long i = 0; i < iterations; i = i + 1) {
    }
}
