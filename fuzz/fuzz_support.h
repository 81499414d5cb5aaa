#pragma once

// Helpers shared by the fuzz targets: turning bytes into texts, a scratch
// directory, and checks that stay on in release builds (the replay tests run
// the targets in the normal build too).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace carbonym::fuzz {

[[noreturn]] inline void Fail(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                                          \
    ((condition) ? static_cast<void>(0) : ::carbonym::fuzz::Fail(#condition, __FILE__, __LINE__))

inline std::string_view Bytes(const uint8_t* data, size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// Byte 0xFF never occurs in UTF-8, so it separates the fields of an input.
inline std::vector<std::string_view> SplitFields(std::string_view bytes)
{
    std::vector<std::string_view> fields;
    size_t begin = 0;
    for (;;) {
        const size_t end = bytes.find('\xff', begin);
        fields.push_back(bytes.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
        if (end == std::string_view::npos)
            return fields;
        begin = end + 1;
    }
}

// Any bytes to UTF-16, reaching every unit: UTF-8 with encoded surrogates
// allowed (so ED A0 80 is a lone U+D800), and each byte that starts no
// sequence as the lone surrogate U+DC00 + byte. Seeds stay readable text.
inline std::u16string DecodeLenient(std::string_view bytes)
{
    std::u16string text;
    size_t i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const size_t size = byte < 0x80                   ? 1
                            : byte >= 0xC2 && byte < 0xE0 ? 2
                            : byte >= 0xE0 && byte < 0xF0 ? 3
                            : byte >= 0xF0 && byte < 0xF5 ? 4
                                                          : 0;
        char32_t c = size == 1 ? byte : size == 2 ? byte & 0x1F : size == 3 ? byte & 0x0F : byte & 0x07;
        bool valid = size != 0 && i + size <= bytes.size();
        for (size_t k = 1; valid && k < size; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        const char32_t least = size == 3 ? 0x800 : size == 4 ? 0x10000 : 0;
        if (!valid || c < least || c > 0x10FFFF) {
            text += static_cast<char16_t>(0xDC00 + byte);
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            text += static_cast<char16_t>(c);
        }
        i += size;
    }
    return text;
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(out.good());
}

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A directory of this process's own, removed at exit, on tmpfs where there
// is one, so that the saves' flushes to disk cost nothing.
inline const std::filesystem::path& ScratchDirectory()
{
    struct Scratch {
        Scratch()
        {
            std::error_code error;
            const std::filesystem::path shm = "/dev/shm";
            const auto base = std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
            path = base / ("carbonym-fuzz-" + std::to_string(std::random_device()()));
            std::filesystem::create_directories(path);
        }
        ~Scratch()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        std::filesystem::path path;
    };
    static const Scratch scratch;
    return scratch.path;
}

} // namespace carbonym::fuzz
