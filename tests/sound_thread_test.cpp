// The real platform's sounds, with winmm's PlaySoundA replaced by a fake
// that records each call and can hold the caller, as Wine's does while the
// sound before is closing its device. The game itself runs here too, with
// its real window, so what is checked is the call the sound thread makes.
#include "app/startup.h"
#include "game/game_state.h"
#include "game/platform.h"
#include "tests/take_down_game.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Call {
    DWORD thread;
    int soundId;
    HMODULE module;
    DWORD flags;
    bool mainWindowExisted;  // a "ViewBMPWinClass" window existed at the call
    LARGE_INTEGER at;
};

CRITICAL_SECTION callsLock;
std::vector<Call> calls;
HANDLE holdPlaying;  // manual-reset: while unset, PlaySound does not return
HANDLE callMade;     // auto-reset: set by every call

BOOL WINAPI FakePlaySound(LPCSTR sound, HMODULE module, DWORD flags) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const bool windowExisted = FindWindowA("ViewBMPWinClass", nullptr) != nullptr;
    EnterCriticalSection(&callsLock);
    calls.push_back({GetCurrentThreadId(), static_cast<int>(reinterpret_cast<ULONG_PTR>(sound)), module, flags,
                     windowExisted, now});
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

std::vector<int> SoundsSoFar() {
    std::vector<int> ids;
    for (const Call& call : CallsSoFar()) ids.push_back(call.soundId);
    return ids;
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double MsBetween(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Handles the game's messages (paints too) until count calls were made, or
// ten seconds passed on a busy machine.
bool WaitForCalls(size_t count) {
    const DWORD start = GetTickCount();
    while (CallsSoFar().size() < count) {
        if (GetTickCount() - start > 10000) return false;
        // One message at a time: while a level is played a paint is always due.
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        } else {
            MsgWaitForMultipleObjects(1, &callMade, FALSE, 20, QS_ALLINPUT);
        }
    }
    return true;
}

class SoundThreadTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        InitializeCriticalSection(&callsLock);
        holdPlaying = CreateEventA(nullptr, TRUE, TRUE, nullptr);
        callMade = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    }
    void SetUp() override {
        SetEvent(holdPlaying);
        EnterCriticalSection(&callsLock);
        calls.clear();
        LeaveCriticalSection(&callsLock);
        game.hInstance = GetModuleHandleA(nullptr);
    }
    void TearDown() override {
        SetEvent(holdPlaying);
        if (game.hwndMain) TakeDownGame();
        game.hwndMain = nullptr;
    }
};

}  // namespace

// platform.cpp calls PlaySoundA through its import pointer; this one is found
// first, so winmm's is never linked in.
using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
extern "C" {
extern PlaySoundFunction __imp_PlaySoundA;
PlaySoundFunction __imp_PlaySoundA = FakePlaySound;
}

// The first start-up of a process is slow (the window system loads); the
// second is as quick as a start-up on Windows can be. Both start the music
// before the window is made.
TEST_F(SoundThreadTest, TheTitleMusicStartsBeforeTheWindowExists) {
    for (const char* startUp : {"the first start-up", "a second start-up"}) {
        SCOPED_TRACE(startUp);
        EnterCriticalSection(&callsLock);
        calls.clear();
        LeaveCriticalSection(&callsLock);
        StartUp();
        const std::vector<Call> made = CallsSoFar();
        ASSERT_FALSE(made.empty()) << "start-up came back before the music was played";
        EXPECT_EQ(WAV_MUSIC, made[0].soundId);
        EXPECT_EQ(MUSIC_FLAGS, made[0].flags);
        EXPECT_EQ(game.hInstance, made[0].module);
        EXPECT_NE(GetCurrentThreadId(), made[0].thread);
        EXPECT_FALSE(made[0].mainWindowExisted) << "the music was played after the window was made";
        EXPECT_EQ(1u, made.size());
        TakeDownGame();
    }
}

TEST_F(SoundThreadTest, TheHintPlaysItsClickCueThenItsFoundCue) {
    StartUp();
    SendMessageA(game.hwndMain, WM_COMMAND, ID_START, 0);
    ASSERT_TRUE(WaitForCalls(2));
    ASSERT_EQ((std::vector<int>{WAV_MUSIC, WAV_CLICK}), SoundsSoFar());
    SendMessageA(game.hwndMain, WM_COMMAND, ID_HINT, 0);
    ASSERT_TRUE(WaitForCalls(4)) << "calls made: " << CallsSoFar().size();
    EXPECT_EQ((std::vector<int>{WAV_MUSIC, WAV_CLICK, WAV_CLICK, WAV_FOUND}), SoundsSoFar());
    EXPECT_EQ(CUE_FLAGS, CallsSoFar()[3].flags);
}

// While PlaySound holds the sound thread, cues asked for during a drawing
// return at once, and every one of them plays afterwards, in order.
TEST_F(SoundThreadTest, CuesAskedWhileASoundIsSlowAllPlayInOrder) {
    ResetEvent(holdPlaying);
    const LARGE_INTEGER asked = Now();
    PlatformSoundsAwaitShow();
    PlatformPlaySound(WAV_CLICK, CUE_FLAGS);
    PlatformPlaySound(WAV_MISS, CUE_FLAGS);
    PlatformPlaySound(WAV_FOUND, CUE_FLAGS);
    PlatformSyncWithDisplay();
    ASSERT_TRUE(WaitForCalls(1));
    EXPECT_LT(MsBetween(asked, Now()), 1000.0) << "asking for a cue waited for PlaySound";
    EXPECT_EQ(std::vector<int>{WAV_CLICK}, SoundsSoFar());
    SetEvent(holdPlaying);
    ASSERT_TRUE(WaitForCalls(3));
    const std::vector<Call> made = CallsSoFar();
    EXPECT_EQ((std::vector<int>{WAV_CLICK, WAV_MISS, WAV_FOUND}), SoundsSoFar());
    EXPECT_EQ(made[0].thread, made[2].thread);
    EXPECT_NE(GetCurrentThreadId(), made[2].thread);
}

// A cue asked for while the game draws waits for the show; a show made
// before it was asked for does not count. How long "waits" must last is
// taken from this run: twice the longest the thread took, from a show, to
// make the call.
TEST_F(SoundThreadTest, ACueAskedWhileDrawingStartsWithTheShow) {
    double slowestStartMs = 0;
    for (int i = 0; i < 5; ++i) {
        PlatformSoundsAwaitShow();
        PlatformPlaySound(WAV_MISS, CUE_FLAGS);
        const LARGE_INTEGER shown = Now();
        PlatformSyncWithDisplay();
        ASSERT_TRUE(WaitForCalls(static_cast<size_t>(i) + 1));
        const double startMs = MsBetween(shown, CallsSoFar().back().at);
        if (startMs > slowestStartMs) slowestStartMs = startMs;
    }
    const DWORD notYetMs = static_cast<DWORD>(2 * slowestStartMs) + 20;

    PlatformSyncWithDisplay();  // before the request: must not let it go
    PlatformSoundsAwaitShow();
    PlatformPlaySound(WAV_FOUND, CUE_FLAGS);
    Sleep(notYetMs);
    EXPECT_EQ(5u, CallsSoFar().size()) << "played before its drawing was shown (waited " << notYetMs << " ms)";
    PlatformSyncWithDisplay();
    ASSERT_TRUE(WaitForCalls(6));
    EXPECT_EQ(WAV_FOUND, CallsSoFar()[5].soundId);
}
