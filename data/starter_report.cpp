// Measures the starter dictionary on samples of real compound names: per
// sample (and per class or form) the share translated exactly and the share
// that still holds English, and every miss.
//
//     carbonym-starter-report --dict starter.dat --sample sample-names.tsv [--sample ...]
//                             [--plain-sort] [--min-exact PERCENT] [--max-english PERCENT] [--quiet]
//
// The names are put into word order by naming rules (`--sort=rules`), or by
// the plain 排序 with --plain-sort.

#include "sample_report.h"

#include "dictionary/dictionary_file.h"
#include "translation/naming_order.h"
#include "text/utf8.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

namespace {

using namespace carbonym;

const char* ClassName(const std::string& name)
{
    if (name == "organic")
        return "有机物";
    if (name == "salt")
        return "盐";
    if (name == "inorganic")
        return "无机物";
    return name.c_str();
}

std::string Figures(size_t names, size_t exact, double exactShare, size_t latinLeft, double latinLeftShare)
{
    char line[160];
    std::snprintf(line, sizeof line, "%zu 个：完全正确 %zu 个（%.1f%%），残留英文 %zu 个（%.1f%%）", names, exact,
                  exactShare, latinLeft, latinLeftShare);
    return line;
}

void PrintMisses(const SampleReport& report)
{
    for (const auto& result : report.Results) {
        if (result.Exact)
            continue;
        std::cout << result.Name->Class << "  " << Utf16ToUtf8(result.Name->English) << "\n       得到 "
                  << Utf16ToUtf8(result.Output) << "\n       应为 " << Utf16ToUtf8(result.Name->Chinese)
                  << (result.LatinLeft ? "    [残留英文]" : "") << "\n";
    }
    std::cout << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    std::string dictionary;
    std::vector<std::string> samples;
    double minExact = -1;
    double maxEnglish = -1;
    bool quiet = false;
    NameOrder order = NameOrder::Rules;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--dict" && i + 1 < argc)
            dictionary = argv[++i];
        else if (option == "--sample" && i + 1 < argc)
            samples.push_back(argv[++i]);
        else if (option == "--min-exact" && i + 1 < argc)
            minExact = std::stod(argv[++i]);
        else if (option == "--max-english" && i + 1 < argc)
            maxEnglish = std::stod(argv[++i]);
        else if (option == "--quiet")
            quiet = true;
        else if (option == "--plain-sort")
            order = NameOrder::Plain;
        else {
            std::cerr << "用法：carbonym-starter-report --dict 词典.dat --sample 样本.tsv [--sample 样本.tsv ...] "
                         "[--plain-sort] [--min-exact 百分比] [--max-english 百分比] [--quiet]\n";
            return 2;
        }
    }
    if (dictionary.empty() || samples.empty()) {
        std::cerr << "必须给出 --dict 和 --sample\n";
        return 2;
    }
    int status = 0;
    try {
        const auto terms = PrepareTerms(ReadDictionary(std::filesystem::u8path(dictionary)));
        for (const auto& sample : samples) {
            std::ifstream in(std::filesystem::u8path(sample), std::ios::binary);
            if (!in) {
                std::cerr << "无法读取样本表“" << sample << "”\n";
                return 2;
            }
            const auto names = ParseSampleTable(std::string(std::istreambuf_iterator<char>(in), {}));
            const SampleReport report = EvaluateSamples(names, terms, order);
            if (!quiet)
                PrintMisses(report);
            const std::string file = DisplayPath(std::filesystem::u8path(sample).filename());
            std::cout << "样本 " << file << " 共 "
                      << Figures(report.Results.size(), report.Exact, report.ExactShare(), report.LatinLeft,
                                 report.LatinLeftShare())
                      << '\n';
            for (const auto& [name, tally] : report.ByClass)
                std::cout << "  " << ClassName(name) << ' '
                          << Figures(tally.Names, tally.Exact, tally.ExactShare(), tally.LatinLeft,
                                     tally.LatinLeftShare())
                          << '\n';
            char line[256];
            if (minExact >= 0 && report.ExactShare() < minExact) {
                std::snprintf(line, sizeof line, "%s：完全正确的比例 %.1f%% 低于要求的 %.1f%%\n", file.c_str(),
                              report.ExactShare(), minExact);
                std::cerr << line;
                status = 1;
            }
            if (maxEnglish >= 0 && report.LatinLeftShare() > maxEnglish) {
                std::snprintf(line, sizeof line, "%s：残留英文的比例 %.1f%% 高于允许的 %.1f%%\n", file.c_str(),
                              report.LatinLeftShare(), maxEnglish);
                std::cerr << line;
                status = 1;
            }
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    return status;
}
