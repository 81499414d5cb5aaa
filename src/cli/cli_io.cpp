#include "cli/cli_io.h"

#include "cli/console.h"
#include "dictionary/dictionary_path.h"
#include "text/lines.h"
#include "text/utf8.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace carbonym::cli {

std::u16string ReadTextInput(const std::string& path)
{
    UseUtf8Streams();
    std::string bytes;
    if (path.empty() || path == "-") {
        std::u16string typed;
        if (ReadConsoleText(typed))
            return typed;
        bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        if (std::cin.bad())
            throw CliFailure(kExitFailed, "无法读取标准输入");
    } else {
        const std::filesystem::path file = std::filesystem::u8path(path);
        std::error_code error;
        if (std::filesystem::is_directory(file, error))
            throw CliFailure(kExitFailed, "无法读取文件“" + path + "”：这是一个文件夹");
        std::ifstream in(file, std::ios::binary);
        if (!in)
            throw CliFailure(kExitFailed, "无法读取文件“" + path + "”");
        std::ostringstream content;
        content << in.rdbuf();
        if (in.bad())
            throw CliFailure(kExitFailed, "无法读取文件“" + path + "”");
        bytes = std::move(content).str();
    }
    try {
        return Utf8ToUtf16(bytes);
    } catch (const std::invalid_argument& error) {
        throw CliFailure(kExitFailed, error.what());
    }
}

std::u16string ToUnixLineBreaks(std::u16string_view text)
{
    std::u16string unix;
    unix.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue;
        unix += text[i];
    }
    return unix;
}

void WriteTextOutput(std::u16string_view text)
{
    UseUtf8Streams();
    const std::string bytes = Utf16ToUtf8(ToUnixLineBreaks(text));
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

void WriteOutput(std::u16string_view text, const std::string& path)
{
    const std::string bytes = Utf16ToUtf8(text);
    if (path.empty() || path == "-") {
        UseUtf8Streams();
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
        if (std::fflush(stdout) != 0 || !written)
            throw CliFailure(kExitFailed, "无法写入标准输出");
        return;
    }
    const std::filesystem::path file = std::filesystem::u8path(path);
    std::error_code error;
    if (std::filesystem::is_directory(file, error))
        throw CliFailure(kExitFailed, "无法写入文件“" + path + "”：这是一个文件夹");
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        throw CliFailure(kExitFailed, "无法写入文件“" + path + "”：文件夹不存在，或文件只读");
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw CliFailure(kExitFailed, "写入文件“" + path + "”失败（磁盘可能已满），文件不完整");
}

void WriteLine(std::u16string_view text)
{
    const std::string bytes = Utf16ToUtf8(text) + "\n";
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

std::filesystem::path ResolveDictionary(const std::string& option)
{
    if (option.empty())
        return DictionaryPath();
    return std::filesystem::u8path(option);
}

} // namespace carbonym::cli
