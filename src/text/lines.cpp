#include "text/lines.h"

namespace carbonym {

std::vector<std::u16string_view> SplitLines(std::u16string_view text)
{
    std::vector<std::u16string_view> lines;
    if (text.empty())
        return lines;
    size_t begin = 0;
    for (;;) {
        const size_t end = text.find(kLineBreak, begin);
        if (end == std::u16string_view::npos) {
            lines.push_back(text.substr(begin));
            return lines;
        }
        lines.push_back(text.substr(begin, end - begin));
        begin = end + kLineBreak.size();
    }
}

std::u16string ToBoxLineBreaks(std::u16string_view text)
{
    std::u16string result;
    result.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            result += u'\r';
        result += text[i];
    }
    return result;
}

} // namespace carbonym
