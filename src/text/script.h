#pragma once

namespace carbonym {

// A CJK unified ideograph of the basic block or extension A: the characters
// of Chinese names.
inline bool IsChineseCharacter(char16_t c)
{
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF);
}

inline bool IsLatinLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

} // namespace carbonym
