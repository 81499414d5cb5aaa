#pragma once

#include <filesystem>

namespace carbonym {

// The directory of the running program.
std::filesystem::path ProgramDirectory();

// "source.dat" in `directory`.
std::filesystem::path DictionaryPathIn(const std::filesystem::path& directory);

// "source.dat" in the program's directory.
std::filesystem::path DictionaryPath();

} // namespace carbonym
