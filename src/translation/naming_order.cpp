#include "translation/naming_order.h"

#include "text/case_fold.h"
#include "text/lines.h"
#include "translation/chinese_morphemes.h"
#include "translation/piece_kind.h"
#include "translation/reorder.h"
#include "text/script.h"
#include "text/trim.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <unordered_map>
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
    const auto stem = WithoutEnding(group, chinese::kGroup);
    return !stem.empty() && stem.size() < group.size() && IsChineseCharacter(stem.back()) ? stem : group;
}

// 乙酸酯 → 乙酸, 氯化物 → 氯化: the anion as it stands before a cation or a
// group.
std::u16string_view AnionStem(const Piece& anion)
{
    return anion.Kind == PieceKind::OxoAnion ? WithoutEnding(anion.Text, chinese::kEster)
                                             : WithoutEnding(anion.Text, chinese::kCompound);
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
    return std::u16string(WithoutEnding(pieces.back().Text, chinese::kCompound)) + *rest;
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
            anions += WithoutEnding(piece.Text, chinese::kAmide);
            anions += chinese::kAmino;
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
// ester of a base or drug named after it, anion first. An alcohol named by
// its locant takes the acid as an ester does: 十四碳-11-烯-1-醇 丙酸酯 →
// 十四碳-11-烯-1-醇丙酸酯.
Name BaseSalt(Pieces pieces)
{
    const auto base = Join(pieces.first(pieces.size() - 1));
    if (pieces.size() == 2 && base.size() > 3 && base.ends_with(chinese::kAlcohol) && base[base.size() - 2] == u'-'
        && base[base.size() - 3] >= u'0' && base[base.size() - 3] <= u'9')
        return base + std::u16string(AnionStem(pieces.back())) + std::u16string(chinese::kEster);
    return std::u16string(AnionStem(pieces.back())) + base;
}

// 氨基乙醛 二甲基 缩醛 → 氨基乙醛缩二甲醇.
Name Acetal(Pieces pieces)
{
    return std::u16string(pieces.front().Text) + std::u16string(chinese::kAcetalOf)
           + JoinStems(pieces.subspan(1, pieces.size() - 2)) + std::u16string(chinese::kAlcohol);
}

// 甲基 苯甲酸酯 → 苯甲酸甲酯, 4-氯苯基 乙酸酯 → 乙酸4-氯苯酯; several groups
// keep their 基 (乙基 甲基 丙二酸酯 → 丙二酸乙基甲基酯).
Name Ester(Pieces pieces)
{
    const Pieces groups = pieces.first(pieces.size() - 1);
    const std::u16string alcohols = groups.size() == 1 ? std::u16string(GroupStem(groups[0].Text)) : Join(groups);
    return std::u16string(AnionStem(pieces.back())) + alcohols + std::u16string(chinese::kEster);
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
    if (word == chinese::kEther && EtherDropsGroupEnding(groups.back().Text))
        return Join(groups.first(groups.size() - 1)) + std::u16string(GroupStem(groups.back().Text))
               + std::u16string(chinese::kEther);
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

// The naming rules, one a row: a pattern over what the pieces of a line are
// and how the line is then named, with a worked example (a translated line
// and its name) that the tests run. A pattern is a sequence of kinds (the
// names in kKindNames), "a|b" for either, "any" for any kind, each followed
// by "+" for one or more. The first rule that matches the whole line and
// names it applies.
struct Rule {
    std::string_view Pattern;
    Name (*Build)(Pieces);
    std::u16string_view Line;
    std::u16string_view Named;
};
constexpr Rule kRules[]{
    {"any+ hydrate", Hydrate, u"铜 硫酸酯 五水合物", u"五水合硫酸铜"},
    {"any+ added-acid", AddedAcid, u"三乙胺 盐酸盐", u"三乙胺盐酸盐"},
    {"cation+ anion+", Salt, u"钾 钠 酒石酸酯", u"酒石酸钾钠"},
    {"anion+ cation+", Salt, u"氯化物 钠", u"氯化钠"},
    {"cation+ group+ oxo-anion", Salt, u"钾 乙基 黄原酸酯", u"乙基黄原酸钾"},
    {"group+ oxo-anion", Ester, u"4-氯苯基 乙酸酯", u"乙酸4-氯苯酯"},
    {"acyl+ binary-anion", AcylBinary, u"乙酰基 氯化物", u"乙酰氯"},
    {"group+ binary-anion", GroupBinary, u"甲基 碘化物", u"碘甲烷"},
    {"other|acid binary-anion", OtherBinary, u"三苯基膦 氧化物", u"氧化三苯基膦"},
    {"group+ class-word", Class, u"二乙基 醚", u"二乙醚"},
    {"other|acid class-word", InOrder, u"环己酮 肟", u"环己酮肟"},
    {"other group+ acetal", Acetal, u"氨基乙醛 二甲基 缩醛", u"氨基乙醛缩二甲醇"},
    {"acid+ anhydride", InOrder, u"乙酸 酐", u"乙酸酐"},
    {"other+ oxo-anion", BaseSalt, u"庆大霉素 硫酸酯", u"硫酸庆大霉素"},
    {"other|acid+ cation+", InOrder, u"氨苄西林 钠", u"氨苄西林钠"},
    {"other|acid ester-word", InOrder, u"甘氨酸 甲酯", u"甘氨酸甲酯"},
    {"group+ other|amide-anion", InOrder, u"2-甲基 吡啶", u"2-甲基吡啶"},
    {"other group+ class-word", ParentClass, u"双酚A 二缩水甘油基 醚", u"双酚A二缩水甘油醚"},
    {"other+ letter", InOrder, u"环孢素 A", u"环孢素A"},
};

// The names the patterns give the kinds; "anion" is any of the three.
struct KindName {
    std::string_view Name;
    std::string_view Kinds;
};
constexpr KindName kKindNames[]{
    {"group", "G"},     {"acyl", "A"},       {"oxo-anion", "O"},   {"binary-anion", "B"},
    {"cation", "C"},    {"added-acid", "S"}, {"hydrate", "W"},     {"class-word", "K"},
    {"anhydride", "N"}, {"acetal", "T"},     {"amide-anion", "M"}, {"ester-word", "R"},
    {"acid", "Q"},      {"letter", "L"},     {"other", "X"},       {"anion", "OBM"},
};

// A pattern of kind names as the letters of the kinds (PieceKind's values):
// "group+ oxo-anion" → "[G]+[O]", "any" → ".".
std::string CompiledPattern(std::string_view pattern)
{
    std::string compiled;
    while (!pattern.empty()) {
        const size_t end = std::min(pattern.find(' '), pattern.size());
        std::string_view element = pattern.substr(0, end);
        pattern.remove_prefix(std::min(end + 1, pattern.size()));
        const bool repeated = element.ends_with('+');
        if (repeated)
            element.remove_suffix(1);
        if (element == "any") {
            compiled += '.';
        } else {
            compiled += '[';
            while (!element.empty()) {
                const size_t bar = std::min(element.find('|'), element.size());
                const auto name = element.substr(0, bar);
                element.remove_prefix(std::min(bar + 1, element.size()));
                const auto it = std::find_if(std::begin(kKindNames), std::end(kKindNames),
                                             [&](const KindName& kind) { return kind.Name == name; });
                // The table is part of the program: a misspelt kind is its
                // mistake, which the tests find.
                if (it == std::end(kKindNames))
                    throw std::logic_error("naming rule with an unknown kind");
                compiled += it->Kinds;
            }
            compiled += ']';
        }
        if (repeated)
            compiled += '+';
    }
    return compiled;
}

const std::vector<std::string>& CompiledPatterns()
{
    static const std::vector<std::string> patterns = [] {
        std::vector<std::string> all;
        for (const auto& rule : kRules)
            all.push_back(CompiledPattern(rule.Pattern));
        return all;
    }();
    return patterns;
}

// Whether `kinds` (one letter a piece) matches a compiled pattern.
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
    const auto& patterns = CompiledPatterns();
    for (size_t i = 0; i < patterns.size(); ++i)
        if (Matches(patterns[i], kinds))
            if (Name name = kRules[i].Build(pieces))
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
    return !parent.empty() && chinese::kOniumEndings.find(parent.back()) != std::u16string_view::npos;
}

// A CAS inverted name: the pieces in ReorderName's order, without the hyphen
// before a Chinese parent. The anion of an onium salt goes in front
// (乙铵, 2-羟基-N,N,N-三甲基-, 氯化物 → 氯化2-羟基-N,N,N-三甲基乙铵).
std::u16string OrderInverted(std::u16string_view line)
{
    // CAS writes the stereo descriptor of the parent before the parent's
    // comma ("9-十八碳烯酸 (9Z)-, 甲酯"): read it as the parent's own
    // descriptor, as if the comma stood after the parent.
    std::u16string withComma;
    const size_t firstEnd = line.find(u' ');
    if (firstEnd != std::u16string_view::npos && firstEnd > 0 && line[firstEnd - 1] != u','
        && line[firstEnd - 1] != u'-') {
        const size_t nextBegin = std::min(line.find_first_not_of(u' ', firstEnd), line.size());
        const size_t nextEnd = std::min(line.find(u' ', nextBegin), line.size());
        const auto next = line.substr(nextBegin, nextEnd - nextBegin);
        if (next.size() > 4 && next.front() == u'(' && next.substr(next.size() - 3) == u")-,") {
            withComma = std::u16string(line.substr(0, firstEnd)) + u',' + std::u16string(line.substr(firstEnd));
            line = withComma;
        }
    }
    auto pieces = ReorderedPieces(line);
    // The alcohol's part of an ester follows its acid, wherever CAS put
    // the stereo descriptor (戊酸, 3-己烯酯, (Z)- → (Z)-戊酸3-己烯酯).
    std::stable_partition(pieces.begin(), pieces.end(),
                          [](std::u16string_view piece) { return KindOf(piece) != PieceKind::EsterWord; });
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
// `kinds` tells, piece by piece, what the English said a piece is where its
// Chinese alone does not (乙酸 from "acetate" is an anion).
Name OrderLine(std::u16string_view line, std::span<const std::optional<PieceKind>> kinds = {})
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
        const size_t index = pieces.size();
        const auto kind = index < kinds.size() && kinds[index] ? *kinds[index] : KindOf(text);
        pieces.push_back(Piece{text, kind});
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

// A piece of a composed line with what it is, where the English tells.
struct Word {
    std::u16string Chinese;
    std::u16string English;
    std::optional<PieceKind> Kind;
};

bool EndsWithFolded(std::u16string_view text, std::u16string_view ending)
{
    return text.size() >= ending.size() && FoldCase(text.substr(text.size() - ending.size())) == ending;
}

std::u16string_view WithoutComma(std::u16string_view text)
{
    return !text.empty() && text.back() == u',' ? text.substr(0, text.size() - 1) : text;
}

// What the English of a piece says it is: a word in -ate or -ite whose
// Chinese is an acid's is its anion or ester (乙酸 from "acetate").
std::optional<PieceKind> KindFromEnglish(const ComposedPiece& piece)
{
    auto english = WithoutComma(piece.English);
    const auto written = WithoutComma(piece.Chinese);
    // The oxidation state of a complex anion: hexacyanoferrate(II) 六氰合铁(II)酸.
    if (english.ends_with(u')'))
        english = english.substr(0, english.rfind(u'('));
    while (!english.empty() && english.back() == u' ')
        english.remove_suffix(1);
    if ((EndsWithFolded(english, u"ate") || EndsWithFolded(english, u"ite")) && written.ends_with(chinese::kAcid))
        return PieceKind::OxoAnion;
    return std::nullopt;
}

// 1,2,3-三乙酸 → 三乙酸, 1-乙酸 → 乙酸: CAS numbers the groups of an ester,
// where Chinese gives the multiplier alone. With `multipliedOnly`, locants
// before anything but a multiplier stay (3,3,5-三甲基环己基).
std::u16string WithoutGroupLocants(std::u16string text, bool multipliedOnly = true)
{
    const size_t hyphen = text.find(u'-');
    if (hyphen == std::u16string::npos || hyphen == 0 || hyphen + 1 >= text.size())
        return text;
    if (multipliedOnly && chinese::kMultipliers.find(text[hyphen + 1]) == std::u16string_view::npos)
        return text;
    for (size_t i = 0; i < hyphen; ++i)
        if (!(text[i] >= u'0' && text[i] <= u'9') && text[i] != u',')
            return text;
    return text.substr(hyphen + 1);
}

// 3-己烯基 酯 → 3-己烯酯, 双(2-甲基丁基) 酯 → 二(2-甲基丁基)酯, 1,4-二乙基 酯
// → 二乙酯: a group named before the word ester is the alcohol's part of the
// ester.
std::vector<Word> ToWords(std::span<const ComposedPiece> pieces)
{
    std::vector<Word> words;
    for (const auto& piece : pieces) {
        const bool ester = WithoutComma(piece.Chinese) == chinese::kEster;
        if (ester && !words.empty() && KindOf(words.back().Chinese) == PieceKind::Group) {
            auto& group = words.back();
            std::u16string stem = WithoutGroupLocants(std::u16string(GroupStem(group.Chinese)));
            if (stem.starts_with(chinese::kBisBracket))
                stem.replace(0, 1, chinese::kTwo);
            group.Chinese = stem + piece.Chinese;
            group.English += u' ' + piece.English;
            continue;
        }
        if (!piece.Chinese.empty())
            words.push_back(Word{piece.Chinese, piece.English, KindFromEnglish(piece)});
    }
    return words;
}

// 钴(2+) → 钴: CAS gives the cation's charge, Chinese names the salt without.
std::u16string WithoutCharge(std::u16string_view cation)
{
    const size_t open = cation.rfind(u'(');
    if (open != std::u16string_view::npos && cation.size() - open >= 4 && cation.substr(cation.size() - 2) == u"+)")
        return std::u16string(cation.substr(0, open));
    return std::u16string(cation);
}

// CAS names a salt after its acid: "Sulfuric acid, cobalt(2+) salt (1:1),
// heptahydrate" (硫酸, 钴(2+) 盐 (1:1), 七水合物) is read as 硫酸 钴 七水合物,
// and "Benzoic acid, 4-hydroxy-, sodium salt" as 4-羟基苯甲酸 钠. Nothing
// when the line is not such a name.
std::optional<std::vector<Word>> AsCasSalt(const std::vector<Word>& words)
{
    // The word "salt" stands alone or in the cation's piece, where the
    // dictionary translated "cobalt(2+) salt" whole.
    size_t salt = 0;
    while (salt < words.size() && FoldCase(words[salt].English).find(u"salt") == std::u16string::npos)
        ++salt;
    size_t acid = 0;
    while (acid < salt && !EndsWithFolded(WithoutComma(words[acid].English), u"acid"))
        ++acid;
    if (salt == words.size() || acid >= salt || words[acid].English.back() != u',')
        return std::nullopt;
    // Where the word stands alone, what follows it starts after it; in the
    // cation's piece, the cation is among those before.
    const size_t rest = salt + 1;
    if (FoldCase(WithoutComma(words[salt].English)) != u"salt")
        ++salt;
    std::u16string anion;
    for (size_t k = 0; k <= acid; ++k)
        anion += WithoutComma(words[k].Chinese);
    std::u16string substituents;
    std::vector<Word> cations;
    for (size_t k = acid + 1; k < salt; ++k) {
        const auto text = WithoutComma(words[k].Chinese);
        if (text.empty() || text == chinese::kSalt)
            continue;
        if (text.ends_with(u'-'))
            substituents = std::u16string(text) + substituents;
        else
            cations.push_back(Word{WithoutCharge(text), words[k].English, PieceKind::Cation});
    }
    if (cations.empty())
        return std::nullopt;
    if (!substituents.empty() && IsChineseCharacter(anion.front()) && substituents.size() > 1
        && IsChineseCharacter(substituents[substituents.size() - 2]))
        substituents.pop_back();
    std::vector<Word> salted{Word{substituents + anion, u"", PieceKind::OxoAnion}};
    salted.insert(salted.end(), cations.begin(), cations.end());
    for (size_t k = rest; k < words.size(); ++k) {
        const auto text = WithoutComma(words[k].Chinese);
        // The ratio of CAS's "salt (1:1)" has no Chinese.
        if (text.size() >= 5 && text.front() == u'(' && text.back() == u')'
            && text.find(u':') != std::u16string_view::npos)
            continue;
        salted.push_back(Word{std::u16string(text), words[k].English, std::nullopt});
    }
    return salted;
}

// Where a trailing alias in brackets begins among the words ("Propyl
// orthoformate (Tripropyl orthoformate)"): the first word of the last
// bracket that closes at the end of the line; the number of words when
// there is none.
size_t AliasWord(const std::vector<Word>& words)
{
    if (words.size() < 2 || words.back().Chinese.back() != u')')
        return words.size();
    int depth = 0;
    for (size_t k = words.size(); k-- > 1;) {
        const auto& text = words[k].Chinese;
        for (size_t i = text.size(); i-- > 0;) {
            depth += text[i] == u')' ? 1 : text[i] == u'(' ? -1 : 0;
            if (depth == 0)
                return i == 0 ? k : words.size();
        }
    }
    return words.size();
}

std::u16string OrderWords(std::vector<Word> words);

// CAS indexes an ester at its alcohol too: "Phenol, 2-methoxy-4-(2-propenyl)-,
// acetate" (苯酚, 2-甲氧基-4-(2-丙烯基)-, 乙酸) names the ester
// 2-甲氧基-4-(2-丙烯基)苯酚乙酸酯: the alcohol ordered as CAS names go, then
// the acid without CAS's locant ("1-acetate") and 酯.
std::optional<std::u16string> AsCasAlcoholEster(const std::vector<Word>& words)
{
    if (words.size() < 2 || !words[0].Chinese.ends_with(u','))
        return std::nullopt;
    const auto parent = WithoutComma(words[0].Chinese);
    if (!parent.ends_with(chinese::kAlcohol) && !parent.ends_with(chinese::kPhenol))
        return std::nullopt;
    size_t acid = 0;
    for (size_t k = 1; k < words.size(); ++k)
        if (words[k].Kind == PieceKind::OxoAnion) {
            if (acid != 0)
                return std::nullopt;
            acid = k;
        }
    if (acid == 0)
        return std::nullopt;
    std::vector<Word> alcohol = words;
    alcohol.erase(alcohol.begin() + static_cast<std::ptrdiff_t>(acid));
    // The alcohol's last piece ends the name now: without a comma.
    if (acid == words.size() - 1)
        alcohol.back().Chinese = std::u16string(WithoutComma(alcohol.back().Chinese));
    return OrderWords(std::move(alcohol))
           + WithoutGroupLocants(std::u16string(WithoutComma(words[acid].Chinese)), false)
           + std::u16string(chinese::kEster);
}

// CAS names a compound of a class after the class word: "Disulfide,
// dimethyl" (二硫醚, 二甲基) is the class name 二甲基 二硫醚.
bool AsCasClassName(std::vector<Word>& words)
{
    if (words.size() < 2 || !words[0].Chinese.ends_with(u',')
        || KindOf(WithoutComma(words[0].Chinese)) != PieceKind::ClassWord)
        return false;
    for (size_t k = 1; k < words.size(); ++k)
        if (words[k].Chinese.ends_with(u',') || KindOf(words[k].Chinese) != PieceKind::Group)
            return false;
    words[0].Chinese.pop_back();
    std::rotate(words.begin(), words.begin() + 1, words.end());
    return true;
}

std::u16string OrderWords(std::vector<Word> words)
{
    if (auto ester = AsCasAlcoholEster(words))
        return *ester;
    AsCasClassName(words);
    const size_t alias = AliasWord(words);
    std::vector<Word> body(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(alias));
    if (auto salt = AsCasSalt(body))
        body = std::move(*salt);
    std::u16string line;
    std::vector<std::optional<PieceKind>> kinds;
    for (const auto& word : body) {
        if (!line.empty())
            line += u' ';
        line += word.Chinese;
        kinds.push_back(word.Kind);
    }
    std::u16string named;
    if (line.find(u' ') == std::u16string::npos)
        named = line;
    else if (const Name ordered = OrderLine(line, kinds))
        named = *ordered;
    else
        named = ReorderName(line);
    if (alias == words.size())
        return named;
    // The alias is a name of its own: ordered inside its brackets.
    std::vector<Word> inside(words.begin() + static_cast<std::ptrdiff_t>(alias), words.end());
    inside.front().Chinese.erase(0, 1);
    inside.back().Chinese.pop_back();
    return named + u" (" + OrderWords(std::move(inside)) + u")";
}

} // namespace

std::vector<std::pair<std::u16string_view, std::u16string_view>> NamingRuleExamples()
{
    std::vector<std::pair<std::u16string_view, std::u16string_view>> examples;
    for (const auto& rule : kRules)
        examples.emplace_back(rule.Line, rule.Named);
    return examples;
}

std::u16string ReorderComposedByRules(std::span<const ComposedPiece> pieces)
{
    return OrderWords(ToWords(pieces));
}

namespace {

// Lists repeat names: each distinct line is composed and ordered once.
class LinesByRules {
public:
    explicit LinesByRules(const NameComposer& composer) : composer_(composer) { }

    const std::u16string& Named(std::u16string_view line)
    {
        auto [it, added] = named_.try_emplace(line);
        if (added)
            it->second = ReorderComposedByRules(composer_.Compose(line));
        return it->second;
    }

private:
    const NameComposer& composer_;
    std::unordered_map<std::u16string_view, std::u16string> named_;
};

} // namespace

std::u16string TranslateTextByRules(std::u16string_view source, const NameComposer& composer)
{
    LinesByRules byRules(composer);
    std::u16string result;
    for (const auto line : SplitLines(source)) {
        if (line.empty())
            continue;
        result += byRules.Named(line);
        result += kLineBreak;
    }
    return result;
}

namespace {

// How many lines of `source` the naming-rule order gives otherwise than
// plain 排序 gives their translation (line for line).
size_t CountLinesOrderedOtherwise(std::u16string_view source, std::u16string_view translated,
                                  const NameComposer& composer)
{
    const auto sourceLines = SplitLines(source);
    const auto translatedLines = SplitLines(translated);
    if (sourceLines.size() != translatedLines.size())
        return 0;
    LinesByRules byRules(composer);
    size_t count = 0;
    for (size_t i = 0; i < sourceLines.size(); ++i) {
        if (!sourceLines[i].empty() && ReorderName(translatedLines[i]) != byRules.Named(sourceLines[i]))
            ++count;
    }
    return count;
}

} // namespace

SortedTranslation SortTranslation(std::u16string_view source, std::u16string_view translation,
                                  const NameComposer& composer, bool byRules)
{
    SortedTranslation sorted;
    if (byRules) {
        sorted.Text = TranslateTextByRules(source, composer);
        sorted.Sources = ReorderedLineSources(source);
    } else {
        sorted.Text = ReorderText(translation);
        sorted.Sources = ReorderedLineSources(translation);
        sorted.OrderedOtherwise = CountLinesOrderedOtherwise(source, translation, composer);
    }
    return sorted;
}

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
