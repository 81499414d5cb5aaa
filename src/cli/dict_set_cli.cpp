// dict set ENGLISH CHINESE and dict remove ENGLISH: a change of the record
// that holds an English term, found as dict find finds it (letter case
// aside).

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/options.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/record_edits.h"
#include "text/case_fold.h"
#include "text/trim.h"
#include "text/utf8.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <optional>

namespace carbonym::cli {

namespace {

struct EditOptions {
    std::string dictionary;
    std::string english;
    std::string chinese;
    std::optional<std::string> expect;
    bool force = false;
};

// The English term as stored that `english` names: itself when a record
// holds it exactly (spaces at either end aside); otherwise the one stored
// term that differs from it only in letter case. Adds refuse such twins, but
// an older dictionary may hold several: then none is guessed, and the
// command is refused naming them.
std::u16string StoredEnglish(const std::filesystem::path& dictionary, std::u16string_view english)
{
    const std::u16string wanted(Trim(english));
    const std::u16string folded = FoldCase(wanted);
    std::vector<std::u16string> twins;
    for (const auto& record : ReadDictionary(dictionary)) {
        const std::u16string stored(Trim(record.English));
        if (stored == wanted)
            return wanted;
        if (FoldCase(stored) == folded && std::find(twins.begin(), twins.end(), stored) == twins.end())
            twins.push_back(stored);
    }
    if (twins.size() > 1) {
        std::string names;
        for (const auto& twin : twins)
            names += (names.empty() ? "" : "、") + Quoted(twin);
        throw CliFailure(kExitRefused, "词典中没有英文正好是" + Quoted(wanted) + "的记录，只差大小写的有 "
                                           + std::to_string(twins.size()) + " 条：" + names
                                           + "。请照其中一条的大小写写出英文，没有修改");
    }
    return twins.empty() ? wanted : twins.front();
}

std::optional<std::u16string> Expected(const EditOptions& options)
{
    if (!options.expect)
        return std::nullopt;
    return Argument(*options.expect);
}

// The outcomes set and remove share, as exit statuses and messages.
void RefuseUnlessDone(const EditOutcome& outcome, const EditOptions& options, std::u16string_view english)
{
    switch (outcome.Status) {
    case EditStatus::Done:
    case EditStatus::Unchanged:
        return;
    case EditStatus::NotFound:
        throw CliFailure(kExitRefused, "词典中没有英文为" + Quoted(english) + "的记录（不分大小写），没有修改");
    case EditStatus::Stale:
        throw CliFailure(kExitRefused, "英文为" + Quoted(english) + "的记录的中文现在是" + Quoted(outcome.Found)
                                           + "，不是 --expect 给出的"
                                           + Quoted(Trim(Argument(options.expect.value_or(""))))
                                           + "：它已被改过，没有修改");
    case EditStatus::NoChinese:
        throw CliFailure(kExitRefused, NoChineseMessage(english));
    case EditStatus::Refused:
        throw CliFailure(kExitRefused, Describe(outcome.Fault, english, Argument(options.chinese)));
    }
}

int RunSet(const EditOptions& options)
{
    const auto path = ExistingDictionary(options.dictionary);
    const auto expect = Expected(options);
    const std::u16string english = StoredEnglish(path, Argument(options.english));
    const auto outcome = RunChange("修改失败", [&] {
        return SetChinese(path, english, Argument(options.chinese), ChangeOptions{.AllowHardLink = options.force},
                          expect);
    });
    RefuseUnlessDone(outcome, options, english);
    if (outcome.Status == EditStatus::Unchanged)
        WriteLine("英文为" + Quoted(english) + "的记录的中文已经是" + Quoted(Trim(Argument(options.chinese)))
                  + "，词典没有改动");
    else
        WriteLine("已把英文为" + Quoted(english) + "的 " + std::to_string(outcome.Records) + " 条记录的中文改为"
                  + Quoted(Trim(Argument(options.chinese))));
    return 0;
}

int RunRemove(const EditOptions& options)
{
    const auto path = ExistingDictionary(options.dictionary);
    const auto expect = Expected(options);
    const std::u16string english = StoredEnglish(path, Argument(options.english));
    const auto outcome = RunChange(
        "删除失败", [&] { return RemoveRecord(path, english, ChangeOptions{.AllowHardLink = options.force}, expect); });
    RefuseUnlessDone(outcome, options, english);
    WriteLine("已删除英文为" + Quoted(english) + "的 " + std::to_string(outcome.Records) + " 条记录");
    return 0;
}

constexpr const char* kEnglishHelp = "英文（不分大小写；去掉首尾空格后相同）";

} // namespace

void AddSetCommand(CLI::App& dict, int& status)
{
    auto options = std::make_shared<EditOptions>();
    auto* set = dict.add_subcommand("set", "把英文为 ENGLISH 的记录的中文改为 CHINESE；没有这条记录时退出状态为 1");
    AddDictionaryOption(*set, options->dictionary);
    AddForceOption(*set, options->force);
    set->add_option("ENGLISH", options->english, kEnglishHelp)->required();
    set->add_option("CHINESE", options->chinese, "新的中文")->required();
    set->add_option("--expect", options->expect, "只在这条记录的中文现在是 EXPECT 时修改（以免覆盖别人的修改）")
        ->option_text("CHINESE");
    set->callback([options, &status] { status = RunSet(*options); });
}

void AddRemoveCommand(CLI::App& dict, int& status)
{
    auto options = std::make_shared<EditOptions>();
    auto* remove = dict.add_subcommand("remove", "删除英文为 ENGLISH 的记录；没有这条记录时退出状态为 1");
    AddDictionaryOption(*remove, options->dictionary);
    AddForceOption(*remove, options->force);
    remove->add_option("ENGLISH", options->english, kEnglishHelp)->required();
    remove->add_option("--expect", options->expect, "只在这条记录的中文现在是 EXPECT 时删除（以免删掉别人改过的记录）")
        ->option_text("CHINESE");
    remove->callback([options, &status] { status = RunRemove(*options); });
}

} // namespace carbonym::cli
