#include "text/case_fold.h"

#include "text/case_fold_table.h"

#include <array>

namespace carbonym {

namespace {

const std::array<char16_t, 0x10000>& FoldTable()
{
    static const auto table = [] {
        std::array<char16_t, 0x10000> t{};
        for (size_t c = 0; c < t.size(); ++c)
            t[c] = static_cast<char16_t>(c);
        for (const auto& [from, to] : kCaseFoldPairs)
            t[from] = to;
        return t;
    }();
    return table;
}

} // namespace

char16_t FoldUnit(char16_t unit)
{
    return FoldTable()[unit];
}

std::u16string FoldCase(std::u16string_view text)
{
    const auto& table = FoldTable();
    std::u16string folded(text.size(), u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        folded[i] = table[text[i]];
    return folded;
}

} // namespace carbonym
