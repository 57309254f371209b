// Takes the game down in this process so that StartUp() can run again: the
// tests and the benchmark start many games in one process.
#pragma once

// Destroys the main window, empties the queue, unregisters the class and
// deletes the picture, font and button bitmaps the game made.
void TakeDownGame();
