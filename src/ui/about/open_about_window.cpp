#include "ui/about/open_about_window.h"

#include "ui/about/about_window.h"

#include <QPointer>

namespace carbonym::ui {

void OpenAboutWindow()
{
    static QPointer<AboutWindow> window;
    if (!window)
        window = new AboutWindow;
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace carbonym::ui
