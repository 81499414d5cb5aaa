#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace carbonym::ui {

// Runs `work` on a worker thread and returns when it has finished; an
// exception it throws is thrown here again. Work that ends within half a
// second shows nothing and lets no other event run meanwhile; longer work
// shows a modal dialog with `label` until it ends. When the program is asked
// to end meanwhile, it ends at once.
void RunWithProgress(QWidget* parent, const QString& label, const std::function<void()>& work);

} // namespace carbonym::ui
