// The start-up baseline: a program as large as the game (the same resources
// are linked in) that only waits for input. Launching it and the game the
// same way tells Wine's own start-up apart from the game's.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
