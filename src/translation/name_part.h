#pragma once

#include <span>
#include <string_view>

namespace carbonym {

// What a part of a systematic name is: the kinds of data/name-parts.tsv.
enum class PartKind {
    Chain, // meth 甲 … dec 癸: a carbon count
    LongChain, // undec 十一 and longer: takes 碳 before an unsaturation (十一碳烯)
    SaturatedEnding, // ane, an 烷: dropped before most suffixes (己醇)
    Unsaturation, // ene 烯, yne 炔
    JoiningVowel, // the a of hexa-2,4-diene, no Chinese of its own
    Multiplier, // di 二 … icosa 二十
    GroupMultiplier, // bis 双, tris 三, tetrakis 四
    Ring, // cyclo 环
    Replacement, // oxa 氧杂, aza 氮杂
    GroupEnding, // yl 基
    WrappingEnding, // ylidene 亚…基: wraps the chain before it
    Suffix, // ol 醇, one 酮, oic acid 酸: the chain's 烷 is dropped before it
    SuffixKeepingAne, // thiol 硫醇, sulfonic acid 磺酸: 烷 stays (十七烷硫醇)
    ChainSuffix, // alactone 内酯: straight after the chain (hexalactone 己内酯)
    RingHeteroatom, // ox 噁, thi 噻: a ring's heteroatom in a Hantzsch–Widman name (oxazole 噁唑)
    RingStem, // azole 唑, azine 嗪: the nitrogen ring of a Hantzsch–Widman name
    Bridge, // methano 甲桥: a bridge across a ring, after its locants (3a,7-methanoazulene)
    ChainModifier, // iso 异, neo 新
    GreekLetter, // alpha α
};

struct NamePart {
    std::u16string_view English; // lower case
    std::u16string_view Chinese;
    PartKind Kind;
    std::u16string_view Example; // "heptadecanethiol 十七烷硫醇": a name that uses the part, and its Chinese
};

// Every part of data/name-parts.tsv, in its order.
std::span<const NamePart> NameParts();

} // namespace carbonym
