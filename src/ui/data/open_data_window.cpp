#include "ui/data/open_data_window.h"

#include <QPointer>
#include <QWidget>

namespace carbonym::ui {

// A placeholder until the data-entry window exists.
void OpenDataWindow(QWidget*)
{
    static QPointer<QWidget> window;
    if (!window) {
        window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QStringLiteral("数据添加"));
    }
    window->show();
    window->raise();
}

} // namespace carbonym::ui
