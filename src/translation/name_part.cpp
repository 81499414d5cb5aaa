#include "translation/name_part.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace carbonym {

namespace {

struct PartRow {
    std::u16string_view English;
    std::u16string_view Chinese;
    std::u16string_view Kind;
    std::u16string_view Origin;
    std::u16string_view Example;
};

constexpr PartRow kRows[]{
#include "name_parts.inc"
};

struct KindName {
    std::u16string_view Name;
    PartKind Kind;
};
constexpr KindName kKindNames[]{
    {u"chain", PartKind::Chain},
    {u"long chain", PartKind::LongChain},
    {u"saturated ending", PartKind::SaturatedEnding},
    {u"unsaturation", PartKind::Unsaturation},
    {u"joining vowel", PartKind::JoiningVowel},
    {u"multiplier", PartKind::Multiplier},
    {u"group multiplier", PartKind::GroupMultiplier},
    {u"ring", PartKind::Ring},
    {u"replacement", PartKind::Replacement},
    {u"group ending", PartKind::GroupEnding},
    {u"ylidene ending", PartKind::WrappingEnding},
    {u"suffix", PartKind::Suffix},
    {u"suffix keeping ane", PartKind::SuffixKeepingAne},
    {u"chain suffix", PartKind::ChainSuffix},
    {u"ring heteroatom", PartKind::RingHeteroatom},
    {u"ring stem", PartKind::RingStem},
    {u"bridge", PartKind::Bridge},
    {u"chain modifier", PartKind::ChainModifier},
    {u"greek letter", PartKind::GreekLetter},
};

std::vector<NamePart> ReadParts()
{
    std::vector<NamePart> parts;
    for (const auto& row : kRows) {
        const KindName* kind = nullptr;
        for (const auto& name : kKindNames)
            if (name.Name == row.Kind)
                kind = &name;
        // The table is built into the program: an unknown kind is a mistake
        // of the table that its test reports.
        if (kind == nullptr)
            throw std::logic_error("name-parts.tsv: unknown kind");
        parts.push_back(NamePart{row.English, row.Chinese, kind->Kind, row.Example});
    }
    return parts;
}

} // namespace

std::span<const NamePart> NameParts()
{
    static const std::vector<NamePart> parts = ReadParts();
    return parts;
}

} // namespace carbonym
