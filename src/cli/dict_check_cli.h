#pragma once

namespace CLI {
class App;
}

namespace carbonym::cli {

// `dict check [--dict PATH]`: lists the faults of a dictionary file; exit
// status 0 only for a clean one.
void AddDictCheckCommand(CLI::App& dict, int& status);

} // namespace carbonym::cli
