// Start-up and the message loop.
#pragma once

// Fills in the window class, starts the title music, creates and shows the
// main window. Ends the process with exit code 1 if the window class can't be
// registered or the window can't be made.
void StartUp();

// Runs the message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();
