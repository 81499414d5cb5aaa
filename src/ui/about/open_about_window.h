#pragma once

namespace carbonym::ui {

// Opens the about window: created the first time, shown modeless without an
// owner; later calls show the same window and bring it forward.
void OpenAboutWindow();

} // namespace carbonym::ui
