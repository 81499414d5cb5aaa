#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace carbonym {

// What a space-separated piece of a translated functional-class name is,
// told by its Chinese ending (tables in piece_kind.cpp). Each kind has a
// letter, so that the naming rules can be written as patterns over a line's
// kinds.
enum class PieceKind : char {
    Group = 'G', // an alkyl or aryl group: 甲基, 4-氯苯基
    Acyl = 'A', // an acyl group: 乙酰基, 甲磺酰基
    OxoAnion = 'O', // an ester or oxoanion word: 乙酸酯, 磷酸二氢酯
    BinaryAnion = 'B', // a binary anion: 氯化物, 氧化物
    Cation = 'C', // a cation or an element named first: 钠, 亚铁, 二钠, 四丁基铵
    AddedAcid = 'S', // the acid of an acid-addition salt: 盐酸盐, 氢溴酸盐
    Hydrate = 'W', // 水合物, 一水合物
    ClassWord = 'K', // a class named after its groups (醚, 酮, 醇, 亚砜) or parent (肟, N-氧化物)
    Anhydride = 'N', // 酐
    Acetal = 'T', // 缩醛, 缩酮
    AmideAnion = 'M', // an amide, the anion of a metal amide: 酰胺, 二异丙基酰胺
    EsterWord = 'R', // the alcohol's part of an ester named after its acid: 甲酯, 叔丁酯
    Acid = 'Q', // an acid: 乙酸
    Letter = 'L', // a letter naming one of a series: 环孢素 A, 维生素 B
    Other = 'X', // a parent or any other translated piece
    English = 'E', // a piece that still holds English: no rule touches it
};

PieceKind KindOf(std::u16string_view piece);

// The short form of a binary anion after an acyl or alkyl group (氯化物 → 氯,
// 叠氮化物 → 叠氮), whether the anion makes an alkyl halide (碘甲烷), and the
// class word a group takes instead (硫化物 → 硫醚).
struct BinaryAnionForm {
    std::u16string_view Short;
    bool Halogen = false;
    std::u16string_view GroupClassWord;
};
std::optional<BinaryAnionForm> BinaryAnionFormOf(std::u16string_view anion);

// Whether a class word drops the 基 of a single group before it: always
// (苄基 醇 → 苄醇), for plain alkyl and aryl groups only (二乙基 醚 → 二乙醚,
// 二烯丙基 醚 → 二烯丙基醚), or never (二异丙基 酮 → 二异丙基酮, 二甲基 亚砜 →
// 二甲基亚砜).
bool ClassWordDropsGroupEnding(std::u16string_view word, std::u16string_view group);

// Whether the last of several groups before 醚 drops its 基 (丁基 缩水甘油基
// 醚 → 丁基缩水甘油醚).
bool EtherDropsGroupEnding(std::u16string_view group);

// A cation without the oxidation state in brackets after it: 铁(III) → 铁.
std::u16string_view WithoutOxidationState(std::u16string_view cation);

// The name of a binary compound by its formula where the cation's oxidation
// state gives it (锰(IV) 氧化物 → 二氧化锰, 钒(V) 氧化物 → 五氧化二钒, 钛(IV)
// 氯化物 → 四氯化钛); empty where Chinese keeps the state (氯化铁(III)).
std::u16string StoichiometricName(std::u16string_view cation, std::u16string_view anion);

// How many characters of a cation name the groups on it (四丁基|铵,
// 乙烯基|镁): Chinese puts the anion between them and the ion (四丁基溴化铵,
// 乙烯基溴化镁). Zero for a bare ion.
size_t CationPrefixLength(std::u16string_view cation);

// Where Chinese names a cation among several after the anion: hydrogen first
// (钠 氢 碳酸酯 → 碳酸氢钠), ammonium and onium ions last (铵 亚铁 硫酸酯 →
// 硫酸亚铁铵), the others as written between them.
int CationRank(std::u16string_view cation);

// The parent hydride of an unbranched alkyl group with the locant its halide
// takes (甲基 → 甲烷, 丁基 → 1- 丁烷); empty when the group is not one.
struct AlkylParent {
    std::u16string_view Locant;
    std::u16string_view Parent;
};
std::optional<AlkylParent> AlkylParentOf(std::u16string_view group);

} // namespace carbonym
