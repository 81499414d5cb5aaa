// Measures the starter dictionary on real compound names: the share
// translated exactly, the share that still holds English, and every miss.
//
//     carbonym-starter-report --dict starter.dat --sample sample-names.tsv [--min-exact PERCENT]
//                             [--max-english PERCENT]

#include "sample_report.h"

#include "dictionary/dictionary_file.h"
#include "text/utf8.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

int main(int argc, char** argv)
{
    using namespace carbonym;
    std::string dictionary;
    std::string sample;
    double minExact = -1;
    double maxEnglish = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--dict" && i + 1 < argc)
            dictionary = argv[++i];
        else if (option == "--sample" && i + 1 < argc)
            sample = argv[++i];
        else if (option == "--min-exact" && i + 1 < argc)
            minExact = std::stod(argv[++i]);
        else if (option == "--max-english" && i + 1 < argc)
            maxEnglish = std::stod(argv[++i]);
        else {
            std::cerr << "用法：carbonym-starter-report --dict 词典.dat --sample 样本.tsv [--min-exact 百分比] "
                         "[--max-english 百分比]\n";
            return 2;
        }
    }
    if (dictionary.empty() || sample.empty()) {
        std::cerr << "必须给出 --dict 和 --sample\n";
        return 2;
    }
    std::ifstream in(std::filesystem::u8path(sample), std::ios::binary);
    if (!in) {
        std::cerr << "无法读取样本表“" << sample << "”\n";
        return 2;
    }
    try {
        const auto names = ParseSampleTable(std::string(std::istreambuf_iterator<char>(in), {}));
        const auto terms = PrepareTerms(ReadDictionary(std::filesystem::u8path(dictionary)));
        const SampleReport report = EvaluateSamples(names, terms);

        for (const auto& result : report.Results) {
            if (result.Exact)
                continue;
            std::cout << (result.Name->Cas ? "CAS  " : "IUPAC") << "  " << Utf16ToUtf8(result.Name->English)
                      << "\n       得到 " << Utf16ToUtf8(result.Output) << "\n       应为 "
                      << Utf16ToUtf8(result.Name->Chinese) << (result.LatinLeft ? "    [残留英文]" : "") << "\n";
        }
        std::cout << '\n';
        char line[256];
        std::snprintf(line, sizeof line, "样本 %zu 个（IUPAC %zu，CAS %zu）：完全正确 %zu 个（%.1f%%；CAS %zu 个），"
                                        "残留英文 %zu 个（%.1f%%）\n",
                      report.Results.size(), report.Results.size() - report.Cas, report.Cas, report.Exact,
                      report.ExactShare(), report.CasExact, report.LatinLeft, report.LatinLeftShare());
        std::cout << line;
        if (minExact >= 0 && report.ExactShare() < minExact) {
            std::snprintf(line, sizeof line, "完全正确的比例 %.1f%% 低于要求的 %.1f%%\n", report.ExactShare(), minExact);
            std::cerr << line;
            return 1;
        }
        if (maxEnglish >= 0 && report.LatinLeftShare() > maxEnglish) {
            std::snprintf(line, sizeof line, "残留英文的比例 %.1f%% 高于允许的 %.1f%%\n", report.LatinLeftShare(),
                          maxEnglish);
            std::cerr << line;
            return 1;
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    return 0;
}
