// Tumblewit: the process entry point.
#include "app/startup.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    StartUp();
    ExitProcess(static_cast<UINT>(RunMessageLoop()));
}
