#include "ui/data/open_data_window.h"

#include "ui/data/data_window.h"
#include "ui/data/dictionary_window.h"
#include "ui/data/records_page.h"
#include "ui/platform/bring_forward.h"

#include <QPointer>

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
        if (mainWindow)
            window->move(DataWindow::PlaceBeside(mainWindow->pos()));
    }
    BringForward(window);
}

void RefreshDataWindow()
{
    if (DictionaryWindow* const window = OpenWindow())
        window->Records()->Reload();
}

} // namespace carbonym::ui
