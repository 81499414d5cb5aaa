#pragma once

namespace CLI {
class App;
}

namespace carbonym::cli {

// `dict find`, `dict set`, `dict remove` and `dict undo`: searching,
// correcting and cleaning the dictionary, and taking the last change back.
void AddDictEditCommands(CLI::App& dict, int& status);

} // namespace carbonym::cli
