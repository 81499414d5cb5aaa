// dict import: a batch of pairs from two lists or a tab-separated file,
// all or nothing, as the data-entry window's batch adds them.

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/options.h"
#include "dictionary/add_terms.h"
#include "text/lines.h"
#include "text/trim.h"
#include "text/utf8.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace carbonym::cli {

namespace {

// A list file as the batch reads it: "\n" or "\r\n" end a line.
std::u16string ReadList(const std::string& file)
{
    return ToBoxLineBreaks(ReadTextInput(file));
}

struct Lists {
    std::vector<std::u16string> English;
    std::vector<std::u16string> Chinese;
    std::vector<int64_t> FileLines; // the file's line number of each pair, when it is not its place in the lists
};

// English and Chinese from the first two columns. The batch cuts each line
// at its first tab, so the English list keeps whole lines. Blank lines are
// passed over (a table often has them, and a file with "\n\r" line ends
// reads as one between every two rows); every other line needs its Chinese
// column: a row without one would store the term with a blank translation.
Lists SplitColumns(std::u16string_view text)
{
    Lists lists;
    const auto lines = SplitWorkFileLines(text);
    for (size_t number = 1; number <= lines.size(); ++number) {
        const auto& line = lines[number - 1];
        if (Trim(line).empty())
            continue;
        const size_t tab = line.find(u'\t');
        if (tab == std::u16string::npos)
            throw CliFailure(kExitRefused, "第 " + std::to_string(number)
                                               + " 行没有中文：英文和中文之间应以制表符分隔。没有添加任何数据。");
        lists.English.push_back(line);
        lists.Chinese.push_back(line.substr(tab + 1));
        lists.FileLines.push_back(static_cast<int64_t>(number));
    }
    return lists;
}

struct ImportOptions {
    bool force = false;
    std::string dictionary;
    std::string englishFile;
    std::string chineseFile;
    std::string tsvFile;
};

int RunImport(const ImportOptions& options)
{
    Lists lists;
    if (!options.tsvFile.empty()) {
        const std::u16string text = ReadList(options.tsvFile);
        if (text.empty())
            throw CliFailure(kExitRefused, kNoEnglishMessage);
        lists = SplitColumns(text);
        if (lists.English.empty())
            throw CliFailure(kExitRefused, kNoEnglishMessage);
    } else {
        if (options.englishFile.empty() || options.chineseFile.empty())
            throw CLI::ValidationError("需要英文和中文两个列表文件，或者 --tsv 文件");
        const std::u16string english = ReadList(options.englishFile);
        const std::u16string chinese = ReadList(options.chineseFile);
        if (english.empty())
            throw CliFailure(kExitRefused, kNoEnglishMessage);
        if (chinese.empty())
            throw CliFailure(kExitRefused, kNoChineseListMessage);
        lists = {SplitWorkFileLines(english), SplitWorkFileLines(chinese), {}};
    }
    const BatchOutcome outcome = RunChange("数据添加失败", [&] {
        return AddBatch(ResolveDictionary(options.dictionary), lists.English, lists.Chinese,
                        ChangeOptions{.AllowHardLink = options.force});
    });
    if (outcome.Status == BatchOutcome::Status::LineRefused && !lists.FileLines.empty()) {
        BatchOutcome named = outcome;
        named.Line = lists.FileLines[static_cast<size_t>(outcome.Line - 1)];
        throw CliFailure(kExitRefused, BatchMessage(named));
    }
    if (outcome.Status != BatchOutcome::Status::Done)
        throw CliFailure(kExitRefused, BatchMessage(outcome));
    // Lists of blank lines add nothing: that is no success.
    if (outcome.Added == 0 && outcome.DuplicateCount == 0)
        throw CliFailure(kExitRefused, kNoEnglishMessage);
    for (const auto& duplicate : outcome.Duplicates) {
        if (duplicate.Status == InsertStatus::Duplicate && duplicate.English == duplicate.Stored)
            ErrorStream() << "已经存在，没有添加：" << Utf16ToUtf8(duplicate.English) << '\n';
        else
            ErrorStream() << DuplicateMessage(duplicate.Status, duplicate.English, duplicate.Stored) << '\n';
    }
    // An import that adds nothing, everything being there already, is refused.
    if (outcome.Added == 0)
        throw CliFailure(kExitRefused,
                         "没有添加任何数据：" + std::to_string(outcome.DuplicateCount) + " 个数据都已经存在");
    WriteLine(BatchMessage(outcome));
    return 0;
}

} // namespace

void AddImportCommand(CLI::App& dict, int& status)
{
    auto options = std::make_shared<ImportOptions>();
    auto* import = dict.add_subcommand("import",
                                       "批量添加：英文和中文列表文件各一行一个（UTF-8），或 --tsv 文件的前两列");
    AddDictionaryOption(*import, options->dictionary);
    AddForceOption(*import, options->force);
    auto* english = import->add_option("ENGLISH_LIST", options->englishFile, "英文列表文件");
    auto* chinese = import->add_option("CHINESE_LIST", options->chineseFile, "中文列表文件");
    import->add_option("--tsv", options->tsvFile, "以制表符分隔的文件：第一列英文，第二列中文")
        ->option_text("FILE")
        ->excludes(english)
        ->excludes(chinese);
    import->callback([options, &status] { status = RunImport(*options);
});
} // namespace carbonym::cli

} // namespace carbonym::cli
