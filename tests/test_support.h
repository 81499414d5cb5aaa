#pragma once

#include "dictionary/dictionary_file.h"
#include "dictionary/term_record.h"
#include "text/trim.h"
#include "text/utf8.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace carbonym::test {

// UTF-8 literal to UTF-16.
inline std::u16string U(const std::string& utf8)
{
    return Utf8ToUtf16(utf8);
}

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir()
    {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("carbonym-test-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

#ifndef _WIN32
// Root may write anywhere, so a test of a refused write takes the identity of
// an ordinary user (nobody) for its scope, the folder handed to that user as
// a user's own folder would be. Does nothing for an ordinary user.
class UnprivilegedScope {
public:
    explicit UnprivilegedScope(const std::filesystem::path& folder)
    {
        if (geteuid() != 0)
            return;
        constexpr uid_t nobody = 65534;
        active_ = chown(folder.c_str(), nobody, nobody) == 0 && setegid(nobody) == 0 && seteuid(nobody) == 0;
    }
    ~UnprivilegedScope()
    {
        if (active_ && (seteuid(0) != 0 || setegid(0) != 0))
            std::abort();
    }
    UnprivilegedScope(const UnprivilegedScope&) = delete;
    UnprivilegedScope& operator=(const UnprivilegedScope&) = delete;

private:
    bool active_ = false;
};
#else
// Windows refuses to write a read-only file to everyone: nothing to drop.
class UnprivilegedScope {
public:
    explicit UnprivilegedScope(const std::filesystem::path&) { }
};
#endif

// Writes a dictionary of (English, Chinese) pairs in the given order.
inline void WriteDictionaryFile(const std::filesystem::path& path,
                                const std::vector<std::pair<std::string, std::string>>& pairs)
{
    std::filesystem::remove(path);
    DictionaryFile file(path);
    int64_t n = 0;
    for (const auto& [english, chinese] : pairs)
        file.Write(++n, MakeRecord(U(english), U(chinese)));
    file.Close();
}

// "Length:English" for every record of a dictionary, in file order.
inline std::vector<std::string> Entries(const std::filesystem::path& path)
{
    std::vector<std::string> entries;
    for (const auto& record : ReadDictionary(path))
        entries.push_back(std::to_string(record.Length) + ":" + Utf16ToUtf8(Trim(record.English)));
    return entries;
}

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::u16string Repeat(std::u16string_view piece, size_t times)
{
    std::u16string text;
    text.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// One line that is a single piece (no space): a character of every plane,
// both ends of the range, unpaired and reversed surrogates, NUL, lone CR and
// LF, and full-width forms that look like the separators.
inline std::u16string HostileLine()
{
    std::u16string line;
    for (char32_t plane = 0; plane <= 0x10; ++plane) {
        const char32_t c = plane * 0x10000 + 0x4E2D;
        if (c < 0x10000) {
            line += static_cast<char16_t>(c);
        } else {
            line += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            line += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    line += u"\xDBFF\xDFFF"; // U+10FFFF
    line += u"\xD800-\xDC00\xD800,\xFFFF\xFEFF";
    line += std::u16string(1, u'\0');
    line += u"x\ry\nz\u00A0\uFF0C\u2013\u3000";
    return line;
}

} // namespace carbonym::test
