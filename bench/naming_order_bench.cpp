// The naming-rule order on real names: the sample tables' English names,
// repeated to 1,000,000 lines, translated and ordered with a dictionary, once
// as 翻译 followed by the Chinese-piece rules and once composed from the
// names' parts, with the composer's set-up counted.
//
//     naming_order_bench DICTIONARY SAMPLE.tsv [SAMPLE.tsv ...]

#include "dictionary/dictionary_file.h"
#include "text/lines.h"
#include "text/utf8.h"
#include "translation/name_composer.h"
#include "translation/naming_order.h"
#include "translation/translate_command.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

double Milliseconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

int main(int argc, char** argv)
{
    using namespace carbonym;
    if (argc < 3) {
        std::fprintf(stderr, "usage: naming_order_bench DICTIONARY SAMPLE.tsv [SAMPLE.tsv ...]\n");
        return 2;
    }
    const auto terms = PrepareTerms(ReadDictionary(std::filesystem::u8path(argv[1])));
    std::vector<std::u16string> names;
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        const std::string text(std::istreambuf_iterator<char>(in), {});
        for (const auto line : SplitLines(ToBoxLineBreaks(Utf8ToUtf16(text)))) {
            if (line.empty() || line.front() == u'#' || line.starts_with(u"english\t"))
                continue;
            names.emplace_back(line.substr(0, line.find(u'\t')));
        }
    }
    constexpr size_t kLines = 1'000'000;
    std::u16string source;
    for (size_t i = 0; i < kLines; ++i) {
        source += names[i % names.size()];
        source += kLineBreak;
    }
    auto start = std::chrono::steady_clock::now();
    const std::u16string pieceRules = ReorderTextByRules(Translate(source, terms).Text);
    const double before = Milliseconds(start);
    start = std::chrono::steady_clock::now();
    const NameComposer composer(terms);
    const double setUp = Milliseconds(start);
    const std::u16string composed = TranslateTextByRules(source, composer);
    const double after = Milliseconds(start);
    std::printf("%zu names (%zu distinct), %zu terms\n", kLines, names.size(), terms.size());
    std::printf("翻译 + rules on the Chinese pieces: %8.0f ms\n", before);
    std::printf("composed from parts:               %8.0f ms (composer set-up %.0f ms), %.2fx\n", after, setUp,
                after / before);
    return pieceRules.empty() || composed.empty() ? 1 : 0;
}
