#include "translation/reorder.h"

#include "text/lines.h"
#include "text/trim.h"

#include <vector>

namespace carbonym {

std::vector<std::u16string_view> ReorderedPieces(std::u16string_view line)
{
    const auto trimmed = Trim(line);
    // Each group is collected in line order and joined backwards at the
    // end: putting every piece in front of its group would take time
    // quadratic in the length of the line.
    std::vector<std::u16string_view> prefixes;
    std::vector<std::u16string_view> substituents;
    std::vector<std::u16string_view> parents;
    std::vector<std::u16string_view> rest;
    size_t begin = 0;
    while (begin <= trimmed.size()) {
        size_t end = trimmed.find(u' ', begin);
        if (end == std::u16string_view::npos)
            end = trimmed.size();
        const auto piece = trimmed.substr(begin, end - begin);
        begin = end + 1;
        if (piece.empty())
            continue;
        // Every piece ending in "-" is kept, the last first: keeping only
        // the last would drop a substituent from a name with a descriptor
        // behind it (丁二酸, 2,3-二羟基- (2R,3R)-).
        if (piece.back() == u'-') {
            prefixes.push_back(piece);
        } else if (piece.back() == u',') {
            const auto core = piece.substr(0, piece.size() - 1);
            if (core.size() >= 1 && core.back() == u'-')
                substituents.push_back(core);
            else
                parents.push_back(core);
        } else {
            rest.push_back(piece);
        }
    }
    std::vector<std::u16string_view> pieces;
    pieces.reserve(prefixes.size() + substituents.size() + parents.size() + rest.size());
    for (const auto* group : {&prefixes, &substituents, &parents, &rest})
        pieces.insert(pieces.end(), group->rbegin(), group->rend());
    return pieces;
}

std::u16string ReorderName(std::u16string_view line)
{
    const auto trimmed = Trim(line);
    if (trimmed.find(u' ') == std::u16string_view::npos)
        return std::u16string(trimmed);
    std::u16string result;
    result.reserve(trimmed.size());
    for (const auto piece : ReorderedPieces(trimmed))
        result += piece;
    return result;
}

std::u16string ReorderLines(std::u16string_view text, std::u16string (*reorder)(std::u16string_view))
{
    std::u16string result;
    for (const auto line : SplitLines(text)) {
        if (line.empty())
            continue;
        result += reorder(line);
        result += kLineBreak;
    }
    return result;
}

std::u16string ReorderText(std::u16string_view text)
{
    return ReorderLines(text, ReorderName);
}

std::vector<size_t> ReorderedLineSources(std::u16string_view text)
{
    // ReorderLines keeps exactly the lines that are not empty, in order.
    std::vector<size_t> sources;
    const auto lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].empty())
            sources.push_back(i);
    return sources;
}

std::u16string PlaceOnSourceLines(std::u16string_view sorted, const std::vector<size_t>& sources)
{
    const auto lines = SplitLines(sorted);
    std::u16string placed;
    size_t next = 0; // the source line the text has reached
    for (size_t k = 0; k < lines.size() && k < sources.size(); ++k) {
        // Sources ascend; a line placed out of order goes on the next line.
        for (; next < sources[k]; ++next)
            placed += kLineBreak;
        placed += lines[k];
        placed += kLineBreak;
        ++next;
    }
    return placed;
}

} // namespace carbonym
