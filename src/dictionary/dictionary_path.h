#pragma once

#include <filesystem>

namespace carbonym {

// The directory of the running program.
std::filesystem::path ProgramDirectory();

// "source.dat" in the program's directory.
std::filesystem::path DictionaryPath();

} // namespace carbonym
