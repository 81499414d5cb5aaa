#pragma once

#include <filesystem>
#include <string_view>

namespace carbonym {

// Replaces the file at `path` by `bytes`, all or nothing: the bytes go to a
// temporary file in the same directory, are flushed to disk, and the
// temporary file is renamed over the old one. Whatever fails, the old file
// stays as it was. Throws DictionaryError.
void ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace carbonym
