// dict show N: one record's Length, English and Chinese, as the window's
// show command reads it.

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/options.h"
#include "dictionary/show_record.h"
#include "text/utf8.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace carbonym::cli {

void AddShowCommand(CLI::App& dict, int& status)
{
    struct ShowOptions {
        std::string dictionary;
        int64_t number = 0;
    };
    auto options = std::make_shared<ShowOptions>();
    auto* show = dict.add_subcommand("show", "显示一条记录的长度、英文和中文");
    show->add_option("N", options->number, "记录号（从 1 开始）")->required();
    AddDictionaryOption(*show, options->dictionary);
    show->callback([options, &status] {
        const std::string number = std::to_string(options->number);
        const ShownRecord shown = ShowRecord(ExistingDictionary(options->dictionary), Utf8ToUtf16(number));
        switch (shown.Status) {
        case ShownRecord::Status::Found:
            break;
        case ShownRecord::Status::OutOfRange:
            throw CliFailure(kExitRefused,
                             "没有记录号为 " + number + " 的记录：词典共有 " + std::to_string(shown.Count) + " 条记录");
        case ShownRecord::Status::Failed:
            throw CliFailure(kExitFailed, shown.Error ? Describe(*shown.Error) : std::string("无法读取词典"));
        }
        WriteLine(shown.Length);
        WriteLine(shown.English);
        WriteLine(shown.Chinese);
        status = 0;
    });
}

} // namespace carbonym::cli
