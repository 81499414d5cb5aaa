#include "translation/literal_translator.h"

#include "translation/find_term.h"

namespace carbonym {

Translation TranslateLiteral(std::u16string_view source, const std::vector<Term>& terms)
{
    Translation result{std::u16string(source), 0};
    for (const auto& term : terms) {
        size_t position = 0;
        for (;;) {
            const int64_t found = FindTerm(result.Text, term.English, position);
            if (found < 0)
                break;
            const auto at = static_cast<size_t>(found);
            result.Text.replace(at, term.English.size(), term.Chinese);
            position = at + term.Chinese.size();
            result.Caret = position;
        }
    }
    return result;
}

} // namespace carbonym
