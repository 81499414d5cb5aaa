#include "cli/dict_cli.h"

#include "cli/cli_io.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "text/trim.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace carbonym::cli {

namespace {

std::u16string Number(int64_t value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

int RunList(const std::string& dictionary)
{
    const auto records = ReadDictionary(ExistingDictionary(dictionary));
    for (size_t i = 0; i < records.size(); ++i) {
        const auto& record = records[i];
        std::u16string line = Number(static_cast<int64_t>(i) + 1);
        line += u'\t';
        line += Number(record.Length);
        line += u'\t';
        line += Trim(record.English);
        line += u'\t';
        line += Trim(record.Chinese);
        WriteLine(line);
    }
    return 0;
}

int RunShow(const std::string& dictionary, int64_t number)
{
    DictionaryFile file(ExistingDictionary(dictionary));
    const int64_t count = file.RecordCount();
    if (number < 1 || number > count)
        throw CliFailure(kExitRefused, "记录号 " + std::to_string(number) + " 不存在：词典共有 "
                                          + std::to_string(count) + " 条记录");
    const TermRecord record = file.Read(number);
    file.Close();
    WriteLine(Number(record.Length));
    WriteLine(Trim(record.English));
    WriteLine(Trim(record.Chinese));
    return 0;
}

} // namespace

void AddDictReadCommands(CLI::App& dict, int& status)
{
    auto dictionary = std::make_shared<std::string>();
    auto* list = dict.add_subcommand("list", "列出全部记录：记录号、长度、英文、中文（以制表符分隔）");
    list->add_option("--dict", *dictionary, "词典文件（默认：程序目录下的 source.dat）");
    list->callback([dictionary, &status] { status = RunList(*dictionary); });

    auto number = std::make_shared<int64_t>(0);
    auto* show = dict.add_subcommand("show", "显示一条记录的长度、英文和中文");
    show->add_option("N", *number, "记录号（从 1 开始）")->required();
    show->add_option("--dict", *dictionary, "词典文件（默认：程序目录下的 source.dat）");
    show->callback([dictionary, number, &status] { status = RunShow(*dictionary, *number); });
}

} // namespace carbonym::cli
