#include "dictionary/dictionary_image.h"

#include "dictionary/atomic_file.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "text/trim.h"

#include <cstring>
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

    const int64_t count = RecordCountForSize(content.size());
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
