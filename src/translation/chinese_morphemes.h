#pragma once

#include <string_view>

// The Chinese morphemes the naming rules take apart and join, by what they
// mean: the vocabulary of the rules, kept as data in one place.
namespace carbonym::chinese {

inline constexpr std::u16string_view kGroup = u"基"; // 甲基
inline constexpr std::u16string_view kEster = u"酯"; // 乙酸乙酯
inline constexpr std::u16string_view kAcid = u"酸"; // 乙酸
inline constexpr std::u16string_view kCompound = u"物"; // 氯化物, 水合物
inline constexpr std::u16string_view kAmide = u"酰胺"; // 二异丙基酰胺
inline constexpr std::u16string_view kAmino = u"氨基"; // 二异丙基氨基锂
inline constexpr std::u16string_view kAcetalOf = u"缩"; // 氨基乙醛缩二甲醇
inline constexpr std::u16string_view kAlcohol = u"醇"; // 乙醇
inline constexpr std::u16string_view kPhenol = u"酚"; // 苯酚
inline constexpr std::u16string_view kEther = u"醚"; // 乙醚
inline constexpr std::u16string_view kSalt = u"盐"; // 钠盐
inline constexpr std::u16string_view kAlkane = u"烷"; // 己烷
inline constexpr std::u16string_view kCarbon = u"碳"; // 十一碳烯
inline constexpr std::u16string_view kAmine = u"胺"; // 三戊胺
inline constexpr std::u16string_view kOniumEndings = u"铵鎓鏻锍"; // 四丁基铵, 吡啶鎓
inline constexpr std::u16string_view kMultipliers = u"二三四五六"; // 二乙酯
inline constexpr std::u16string_view kTwo = u"二"; // 二(2-甲基丁基)酯
inline constexpr std::u16string_view kBisBracket = u"双("; // 双(2-甲基丁基)

} // namespace carbonym::chinese
