#include "ui/platform/bring_forward.h"

#include <QWidget>

namespace carbonym::ui {

void BringForward(QWidget* window)
{
    // show(), raise() and activateWindow() leave a minimised window where it is.
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace carbonym::ui
