#pragma once

namespace carbonym::ui {

// True once the main window has begun to close. Loops that process pending
// events (the about window's animations) test it and return at once.
bool ProgramEnding();

// Closes every open file and ends the program at once, from any depth of
// nested event loops, without running other windows' closing behaviour.
[[noreturn]] void EndProgram();

} // namespace carbonym::ui
