#include "ui/platform/settings.h"

namespace carbonym::ui {

std::unique_ptr<QSettings> ProgramSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Carbonym"),
                                       QStringLiteral("Carbonym"));
}

} // namespace carbonym::ui
