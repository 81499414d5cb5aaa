// dict list: every record, one row each.

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "dictionary/dictionary_file.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace carbonym::cli {

void AddListCommand(CLI::App& dict, int& status)
{
    auto dictionary = std::make_shared<std::string>();
    auto* list = dict.add_subcommand("list", "列出全部记录：记录号、长度、英文、中文（以制表符分隔）");
    AddDictionaryOption(*list, *dictionary);
    list->callback([dictionary, &status] {
        const auto records = ReadDictionary(ExistingDictionary(*dictionary));
        for (size_t i = 0; i < records.size(); ++i)
            WriteLine(RecordRow(static_cast<int64_t>(i) + 1, records[i]));
        status = 0;
    });
}

} // namespace carbonym::cli
