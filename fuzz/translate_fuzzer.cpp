// The term search and the translation on arbitrary UTF-16 text and terms.
// Fields (separated by byte 0xFF): the text, then English and Chinese of
// each record in file order.

#include "fuzz_support.h"

#include "text/case_fold.h"
#include "translation/find_term.h"
#include "translation/literal_translator.h"
#include "translation/translate_command.h"

#include <algorithm>

using namespace carbonym;

namespace {

// The term search restated: folding is per unit, so a plain search of the
// folded strings finds the same place.
int64_t FoldedFind(std::u16string_view text, std::u16string_view term, size_t start)
{
    const size_t found = FoldCase(text).find(FoldCase(term), start);
    return found == std::u16string::npos ? -1 : static_cast<int64_t>(found);
}

// Records whose Chinese holds later English terms can multiply the text at
// every step: both engines then rightly build a text too long to compare.
// Keeps the first records under which the text stays below a bound: a record
// with English E and Chinese C makes a text at most ceil(|C| / |E|) times
// as long.
std::vector<Term> GrowingAtMost(std::vector<Term> terms, size_t textSize)
{
    constexpr size_t kLongestText = 1 << 16;
    size_t longest = std::max<size_t>(textSize, 1);
    for (size_t i = 0; i < terms.size(); ++i) {
        const size_t english = std::max<size_t>(terms[i].English.size(), 1);
        const size_t factor = std::max<size_t>((terms[i].Chinese.size() + english - 1) / english, 1);
        if (longest > kLongestText / factor) {
            terms.resize(i);
            break;
        }
        longest *= factor;
    }
    return terms;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto fields = fuzz::SplitFields(fuzz::Bytes(data, size));
    const std::u16string text = fuzz::DecodeLenient(fields[0]);
    std::vector<TermRecord> records;
    for (size_t i = 1; i < fields.size() && records.size() < 64; i += 2) {
        TermRecord record;
        record.English = fuzz::DecodeLenient(fields[i]);
        if (i + 1 < fields.size())
            record.Chinese = fuzz::DecodeLenient(fields[i + 1]);
        records.push_back(record);
    }
    const auto terms = GrowingAtMost(PrepareTerms(records), text.size());

    bool anyOccurs = false;
    for (const auto& term : terms) {
        for (const size_t start : {size_t{0}, text.size() / 3, text.size() / 2, text.size()})
            FUZZ_CHECK(FindTerm(text, term.English, start) == FoldedFind(text, term.English, start));
        anyOccurs = anyOccurs || FindTerm(text, term.English, 0) >= 0;
    }

    // Every engine gives the literal algorithm's result, caret included.
    const Translation literal = TranslateLiteral(text, terms);
    FUZZ_CHECK(Translate(text, terms) == literal);
    FUZZ_CHECK(literal.Caret <= literal.Text.size());
    // Only a term found in the source can start any replacement.
    if (!anyOccurs)
        FUZZ_CHECK(literal == (Translation{text, 0}));
    return 0;
}
