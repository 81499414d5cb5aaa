#include "cli/options.h"

#include "cli/cli_io.h"
#include "cli/messages.h"
#include "text/trim.h"
#include "text/utf8.h"

#include <CLI/CLI.hpp>

namespace carbonym::cli {

namespace {

constexpr const char* kDictionaryHelp = "词典文件（默认：程序目录下的 source.dat）";
constexpr const char* kForceHelp = "词典文件有多个硬链接时也保存（保存后它与其他链接分开）";

} // namespace

void AddDictionaryOption(CLI::App& command, std::string& path)
{
    command.add_option("--dict", path, kDictionaryHelp)->option_text("PATH");
}

void AddForceOption(CLI::App& command, bool& force, const char* help)
{
    command.add_flag("--force", force, help ? help : kForceHelp);
}

std::u16string Argument(const std::string& utf8)
{
    try {
        return Utf8ToUtf16(utf8);
    } catch (const InvalidUtf8&) {
        throw CliFailure(kExitFailed, kInvalidUtf8Message);
    }
}

std::string RecordRow(int64_t number, const TermRecord& record)
{
    return std::to_string(number) + "\t" + std::to_string(record.Length) + "\t" + Utf16ToUtf8(Trim(record.English))
           + "\t" + Utf16ToUtf8(Trim(record.Chinese));
}

} // namespace carbonym::cli
