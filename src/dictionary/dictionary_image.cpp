#include "dictionary/dictionary_image.h"

#include "dictionary/atomic_file.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
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
        throw DictionaryError("读取词典文件“" + DisplayPath(path) + "”失败");
    Load(content);
}

DictionaryImage::DictionaryImage(FileBytes file)
{
    Load(file.Bytes);
}

void DictionaryImage::Load(std::string_view file)
{
    const int64_t count = RecordCountForSize(file.size());
    std::string content(file.substr(0, static_cast<size_t>(count) * kRecordSize));
    content.resize(static_cast<size_t>(count) * kRecordSize, ' ');
    lengths_.reserve(static_cast<size_t>(count));
    sizes_.reserve(static_cast<size_t>(count));
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
    sizes_.insert(sizes_.begin() + static_cast<std::ptrdiff_t>(position),
                  static_cast<uint16_t>(stored_.back().english.size()));
    order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(position), static_cast<uint32_t>(stored_.size() - 1));
}

std::array<char, kRecordSize> DictionaryImage::Encode(std::u16string_view english, std::u16string_view chinese)
{
    return EncodeRecord(MakeRecord(english, chinese), codec_);
}

InsertStatus DictionaryImage::Insert(std::u16string_view english, std::u16string_view chinese)
{
    const auto bytes = Encode(english, chinese);
    const auto term = Trim(english);
    const auto length = static_cast<int16_t>(term.size());
    const size_t n = order_.size();
    if (n == 0 || lengths_[n - 1] > length) {
        Add(n, bytes);
        return InsertStatus::Inserted;
    }
    for (size_t i = 0; i < n; ++i) {
        if (sizes_[i] == term.size() && stored_[order_[i]].english == term)
            return InsertStatus::Duplicate;
        if (lengths_[i] < length)
            break;
    }
    size_t position = 0;
    while (lengths_[position] > length)
        ++position; // stops at the last record at the latest
    Add(position, bytes);
    return InsertStatus::Inserted;
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
        sizes_[kept] = sizes_[i];
        order_[kept] = order_[i];
        ++kept;
    }
    lengths_.resize(kept);
    sizes_.resize(kept);
    order_.resize(kept);
}

void DictionaryImage::Append(std::u16string_view english, std::u16string_view chinese)
{
    Add(order_.size(), Encode(english, chinese));
}

std::string DictionaryImage::Bytes() const
{
    std::string bytes;
    bytes.reserve(order_.size() * kRecordSize);
    for (const uint32_t id : order_)
        bytes.append(stored_[id].bytes.data(), kRecordSize);
    return bytes;
}

void DictionaryImage::Save(const std::filesystem::path& path) const
{
    ReplaceFileAtomically(path, Bytes());
}

} // namespace carbonym

