// What start-up does to the application object before the first window is
// made: shared by the program and by the start-up benchmark, which must start
// exactly as the program does.
#pragma once

namespace StartUp {

// The program's icon for all its windows (16 to 64 px), the desktop entry the
// windows belong to, and the program's default font.
void prepareApplication();

} // namespace StartUp
