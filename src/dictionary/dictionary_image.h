#pragma once

#include "dictionary/gbk_codec.h"
#include "dictionary/term_record.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace carbonym {

enum class InsertStatus {
    Inserted,
    Duplicate, // a record holds the same English as the record would store it
    CaseDuplicate, // a record holds the same English but for letter case
};

struct InsertResult {
    InsertStatus Status = InsertStatus::Inserted;
    std::u16string Stored; // Duplicate, CaseDuplicate: the English of the record already there

    bool operator==(const InsertResult&) const = default;
};

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

    // The ordered insert of a pair (both texts already cut as needed). The
    // pair is refused when a record holds its English as the record would
    // store it (cut to the field), or the same up to letter case: translating
    // ignores case, so such a record would never be applied. Otherwise the
    // new record goes before the first record whose Length is less than or
    // equal to its own, so the newest stands first among equals. Throws
    // TermRefused (a blank term, a control character), GbkError or
    // std::length_error, changing nothing, when the pair cannot be stored.
    InsertResult Insert(std::u16string_view english, std::u16string_view chinese);

    // The ordered insert of every pair in turn, each seeing the pairs before
    // it: the same records in the same order as calling Insert for each, and
    // the result of each, in one sort and one merge, whether or not the file
    // is in longest-first order. Throws as Insert, changing nothing.
    std::vector<InsertResult> InsertAll(const std::vector<std::pair<std::u16string, std::u16string>>& pairs);

    // Appends a pair as the last record, with no test of what is stored.
    // Throws as Insert for a pair that cannot be stored.
    void Append(std::u16string_view english, std::u16string_view chinese);

    // Appends a pair as the last record unless its English is stored
    // already (as Insert tests it). Throws as Insert.
    InsertResult AppendUnlessStored(std::u16string_view english, std::u16string_view chinese);

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
    void Index(const std::u16string& english);
    void BuildIndex();
    InsertResult Admit(const std::u16string& stored);
    std::array<char, kRecordSize> EncodeFit(std::u16string_view english, std::u16string_view chinese,
                                            std::u16string& stored);
    void Add(size_t position, std::array<char, kRecordSize> bytes);
    std::array<char, kRecordSize> Encode(std::u16string_view english, std::u16string_view chinese);

    // Parallel arrays in file order, so that the scans stay in cache; the
    // texts and bytes stay put in `stored_`.
    std::vector<int16_t> lengths_;
    std::vector<uint32_t> order_;
    std::vector<Stored> stored_;
    std::string tail_; // bytes after the last record, too few to count as one
    // The stored English texts, as they are and case-folded, for the
    // duplicate test; built at the first insert.
    bool indexed_ = false;
    std::unordered_set<std::u16string> exact_;
    std::unordered_map<std::u16string, std::u16string> folded_;
    GbkCodec codec_;
};

} // namespace carbonym
