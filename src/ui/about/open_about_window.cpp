#include "ui/about/open_about_window.h"

#include "ui/about/about_window.h"
#include "ui/platform/bring_forward.h"

#include <QPointer>

namespace carbonym::ui {

void OpenAboutWindow()
{
    static QPointer<AboutWindow> window;
    if (!window)
        window = new AboutWindow;
    BringForward(window);
}

} // namespace carbonym::ui
