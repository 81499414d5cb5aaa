// translate: English names of compounds into Chinese.

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/options.h"
#include "dictionary/dictionary_change.h"
#include "dictionary/dictionary_file.h"
#include "text/lines.h"
#include "text/utf8.h"
#include "translation/display_mode.h"
#include "translation/english_left.h"
#include "translation/naming_order.h"
#include "translation/pair_table.h"
#include "translation/reorder.h"
#include "translation/name_composer.h"
#include "translation/translate_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <ostream>
#include <memory>
#include <optional>
#include <vector>

namespace carbonym::cli {

namespace {

struct TranslateOptions {
    std::string dictionary;
    std::vector<std::string> files;
    std::string output;
    std::string format; // "tsv", "csv", or empty for the plain translation
    std::string sort; // empty, "plain" or "rules"
    bool bilingual = false;
    bool untranslated = false;
    bool byteOrderMark = false;
};

std::optional<PairFormat> FormatOf(const TranslateOptions& options)
{
    if (options.format.empty())
        return std::nullopt;
    return options.format == "csv" ? PairFormat::Csv : PairFormat::Tsv;
}

// One line on standard error when the dictionary left English in the result.
void ReportEnglishLeft(std::u16string_view result)
{
    if (const size_t lines = CountLinesWithEnglish(result); lines > 0)
        ErrorStream() << EnglishLeftMessage(lines) << '\n';
}

// One line on standard error when plain 排序 gave lines that the naming
// rules would give otherwise.
void ReportRulesWouldDiffer(size_t lines)
{
    if (lines > 0)
        ErrorStream() << RulesWouldDifferMessage(lines) << '\n';
}

// The translation of one input, sorted as asked; `composer` is set for the
// sorted outputs. `differing` counts the lines that plain 排序 orders
// otherwise than the naming rules.
std::u16string TranslateOne(const TranslateOptions& options, const std::filesystem::path& dictionary,
                            const std::u16string& source, const std::string& file, const NameComposer* composer,
                            size_t& differing)
{
    const auto outcome = TranslateCommand(source, dictionary);
    const std::string where = file.empty() || file == "-" ? std::string() : "“" + file + "”：";
    switch (outcome.Status) {
    case TranslateStatus::EmptySource:
        throw CliFailure(kExitRefused, where + kEmptySourceMessage);
    case TranslateStatus::Failed:
        throw CliFailure(kExitFailed,
                         where + kTranslateFailed + (outcome.Error ? Describe(*outcome.Error) : kOutOfMemory));
    case TranslateStatus::Translated:
        break;
    }
    const std::u16string& result = outcome.Result.Text;
    if (options.sort.empty())
        return result;
    SortedTranslation sorted = SortTranslation(source, result, *composer, options.sort == "rules");
    differing += sorted.OrderedOtherwise;
    // Two columns and the bilingual display pair by line: each sorted line
    // goes back to the line it came from, so that a blank line shifts none.
    if (FormatOf(options) || options.bilingual)
        return PlaceOnSourceLines(sorted.Text, sorted.Sources);
    return std::move(sorted.Text);
}

// The translation as written out: plain, bilingual or as a table of pairs.
std::u16string Present(const TranslateOptions& options, const std::u16string& result, const std::u16string& source)
{
    if (const auto format = FormatOf(options))
        return FormatPairs(result, source, *format);
    return ToUnixLineBreaks(options.bilingual ? ToBilingual(result, source) : result);
}

std::filesystem::path Resolved(const std::filesystem::path& path)
{
    std::error_code error;
    auto resolved = std::filesystem::weakly_canonical(path, error);
    return error ? std::filesystem::absolute(path, error).lexically_normal() : resolved;
}

// An output file that is the dictionary, or one of the files kept beside it
// (its backup, the lock, a save's work file), would destroy or poison it.
void RefuseOutputOverDictionary(const std::string& output, const std::filesystem::path& dictionary)
{
    if (output.empty() || output == "-")
        return;
    const auto file = Resolved(std::filesystem::u8path(output));
    const auto target = Resolved(dictionary);
    std::vector<std::filesystem::path> kept = FilesBeside(dictionary);
    kept.push_back(dictionary);
    bool refused = std::any_of(kept.begin(), kept.end(), [&](const auto& path) { return Resolved(path) == file; });
    const auto name = file.filename().u8string();
    const auto workPrefix = (target.filename().u8string() + u8".tmp-");
    refused = refused || (file.parent_path() == target.parent_path() && name.rfind(workPrefix, 0) == 0);
    if (refused)
        throw CliFailure(kExitRefused,
                         "输出文件“" + output + "”是词典或词典旁的备份、锁或临时文件，已拒绝写入，以免覆盖它");
}

int RunTranslate(const TranslateOptions& options)
{
    if (!options.sort.empty() && options.sort != "plain" && options.sort != "rules")
        throw CliFailure(
            kExitFailed,
            "“--sort=" + options.sort
                + "”不对：--sort 不带值时按中文词序排序，--sort=rules 按命名规则排序（--sort=plain 同不带值）");
    // Translating never creates a dictionary: a mistyped --dict is an error.
    const std::filesystem::path dictionary = ExistingDictionary(options.dictionary);
    RefuseOutputOverDictionary(options.output, dictionary);
    // Every input is read and translated before anything is written: a
    // failure leaves no half output.
    const std::vector<std::string> files = options.files.empty() ? std::vector<std::string>{""} : options.files;
    // The naming rules compose names from the dictionary's terms and the
    // parts of systematic names.
    std::optional<NameComposer> composer;
    if (!options.sort.empty())
        composer.emplace(PrepareTerms(ReadDictionary(dictionary)));
    size_t differing = 0;
    std::u16string results; // all inputs' translations, for the English left
    std::u16string output;
    if (options.byteOrderMark)
        output += kByteOrderMark;
    for (const std::string& file : files) {
        const std::u16string source = ToBoxLineBreaks(ReadTextInput(file));
        const std::u16string result = TranslateOne(options, dictionary, source, file, composer ? &*composer : nullptr,
                                                   differing);
        if (!results.empty() && !result.empty())
            results += kLineBreak;
        results += result;
        // Each input's output starts on a line of its own.
        if (!output.empty() && output.back() != u'\n' && output != kByteOrderMark)
            output += FormatOf(options) == PairFormat::Csv ? u"\r\n" : u"\n";
        output += Present(options, result, source);
    }
    ReportEnglishLeft(results);
    ReportRulesWouldDiffer(differing);
    if (options.untranslated) {
        std::u16string list;
        for (const auto& [fragment, count] : CountEnglishFragments(results))
            list += Utf8ToUtf16(std::to_string(count)) + u'\t' + fragment + u'\n';
        WriteOutput(list, options.output);
        return 0;
    }
    WriteOutput(output, options.output);
    return 0;
}

} // namespace

void AddTranslateCommand(CLI::App& app, int& status)
{
    auto options = std::make_shared<TranslateOptions>();
    auto* command = app.add_subcommand("translate", "把英文化合物名称译成中文（UTF-8 输入，UTF-8 输出）");
    AddDictionaryOption(*command, options->dictionary);
    // A bare --sort is plain 排序; a value needs the "=" (--sort=rules), so
    // that the word after --sort stays a file name.
    command->add_flag("--sort{plain}", options->sort, "翻译后按中文词序排序（排序）；--sort=rules 按命名规则排序")
        ->option_text("[=plain|rules]")
        ->disable_flag_override(false);
    auto* bilingual = command->add_flag("--bilingual", options->bilingual, "以中英文对照方式输出（中英文）");
    command->add_flag("--untranslated", options->untranslated,
                      "不输出译文，改为列出未译的英文片段及其次数，最多的在前");
    auto* format = command
                       ->add_option("--format", options->format,
                                    "输出英文与译文两列：tsv（制表符分隔）或 csv（带引号，RFC 4180）")
                       ->option_text("tsv|csv")
                       ->transform(CLI::IsMember({"tsv", "csv"}, CLI::ignore_case))
                       ->excludes(bilingual);
    command->add_flag("--bom", options->byteOrderMark, "输出开头加 UTF-8 字节顺序标记（供需要它的电子表格程序）")
        ->needs(format);
    command->add_option("-o,--output", options->output, "输出文件（默认：标准输出）")->option_text("OUT");
    command->add_option("FILE", options->files, "输入文件，可以有多个，依次翻译（默认：标准输入）");
    command->callback([options, &status] { status = RunTranslate(*options); });
}

} // namespace carbonym::cli
