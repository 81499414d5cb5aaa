#pragma once

namespace CLI {
class App;
}

namespace carbonym::cli {

// `dict add`, `dict import` and `dict export`: adding to the dictionary and
// moving it to and from tab-separated text.
void AddDictWriteCommands(CLI::App& dict, int& status);

} // namespace carbonym::cli
