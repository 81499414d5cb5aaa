#pragma once

class QWidget;

namespace carbonym::ui {

// Opens the data-entry window: created and placed relative to `mainWindow`
// the first time, shown modeless without an owner; later calls bring the
// same window forward.
void OpenDataWindow(QWidget* mainWindow);

} // namespace carbonym::ui
