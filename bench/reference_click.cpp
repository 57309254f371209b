// The floor of the real-input benchmark and of the audio test: a plain Win32
// window, as large and where the game's is, that only reacts to clicks. Each
// left-button release fills the client area with the next of two colours,
// drawn at once in WM_LBUTTONUP through the window's DC, and in sound mode
// also plays the next of the game's found and miss cues. Nothing else: a
// plain GetMessage loop, no timer, no paint loop. Whatever a click costs here
// is the cost of the display server, Wine's input handling, its way to the
// screen and its way to the speakers.
//
//   tumblewit-reference              the window
//   tumblewit-reference sound GAME   the window, playing GAME.exe's cues
//   tumblewit-reference delay N      times N runs of the game's busy delay and
//                                    prints "delay MEDIAN_MS MIN_MS MAX_MS"
#include "game/game_state.h"
#include "game/paint.h"
#include "game/platform.h"

#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

int fills = 0;
// The game's found and miss cues, played in turn (empty outside sound mode).
std::vector<const void*> cues;

// A WAVE resource of the game's exe, loaded as data only.
const void* GameCue(HMODULE gameExe, int id) {
    HRSRC found = FindResourceA(gameExe, MAKEINTRESOURCEA(id), "WAVE");
    HGLOBAL loaded = found ? LoadResource(gameExe, found) : nullptr;
    return loaded ? LockResource(loaded) : nullptr;
}

LRESULT CALLBACK ReferenceProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONUP: {
            HDC dc = GetDC(hwnd);
            RECT client;
            GetClientRect(hwnd, &client);
            HBRUSH brush = CreateSolidBrush(++fills % 2 ? RGB(200, 30, 30) : RGB(30, 30, 200));
            if (!cues.empty()) {
                PlaySoundA(static_cast<LPCSTR>(cues[(fills - 1) % cues.size()]), nullptr,
                           SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
            }
            FillRect(dc, &client, brush);
            DeleteObject(brush);
            ReleaseDC(hwnd, dc);
            return 0;
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

double TicksPerMs() {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
}

int TimeBusyDelay(int runs) {
    const double perMs = TicksPerMs();
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        PlatformBusyDelay(BUSY_DELAY_ITERATIONS);
        QueryPerformanceCounter(&b);
        ms.push_back(static_cast<double>(b.QuadPart - a.QuadPart) / perMs);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("delay %.2f %.2f %.2f\n", ms[ms.size() / 2], ms.front(), ms.back());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "delay") == 0) return TimeBusyDelay(std::max(1, std::atoi(argv[2])));
    if (argc >= 3 && std::strcmp(argv[1], "sound") == 0) {
        HMODULE gameExe = LoadLibraryExA(argv[2], nullptr, LOAD_LIBRARY_AS_DATAFILE);
        const void* found = gameExe ? GameCue(gameExe, WAV_FOUND) : nullptr;
        const void* miss = gameExe ? GameCue(gameExe, WAV_MISS) : nullptr;
        if (!found || !miss) {
            std::fprintf(stderr, "tumblewit-reference: no found and miss cues in %s\n", argv[2]);
            return 2;
        }
        cues = {found, miss};
    }

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ReferenceProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "TumblewitReference";
    RegisterClassExA(&wc);
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "Tumblewit reference", WS_OVERLAPPEDWINDOW, 300, 50, 959,
                                667, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(hwnd, SW_SHOWDEFAULT);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
