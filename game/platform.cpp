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
// made on a thread of their own, and the game's thread only leaves word.
// Only the latest word counts: each sound stops the one before it, so one
// overtaken before it began would have been cut off at once. On Windows
// PlaySound stops the sound before it the same way; there the thread only
// moves that wait off the game's thread.
//
// A sound asked for while a paint draws starts once that drawing is on the
// screen. PlaySound's own work (its thread, its device, a dozen wineserver
// calls), begun at once on the other core, held up the ring's way to the
// screen: from the judged click to the ring shown took 2.7 ms (median), and
// 0.6 ms with no sound. The next show, or the end of the message being
// handled, lets the sound go, a millisecond or two later; one asked for
// with no show to follow (the title music, before the window) waits at
// most SOUND_WAITS_FOR_SCREEN_MS. On Windows this only moves a cue's start
// by the same millisecond or two.
constexpr DWORD SOUND_WAITS_FOR_SCREEN_MS = 50;
HANDLE soundWanted;               // auto-reset: a new word was left
HANDLE screenShown;               // auto-reset: the game showed what it drew since
bool soundAwaitsScreen = false;   // the game's thread only: screenShown is due
volatile LONG64 wantedSound = 0;  // flags << 32 | sound id; 0 once taken

DWORD WINAPI SoundThread(void*) {
    for (;;) {
        WaitForSingleObject(soundWanted, INFINITE);
        WaitForSingleObject(screenShown, SOUND_WAITS_FOR_SCREEN_MS);
        const LONG64 word = InterlockedExchange64(&wantedSound, 0);
        if (!word) continue;
        const int soundId = static_cast<int>(word & 0xFFFFFFFF);
        const DWORD flags = static_cast<DWORD>(static_cast<ULONG64>(word) >> 32);
        PlaySoundA(MAKEINTRESOURCEA(soundId), game.hInstance, flags);
    }
}

}  // namespace

void PlatformPlaySound(int soundId, DWORD flags) {
    // Only the game's thread plays sounds, so starting the thread here, at
    // the first sound, needs no lock.
    if (!soundWanted) {
        // The thread waits on the events, so it starts only once they exist.
        HANDLE wanted = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        HANDLE shown = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        soundWanted = wanted;
        screenShown = shown;
        HANDLE thread = wanted && shown ? CreateThread(nullptr, 0, SoundThread, nullptr, 0, nullptr) : nullptr;
        if (!thread) {
            // No thread: play on this one, as PlaySound always could.
            if (wanted) CloseHandle(wanted);
            if (shown) CloseHandle(shown);
            soundWanted = nullptr;
            screenShown = nullptr;
            PlaySoundA(MAKEINTRESOURCEA(soundId), game.hInstance, flags);
            return;
        }
        CloseHandle(thread);
    }
    // A show made before this request does not count for it.
    ResetEvent(screenShown);
    soundAwaitsScreen = true;
    const ULONG64 word = static_cast<ULONG64>(flags) << 32 | static_cast<DWORD>(soundId);
    InterlockedExchange64(&wantedSound, static_cast<LONG64>(word));
    SetEvent(soundWanted);
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
void PlatformSyncWithDisplay() {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    if (soundAwaitsScreen) {
        soundAwaitsScreen = false;
        SetEvent(screenShown);
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
