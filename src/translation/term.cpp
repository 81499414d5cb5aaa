#include "translation/term.h"

#include "text/trim.h"

namespace carbonym {

std::vector<Term> PrepareTerms(const std::vector<TermRecord>& records)
{
    std::vector<Term> terms;
    terms.reserve(records.size());
    for (const auto& record : records) {
        const auto english = Trim(record.English);
        if (english.empty())
            continue;
        std::u16string_view chinese = record.Chinese;
        chinese = chinese.substr(0, chinese.find(u'\0'));
        terms.push_back(Term{std::u16string(english), std::u16string(Trim(chinese))});
    }
    return terms;
}

} // namespace carbonym
