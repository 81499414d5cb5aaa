#include "cli/dict_write_cli.h"

#include "cli/cli_io.h"
#include "cli/messages.h"
#include "dictionary/add_terms.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/dictionary_image.h"
#include "dictionary/gbk_codec.h"
#include "text/lines.h"
#include "text/trim.h"
#include "text/utf8.h"

#include <CLI/CLI.hpp>
#include <cstring>
#include <iostream>
#include <memory>

namespace carbonym::cli {

namespace {

constexpr const char* kDictionaryHelp = "词典文件（默认：程序目录下的 source.dat）";

std::u16string Argument(const std::string& utf8)
{
    try {
        return Utf8ToUtf16(utf8);
    } catch (const InvalidUtf8&) {
        throw CliFailure(kExitFailed, kInvalidUtf8Message);
    }
}

int RunAdd(const std::string& dictionary, const std::string& english, const std::string& chinese, bool force)
{
    const AddOutcome outcome = RunChange("数据添加失败", [&] {
        return AddTerm(ResolveDictionary(dictionary), Argument(english), Argument(chinese),
                       ChangeOptions{.AllowHardLink = force});
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
        throw CliFailure(kExitRefused, kNoChineseMessage);
    case AddStatus::Refused:
        throw CliFailure(kExitRefused, Describe(outcome.Fault, outcome.English, Argument(chinese)));
    }
    WriteLine(std::string_view(kAddDoneMessage));
    return 0;
}

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
            throw CliFailure(kExitRefused, kNoChineseMessage);
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
            std::cerr << "已经存在，没有添加：" << Utf16ToUtf8(duplicate.English) << '\n';
        else
            std::cerr << DuplicateMessage(duplicate.Status, duplicate.English, duplicate.Stored) << '\n';
    }
    // An import that adds nothing, everything being there already, is refused.
    if (outcome.Added == 0)
        throw CliFailure(kExitRefused, "没有添加任何数据：" + std::to_string(outcome.DuplicateCount) + " 个数据都已经存在");
    WriteLine(BatchMessage(outcome));
    return 0;
}

// Whether importing the exported line gives the record's bytes back: not so
// for a term cut at its field, a text holding a tab or a line break, or
// bytes that do not decode.
bool ExportsExactly(std::u16string_view english, std::u16string_view chinese, std::string_view bytes,
                    GbkCodec& codec)
{
    for (const auto text : {english, chinese}) {
        if (text.find_first_of(u"\t\r\n") != std::u16string_view::npos)
            return false;
    }
    try {
        const auto rebuilt = EncodeRecord(MakeRecord(english, chinese), codec);
        return std::memcmp(rebuilt.data(), bytes.data(), kRecordSize) == 0;
    } catch (const std::exception&) {
        return false;
    }
}

int RunExport(const std::string& dictionary)
{
    const std::string bytes = DictionaryImage(ExistingDictionary(dictionary)).Bytes();
    GbkCodec codec;
    std::vector<size_t> inexact;
    for (size_t n = 1; n * kRecordSize <= bytes.size(); ++n) {
        const std::string_view recordBytes = std::string_view(bytes).substr((n - 1) * kRecordSize, kRecordSize);
        const TermRecord record = DecodeRecord(recordBytes, codec);
        const auto english = Trim(record.English);
        const auto chinese = Trim(record.Chinese);
        WriteLine(std::u16string(english) + u'\t' + std::u16string(chinese));
        if (!ExportsExactly(english, chinese, recordBytes, codec))
            inexact.push_back(n);
    }
    FinishOutput();
    if (!inexact.empty()) {
        std::cerr << "注意：以下 " << inexact.size() << " 条记录导入后不会与原记录完全相同"
                  << "（英文被截断、含制表符或换行，或含无法识别的字节）：";
        for (size_t i = 0; i < inexact.size() && i < 20; ++i)
            std::cerr << (i ? "、" : "") << inexact[i];
        std::cerr << (inexact.size() > 20 ? "……" : "") << '\n';
    }
    return 0;
}

} // namespace

void AddDictWriteCommands(CLI::App& dict, int& status)
{
    struct AddOptions {
        bool force = false;
        std::string dictionary;
        std::string english;
        std::string chinese;
    };
    auto add = std::make_shared<AddOptions>();
    auto* addCommand = dict.add_subcommand("add", "添加一对英文和中文（按长度排序，英文已存在时拒绝）");
    addCommand->add_option("--dict", add->dictionary, kDictionaryHelp);
    addCommand->add_flag("--force", add->force, kForceHelp);
    addCommand->add_option("ENGLISH", add->english, "英文")->required();
    addCommand->add_option("CHINESE", add->chinese, "中文")->required();
    addCommand->callback([add, &status] { status = RunAdd(add->dictionary, add->english, add->chinese, add->force); });

    auto import = std::make_shared<ImportOptions>();
    auto* importCommand = dict.add_subcommand(
        "import", "批量添加：英文和中文列表文件各一行一个（UTF-8），或 --tsv 文件的前两列");
    importCommand->add_option("--dict", import->dictionary, kDictionaryHelp);
    importCommand->add_flag("--force", import->force, kForceHelp);
    auto* english = importCommand->add_option("ENGLISH_LIST", import->englishFile, "英文列表文件");
    auto* chinese = importCommand->add_option("CHINESE_LIST", import->chineseFile, "中文列表文件");
    importCommand->add_option("--tsv", import->tsvFile, "以制表符分隔的文件：第一列英文，第二列中文")
        ->excludes(english)
        ->excludes(chinese);
    importCommand->callback([import, &status] { status = RunImport(*import); });

    auto dictionary = std::make_shared<std::string>();
    auto* exportCommand = dict.add_subcommand("export", "导出全部记录：每行英文和中文，以制表符分隔，按文件顺序");
    exportCommand->add_option("--dict", *dictionary, kDictionaryHelp);
    exportCommand->callback([dictionary, &status] { status = RunExport(*dictionary); });
}

} // namespace carbonym::cli
