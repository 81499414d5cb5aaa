#include "cli/translate_cli.h"

#include "cli/cli_io.h"
#include "text/lines.h"
#include "text/utf8.h"
#include "translation/display_mode.h"
#include "translation/english_left.h"
#include "translation/naming_order.h"
#include "translation/reorder.h"
#include "translation/translate_command.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

namespace carbonym::cli {

namespace {

struct TranslateOptions {
    std::string dictionary;
    std::string file;
    std::string sort; // empty, "plain" or "rules"
    bool bilingual = false;
    bool untranslated = false;
};

// One line on standard error when the dictionary left English in the result.
void ReportEnglishLeft(std::u16string_view result)
{
    const std::string notice = EnglishLeftNotice(CountLinesWithEnglish(result));
    if (!notice.empty())
        std::cerr << notice << "（--untranslated 列出未译的英文）\n";
}

int RunTranslate(const TranslateOptions& options)
{
    if (!options.sort.empty() && options.sort != "plain" && options.sort != "rules")
        throw CliFailure(kExitFailed, "--sort 只接受 rules（按命名规则排序），或不带值（排序）");
    const std::u16string source = ToBoxLineBreaks(ReadTextInput(options.file));
    const auto outcome = TranslateCommand(source, ResolveDictionary(options.dictionary));
    switch (outcome.Status) {
    case TranslateStatus::EmptySource:
        throw CliFailure(kExitRefused, outcome.Message);
    case TranslateStatus::Failed:
        throw CliFailure(kExitFailed, outcome.Message);
    case TranslateStatus::Translated:
        break;
    }
    std::u16string result = outcome.Result.Text;
    if (options.sort == "plain")
        result = ReorderText(result);
    else if (options.sort == "rules")
        result = ReorderTextByRules(result);
    ReportEnglishLeft(result);
    if (options.untranslated) {
        for (const auto& [fragment, count] : CountEnglishFragments(result))
            WriteLine(Utf8ToUtf16(std::to_string(count)) + u'\t' + fragment);
        return 0;
    }
    if (options.bilingual)
        result = ToBilingual(result, source);
    WriteTextOutput(result);
    return 0;
}

} // namespace

void AddTranslateCommand(CLI::App& app, int& status)
{
    auto options = std::make_shared<TranslateOptions>();
    auto* command = app.add_subcommand("translate", "把英文化合物名称译成中文（UTF-8 输入，UTF-8 输出）");
    command->add_option("--dict", options->dictionary, "词典文件（默认：程序目录下的 source.dat）");
    command->add_flag("--sort{plain}", options->sort, "翻译后按中文词序排序（排序）；--sort=rules 按命名规则排序");
    command->add_flag("--bilingual", options->bilingual, "以中英文对照方式输出（中英文）");
    command->add_flag("--untranslated", options->untranslated, "不输出译文，改为列出未译的英文片段及其次数，最多的在前");
    command->add_option("FILE", options->file, "输入文件（默认：标准输入）");
    command->callback([options, &status] { status = RunTranslate(*options); });
}

} // namespace carbonym::cli
