#pragma once

#include <string>

namespace carbonym {

// Each text is cut before its first line break (CR, LF or CR LF), English
// first, so that a pasted multi-line text adds its first line only, whatever
// system broke its lines.
inline void CutAtLineBreak(std::u16string& english, std::u16string& chinese)
{
    english = english.substr(0, english.find_first_of(u"\r\n"));
    chinese = chinese.substr(0, chinese.find_first_of(u"\r\n"));
}

// Each text is cut before its first tab, so that a pasted two-column row
// keeps its first column.
inline void CutAtTab(std::u16string& english, std::u16string& chinese)
{
    english = english.substr(0, english.find(u'\t'));
    chinese = chinese.substr(0, chinese.find(u'\t'));
}

} // namespace carbonym
