#pragma once

namespace CLI {
class App;
}

namespace carbonym::cli {

// `translate [--dict PATH] [--sort] [--bilingual] [FILE]`
void AddTranslateCommand(CLI::App& app, int& status);

} // namespace carbonym::cli
