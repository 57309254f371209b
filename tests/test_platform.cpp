// Recording platform for the tests.
#include "test_platform.h"

#include "game/platform.h"

std::vector<PlayedSound> playedSounds;
SYSTEMTIME testClock = {2026, 12, 2, 8, 10, 0, 0, 0};
std::vector<DWORD> sleepsMs;
unsigned long busyDelays = 0;
unsigned long lastBusyDelayIterations = 0;
ULONGLONG testTicks = 1000000;

void SetTestClock(int minute, int second) {
    testClock = {2026, 12, 2, 8, 10, static_cast<WORD>(minute), static_cast<WORD>(second), 0};
}

void AdvanceTestClock(int seconds) {
    testTicks += static_cast<ULONGLONG>(seconds) * 1000;
    StepWallClock(seconds);
}

void StepWallClock(int seconds) {
    FILETIME fileTime;
    SystemTimeToFileTime(&testClock, &fileTime);
    ULARGE_INTEGER ticks;
    ticks.LowPart = fileTime.dwLowDateTime;
    ticks.HighPart = fileTime.dwHighDateTime;
    ticks.QuadPart += static_cast<ULONGLONG>(static_cast<LONGLONG>(seconds) * 10000000LL);
    fileTime.dwLowDateTime = ticks.LowPart;
    fileTime.dwHighDateTime = ticks.HighPart;
    FileTimeToSystemTime(&fileTime, &testClock);
}

void PlatformPlaySound(int soundId, DWORD flags) {
    playedSounds.push_back({soundId, flags, FindWindowA("ViewBMPWinClass", nullptr) != nullptr});
}

// Recorded sounds start at once; there is nothing to hold.
void PlatformSoundsAwaitShow() {}

void PlatformLocalTime(SYSTEMTIME* now) { *now = testClock; }

ULONGLONG PlatformTickCount() { return testTicks; }

void (*duringSleep)() = nullptr;

void PlatformSleep(DWORD ms) {
    sleepsMs.push_back(ms);
    if (duringSleep) duringSleep();
}

// The real thing: the tests run a real window, and this neither waits nor
// handles a message.
void (*duringSync)() = nullptr;

void PlatformSyncWithDisplay() {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    if (duringSync) duringSync();
}

void PlatformBusyDelay(unsigned long iterations) {
    busyDelays++;
    lastBusyDelayIterations = iterations;
}
