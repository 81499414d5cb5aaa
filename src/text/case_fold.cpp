#include "text/case_fold.h"

#include <array>
#include <unicode/uchar.h>

namespace carbonym {

namespace {

// Every folding of a BMP unit stays in the BMP, so one table serves all.
const std::array<char16_t, 0x10000>& FoldTable()
{
    static const auto table = [] {
        std::array<char16_t, 0x10000> t{};
        for (UChar32 c = 0; c < 0x10000; ++c) {
            const UChar32 folded = U_IS_SURROGATE(c) ? c : u_foldCase(c, U_FOLD_CASE_DEFAULT);
            t[static_cast<size_t>(c)] = folded < 0x10000 ? static_cast<char16_t>(folded) : static_cast<char16_t>(c);
        }
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
