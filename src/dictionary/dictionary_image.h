#pragma once

#include "dictionary/gbk_codec.h"
#include "dictionary/term_record.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace carbonym {

enum class InsertStatus { Inserted, Duplicate };

// The whole dictionary in memory for a change: loaded once, changed record by
// record with the same semantics as inserting into the file, saved once and
// all or nothing. Records keep their bytes exactly as read, so a save never
// alters what it did not change.
class DictionaryImage {
public:
    // Reads the file, creating it empty when absent. A trailing fragment
    // counts as a record when the count rounds it in, filled with spaces.
    explicit DictionaryImage(const std::filesystem::path& path);

    // An empty dictionary, to build one from scratch.
    DictionaryImage() = default;

    // The dictionary whose file holds these bytes.
    struct FileBytes {
        std::string_view Bytes;
    };
    explicit DictionaryImage(FileBytes file);

    int64_t RecordCount() const { return static_cast<int64_t>(order_.size()); }
    TermRecord Record(int64_t n) const; // 1-based

    // The ordered insert of a pair (both texts already cut as needed). A term
    // shorter than the last record is appended without a duplicate test.
    // Otherwise a record whose trimmed English equals the trimmed English
    // exactly is a duplicate; the test stops at the first record shorter
    // than the new term. The new record goes before the first record whose
    // Length is less than or equal to its own, so the newest stands first
    // among equals. Throws GbkError or std::length_error, changing nothing,
    // when the pair cannot be stored.
    InsertStatus Insert(std::u16string_view english, std::u16string_view chinese);

    // The ordered insert of every pair in turn, each seeing the pairs before
    // it: the same records in the same order as calling Insert for each, and
    // the status of each. On a dictionary in longest-first order this is one
    // merge of the sorted new records into the file, so its time grows with
    // the sizes of the batch and the file added, not multiplied. Throws as
    // Insert, changing nothing.
    std::vector<InsertStatus> InsertAll(const std::vector<std::pair<std::u16string, std::u16string>>& pairs);

    // Appends a pair as the last record, with no test.
    void Append(std::u16string_view english, std::u16string_view chinese);

    // The trimmed English of record n (1-based), as a reader sees it.
    std::u16string_view English(int64_t n) const;

    // Replaces the Chinese field of record n, leaving its Length and English
    // bytes as they are. Throws GbkError, changing nothing, when GBK cannot
    // hold the text.
    void SetChinese(int64_t n, std::u16string_view chinese);

    // Removes the records with these numbers (1-based, any order, repeats
    // ignored) in one pass; the records after them move up.
    void Remove(std::vector<int64_t> numbers);

    std::string Bytes() const;

    // Writes the image back, all or nothing. Throws DictionaryError.
    void Save(const std::filesystem::path& path) const;

private:
    struct Stored {
        std::u16string english; // trimmed, as a reader sees it
        std::array<char, kRecordSize> bytes;
    };

    void Load(std::string_view bytes);
    void Add(size_t position, std::array<char, kRecordSize> bytes);
    std::array<char, kRecordSize> Encode(std::u16string_view english, std::u16string_view chinese);

    // Parallel arrays in file order, so that the scans stay in cache; the
    // texts and bytes stay put in `stored_`. `sizes_` holds the size of each
    // stored English text, so that the duplicate test compares texts only
    // where the sizes agree.
    std::vector<int16_t> lengths_;
    std::vector<uint16_t> sizes_;
    std::vector<uint32_t> order_;
    std::vector<Stored> stored_;
    GbkCodec codec_;
};

} // namespace carbonym
