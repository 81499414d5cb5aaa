#include "ui/about/open_about_window.h"

#include <QPointer>
#include <QWidget>

namespace carbonym::ui {

// A placeholder until the about window exists.
void OpenAboutWindow()
{
    static QPointer<QWidget> window;
    if (!window) {
        window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QStringLiteral("Carbonym 翻译"));
    }
    window->show();
    window->raise();
}

} // namespace carbonym::ui
