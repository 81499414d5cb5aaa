#pragma once

#include <QMargins>

class QWidget;

namespace carbonym::ui {

// The widths of the frame the window manager has put around `window`; null
// margins while it has none yet. Read from the window system itself where Qt
// may still hold margins from before the window was framed (X11).
QMargins FrameMargins(const QWidget& window);

} // namespace carbonym::ui
