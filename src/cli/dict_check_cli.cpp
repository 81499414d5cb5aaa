#include "cli/dict_check_cli.h"

#include "cli/cli_io.h"
#include "cli/messages.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_check.h"
#include "text/utf8.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace carbonym::cli {

namespace {

int RunCheck(const std::string& option)
{
    DictionaryCheck check;
    try {
        check = CheckDictionary(ResolveDictionary(option));
    } catch (const DictionaryError& error) {
        throw CliFailure(kExitFailed, Describe(error));
    }
    for (const auto& problem : check.Problems)
        WriteLine(Describe(problem));
    const std::string count = std::to_string(check.RecordCount);
    if (check.Problems.empty()) {
        WriteLine(Utf8ToUtf16("共 " + count + " 条记录，没有发现问题。"));
        return 0;
    }
    WriteLine(Utf8ToUtf16("共 " + count + " 条记录，发现 " + std::to_string(check.Problems.size()) + " 个问题。"));
    return kExitRefused;
}

} // namespace

void AddDictCheckCommand(CLI::App& dict, int& status)
{
    auto dictionary = std::make_shared<std::string>();
    auto* check = dict.add_subcommand(
        "check", "检查词典：长词在前的顺序、重复或空白的词条、无法解码的字节；没有问题时退出状态为 0");
    check->add_option("--dict", *dictionary, "词典文件（默认：程序目录下的 source.dat）");
    check->callback([dictionary, &status] { status = RunCheck(*dictionary); });
}

} // namespace carbonym::cli