namespace carbonym {

std::vector<InsertStatus> DictionaryImage::InsertAll(const std::vector<std::pair<std::u16string, std::u16string>>& pairs)
{
    // Every pair is encoded first, so that a pair that cannot be stored
    // changes nothing.
    struct NewRecord {
        std::u16string term; // trimmed, as the duplicate test compares it
        int16_t length;
        std::array<char, kRecordSize> bytes;
    };
    std::vector<NewRecord> incoming;
    incoming.reserve(pairs.size());
    for (const auto& [english, chinese] : pairs) {
        const auto bytes = Encode(english, chinese);
        const auto term = Trim(english);
        incoming.push_back({std::u16string(term), static_cast<int16_t>(term.size()), bytes});
    }

    std::vector<InsertStatus> statuses;
    statuses.reserve(pairs.size());
    if (!std::is_sorted(lengths_.begin(), lengths_.end(), std::greater<>())) {
        // Out of order (a batch into an empty dictionary can leave that): the
        // inserts one by one, each scanning the file.
        for (const auto& [english, chinese] : pairs)
            statuses.push_back(Insert(english, chinese));
        return statuses;
    }

    // In a file in longest-first order, which the inserts keep, a new term of
    // length L goes first among the records of length L, and the duplicate
    // test compares the records of length L or more and the first record
    // shorter than L. So it is enough to know, for each stored text, the
    // greatest Length it is stored with, and for each length the text of the
    // record that stands first among that length.
    std::unordered_map<std::u16string_view, int16_t> longest;
    std::map<int16_t, std::u16string_view> firstOfLength;
    longest.reserve(order_.size() + pairs.size());
    for (size_t i = order_.size(); i-- > 0;) {
        const std::u16string_view text = stored_[order_[i]].english;
        auto [at, added] = longest.try_emplace(text, lengths_[i]);
        if (!added)
            at->second = std::max(at->second, lengths_[i]);
        firstOfLength[lengths_[i]] = text; // the last written is the first in the file
    }
    std::vector<std::u16string> storedTexts; // what a reader sees of each new record
    storedTexts.reserve(incoming.size());
    std::vector<size_t> accepted;
    for (size_t k = 0; k < incoming.size(); ++k) {
        const NewRecord& record = incoming[k];
        bool duplicate = false;
        if (!firstOfLength.empty() && firstOfLength.begin()->first <= record.length) {
            const auto stored = longest.find(record.term);
            duplicate = stored != longest.end() && stored->second >= record.length;
            const auto shorter = firstOfLength.lower_bound(record.length);
            if (!duplicate && shorter != firstOfLength.begin())
                duplicate = std::prev(shorter)->second == record.term;
        }
        if (duplicate) {
            storedTexts.emplace_back();
            statuses.push_back(InsertStatus::Duplicate);
            continue;
        }
        const TermRecord decoded = DecodeRecord(std::string_view(record.bytes.data(), kRecordSize), codec_);
        storedTexts.emplace_back(Trim(decoded.English));
        const std::u16string_view text = storedTexts.back();
        auto [at, added] = longest.try_emplace(text, record.length);
        if (!added)
            at->second = std::max(at->second, record.length);
        firstOfLength[record.length] = text;
        accepted.push_back(k);
        statuses.push_back(InsertStatus::Inserted);
    }

    // The new records, longest first and the newest first among equals, go
    // before the old records of their length: one merge.
    std::stable_sort(accepted.begin(), accepted.end(), [&](size_t a, size_t b) {
        return incoming[a].length != incoming[b].length ? incoming[a].length > incoming[b].length : a > b;
    });
    std::vector<int16_t> lengths;
    std::vector<uint16_t> sizes;
    std::vector<uint32_t> order;
    const size_t total = order_.size() + accepted.size();
    lengths.reserve(total);
    sizes.reserve(total);
    order.reserve(total);
    stored_.reserve(stored_.size() + accepted.size());
    size_t old = 0;
    for (const size_t k : accepted) {
        for (; old < order_.size() && lengths_[old] > incoming[k].length; ++old) {
            lengths.push_back(lengths_[old]);
            sizes.push_back(sizes_[old]);
            order.push_back(order_[old]);
        }
        stored_.push_back(Stored{std::move(storedTexts[k]), incoming[k].bytes});
        lengths.push_back(incoming[k].length);
        sizes.push_back(static_cast<uint16_t>(stored_.back().english.size()));
        order.push_back(static_cast<uint32_t>(stored_.size() - 1));
    }
    lengths.insert(lengths.end(), lengths_.begin() + static_cast<std::ptrdiff_t>(old), lengths_.end());
    sizes.insert(sizes.end(), sizes_.begin() + static_cast<std::ptrdiff_t>(old), sizes_.end());
    order.insert(order.end(), order_.begin() + static_cast<std::ptrdiff_t>(old), order_.end());
    lengths_ = std::move(lengths);
    sizes_ = std::move(sizes);
    order_ = std::move(order);
    return statuses;
}

} // namespace carbonym
