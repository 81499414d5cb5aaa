#include "dictionary/dictionary_image.h"

#include "dictionary/atomic_file.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/term_check.h"
#include "text/case_fold.h"
#include "text/trim.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <unordered_map>
#include <fstream>
#include <iterator>

namespace carbonym {

DictionaryImage::DictionaryImage(const std::filesystem::path& path)
{
    DictionaryFile(path).Close(); // creates an absent file, reports an unopenable one
    std::ifstream in(path, std::ios::binary);
    std::string content(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
        throw DictionaryError(DictionaryFault::CannotRead, path);
    Load(content);
}

DictionaryImage::DictionaryImage(FileBytes file)
{
    Load(file.Bytes);
}

void DictionaryImage::Load(std::string_view file)
{
    const int64_t count = RecordCountForSize(file.size());
    // A fragment too short to count as a record is kept as it is, after the
    // records: a save drops nothing it did not change.
    if (file.size() > static_cast<size_t>(count) * kRecordSize)
        tail_ = std::string(file.substr(static_cast<size_t>(count) * kRecordSize));
    std::string content(file.substr(0, static_cast<size_t>(count) * kRecordSize));
    content.resize(static_cast<size_t>(count) * kRecordSize, ' ');
    lengths_.reserve(static_cast<size_t>(count));
    order_.reserve(static_cast<size_t>(count));
    stored_.reserve(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i) {
        std::array<char, kRecordSize> bytes;
        std::memcpy(bytes.data(), content.data() + i * kRecordSize, kRecordSize);
        Add(order_.size(), bytes);
    }
}

TermRecord DictionaryImage::Record(int64_t n) const
{
    const auto& bytes = stored_[order_.at(static_cast<size_t>(n - 1))].bytes;
    GbkCodec codec;
    return DecodeRecord(std::string_view(bytes.data(), kRecordSize), codec);
}

void DictionaryImage::Add(size_t position, std::array<char, kRecordSize> bytes)
{
    const TermRecord record = DecodeRecord(std::string_view(bytes.data(), kRecordSize), codec_);
    stored_.push_back(Stored{std::u16string(Trim(record.English)), bytes});
    lengths_.insert(lengths_.begin() + static_cast<std::ptrdiff_t>(position), record.Length);
    order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(position), static_cast<uint32_t>(stored_.size() - 1));
    if (indexed_)
        Index(stored_.back().english);
}

void DictionaryImage::Index(const std::u16string& english)
{
    exact_.insert(english);
    folded_.try_emplace(FoldCase(english), english);
}

void DictionaryImage::BuildIndex()
{
    if (indexed_)
        return;
    exact_.reserve(order_.size());
    folded_.reserve(order_.size());
    for (const uint32_t id : order_)
        Index(stored_[id].english);
    indexed_ = true;
}

InsertResult DictionaryImage::Admit(const std::u16string& stored)
{
    BuildIndex();
    if (exact_.count(stored))
        return {InsertStatus::Duplicate, stored};
    if (const auto similar = folded_.find(FoldCase(stored)); similar != folded_.end())
        return {InsertStatus::CaseDuplicate, similar->second};
    return {InsertStatus::Inserted, {}};
}

std::array<char, kRecordSize> DictionaryImage::EncodeFit(std::u16string_view english, std::u16string_view chinese,
                                                         std::u16string& stored)
{
    if (const auto faults = TermFaults(english, chinese); !faults.empty())
        throw TermRefused(faults.front());
    const auto bytes = Encode(english, chinese);
    stored = Trim(DecodeRecord(std::string_view(bytes.data(), kRecordSize), codec_).English);
    return bytes;
}

std::array<char, kRecordSize> DictionaryImage::Encode(std::u16string_view english, std::u16string_view chinese)
{
    return EncodeRecord(MakeRecord(english, chinese), codec_);
}

InsertResult DictionaryImage::Insert(std::u16string_view english, std::u16string_view chinese)
{
    std::u16string stored;
    const auto bytes = EncodeFit(english, chinese, stored);
    const InsertResult result = Admit(stored);
    if (result.Status != InsertStatus::Inserted)
        return result;
    const auto length = static_cast<int16_t>(Trim(english).size());
    size_t position = 0;
    while (position < lengths_.size() && lengths_[position] > length)
        ++position;
    Add(position, bytes);
    return result;
}

std::u16string_view DictionaryImage::English(int64_t n) const
{
    return stored_[order_.at(static_cast<size_t>(n - 1))].english;
}

void DictionaryImage::SetChinese(int64_t n, std::u16string_view chinese)
{
    auto& bytes = stored_[order_.at(static_cast<size_t>(n - 1))].bytes;
    const std::string field = codec_.EncodeField(Trim(chinese), kChineseWidth);
    std::memcpy(bytes.data() + (kRecordSize - kChineseWidth), field.data(), kChineseWidth);
}

void DictionaryImage::Remove(std::vector<int64_t> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    size_t kept = 0;
    auto next = numbers.begin();
    for (size_t i = 0; i < order_.size(); ++i) {
        if (next != numbers.end() && *next == static_cast<int64_t>(i) + 1) {
            ++next;
            continue;
        }
        lengths_[kept] = lengths_[i];
        order_[kept] = order_[i];
        ++kept;
    }
    lengths_.resize(kept);
    order_.resize(kept);
    indexed_ = false;
    exact_.clear();
    folded_.clear();
}

void DictionaryImage::Append(std::u16string_view english, std::u16string_view chinese)
{
    std::u16string stored;
    Add(order_.size(), EncodeFit(english, chinese, stored));
}

InsertResult DictionaryImage::AppendUnlessStored(std::u16string_view english, std::u16string_view chinese)
{
    std::u16string stored;
    const auto bytes = EncodeFit(english, chinese, stored);
    const InsertResult result = Admit(stored);
    if (result.Status == InsertStatus::Inserted)
        Add(order_.size(), bytes);
    return result;
}

std::string DictionaryImage::Bytes() const
{
    std::string bytes;
    bytes.reserve(order_.size() * kRecordSize);
    for (const uint32_t id : order_)
        bytes.append(stored_[id].bytes.data(), kRecordSize);
    return bytes + tail_;
}

void DictionaryImage::Save(const std::filesystem::path& path) const
{
    ReplaceFileAtomically(path, Bytes());
}

} // namespace carbonym

