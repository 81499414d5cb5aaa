#pragma once

namespace CLI {
class App;
}

namespace carbonym::cli {

// `dict list` and `dict show N`: reading the dictionary.
void AddDictReadCommands(CLI::App& dict, int& status);

} // namespace carbonym::cli
