#include "translation/naming_order.h"

#include "translation/piece_kind.h"
#include "translation/reorder.h"
#include "text/script.h"
#include "text/trim.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace carbonym {

namespace {

struct Piece {
    std::u16string_view Text;
    PieceKind Kind;
};
using Pieces = std::span<const Piece>;
using Name = std::optional<std::u16string>;

std::u16string_view WithoutEnding(std::u16string_view text, std::u16string_view ending)
{
    if (text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending)
        text.remove_suffix(ending.size());
    return text;
}

// 甲基 → 甲, 4-氯苯基 → 4-氯苯; a 基 after a locant stays (乙酸萘-2-基酯).
std::u16string_view GroupStem(std::u16string_view group)
{
    const auto stem = WithoutEnding(group, u"基");
    return !stem.empty() && stem.size() < group.size() && IsChineseCharacter(stem.back()) ? stem : group;
}

// 乙酸酯 → 乙酸, 氯化物 → 氯化: the anion as it stands before a cation or a
// group.
std::u16string_view AnionStem(const Piece& anion)
{
    return anion.Kind == PieceKind::OxoAnion ? WithoutEnding(anion.Text, u"酯") : WithoutEnding(anion.Text, u"物");
}

std::u16string Join(Pieces pieces)
{
    std::u16string joined;
    for (const auto& piece : pieces)
        joined += piece.Text;
    return joined;
}

std::u16string JoinStems(Pieces groups)
{
    std::u16string joined;
    for (const auto& group : groups)
        joined += GroupStem(group.Text);
    return joined;
}

Name Order(Pieces pieces);

// 铜 硫酸酯 五水合物 → 五水合硫酸铜: the hydrate in front, as in 水合肼.
Name Hydrate(Pieces pieces)
{
    const Name rest = Order(pieces.first(pieces.size() - 1));
    if (!rest)
        return std::nullopt;
    return std::u16string(WithoutEnding(pieces.back().Text, u"物")) + *rest;
}

// 三乙胺 盐酸盐 → 三乙胺盐酸盐.
Name AddedAcid(Pieces pieces)
{
    size_t base = pieces.size();
    while (base > 0 && pieces[base - 1].Kind == PieceKind::AddedAcid)
        --base;
    const Name rest = Order(pieces.first(base));
    if (!rest)
        return std::nullopt;
    return *rest + Join(pieces.subspan(base));
}

// 钠 氯化物 → 氯化钠, 钾 钠 酒石酸酯 → 酒石酸钾钠, 钠 氢 碳酸酯 → 碳酸氢钠:
// anions, then the cations by CationRank. Groups between cation and anion
// stay in front (钾 乙基 黄原酸酯 → 乙基黄原酸钾), and so do the groups on a
// cation (四丁基铵 溴化物 → 四丁基溴化铵). An amide anion names a metal amide
// (锂 二异丙基酰胺 → 二异丙基氨基锂).
Name Salt(Pieces pieces)
{
    if (pieces.size() == 2) {
        const bool cationFirst = pieces[0].Kind == PieceKind::Cation;
        const auto& anion = pieces[cationFirst ? 1 : 0];
        if (anion.Kind == PieceKind::BinaryAnion) {
            std::u16string name = StoichiometricName(pieces[cationFirst ? 0 : 1].Text, anion.Text);
            if (!name.empty())
                return name;
        }
    }
    std::u16string groups;
    std::u16string anions;
    std::array<std::vector<std::u16string_view>, 3> cations;
    for (const auto& piece : pieces) {
        switch (piece.Kind) {
        case PieceKind::Group:
            groups += piece.Text;
            break;
        case PieceKind::OxoAnion:
        case PieceKind::BinaryAnion:
            anions += AnionStem(piece);
            break;
        case PieceKind::AmideAnion:
            anions += WithoutEnding(piece.Text, u"酰胺");
            anions += u"氨基";
            break;
        default:
            cations[static_cast<size_t>(CationRank(piece.Text))].push_back(piece.Text);
        }
    }
    // Hydrogen alone with an oxoanion is the acid: 氢 四氯合金(III)酸酯 →
    // 四氯合金(III)酸.
    const bool oxoAnionsOnly = std::all_of(pieces.begin(), pieces.end(), [](const Piece& piece) {
        return piece.Kind != PieceKind::BinaryAnion && piece.Kind != PieceKind::AmideAnion;
    });
    if (cations[1].empty() && cations[2].empty() && oxoAnionsOnly)
        return groups + anions;
    if (cations[1].size() + cations[2].size() == 1) {
        auto& cation = cations[1].empty() ? cations[2].front() : cations[1].front();
        groups += cation.substr(0, CationPrefixLength(cation));
        cation.remove_prefix(CationPrefixLength(cation));
    }
    std::u16string name = groups + anions;
    for (const auto& rank : cations)
        for (const auto cation : rank)
            name += cation;
    return name;
}

// 庆大霉素 硫酸酯 → 硫酸庆大霉素, 雌二醇 苯甲酸酯 → 苯甲酸雌二醇: the salt or
// ester of a base or drug named after it, anion first.
Name BaseSalt(Pieces pieces)
{
    return std::u16string(AnionStem(pieces.back())) + Join(pieces.first(pieces.size() - 1));
}

// 氨基乙醛 二甲基 缩醛 → 氨基乙醛缩二甲醇.
Name Acetal(Pieces pieces)
{
    return std::u16string(pieces.front().Text) + u"缩" + JoinStems(pieces.subspan(1, pieces.size() - 2)) + u"醇";
}

// 甲基 苯甲酸酯 → 苯甲酸甲酯, 4-氯苯基 乙酸酯 → 乙酸4-氯苯酯; several groups
// keep their 基 (乙基 甲基 丙二酸酯 → 丙二酸乙基甲基酯).
Name Ester(Pieces pieces)
{
    const Pieces groups = pieces.first(pieces.size() - 1);
    const std::u16string alcohols = groups.size() == 1 ? std::u16string(GroupStem(groups[0].Text)) : Join(groups);
    return std::u16string(AnionStem(pieces.back())) + alcohols + u"酯";
}

// 乙酰基 氯化物 → 乙酰氯, 苯甲酰基 过氧化物 → 过氧化苯甲酰.
Name AcylBinary(Pieces pieces)
{
    const Pieces acyls = pieces.first(pieces.size() - 1);
    const auto form = BinaryAnionFormOf(pieces.back().Text);
    if (form && !form->Short.empty())
        return JoinStems(acyls) + std::u16string(form->Short);
    return std::u16string(AnionStem(pieces.back())) + JoinStems(acyls);
}

Name ClassName(Pieces groups, std::u16string_view word)
{
    if (groups.size() == 1 && ClassWordDropsGroupEnding(word, groups[0].Text))
        return std::u16string(GroupStem(groups[0].Text)) + std::u16string(word);
    if (word == u"醚" && EtherDropsGroupEnding(groups.back().Text))
        return Join(groups.first(groups.size() - 1)) + std::u16string(GroupStem(groups.back().Text)) + u"醚";
    return Join(groups) + std::u16string(word);
}

// 二乙基 醚 → 二乙醚, 丁基 缩水甘油基 醚 → 丁基缩水甘油基醚, 二异丙基 酮 →
// 二异丙基酮, 二甲基 亚砜 → 二甲基亚砜.
Name Class(Pieces pieces)
{
    return ClassName(pieces.first(pieces.size() - 1), pieces.back().Text);
}

// 双酚A 二缩水甘油基 醚 → 双酚A二缩水甘油醚.
Name ParentClass(Pieces pieces)
{
    return std::u16string(pieces.front().Text) + *Class(pieces.subspan(1));
}

// 甲基 碘化物 → 碘甲烷, 苄基 溴化物 → 苄基溴, 二甲基 硫化物 → 二甲硫醚,
// 二叔丁基 过氧化物 → 过氧化二叔丁基.
Name GroupBinary(Pieces pieces)
{
    const Pieces groups = pieces.first(pieces.size() - 1);
    const auto form = BinaryAnionFormOf(pieces.back().Text);
    if (form && form->Halogen && groups.size() == 1) {
        if (const auto alkyl = AlkylParentOf(groups[0].Text))
            return std::u16string(alkyl->Locant) + std::u16string(form->Short) + std::u16string(alkyl->Parent);
    }
    if (form && !form->GroupClassWord.empty())
        return ClassName(groups, form->GroupClassWord);
    if (form && !form->Short.empty())
        return Join(groups) + std::u16string(form->Short);
    return std::u16string(AnionStem(pieces.back())) + Join(groups);
}

// 三苯基膦 氧化物 → 氧化三苯基膦.
Name OtherBinary(Pieces pieces)
{
    return std::u16string(AnionStem(pieces.back())) + Join(pieces.first(pieces.size() - 1));
}

// Already in Chinese order: 乙酸 酐 → 乙酸酐, 环己酮 肟 → 环己酮肟, 氨苄西林
// 钠 → 氨苄西林钠, 甘氨酸 甲酯 → 甘氨酸甲酯, 2-甲基 吡啶 → 2-甲基吡啶.
Name InOrder(Pieces pieces)
{
    return Join(pieces);
}

// A rule: a pattern over the kinds' letters (a letter, a set such as
// "[OB]" or "." for any kind, each optionally followed by "+" for one or
// more) and how it names the pieces. The first rule that matches the whole
// line applies.
struct Rule {
    std::string_view Pattern;
    Name (*Build)(Pieces);
};
constexpr Rule kRules[]{
    {".+W", Hydrate},        {".+S", AddedAcid},     {"C+[OBM]+", Salt},   {"[OBM]+C+", Salt},
    {"C+G+O", Salt},         {"G+O", Ester},         {"A+B", AcylBinary},  {"G+B", GroupBinary},
    {"[XQ]B", OtherBinary},  {"G+K", Class},         {"[XQ]K", InOrder},   {"XG+T", Acetal},
    {"Q+N", InOrder},        {"X+O", BaseSalt},      {"[XQ]+C+", InOrder}, {"[XQ]R", InOrder},
    {"G+[XM]", InOrder},     {"XG+K", ParentClass},  {"X+L", InOrder},
};

bool Matches(std::string_view pattern, std::string_view kinds)
{
    if (pattern.empty())
        return kinds.empty();
    size_t length = 1;
    std::string_view set = pattern.substr(0, 1);
    if (pattern.front() == '[') {
        length = pattern.find(']') + 1;
        set = pattern.substr(1, length - 2);
    }
    const bool repeated = length < pattern.size() && pattern[length] == '+';
    const std::string_view rest = pattern.substr(length + (repeated ? 1 : 0));
    for (size_t taken = 0; taken < kinds.size();) {
        if (set != "." && set.find(kinds[taken]) == std::string_view::npos)
            return false;
        ++taken;
        if (Matches(rest, kinds.substr(taken)))
            return true;
        if (!repeated)
            return false;
    }
    return false;
}

// Rules that name the rest of the line (hydrates, acid-addition salts) nest
// only this deep, so that no line runs the stack out.
constexpr int kMaxNesting = 4;
thread_local int nesting = 0;

Name Order(Pieces pieces)
{
    if (pieces.size() == 1)
        return std::u16string(pieces[0].Text);
    if (nesting >= kMaxNesting)
        return std::nullopt;
    ++nesting;
    struct Leave {
        ~Leave() { --nesting; }
    } leave;
    std::string kinds;
    for (const auto& piece : pieces)
        kinds += static_cast<char>(piece.Kind);
    for (const auto& rule : kRules)
        if (Matches(rule.Pattern, kinds))
            if (Name name = rule.Build(pieces))
                return name;
    return std::nullopt;
}

// Whether the hyphen that ends `prefix` stands between a Chinese substituent
// ("4-氨基-", "2-(乙酰氧基)-") and a Chinese parent, where Chinese writes none.
bool DropsHyphen(std::u16string_view prefix, std::u16string_view parent)
{
    if (prefix.size() < 2 || prefix.back() != u'-' || parent.empty() || !IsChineseCharacter(parent.front()))
        return false;
    prefix.remove_suffix(1);
    if (prefix.back() == u')' || prefix.back() == u']')
        prefix.remove_suffix(1);
    return !prefix.empty() && IsChineseCharacter(prefix.back());
}

bool IsOnium(std::u16string_view parent)
{
    return !parent.empty() && std::u16string_view(u"铵鎓鏻锍").find(parent.back()) != std::u16string_view::npos;
}

// A CAS inverted name: the pieces in ReorderName's order, without the hyphen
// before a Chinese parent. The anion of an onium salt goes in front
// (乙铵, 2-羟基-N,N,N-三甲基-, 氯化物 → 氯化2-羟基-N,N,N-三甲基乙铵).
std::u16string OrderInverted(std::u16string_view line)
{
    auto pieces = ReorderedPieces(line);
    std::u16string name;
    if (pieces.size() >= 2 && IsOnium(pieces[pieces.size() - 2])) {
        const Piece anion{pieces.back(), KindOf(pieces.back())};
        if (anion.Kind == PieceKind::BinaryAnion || anion.Kind == PieceKind::OxoAnion) {
            name = AnionStem(anion);
            pieces.pop_back();
        }
    }
    for (size_t i = 0; i < pieces.size(); ++i) {
        const bool drop = i + 1 < pieces.size() && DropsHyphen(pieces[i], pieces[i + 1]);
        name += drop ? pieces[i].substr(0, pieces[i].size() - 1) : pieces[i];
    }
    return name;
}

// A line of several pieces in naming order, or nothing when no rule knows it.
Name OrderLine(std::u16string_view line)
{
    std::vector<Piece> pieces;
    bool inverted = false;
    size_t begin = 0;
    while (begin <= line.size()) {
        size_t end = line.find(u' ', begin);
        if (end == std::u16string_view::npos)
            end = line.size();
        const auto text = line.substr(begin, end - begin);
        begin = end + 1;
        if (text.empty())
            continue;
        inverted = inverted || text.back() == u',';
        pieces.push_back(Piece{text, KindOf(text)});
    }
    if (inverted)
        return OrderInverted(line);
    for (const auto& piece : pieces)
        if (piece.Kind == PieceKind::English)
            return std::nullopt;
    return Order(pieces);
}

// Where a trailing alias in brackets begins ("二甲基亚砜 (DMSO)"): the last
// piece when it is one bracket; npos otherwise.
size_t AliasStart(std::u16string_view line)
{
    const size_t start = line.rfind(u' ') + 1;
    if (start == 0 || line.size() - start < 2 || line[start] != u'(' || line.back() != u')')
        return std::u16string_view::npos;
    int depth = 0;
    for (size_t i = start; i < line.size(); ++i) {
        depth += line[i] == u'(' ? 1 : line[i] == u')' ? -1 : 0;
        if (depth == 0 && i + 1 < line.size())
            return std::u16string_view::npos; // "(a)(b)" is not one bracket
    }
    return depth == 0 ? start : std::u16string_view::npos;
}

} // namespace

std::u16string ReorderByRules(std::u16string_view line)
{
    const auto trimmed = Trim(line);
    if (trimmed.find(u' ') == std::u16string_view::npos)
        return std::u16string(trimmed);
    const size_t alias = AliasStart(trimmed);
    if (alias != std::u16string_view::npos) {
        const auto body = Trim(trimmed.substr(0, alias));
        const Name named = body.find(u' ') == std::u16string_view::npos ? Name(std::u16string(body)) : OrderLine(body);
        if (named)
            return *named + u' ' + std::u16string(trimmed.substr(alias));
    } else if (const Name named = OrderLine(trimmed)) {
        return *named;
    }
    return ReorderName(trimmed);
}

std::u16string ReorderTextByRules(std::u16string_view text)
{
    return ReorderLines(text, ReorderByRules);
}

} // namespace carbonym
