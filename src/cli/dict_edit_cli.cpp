#include "cli/dict_edit_cli.h"

#include "cli/cli_io.h"
#include "cli/messages.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/record_edits.h"
#include "text/trim.h"
#include "text/utf8.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <optional>

namespace carbonym::cli {

namespace {

constexpr const char* kDictionaryHelp = "词典文件（默认：程序目录下的 source.dat）";

struct EditOptions {
    std::string dictionary;
    std::string english;
    std::string chinese;
    std::string text;
    std::optional<std::string> expect;
    bool force = false;
};

std::u16string Argument(const std::string& utf8)
{
    try {
        return Utf8ToUtf16(utf8);
    } catch (const InvalidUtf8&) {
        throw CliFailure(kExitFailed, kInvalidUtf8Message);
    }
}

int RunFind(const EditOptions& options)
{
    const auto found = FindRecords(ExistingDictionary(options.dictionary), Argument(options.text));
    if (found.empty())
        throw CliFailure(kExitRefused, "没有找到英文或中文包含“" + options.text + "”的记录");
    for (const auto& [number, record] : found)
        WriteLine(std::to_string(number) + "\t" + std::to_string(record.Length) + "\t" + Utf16ToUtf8(Trim(record.English))
                  + "\t" + Utf16ToUtf8(Trim(record.Chinese)));
    return 0;
}

std::string NoSuchRecord(const std::string& english)
{
    return "词典中没有英文为“" + Utf16ToUtf8(Trim(Argument(english))) + "”的记录";
}

std::optional<std::u16string> Expected(const EditOptions& options)
{
    if (!options.expect)
        return std::nullopt;
    return Argument(*options.expect);
}

// The outcomes set and remove share, as exit statuses and messages.
void RefuseUnlessDone(const EditOutcome& outcome, const EditOptions& options)
{
    switch (outcome.Status) {
    case EditStatus::Done:
    case EditStatus::Unchanged:
        return;
    case EditStatus::NotFound:
        throw CliFailure(kExitRefused, NoSuchRecord(options.english));
    case EditStatus::Stale:
        throw CliFailure(kExitRefused, "英文为" + Quoted(Trim(Argument(options.english))) + "的记录的中文现在是"
                                           + Quoted(outcome.Found) + "，不是 --expect 给出的"
                                           + Quoted(Trim(Argument(options.expect.value_or(""))))
                                           + "：它已被改过，没有修改");
    case EditStatus::NoChinese:
        throw CliFailure(kExitRefused, kNoChineseMessage);
    case EditStatus::Refused:
        throw CliFailure(kExitRefused, Describe(outcome.Fault, Argument(options.english), Argument(options.chinese)));
    }
}

int RunSet(const EditOptions& options)
{
    const auto path = ExistingDictionary(options.dictionary);
    const auto expect = Expected(options);
    const auto outcome = RunChange("修改失败", [&] {
        return SetChinese(path, Argument(options.english), Argument(options.chinese),
                          ChangeOptions{.AllowHardLink = options.force}, expect);
    });
    RefuseUnlessDone(outcome, options);
    if (outcome.Status == EditStatus::Unchanged)
        WriteLine("记录的中文已经是" + Quoted(Trim(Argument(options.chinese))) + "，词典没有改动");
    else
        WriteLine("已修改 " + std::to_string(outcome.Records) + " 条记录的中文");
    return 0;
}

int RunRemove(const EditOptions& options)
{
    const auto path = ExistingDictionary(options.dictionary);
    const auto expect = Expected(options);
    const auto outcome = RunChange("删除失败", [&] {
        return RemoveRecord(path, Argument(options.english), ChangeOptions{.AllowHardLink = options.force}, expect);
    });
    RefuseUnlessDone(outcome, options);
    WriteLine("已删除 " + std::to_string(outcome.Records) + " 条记录");
    return 0;
}

int RunUndo(const EditOptions& options)
{
    const auto path = ExistingDictionary(options.dictionary);
    UndoStatus status = UndoStatus::NoBackup;
    try {
        status = UndoLastChange(path, ChangeOptions{.AllowHardLink = options.force,
                                                    .RestoreDamagedBackup = options.force});
    } catch (const DictionaryError& error) {
        // A backup that would make things worse is refused, not a failure.
        if (error.Fault() == DictionaryFault::BackupDamaged || error.Fault() == DictionaryFault::BackupEmpty)
            throw CliFailure(kExitRefused, "没有撤销，词典没有任何改动：" + Describe(error));
        throw CliFailure(kExitFailed, ChangeFailureMessage("撤销失败"));
    } catch (const std::exception&) {
        throw CliFailure(kExitFailed, ChangeFailureMessage("撤销失败"));
    }
    switch (status) {
    case UndoStatus::Undone:
        break;
    case UndoStatus::NoBackup:
        throw CliFailure(kExitRefused, "没有可以撤销的修改（找不到备份文件 source.dat.bak）");
    case UndoStatus::NothingToUndo:
        throw CliFailure(kExitRefused, "没有可以撤销的修改：备份文件 source.dat.bak 与词典相同");
    }
    WriteLine(std::string_view("已撤销上次词典修改（再撤销一次可以恢复）"));
    return 0;
}

} // namespace

void AddDictEditCommands(CLI::App& dict, int& status)
{
    auto find = std::make_shared<EditOptions>();
    auto* findCommand = dict.add_subcommand(
        "find", "查找英文（不分大小写）或中文包含 TEXT 的记录，格式同 list；找不到时退出状态为 1");
    findCommand->add_option("--dict", find->dictionary, kDictionaryHelp);
    findCommand->add_option("TEXT", find->text, "要查找的文字")->required();
    findCommand->callback([find, &status] { status = RunFind(*find); });

    auto set = std::make_shared<EditOptions>();
    auto* setCommand = dict.add_subcommand("set", "把英文为 ENGLISH 的记录的中文改为 CHINESE；没有这条记录时退出状态为 1");
    setCommand->add_option("--dict", set->dictionary, kDictionaryHelp);
    setCommand->add_flag("--force", set->force, kForceHelp);
    setCommand->add_option("ENGLISH", set->english, "英文（去掉首尾空格后完全相同）")->required();
    setCommand->add_option("CHINESE", set->chinese, "新的中文")->required();
    setCommand->add_option("--expect", set->expect, "只在这条记录的中文现在是 EXPECT 时修改（以免覆盖别人的修改）");
    setCommand->callback([set, &status] { status = RunSet(*set); });

    auto remove = std::make_shared<EditOptions>();
    auto* removeCommand = dict.add_subcommand("remove", "删除英文为 ENGLISH 的记录；没有这条记录时退出状态为 1");
    removeCommand->add_option("--dict", remove->dictionary, kDictionaryHelp);
    removeCommand->add_flag("--force", remove->force, kForceHelp);
    removeCommand->add_option("ENGLISH", remove->english, "英文（去掉首尾空格后完全相同）")->required();
    removeCommand->add_option("--expect", remove->expect, "只在这条记录的中文现在是 EXPECT 时删除（以免删掉别人改过的记录）");
    removeCommand->callback([remove, &status] { status = RunRemove(*remove); });

    auto undo = std::make_shared<EditOptions>();
    auto* undoCommand = dict.add_subcommand("undo", "撤销上次词典修改：恢复 source.dat.bak；没有备份时退出状态为 1");
    undoCommand->add_option("--dict", undo->dictionary, kDictionaryHelp);
    undoCommand->add_flag("--force", undo->force,
                          "词典文件有多个硬链接时也保存；备份不完好（有词典没有的问题，或是空的）时也恢复");
    undoCommand->callback([undo, &status] { status = RunUndo(*undo); });
}

} // namespace carbonym::cli
