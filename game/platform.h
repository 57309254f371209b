// The few services the game takes from the system that a test must watch or
// steer: sounds, the local clock and pauses. The game links platform.cpp;
// the tests link their own recording version.
#pragma once

#include <windows.h>

// Plays sound resource soundId of the game's module with these PlaySound
// flags; it stops whatever sound was playing. Returns at once: the sound
// starts on a thread of its own.
void PlatformPlaySound(int soundId, DWORD flags);

// The local time (GetLocalTime).
void PlatformLocalTime(SYSTEMTIME* now);

// A steady count of milliseconds (GetTickCount64): unlike the local time it
// never jumps when the clock is set, corrected or changed for summer time.
ULONGLONG PlatformTickCount();

// Holds the thread for ms milliseconds (Sleep).
void PlatformSleep(DWORD ms);

// Lets the display catch up with the game: what the window has drawn goes
// to the screen now, and input waiting at the display is taken into the
// message queue. Never waits and handles no message.
void PlatformSyncWithDisplay();

// Spins for the given number of empty iterations without yielding: the
// pacing of the paint loop.
void PlatformBusyDelay(unsigned long iterations);
