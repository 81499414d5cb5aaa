#include "dictionary/term_check.h"

#include "text/trim.h"

#include <algorithm>
#include <cstdint>

namespace carbonym {

namespace {

bool HoldsControl(std::u16string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char16_t c) { return c < 0x20 || c == 0x7F; });
}

} // namespace

std::vector<TermFault> TermFaults(std::u16string_view english, std::u16string_view chinese)
{
    english = Trim(english);
    chinese = Trim(chinese);
    std::vector<TermFault> faults;
    if (english.empty())
        faults.push_back(TermFault::BlankEnglish);
    if (chinese.empty())
        faults.push_back(TermFault::BlankChinese);
    if (HoldsControl(english))
        faults.push_back(TermFault::ControlInEnglish);
    if (HoldsControl(chinese))
        faults.push_back(TermFault::ControlInChinese);
    if (english.size() > INT16_MAX)
        faults.push_back(TermFault::EnglishTooLong);
    return faults;
}

} // namespace carbonym
