#pragma once

namespace carbonym::ui {

// Hands what the program asked of its windows to the window system, waits
// until the display has carried it out, then lets `milliseconds` pass while
// other handlers run (a nested event loop, not a busy wait). Animations call
// it between two steps so that every step is seen.
void WaitForDisplay(int milliseconds);

} // namespace carbonym::ui
