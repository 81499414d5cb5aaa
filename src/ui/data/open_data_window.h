#pragma once

#include "dictionary/dictionary_path.h"

#include <filesystem>

class QWidget;

namespace carbonym::ui {

// Opens the data-entry window over the dictionary in `directory`: created
// and placed relative to `mainWindow` the first time, shown modeless without
// an owner; later calls bring the same window forward.
void OpenDataWindow(QWidget* mainWindow, const std::filesystem::path& directory = ProgramDirectory());

// The dictionary changed under the data-entry window (an undo from the main
// window): its record table, if the window is open, shows the file anew.
void RefreshDataWindow();

} // namespace carbonym::ui
