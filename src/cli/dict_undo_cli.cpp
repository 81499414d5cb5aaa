// dict undo: the backup of the last change brought back; the file it
// replaces becomes the backup, so that a second undo redoes.

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/options.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/record_edits.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace carbonym::cli {

namespace {

struct UndoOptions {
    std::string dictionary;
    bool force = false;
};

int RunUndo(const UndoOptions& options)
{
    const auto path = ExistingDictionary(options.dictionary);
    UndoStatus status = UndoStatus::NoBackup;
    try {
        status = UndoLastChange(path,
                                ChangeOptions{.AllowHardLink = options.force, .RestoreDamagedBackup = options.force});
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

void AddUndoCommand(CLI::App& dict, int& status)
{
    auto options = std::make_shared<UndoOptions>();
    auto* undo = dict.add_subcommand("undo", "撤销上次词典修改：恢复 source.dat.bak；没有备份时退出状态为 1");
    AddDictionaryOption(*undo, options->dictionary);
    AddForceOption(*undo, options->force,
                   "词典文件有多个硬链接时也保存；备份不完好（有词典没有的问题，或是空的）时也恢复");
    undo->callback([options, &status] { status = RunUndo(*options); });
}

} // namespace carbonym::cli
