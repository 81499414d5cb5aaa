#pragma once

class QWidget;

namespace carbonym::ui {

// Lets the window system's close request for `window` (its close button,
// Alt+F4, the session ending) end the program at once, also while a modal
// notice blocks the window, when Qt would drop the request. Where the window
// system offers no such hook, closes are left to Qt.
void EndProgramOnCloseRequest(QWidget* window);

} // namespace carbonym::ui
