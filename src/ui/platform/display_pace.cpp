#include "ui/platform/display_pace.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

namespace carbonym::ui {

void WaitForDisplay(int milliseconds)
{
    // A round trip to the window server: it has carried out every request
    // sent before, and its answers are handled here.
    QGuiApplication::sync();
    if (milliseconds <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace carbonym::ui
