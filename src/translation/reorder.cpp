#include "translation/reorder.h"

#include "text/lines.h"
#include "text/trim.h"

namespace carbonym {

std::u16string ReorderName(std::u16string_view line)
{
    const auto trimmed = Trim(line);
    if (trimmed.find(u' ') == std::u16string_view::npos)
        return std::u16string(trimmed);

    std::u16string_view prefix;
    std::u16string substituents;
    std::u16string parents;
    std::u16string rest;
    size_t begin = 0;
    while (begin <= trimmed.size()) {
        size_t end = trimmed.find(u' ', begin);
        if (end == std::u16string_view::npos)
            end = trimmed.size();
        const auto piece = trimmed.substr(begin, end - begin);
        begin = end + 1;
        if (piece.empty())
            continue;
        if (piece.back() == u'-') {
            prefix = piece; // only the last such piece survives
        } else if (piece.back() == u',') {
            const auto core = piece.substr(0, piece.size() - 1);
            if (core.size() >= 1 && core.back() == u'-')
                substituents.insert(0, core);
            else
                parents.insert(0, core);
        } else {
            rest.insert(0, piece);
        }
    }
    std::u16string result(prefix);
    result += substituents;
    result += parents;
    result += rest;
    return result;
}

std::u16string ReorderText(std::u16string_view text)
{
    std::u16string result;
    for (const auto line : SplitLines(text)) {
        if (line.empty())
            continue;
        result += ReorderName(line);
        result += kLineBreak;
    }
    return result;
}

} // namespace carbonym