namespace carbonym {

std::vector<InsertResult>
DictionaryImage::InsertAll(const std::vector<std::pair<std::u16string, std::u16string>>& pairs)
{
    // Every pair is checked and encoded first, so that a pair that cannot be
    // stored changes nothing.
    struct NewRecord {
        int16_t length;
        size_t gap; // the old record it goes before (RecordCount: at the end)
        std::u16string stored; // the English as a reader will see it
        std::array<char, kRecordSize> bytes;
    };
    std::vector<NewRecord> incoming;
    incoming.reserve(pairs.size());
    for (const auto& [english, chinese] : pairs) {
        NewRecord record{static_cast<int16_t>(Trim(english).size()), 0, {}, {}};
        record.bytes = EncodeFit(english, chinese, record.stored);
        incoming.push_back(std::move(record));
    }

    // A new record of length L goes before the first record whose Length is
    // at most L. Among the old records that is the first whose running
    // minimum of Length is at most L, found by halving since the minima only
    // fall, whether or not the file is longest-first. Every new record that
    // an insert one by one would meet first lies in the same gap between
    // old records, and within a gap the inserts keep the new records longest
    // first, the newest first among equals: so one sort and one merge give
    // what inserting one by one gives.
    std::vector<int16_t> minima(lengths_.size());
    for (size_t i = 0; i < lengths_.size(); ++i)
        minima[i] = i == 0 ? lengths_[0] : std::min(minima[i - 1], lengths_[i]);
    std::vector<InsertResult> results;
    results.reserve(pairs.size());
    std::vector<size_t> accepted;
    for (size_t k = 0; k < incoming.size(); ++k) {
        NewRecord& record = incoming[k];
        results.push_back(Admit(record.stored));
        if (results.back().Status != InsertStatus::Inserted)
            continue;
        Index(record.stored);
        const auto first = std::partition_point(minima.begin(), minima.end(),
                                                [&](int16_t minimum) { return minimum > record.length; });
        record.gap = static_cast<size_t>(first - minima.begin());
        accepted.push_back(k);
    }
    std::sort(accepted.begin(), accepted.end(), [&](size_t a, size_t b) {
        const NewRecord& x = incoming[a];
        const NewRecord& y = incoming[b];
        if (x.gap != y.gap)
            return x.gap < y.gap;
        return x.length != y.length ? x.length > y.length : a > b;
    });

    std::vector<int16_t> lengths;
    std::vector<uint32_t> order;
    const size_t total = order_.size() + accepted.size();
    lengths.reserve(total);
    order.reserve(total);
    stored_.reserve(stored_.size() + accepted.size());
    size_t old = 0;
    for (const size_t k : accepted) {
        for (; old < incoming[k].gap; ++old) {
            lengths.push_back(lengths_[old]);
            order.push_back(order_[old]);
        }
        stored_.push_back(Stored{std::move(incoming[k].stored), incoming[k].bytes});
        lengths.push_back(incoming[k].length);
        order.push_back(static_cast<uint32_t>(stored_.size() - 1));
    }
    lengths.insert(lengths.end(), lengths_.begin() + static_cast<std::ptrdiff_t>(old), lengths_.end());
    order.insert(order.end(), order_.begin() + static_cast<std::ptrdiff_t>(old), order_.end());
    lengths_ = std::move(lengths);
    order_ = std::move(order);
    return results;
}

} // namespace carbonym
