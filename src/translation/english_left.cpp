#include "translation/english_left.h"

#include "text/lines.h"
#include "text/script.h"

#include <algorithm>
#include <array>
#include <map>

namespace carbonym {

namespace {

bool IsAllowedLatinRun(std::u16string_view text, size_t start, size_t length, ProtectingGroups groups)
{
    static constexpr std::array<std::u16string_view, 6> kAllowed{u"DL", u"RS", u"SR", u"Se", u"Si", u"Te"};
    const auto run = text.substr(start, length);
    if (run.size() == 1 || std::find(kAllowed.begin(), kAllowed.end(), run) != kAllowed.end())
        return true;
    // A fused ring's locant with its descriptor: the aS of (3aS,8aR).
    if (run.size() == 2 && run[0] >= u'a' && run[0] <= u'z' && (run[1] == u'R' || run[1] == u'S') && start > 0
        && text[start - 1] >= u'0' && text[start - 1] <= u'9')
        return true;
        // Protecting groups keep their abbreviation in Chinese names, joined by a
        // hyphen or bracket to what they protect (Boc-甘氨酸, Fmoc-L-赖氨酸(Boc)).
#include "translation/protecting_groups.inc"
    const size_t after = start + length;
    const bool joined = (start > 0 && (text[start - 1] == u'-' || text[start - 1] == u'('))
                        || (after < text.size() && (text[after] == u'-' || text[after] == u')'));
    if (groups == ProtectingGroups::Kept && joined
        && std::find(kProtectingGroups.begin(), kProtectingGroups.end(), run) != kProtectingGroups.end())
        return true;
    // An abbreviation in brackets at the end of a line is an alias the name
    // keeps as written: 二甲基亚砜 (DMSO), 四氢呋喃(THF); plain 排序 puts it at
    // the start of the line ((DMSO)二甲基亚砜).
    if (run.find_first_not_of(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::u16string_view::npos && start > 0
        && text[start - 1] == u'(' && after < text.size() && text[after] == u')') {
        size_t next = after + 1;
        while (next < text.size() && text[next] == u' ')
            ++next;
        size_t before = start - 1;
        while (before > 0 && text[before - 1] == u' ')
            --before;
        if (next == text.size() || text[next] == u'\r' || text[next] == u'\n' || before == 0
            || text[before - 1] == u'\n' || text[before - 1] == u'\r')
            return true;
    }
    // An oxidation state in brackets: the III of 六氰合铁(III)酸钾, the II
    // and III of (II,III).
    const size_t end = start + length;
    return run.find_first_not_of(u"IVX") == std::u16string_view::npos && start > 0
           && (text[start - 1] == u'(' || text[start - 1] == u',') && end < text.size()
           && (text[end] == u')' || text[end] == u',');
}

// Calls `found(run)` for each run of English, from the left; stops when it
// returns false.
template <typename Found>
void ForEachEnglishRun(std::u16string_view text, Found found, ProtectingGroups groups = ProtectingGroups::Kept)
{
    size_t i = 0;
    while (i < text.size()) {
        if (!IsLatinLetter(text[i])) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < text.size() && IsLatinLetter(text[i]))
            ++i;
        if (!IsAllowedLatinRun(text, start, i - start, groups) && !found(EnglishRun{start, i - start}))
            return;
    }
}

} // namespace

std::vector<EnglishRun> FindEnglishLeft(std::u16string_view text, ProtectingGroups groups)
{
    std::vector<EnglishRun> runs;
    ForEachEnglishRun(
        text,
        [&](EnglishRun run) {
            runs.push_back(run);
            return true;
        },
        groups);
    return runs;
}

bool HasEnglishLeft(std::u16string_view text)
{
    bool any = false;
    ForEachEnglishRun(text, [&](EnglishRun) {
        any = true;
        return false;
    });
    return any;
}

size_t CountLinesWithEnglish(std::u16string_view text)
{
    const auto lines = SplitLines(text);
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), HasEnglishLeft));
}

std::vector<std::pair<std::u16string, size_t>> CountEnglishFragments(std::u16string_view text)
{
    std::map<std::u16string_view, size_t> counts;
    ForEachEnglishRun(text, [&](EnglishRun run) {
        ++counts[text.substr(run.Start, run.Length)];
        return true;
    });
    std::vector<std::pair<std::u16string, size_t>> fragments;
    fragments.reserve(counts.size());
    for (const auto& [fragment, count] : counts)
        fragments.emplace_back(fragment, count);
    // The map gives character order; a stable sort keeps it among equals.
    std::stable_sort(fragments.begin(), fragments.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    return fragments;
}

} // namespace carbonym
