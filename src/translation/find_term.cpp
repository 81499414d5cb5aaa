#include "translation/find_term.h"

#include "text/case_fold.h"

#include <stdexcept>

namespace carbonym {

int64_t FindTerm(std::u16string_view text, std::u16string_view term, size_t start)
{
    if (start > text.size())
        throw std::out_of_range("FindTerm: start lies beyond the text");
    if (term.size() > text.size() - start)
        return -1;
    const size_t last = text.size() - term.size();
    for (size_t i = start; i <= last; ++i) {
        size_t k = 0;
        while (k < term.size() && FoldUnit(text[i + k]) == FoldUnit(term[k]))
            ++k;
        if (k == term.size())
            return static_cast<int64_t>(i);
    }
    return -1;
}

} // namespace carbonym
