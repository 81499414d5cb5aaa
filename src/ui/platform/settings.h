#pragma once

#include <QSettings>

#include <memory>

namespace carbonym::ui {

// The choices the program remembers between runs: an INI file in the user's
// settings folder (organisation and program "Carbonym"), the same on every
// system; tests point QSettings::setPath elsewhere.
std::unique_ptr<QSettings> ProgramSettings();

} // namespace carbonym::ui
