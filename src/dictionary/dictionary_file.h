#pragma once

#include "dictionary/gbk_codec.h"
#include "dictionary/term_record.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace carbonym {

// The dictionary file: fixed 111-byte records, no header. Open on
// construction (an absent file is created empty), closed by Close() or the
// destructor. Every failure throws DictionaryError.
class DictionaryFile {
public:
    explicit DictionaryFile(const std::filesystem::path& path);

    // The file length divided by 111, rounded to the nearest whole number: a
    // trailing fragment of 56 bytes or more counts as a record.
    int64_t RecordCount();

    // 1 <= n <= RecordCount(). A trailing fragment reads as if filled with spaces.
    TermRecord Read(int64_t n);

    // Every record in file order, read in one pass: as Read(1), Read(2), ...
    // up to RecordCount(), without a seek and a size query per record.
    std::vector<TermRecord> ReadAll();

    // 1 <= n <= RecordCount() + 1. Throws GbkError before writing anything
    // when a text holds a character GBK cannot hold.
    void Write(int64_t n, const TermRecord& record);

    void Close();

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
    std::fstream file_;
    GbkCodec codec_;
};

// Opens, reads every record in file order, closes.
std::vector<TermRecord> ReadDictionary(const std::filesystem::path& path);

// As ReadDictionary, but never creates a file: an absent dictionary, or one
// that is not a plain file, throws DictionaryError.
std::vector<TermRecord> ReadExistingDictionary(const std::filesystem::path& path);

// Throws DictionaryError unless `path` is an existing plain file (links
// followed): the commands that only read never create a dictionary.
void RequireExistingDictionary(const std::filesystem::path& path);

// Counts records for a file of `bytes` bytes.
int64_t RecordCountForSize(uintmax_t bytes);

// Text of a path for messages (UTF-8).
std::string DisplayPath(const std::filesystem::path& path);

} // namespace carbonym
