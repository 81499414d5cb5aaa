#include "dictionary/atomic_file.h"

#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace carbonym {

namespace {

constexpr const char* kTemporarySuffix = ".tmp-";

std::filesystem::path TemporaryPathBeside(const std::filesystem::path& path)
{
    std::random_device seed;
    auto name = path.filename();
    name += kTemporarySuffix + std::to_string(seed());
    return path.parent_path() / name;
}

// A save cut short (the program killed, the power gone) leaves its temporary
// file behind; the next save that succeeds clears such files away.
void RemoveLeftoverTemporaries(const std::filesystem::path& path)
{
    auto prefix = path.filename();
    prefix += kTemporarySuffix;
    const auto& start = prefix.native();
    const auto directory = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::error_code error;
    std::filesystem::directory_iterator entry(directory, error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const auto name = entry->path().filename().native();
        if (name.size() > start.size() && name.compare(0, start.size(), start) == 0) {
            std::error_code ignored; // another program may hold it; it can wait for the next save
            std::filesystem::remove(entry->path(), ignored);
        }
    }
}

bool FlushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

std::FILE* OpenForWriting(const std::filesystem::path& path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

} // namespace

void ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    const std::string failure = "无法保存词典文件“" + DisplayPath(path) + "”";
    // A file that cannot be written in place is not replaced behind its
    // back either: a read-only dictionary stays as it is.
    std::error_code error;
    const auto old = std::filesystem::status(path, error);
    if (std::filesystem::exists(old) && !std::ofstream(path, std::ios::binary | std::ios::app))
        throw DictionaryError(failure + "：文件只读或被占用");
    const auto temporary = TemporaryPathBeside(path);
    std::FILE* file = OpenForWriting(temporary);
    if (!file)
        throw DictionaryError(failure + "：无法在其所在的文件夹中写入文件");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = written && FlushToDisk(file);
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        std::filesystem::remove(temporary, error);
        throw DictionaryError(failure + "：写入失败（磁盘可能已满）");
    }
    // The new file keeps the old one's permissions.
    if (std::filesystem::exists(old))
        std::filesystem::permissions(temporary, old.permissions(), error);
    // On Windows the standard library renames with MOVEFILE_REPLACE_EXISTING.
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw DictionaryError(failure + "：无法替换原文件（文件可能被占用或只读）");
    }
    RemoveLeftoverTemporaries(path);
}

} // namespace carbonym
