#pragma once

class QWidget;

namespace carbonym::ui {

// Shows `window` as the user left it before it was minimised, in front of the
// others and active: what choosing an already open window from a menu does.
void BringForward(QWidget* window);

} // namespace carbonym::ui
