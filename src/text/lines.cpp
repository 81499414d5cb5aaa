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

} // namespace carbonym
