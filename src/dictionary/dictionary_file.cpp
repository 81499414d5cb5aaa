#include "dictionary/dictionary_file.h"

#include "dictionary/dictionary_error.h"
#include "dictionary/file_system.h"

#include <algorithm>
#include <string>

namespace carbonym {

int64_t RecordCountForSize(uintmax_t bytes)
{
    // The floating-point quotient rounded half to even; a quotient of whole
    // bytes over 111 is never exactly half-way, so this is plain rounding.
    const auto whole = static_cast<int64_t>(bytes / kRecordSize);
    return bytes % kRecordSize >= (kRecordSize + 1) / 2 ? whole + 1 : whole;
}

std::string DisplayPath(const std::filesystem::path& path)
{
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

DictionaryFile::DictionaryFile(const std::filesystem::path& path) : path_(path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path_, error))
        throw DictionaryError(DictionaryFault::Folder, path_);
    if (!std::filesystem::exists(path_, error)) {
        std::ofstream create(path_, std::ios::binary);
        if (!create)
            throw DictionaryError(DictionaryFault::CannotCreate, path_);
    }
    file_.open(path_, std::ios::in | std::ios::out | std::ios::binary);
    if (!file_.is_open()) {
        // A read-only file can still be read.
        file_.open(path_, std::ios::in | std::ios::binary);
        if (!file_.is_open())
            throw DictionaryError(DictionaryFault::CannotOpen, path_);
    }
}

int64_t DictionaryFile::RecordCount()
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path_, error);
    if (error)
        throw DictionaryError(DictionaryFault::CannotRead, path_);
    return RecordCountForSize(size);
}

TermRecord DictionaryFile::Read(int64_t n)
{
    if (n < 1 || n > RecordCount())
        throw DictionaryError(DictionaryFault::RecordOutOfRange, path_, n);
    char bytes[kRecordSize];
    file_.clear();
    file_.seekg(static_cast<std::streamoff>((n - 1) * static_cast<int64_t>(kRecordSize)));
    file_.read(bytes, kRecordSize);
    const auto got = static_cast<size_t>(file_.gcount());
    if (file_.bad() || (got < kRecordSize && !file_.eof()))
        throw DictionaryError(DictionaryFault::CannotRead, path_);
    file_.clear();
    return DecodeRecord(std::string_view(bytes, got), codec_);
}

std::vector<TermRecord> DictionaryFile::ReadAll()
{
    const auto count = static_cast<size_t>(RecordCount());
    std::string bytes(count * kRecordSize, '\0');
    file_.clear();
    file_.seekg(0);
    file_.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const auto got = static_cast<size_t>(file_.gcount());
    if (file_.bad() || (got < bytes.size() && !file_.eof()))
        throw DictionaryError(DictionaryFault::CannotRead, path_);
    file_.clear();
    bytes.resize(got); // a trailing fragment reads as if filled with spaces
    std::vector<TermRecord> records;
    records.reserve(count);
    const std::string_view all = bytes;
    for (size_t at = 0; records.size() < count; at += kRecordSize)
        records.push_back(DecodeRecord(all.substr(std::min(at, all.size()), kRecordSize), codec_));
    return records;
}

void DictionaryFile::Write(int64_t n, const TermRecord& record)
{
    if (n < 1 || n > RecordCount() + 1)
        throw DictionaryError(DictionaryFault::RecordOutOfRange, path_, n);
    const auto bytes = EncodeRecord(record, codec_);
    file_.clear();
    file_.seekp(static_cast<std::streamoff>((n - 1) * static_cast<int64_t>(kRecordSize)));
    file_.write(bytes.data(), kRecordSize);
    file_.flush();
    if (!file_)
        throw DictionaryError(DictionaryFault::CannotWrite, path_);
}

void DictionaryFile::Close()
{
    if (file_.is_open())
        file_.close();
}

std::vector<TermRecord> ReadDictionary(const std::filesystem::path& path)
{
    DictionaryFile file(path);
    auto records = file.ReadAll();
    file.Close();
    return records;
}

} // namespace carbonym

namespace carbonym {

void RequireExistingDictionary(const std::filesystem::path& path)
{
    const auto identity = InspectFile(path);
    if (!identity.Exists)
        throw DictionaryError(DictionaryFault::Missing, path);
    RequirePlainFile(path, identity);
}

std::vector<TermRecord> ReadExistingDictionary(const std::filesystem::path& path)
{
    RequireExistingDictionary(path);
    return ReadDictionary(path);
}

} // namespace carbonym
