// dict find TEXT: the records whose English (letter case aside) or Chinese
// holds the text, as dict list prints them.

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "dictionary/record_edits.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace carbonym::cli {

void AddFindCommand(CLI::App& dict, int& status)
{
    struct FindOptions {
        std::string dictionary;
        std::string text;
    };
    auto options = std::make_shared<FindOptions>();
    auto* find = dict.add_subcommand("find",
                                     "查找英文（不分大小写）或中文包含 TEXT 的记录，格式同 list；找不到时退出状态为 1");
    AddDictionaryOption(*find, options->dictionary);
    find->add_option("TEXT", options->text, "要查找的文字")->required();
    find->callback([options, &status] {
        const auto found = FindRecords(ExistingDictionary(options->dictionary), Argument(options->text));
        if (found.empty())
            throw CliFailure(kExitRefused, "没有找到英文或中文包含“" + options->text + "”的记录");
        for (const auto& [number, record] : found)
            WriteLine(RecordRow(number, record));
        status = 0;
    });
}

} // namespace carbonym::cli
