// The ordered insert and the batch on an arbitrary dictionary with arbitrary
// pairs: afterwards the file reads back and holds the old records, untouched
// and in their order, plus the new ones in their places; a refused add (a
// faulty pair, a term stored already letter case aside) leaves it byte for
// byte as it was.
//
// Input: one byte h, then the dictionary's bytes ((h & 31) records plus a
// fragment of 0, 55 or 56 bytes by bits 5-6; sorted longest first when bit 7
// is set), then fields separated by byte 0xFF: English and Chinese of each
// pair. The first pair goes through the single add, the rest through a batch,
// whose merge is also checked against the inserts one by one.

#include "fuzz_support.h"

#include "dictionary/add_terms.h"
#include "dictionary/cut_text.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/dictionary_image.h"
#include "dictionary/gbk_codec.h"
#include "dictionary/term_check.h"
#include "text/case_fold.h"
#include "text/trim.h"

#include <algorithm>
#include <stdexcept>

using namespace carbonym;

namespace {

using Records = std::vector<std::string>; // 111 bytes each

Records SplitRecords(const std::string& bytes)
{
    Records records;
    const auto count = static_cast<size_t>(RecordCountForSize(bytes.size()));
    for (size_t i = 0; i < count; ++i) {
        std::string record = bytes.substr(i * kRecordSize, kRecordSize);
        record.resize(kRecordSize, ' ');
        records.push_back(record);
    }
    return records;
}

int16_t LengthOf(const std::string& record)
{
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<unsigned char>(record[0]))
                                | static_cast<uint16_t>(static_cast<unsigned char>(record[1]) << 8));
}

std::u16string TrimmedEnglish(const std::string& record, GbkCodec& codec)
{
    return std::u16string(Trim(DecodeRecord(record, codec).English));
}

std::string Encoded(std::u16string_view english, std::u16string_view chinese, GbkCodec& codec)
{
    const auto bytes = EncodeRecord(MakeRecord(english, chinese), codec);
    return std::string(bytes.data(), bytes.size());
}

