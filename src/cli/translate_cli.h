#pragma once

namespace CLI {
class App;
}

namespace carbonym::cli {

// `translate [--dict PATH] [--sort[=rules]] [--bilingual] [--untranslated] [FILE]`
void AddTranslateCommand(CLI::App& app, int& status);

} // namespace carbonym::cli
