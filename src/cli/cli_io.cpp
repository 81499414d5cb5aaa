#include "cli/cli_io.h"

#include "cli/console.h"
#include "cli/messages.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/dictionary_path.h"
#include "text/lines.h"
#include "text/utf8.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace carbonym::cli {

namespace {

constexpr const char* kOutputFailure = "无法写入标准输出（磁盘可能已满，或输出已关闭）：输出不完整";

const Streams processStreams{std::cin, std::cout, std::cerr, true};
thread_local const Streams* current = nullptr;

const Streams& Current()
{
    return current ? *current : processStreams;
}

void WriteStandardOutput(std::string_view bytes)
{
    std::ostream& out = Current().Out;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw CliFailure(kExitFailed, kOutputFailure);
}

} // namespace

UseStreams::UseStreams(const Streams& streams) : previous_(current)
{
    current = &streams;
}

UseStreams::~UseStreams()
{
    current = previous_;
}

std::ostream& ErrorStream()
{
    return Current().Err;
}

std::u16string ReadTextInput(const std::string& path)
{
    std::string bytes;
    if (path.empty() || path == "-") {
        std::u16string typed;
        if (Current().Console && ReadConsoleText(typed))
            return typed;
        std::istream& in = Current().In;
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad())
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
    std::u16string text;
    try {
        text = Utf8ToUtf16(bytes);
    } catch (const InvalidUtf8&) {
        throw CliFailure(kExitFailed, kInvalidUtf8Message);
    }
    if (!text.empty() && text.front() == u'\uFEFF')
        text.erase(0, 1);
    return text;
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
    WriteStandardOutput(Utf16ToUtf8(ToUnixLineBreaks(text)));
    FinishOutput();
}

void WriteOutput(std::u16string_view text, const std::string& path)
{
    const std::string bytes = Utf16ToUtf8(text);
    if (path.empty() || path == "-") {
        WriteStandardOutput(bytes);
        FinishOutput();
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
    WriteStandardOutput(Utf16ToUtf8(text) + "\n");
}

void WriteLine(std::string_view utf8)
{
    WriteStandardOutput(std::string(utf8) + "\n");
}

void FinishOutput()
{
    std::ostream& out = Current().Out;
    if (!out.flush())
        throw CliFailure(kExitFailed, kOutputFailure);
}

std::filesystem::path ResolveDictionary(const std::string& option)
{
    if (option.empty())
        return DictionaryPath();
    return std::filesystem::u8path(option);
}

std::filesystem::path ExistingDictionary(const std::string& option)
{
    const auto path = ResolveDictionary(option);
    try {
        RequireExistingDictionary(path);
    } catch (const DictionaryError& error) {
        throw CliFailure(kExitFailed, Describe(error));
    }
    return path;
}

std::string ChangeFailureMessage(const char* what)
{
    return std::string(what) + "，词典没有任何改动：" + DescribeCurrentException();
}

} // namespace carbonym::cli
