// dict add ENGLISH CHINESE: one pair, in length order, as the data-entry
// window adds it.

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/options.h"
#include "dictionary/add_terms.h"
#include "text/trim.h"
#include "text/utf8.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace carbonym::cli {

namespace {

struct AddOptions {
    bool force = false;
    std::string dictionary;
    std::string english;
    std::string chinese;
};

int RunAdd(const AddOptions& options)
{
    const AddOutcome outcome = RunChange("数据添加失败", [&] {
        return AddTerm(ResolveDictionary(options.dictionary), Argument(options.english), Argument(options.chinese),
                       ChangeOptions{.AllowHardLink = options.force});
    });
    switch (outcome.Status) {
    case AddStatus::Inserted:
    case AddStatus::FirstRecord:
        break;
    case AddStatus::Duplicate:
    case AddStatus::CaseDuplicate:
        throw CliFailure(kExitRefused,
                         DuplicateMessage(outcome.Status == AddStatus::Duplicate ? InsertStatus::Duplicate
                                                                                 : InsertStatus::CaseDuplicate,
                                          outcome.English, outcome.Stored));
    case AddStatus::NoEnglish:
        throw CliFailure(kExitRefused, kNoEnglishMessage);
    case AddStatus::NoChinese:
        throw CliFailure(kExitRefused, NoChineseMessage(Trim(Argument(options.english))));
    case AddStatus::Refused:
        throw CliFailure(kExitRefused, Describe(outcome.Fault, outcome.English, Argument(options.chinese)));
    }
    WriteLine(AddDoneMessage(outcome.English));
    return 0;
}

} // namespace

void AddAddCommand(CLI::App& dict, int& status)
{
    auto options = std::make_shared<AddOptions>();
    auto* add = dict.add_subcommand("add", "添加一对英文和中文（按长度排序，英文已存在时拒绝）");
    AddDictionaryOption(*add, options->dictionary);
    AddForceOption(*add, options->force);
    add->add_option("ENGLISH", options->english, "英文")->required();
    add->add_option("CHINESE", options->chinese, "中文")->required();
    add->callback([options, &status] { status = RunAdd(*options); });
}

} // namespace carbonym::cli
