// The real platform services: winmm, the local clock, Sleep and a spin.
#include "game/platform.h"

#include "game/game_state.h"

#include <mmsystem.h>

namespace {

// PlaySound stops the sound before it on the calling thread, and Wine's
// waits there until that sound's own thread has closed its wave device:
// 3 to 13 ms a call here while a sound plays, and 280 ms while a process's
// first sound is still loading the sound stack. Asked from the paint that
// judges a click, that wait held the ring off the screen. So the calls are
// made on a thread of their own, one after another in the order asked for:
// each still stops the one before it, as PlaySound does, so the hint's
// click cue is cut short by its found cue exactly as two calls in a row
// would cut it.
//
// A sound asked for while the game draws (PlatformSoundsAwaitShow) starts
// once that drawing is on the screen. PlaySound's own work (its thread, its
// device, a dozen wineserver calls), begun at once on the other core, held
// up the ring's way to the screen: from the judged click to the ring shown
// took 2.7 ms (median), and 0.6 ms with no sound. On Windows this only moves
// a cue's start by the millisecond or two the show takes.
//
// Any other sound (the title music before the window exists, the music on
// the way back to the title, the exit's click) is played at once: the caller
// goes on only when PlaySound has returned, as if it had called it itself.
constexpr int MAX_WAITING_SOUNDS = 16;        // far more than the game ever asks for at once
constexpr DWORD SOUND_START_BOUND_MS = 2000;  // the longest the game waits for a sound to start

struct SoundRequest {
    int soundId;
    DWORD flags;
    ULONG number;     // counts every request from 1
    ULONG afterShow;  // starts once showsMade reaches this (0: at once)
};

CRITICAL_SECTION soundLock;         // guards everything below up to the game-thread fields
CONDITION_VARIABLE soundChanged;    // a request came, a show was made, or a sound started
SoundRequest waitingSounds[MAX_WAITING_SOUNDS];
int firstWaiting = 0, waitingCount = 0;
ULONG soundsAsked = 0;              // number of the latest request
ULONG soundsStarted = 0;            // number of the latest request whose PlaySound returned
ULONG showsMade = 0;                // shows that let held sounds go

// The game's thread only.
enum class SoundThreadState { NotStarted, Running, Failed };
SoundThreadState soundThreadState = SoundThreadState::NotStarted;
bool holdingForShow = false;        // sounds asked for now wait for the next show
bool heldSoundWaiting = false;      // one of them was asked for

DWORD WINAPI SoundThread(void*) {
    EnterCriticalSection(&soundLock);
    for (;;) {
        while (waitingCount == 0 || waitingSounds[firstWaiting].afterShow > showsMade)
            SleepConditionVariableCS(&soundChanged, &soundLock, INFINITE);
        const SoundRequest next = waitingSounds[firstWaiting];
        firstWaiting = (firstWaiting + 1) % MAX_WAITING_SOUNDS;
        waitingCount--;
        LeaveCriticalSection(&soundLock);
        PlaySoundA(MAKEINTRESOURCEA(next.soundId), game.hInstance, next.flags);
        EnterCriticalSection(&soundLock);
        soundsStarted = next.number;
        WakeAllConditionVariable(&soundChanged);
    }
}

// Only the game's thread plays sounds, so starting the thread here, at the
// first sound, needs no lock around the start itself.
bool SoundThreadRuns() {
    if (soundThreadState == SoundThreadState::NotStarted) {
        InitializeCriticalSection(&soundLock);
        InitializeConditionVariable(&soundChanged);
        HANDLE thread = CreateThread(nullptr, 0, SoundThread, nullptr, 0, nullptr);
        soundThreadState = thread ? SoundThreadState::Running : SoundThreadState::Failed;
        if (thread) CloseHandle(thread);
    }
    return soundThreadState == SoundThreadState::Running;
}

}  // namespace

void PlatformPlaySound(int soundId, DWORD flags) {
    // No thread: play on this one, as PlaySound always could.
    if (!SoundThreadRuns()) {
        PlaySoundA(MAKEINTRESOURCEA(soundId), game.hInstance, flags);
        return;
    }
    EnterCriticalSection(&soundLock);
    if (waitingCount == MAX_WAITING_SOUNDS) {
        // The oldest would be cut off by the ones behind it at once anyway.
        firstWaiting = (firstWaiting + 1) % MAX_WAITING_SOUNDS;
        waitingCount--;
    }
    const ULONG number = ++soundsAsked;
    // A show made before this request does not count for it.
    const ULONG afterShow = holdingForShow ? showsMade + 1 : 0;
    waitingSounds[(firstWaiting + waitingCount) % MAX_WAITING_SOUNDS] = {soundId, flags, number, afterShow};
    waitingCount++;
    WakeAllConditionVariable(&soundChanged);
    if (holdingForShow) {
        heldSoundWaiting = true;
    } else {
        const DWORD start = GetTickCount();
        for (DWORD waited = 0; soundsStarted < number && waited < SOUND_START_BOUND_MS;
             waited = GetTickCount() - start)
            SleepConditionVariableCS(&soundChanged, &soundLock, SOUND_START_BOUND_MS - waited);
    }
    LeaveCriticalSection(&soundLock);
}

void PlatformSoundsAwaitShow() { holdingForShow = true; }

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
void PlatformSyncWithDisplay() {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    holdingForShow = false;
    if (heldSoundWaiting) {
        heldSoundWaiting = false;
        EnterCriticalSection(&soundLock);
        showsMade++;
        WakeAllConditionVariable(&soundChanged);
        LeaveCriticalSection(&soundLock);
    }
}

// How fast the loop below runs hangs on where it lands in the code: one
// build's loop straddled a 64-byte line and took 10 ms a delay, another's,
// with the same instructions, 4 ms. Starting the function on a 64-byte line
// keeps that pace, whatever code is added around it; the reference program
// built from this file runs the very same loop, so its timing of the delay
// is the game's.
#if defined(__GNUC__)
#define ALIGNED_TO_A_CODE_LINE __attribute__((aligned(64)))
#else
#define ALIGNED_TO_A_CODE_LINE
#endif

ALIGNED_TO_A_CODE_LINE void PlatformBusyDelay(unsigned long iterations) {
    // The counter is volatile so the optimiser must keep every iteration:
    // the paint loop's pace depends on this loop really running.
    for (volatile unsigned long i = 0; i < iterations; i = i + 1) {
    }
}
