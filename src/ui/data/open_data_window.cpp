#include "ui/data/open_data_window.h"

#include "dictionary/dictionary_path.h"
#include "ui/data/data_window.h"
#include "ui/platform/bring_forward.h"

#include <QPointer>

namespace carbonym::ui {

void OpenDataWindow(QWidget* mainWindow)
{
    // One window at a time; closing it discards it with its texts.
    static QPointer<DataWindow> window;
    if (!window) {
        window = new DataWindow(ProgramDirectory());
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (mainWindow)
            window->move(DataWindow::PlaceBeside(mainWindow->pos()));
    }
    BringForward(window);
}

} // namespace carbonym::ui
