#include "translation/display_mode.h"

#include "text/lines.h"

namespace carbonym {

std::u16string ToBilingual(std::u16string_view result, std::u16string_view source)
{
    const auto resultLines = SplitLines(result);
    const auto sourceLines = SplitLines(source);
    std::u16string display;
    for (size_t i = 0; i < resultLines.size(); ++i) {
        if (resultLines[i].empty())
            continue;
        if (i < sourceLines.size())
            display += sourceLines[i];
        display += kLineBreak;
        display += resultLines[i];
        display += kLineBreak;
    }
    return display;
}

std::u16string ToChineseOnly(std::u16string_view display)
{
    const auto lines = SplitLines(display);
    std::u16string result;
    for (size_t i = 1; i < lines.size(); i += 2) {
        if (lines[i].empty())
            continue;
        result += lines[i];
        result += kLineBreak;
    }
    return result;
}

} // namespace carbonym
