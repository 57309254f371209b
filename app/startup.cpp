// Start-up, step by step, and the message loop.
#include "app/startup.h"

#include "game/game_state.h"
#include "game/platform.h"
#include "game/window_proc.h"

namespace {

constexpr int WINDOW_X = 300, WINDOW_Y = 50, WINDOW_WIDTH = 959, WINDOW_HEIGHT = 667;

// The caption is kept as Big5 bytes; shown through the ANSI code page it reads
// right only where that page is 950. Convert it from 950 and give it to the
// Unicode default procedure, which stores the title as it is (SetWindowTextW
// would route it through our ANSI procedure and lose the Chinese).
void ShowUnicodeCaption(HWND hwnd) {
    wchar_t caption[32];
    const int length = MultiByteToWideChar(950, 0, game.caption, -1, caption, 32);
    if (length > 0) DefWindowProcW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption));
}

}  // namespace

void StartUp() {
    InitGameState();
    game.hInstance = GetModuleHandleA(nullptr);
    game.wc.cbSize = sizeof(WNDCLASSEXA);
    game.wc.style = CS_VREDRAW | CS_HREDRAW;
    game.wc.lpfnWndProc = WndProc;
    game.wc.hInstance = game.hInstance;

    // The title music starts before the window exists and loops until the
    // first cue stops it.
    PlatformPlaySound(WAV_MUSIC, MUSIC_FLAGS);

    game.wc.hIcon = LoadIconA(game.hInstance, game.iconName);
    game.wc.hIconSm = game.wc.hIcon;
    game.wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    game.wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    // No menu resource exists: this yields none, and the window has no menu bar.
    game.hMenu = LoadMenuA(game.hInstance, game.menuName);
    game.wc.lpszClassName = game.className;
    if (!RegisterClassExA(&game.wc)) ExitProcess(1);

    game.hwndMain = CreateWindowExA(0, game.className, game.caption, WS_OVERLAPPEDWINDOW, WINDOW_X, WINDOW_Y,
                                    WINDOW_WIDTH, WINDOW_HEIGHT, nullptr, game.hMenu, game.hInstance, nullptr);
    if (!game.hwndMain) ExitProcess(1);
    ShowUnicodeCaption(game.hwndMain);

    ShowWindow(game.hwndMain, SW_SHOWDEFAULT);
    UpdateWindow(game.hwndMain);
}

int RunMessageLoop() {
    while (GetMessageA(&game.msg, nullptr, 0, 0)) {
        TranslateMessage(&game.msg);
        DispatchMessageA(&game.msg);
        // Between two paints of the paint loop: a click made meanwhile is
        // queued now, so it is handled before the next paint and judged by it.
        PlatformSyncWithDisplay();
    }
    return static_cast<int>(game.msg.wParam);
}
