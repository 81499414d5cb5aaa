#pragma once

#include "dictionary/file_system.h"

#include <filesystem>
#include <string_view>
#include <utility>
#include <vector>

namespace carbonym {

// Replaces the file at `path` by `bytes`, all or nothing: the bytes go to a
// work file of this process in the same folder, are flushed to disk, and the
// work file is renamed over the old one; then the folder is flushed. A
// symbolic link at `path` is followed and the file it points to replaced.
// The new file keeps the owner and mode of the old one; anything but a
// plain file is refused, and so is a file that cannot be written in place.
// Whatever fails, the old file stays as it was. Throws DictionaryError.
void ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Several files beside `target` replaced as above, with the owner and mode
// of `like`: every work file (named for `target`, so that
// ClearStaleWorkFiles finds it) is written and flushed first, then they are
// renamed in the given order, the folder flushed after each rename. So a
// failure before the first rename changes nothing, and the files change one
// at a time in the order given. Throws DictionaryError, marked as a failure
// to save `name`, the dictionary as the user named it.
void ReplaceFilesInOrder(const std::vector<std::pair<std::filesystem::path, std::string_view>>& files,
                         const FileIdentity& like, const std::filesystem::path& target,
                         const std::filesystem::path& name);

// Refuses (DictionaryError) to save over `target` (links already followed)
// when it is not a plain file, or exists and cannot be opened for writing.
void CheckReplaceable(const std::filesystem::path& target, const FileIdentity& identity);

// The name of a work file for saving `target`: beside it, holding the
// process id, so that writers never share one and a leftover names its writer.
std::filesystem::path WorkFilePathFor(const std::filesystem::path& target);

// Removes the work files for `target` whose writer has ended (a save cut
// short by a kill or a power cut leaves one): plain files named exactly as
// WorkFilePathFor names them. Those of running writers stay, and so does
// every other file.
void ClearStaleWorkFiles(const std::filesystem::path& target);

} // namespace carbonym