// Whether the file can hold the pair at all.
bool Storable(std::u16string_view english, std::u16string_view chinese, GbkCodec& codec)
{
    try {
        Encoded(english, chinese, codec);
        return true;
    } catch (const GbkError&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

// `before` with exactly one record added gives `after`; returns its index.
size_t AddedAt(const Records& before, const Records& after)
{
    FUZZ_CHECK(after.size() == before.size() + 1);
    size_t p = 0;
    while (p < before.size() && before[p] == after[p])
        ++p;
    for (size_t i = p; i < before.size(); ++i)
        FUZZ_CHECK(after[i + 1] == before[i]);
    return p;
}

void CheckSingleAdd(const std::filesystem::path& path, std::u16string english, std::u16string chinese, GbkCodec& codec)
{
    const std::string bytesBefore = fuzz::ReadFile(path);
    const Records before = SplitRecords(bytesBefore);
    AddOutcome outcome;
    try {
        outcome = AddTerm(path, english, chinese);
    } catch (const std::exception&) {
        CutAtLineBreak(english, chinese);
        FUZZ_CHECK(!Storable(english, chinese, codec));
        FUZZ_CHECK(fuzz::ReadFile(path) == bytesBefore);
        return;
    }
    CutAtLineBreak(english, chinese);
    const auto term = Trim(english);
    const auto length = static_cast<int16_t>(term.size());
    if (outcome.Status == AddStatus::FirstRecord) {
        FUZZ_CHECK(before.empty());
        FUZZ_CHECK(SplitRecords(fuzz::ReadFile(path)) == Records{Encoded(english, chinese, codec)});
        return;
    }
    if (outcome.Status != AddStatus::Inserted) {
        FUZZ_CHECK(fuzz::ReadFile(path) == bytesBefore);
        if (outcome.Status == AddStatus::Refused)
            FUZZ_CHECK(!TermFaults(english, chinese).empty());
        if (outcome.Status == AddStatus::Duplicate || outcome.Status == AddStatus::CaseDuplicate) {
            FUZZ_CHECK(std::any_of(before.begin(), before.end(),
                                   [&](const std::string& r) { return TrimmedEnglish(r, codec) == outcome.Stored; }));
        }
        return;
    }
    FUZZ_CHECK(TermFaults(english, chinese).empty());
    const Records after = SplitRecords(fuzz::ReadFile(path));
    const size_t p = AddedAt(before, after);
    FUZZ_CHECK(after[p] == Encoded(english, chinese, codec));
    // Before the first record not longer than the new one, newest first.
    for (size_t i = 0; i < p; ++i)
        FUZZ_CHECK(LengthOf(before[i]) > length);
    FUZZ_CHECK(p == before.size() || LengthOf(before[p]) <= length);
    // No record held the term as stored, letter case aside.
    const auto stored = FoldCase(TrimmedEnglish(after[p], codec));
    for (const auto& record : before)
        FUZZ_CHECK(FoldCase(TrimmedEnglish(record, codec)) != stored);
}

void CheckBatch(const std::filesystem::path& path, const std::vector<std::u16string>& english,
                const std::vector<std::u16string>& chinese, GbkCodec& codec)
{
    const std::string bytesBefore = fuzz::ReadFile(path);
    const Records before = SplitRecords(bytesBefore);
    BatchOutcome outcome;
    try {
        outcome = AddBatch(path, english, chinese);
    } catch (const GbkError&) {
        FUZZ_CHECK(fuzz::ReadFile(path) == bytesBefore);
        return;
    }
    if (outcome.Added == 0) {
        FUZZ_CHECK(fuzz::ReadFile(path) == bytesBefore);
        return;
    }
    FUZZ_CHECK(outcome.Status == BatchOutcome::Status::Done);
    FUZZ_CHECK(outcome.Added + outcome.DuplicateCount <= outcome.EnglishLines);
    const Records after = SplitRecords(fuzz::ReadFile(path));
    FUZZ_CHECK(after.size() == before.size() + static_cast<size_t>(outcome.Added));
    if (before.empty()) {
        // Into an empty dictionary: the pairs added, in list order.
        size_t matched = 0;
        for (size_t i = 0; i < static_cast<size_t>(outcome.EnglishLines) && matched < after.size(); ++i) {
            std::u16string e = english[i];
            std::u16string c = chinese[i];
            CutAtTab(e, c);
            if (Trim(e).empty() && Trim(c).empty())
                continue;
            matched += after[matched] == Encoded(e, c, codec);
        }
        FUZZ_CHECK(matched == after.size());
        return;
    }
    // The old records, in their order, with the new ones between them.
    size_t matched = 0;
    for (const auto& record : after)
        matched += matched < before.size() && record == before[matched];
    FUZZ_CHECK(matched == before.size());
}

// The batch's merge gives what inserting the pairs one by one gives, on any
// file, sorted or not.
void CheckMergeAgainstInserts(const std::string& bytes, const std::vector<std::u16string>& english,
                              const std::vector<std::u16string>& chinese)
{
    std::vector<std::pair<std::u16string, std::u16string>> pairs;
    for (size_t i = 0; i < english.size() && i < chinese.size(); ++i)
        pairs.emplace_back(english[i], chinese[i]);
    DictionaryImage oneByOne(DictionaryImage::FileBytes{bytes});
    DictionaryImage merged(DictionaryImage::FileBytes{bytes});
    std::vector<InsertResult> statuses;
    try {
        for (const auto& [e, c] : pairs)
            statuses.push_back(oneByOne.Insert(e, c));
    } catch (const std::exception&) {
        bool refused = false;
        try {
            merged.InsertAll(pairs);
        } catch (const std::exception&) {
            refused = true;
        }
        FUZZ_CHECK(refused && merged.Bytes() == DictionaryImage(DictionaryImage::FileBytes{bytes}).Bytes());
        return;
    }
    FUZZ_CHECK(merged.InsertAll(pairs) == statuses);
    FUZZ_CHECK(merged.Bytes() == oneByOne.Bytes());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto bytes = fuzz::Bytes(data, size);
    if (bytes.empty())
        return 0;
    const auto header = static_cast<unsigned char>(bytes[0]);
    bytes.remove_prefix(1);
    const size_t fragment[] = {0, 55, 56, 0};
    const size_t dictionarySize = std::min(bytes.size(), (header & 31u) * kRecordSize + fragment[(header >> 5) & 3u]);
    std::string dictionary(bytes.substr(0, dictionarySize));
    bytes.remove_prefix(dictionarySize);
    if (header & 0x80) {
        Records records = SplitRecords(dictionary);
        std::stable_sort(records.begin(), records.end(),
                         [](const std::string& a, const std::string& b) { return LengthOf(a) > LengthOf(b); });
        dictionary.clear();
        for (const auto& record : records)
            dictionary += record;
    }
    const auto path = fuzz::ScratchDirectory() / "source.dat";
    fuzz::WriteFile(path, dictionary);

    const auto fields = fuzz::SplitFields(bytes);
    std::vector<std::u16string> english;
    std::vector<std::u16string> chinese;
    for (size_t i = 0; i < fields.size(); ++i)
        (i % 2 == 0 ? english : chinese).push_back(fuzz::DecodeLenient(fields[i]));

    GbkCodec codec;
    if (!chinese.empty()) {
        CheckSingleAdd(path, english.front(), chinese.front(), codec);
        english.erase(english.begin());
        chinese.erase(chinese.begin());
    }
    CheckMergeAgainstInserts(dictionary, english, chinese);
    CheckBatch(path, english, chinese, codec);
    ReadDictionary(path); // still reads
    return 0;
}
