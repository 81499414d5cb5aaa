#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace carbonym::ui {

// The data-entry window's messages: a box with an OK button, the
// information icon and the title "提示".
void ShowDataMessage(QWidget* parent, const QString& text);

// While a hook is set it receives every message instead of a box, so that
// tests read the messages without a box blocking them. Returns the previous
// hook; an empty hook shows boxes again.
using MessageHook = std::function<void(QMessageBox::Icon icon, const QString& title, const QString& text)>;
MessageHook SetMessageHook(MessageHook hook);

} // namespace carbonym::ui
