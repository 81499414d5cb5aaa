#pragma once

#include "ui/main/main_window.h"
#include "ui/platform/text_box.h"

#include <QAction>
#include <QtTest>

#include <string>

namespace carbonym::ui::test {

// Reaches the main window's controls by their names, as a user reaches them
// by their captions.
inline QAction* Action(QWidget& window, const char* name)
{
    auto* const action = window.findChild<QAction*>(QLatin1String(name));
    if (!action)
        qFatal("no action %s", name);
    return action;
}

inline TextBox* Box(QWidget& window, const char* name)
{
    auto* const box = window.findChild<TextBox*>(QLatin1String(name));
    if (!box)
        qFatal("no text box %s", name);
    return box;
}

inline void Choose(QWidget& window, const char* name)
{
    Action(window, name)->trigger();
}

inline void Select(TextBox* box, size_t start, size_t length)
{
    box->SetSelectionStart(start);
    box->SetSelectionLength(length);
}

inline void ShowAndActivate(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the window did not become active");
}

} // namespace carbonym::ui::test
