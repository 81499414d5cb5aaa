#pragma once

#include <QString>

namespace carbonym::ui {

// The main window's caption, and the title of messages without one of their
// own.
inline QString ProgramTitle()
{
    return QStringLiteral("Carbonym");
}

} // namespace carbonym::ui
