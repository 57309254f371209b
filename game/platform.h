// The few services the game takes from the system that a test must watch or
// steer: sounds, the local clock and pauses. The game links platform.cpp;
// the tests link their own recording version.
#pragma once

#include <windows.h>

// Plays sound resource soundId of the game's module with these PlaySound
// flags; it stops whatever sound was playing. Sounds play in the order they
// are asked for. Returns once the sound has started, unless
// PlatformSoundsAwaitShow came first: then it returns at once, and the
// sound starts when what the game draws meanwhile is on the screen.
void PlatformPlaySound(int soundId, DWORD flags);

// The game is about to draw and show something: sounds asked for from now
// until the next PlatformSyncWithDisplay start once that show is made, so
// they never hold up the drawing on its way to the screen.
void PlatformSoundsAwaitShow();

// The local time (GetLocalTime).
void PlatformLocalTime(SYSTEMTIME* now);

// A steady count of milliseconds (GetTickCount64): unlike the local time it
// never jumps when the clock is set, corrected or changed for summer time.
ULONGLONG PlatformTickCount();

// Holds the thread for ms milliseconds (Sleep).
void PlatformSleep(DWORD ms);

// Lets the display catch up with the game: what the window has drawn goes
// to the screen now, and input waiting at the display is taken into the
// message queue; sounds held for the show go. Never waits and handles no
// message.
void PlatformSyncWithDisplay();

// Spins for the given number of empty iterations without yielding: the
// pacing of the paint loop.
void PlatformBusyDelay(unsigned long iterations);
