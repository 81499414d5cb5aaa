#include "ui/data/open_data_window.h"

#include "ui/data/data_window.h"
#include "ui/data/dictionary_window.h"
#include "ui/data/records_page.h"
#include "ui/platform/bring_forward.h"

#include <QPointer>
#include <QScreen>

namespace carbonym::ui {

namespace {

// One window at a time; closing it discards it with its texts.
QPointer<DictionaryWindow>& OpenWindow()
{
    static QPointer<DictionaryWindow> window;
    return window;
}

} // namespace

void OpenDataWindow(QWidget* mainWindow, const std::filesystem::path& directory)
{
    QPointer<DictionaryWindow>& window = OpenWindow();
    if (!window) {
        window = new DictionaryWindow(directory);
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (mainWindow) {
            // The frame the window manager will add is not known yet: room
            // for a title bar and borders is kept.
            const QSize frame = window->sizeHint() + QSize(8, 36);
            const QScreen* screen = mainWindow->screen();
            const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), frame * 4);
            window->move(DataWindow::PlaceBeside(mainWindow->frameGeometry(), frame, available));
        }
    }
    BringForward(window);
}

void RefreshDataWindow()
{
    if (DictionaryWindow* const window = OpenWindow())
        window->Records()->Reload();
}

} // namespace carbonym::ui
