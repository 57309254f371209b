// The real platform's sounds, with winmm's PlaySoundA replaced by a fake
// that records each call and can hold the caller, as Wine's does while the
// sound before is closing its device.
#include "game/game_state.h"
#include "game/platform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Call {
    DWORD thread;
    int soundId;
    HMODULE module;
    DWORD flags;
};

CRITICAL_SECTION callsLock;
std::vector<Call> calls;
HANDLE holdPlaying;  // manual-reset: while unset, PlaySound does not return
HANDLE callMade;     // auto-reset: set by every call

BOOL WINAPI FakePlaySound(LPCSTR sound, HMODULE module, DWORD flags) {
    EnterCriticalSection(&callsLock);
    calls.push_back({GetCurrentThreadId(), static_cast<int>(reinterpret_cast<ULONG_PTR>(sound)), module, flags});
    LeaveCriticalSection(&callsLock);
    SetEvent(callMade);
    WaitForSingleObject(holdPlaying, INFINITE);
    return TRUE;
}

std::vector<Call> CallsSoFar() {
    EnterCriticalSection(&callsLock);
    std::vector<Call> copy = calls;
    LeaveCriticalSection(&callsLock);
    return copy;
}

// Waits until count calls were made, or two seconds.
bool WaitForCalls(size_t count) {
    const DWORD start = GetTickCount();
    while (CallsSoFar().size() < count) {
        if (GetTickCount() - start > 2000) return false;
        WaitForSingleObject(callMade, 50);
    }
    return true;
}

// Milliseconds since a QueryPerformanceCounter reading.
double MsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

// platform.cpp calls PlaySoundA through its import pointer; this one is found
// first, so winmm's is never linked in.
using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
extern "C" {
extern PlaySoundFunction __imp_PlaySoundA;
PlaySoundFunction __imp_PlaySoundA = FakePlaySound;
}

TEST(SoundThread, CallsReturnAtOnceAndOnlyTheLatestWaitingSoundPlays) {
    InitializeCriticalSection(&callsLock);
    holdPlaying = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    callMade = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    game.hInstance = GetModuleHandleA(nullptr);

    // The first sound plays, on a thread that is not the caller's, with the
    // caller's id, flags and module, and the caller is not held meanwhile.
    const DWORD before = GetTickCount();
    PlatformPlaySound(WAV_MUSIC, MUSIC_FLAGS);
    ASSERT_TRUE(WaitForCalls(1));
    std::vector<Call> made = CallsSoFar();
    EXPECT_NE(made[0].thread, GetCurrentThreadId());
    EXPECT_EQ(made[0].soundId, WAV_MUSIC);
    EXPECT_EQ(made[0].flags, MUSIC_FLAGS);
    EXPECT_EQ(made[0].module, game.hInstance);

    // While that call is held, three more are asked for: each returns at
    // once, and once the held call returns only the last of them plays.
    PlatformPlaySound(WAV_CLICK, CUE_FLAGS);
    PlatformPlaySound(WAV_MISS, CUE_FLAGS);
    PlatformPlaySound(WAV_FOUND, CUE_FLAGS);
    EXPECT_LT(GetTickCount() - before, 1000u);
    Sleep(100);
    EXPECT_EQ(CallsSoFar().size(), 1u);
    SetEvent(holdPlaying);
    ASSERT_TRUE(WaitForCalls(2));
    Sleep(100);
    made = CallsSoFar();
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[1].soundId, WAV_FOUND);
    EXPECT_EQ(made[1].flags, CUE_FLAGS);
    EXPECT_EQ(made[1].thread, made[0].thread);

    // A sound asked for after the thread went idle again plays too.
    PlatformPlaySound(WAV_MISS, CUE_FLAGS);
    ASSERT_TRUE(WaitForCalls(3));
    EXPECT_EQ(CallsSoFar()[2].soundId, WAV_MISS);
}

// A sound waits for what the game drew to be shown (a show made before it
// was asked for does not count), and plays without one after a moment.
TEST(SoundThread, ASoundStartsOnceTheDrawingIsShownOrAfterAMoment) {
    // Runs after the test above, on its thread and events, nothing held.
    ASSERT_TRUE(WaitForCalls(3));
    const size_t before = CallsSoFar().size();

    PlatformSyncWithDisplay();
    LARGE_INTEGER asked;
    QueryPerformanceCounter(&asked);
    PlatformPlaySound(WAV_FOUND, CUE_FLAGS);
    Sleep(20);
    // Judged only when this thread really came back within the wait's bound.
    if (MsSince(asked) < 40) {
        EXPECT_EQ(CallsSoFar().size(), before) << "played before anything was shown";
    }
    PlatformSyncWithDisplay();
    ASSERT_TRUE(WaitForCalls(before + 1));
    EXPECT_EQ(CallsSoFar()[before].soundId, WAV_FOUND);

    // Nothing shown at all, as for the title music before the window.
    PlatformPlaySound(WAV_MISS, CUE_FLAGS);
    ASSERT_TRUE(WaitForCalls(before + 2));
    EXPECT_EQ(CallsSoFar()[before + 1].soundId, WAV_MISS);
}
