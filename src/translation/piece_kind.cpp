#include "translation/piece_kind.h"

#include "translation/english_left.h"
#include "text/script.h"

#include <algorithm>
#include <array>

namespace carbonym {

namespace {

bool EndsWith(std::u16string_view text, std::u16string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

bool IsAllChinese(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), IsChineseCharacter);
}

// Whole pieces, compared exactly. A class word drops the 基 of a single
// group before it always, for the plain groups of kPlainGroups, or never.
enum class GroupEnding { Dropped, DroppedWhenPlain, Kept };
struct ExactRow {
    std::u16string_view Piece;
    PieceKind Kind;
    GroupEnding Ending = GroupEnding::Kept;
};
constexpr std::array kExactPieces{
    ExactRow{u"醚", PieceKind::ClassWord, GroupEnding::DroppedWhenPlain},
    ExactRow{u"硫醚", PieceKind::ClassWord, GroupEnding::DroppedWhenPlain},
    ExactRow{u"二硫醚", PieceKind::ClassWord},
    ExactRow{u"三硫醚", PieceKind::ClassWord},
    ExactRow{u"酮", PieceKind::ClassWord},
    ExactRow{u"醇", PieceKind::ClassWord, GroupEnding::Dropped},
    ExactRow{u"硫醇", PieceKind::ClassWord, GroupEnding::Dropped},
    ExactRow{u"亚砜", PieceKind::ClassWord},
    ExactRow{u"砜", PieceKind::ClassWord},
    ExactRow{u"肟", PieceKind::ClassWord},
    ExactRow{u"腙", PieceKind::ClassWord},
    // Diisocyanates are named after the parent or group that carries both
    // groups, in order (甲苯二异氰酸酯, 六亚甲基二异氰酸酯), not as esters.
    ExactRow{u"二异氰酸酯", PieceKind::ClassWord},
    ExactRow{u"二异硫氰酸酯", PieceKind::ClassWord},
    ExactRow{u"酐", PieceKind::Anhydride},
    ExactRow{u"缩醛", PieceKind::Acetal},
    ExactRow{u"缩酮", PieceKind::Acetal},
};

// Groups whose ethers are named without 基 (乙醚, 异丙醚, 二苯醚, 二苄醚).
// Glycidyl ethers are named so among other groups too (丁基缩水甘油醚).
constexpr std::array<std::u16string_view, 18> kPlainGroups{
    u"甲",   u"乙",   u"丙",   u"丁",   u"戊", u"己", u"正丙", u"正丁", u"异丙",
    u"异丁", u"仲丁", u"叔丁", u"异戊", u"苯", u"苄", u"正戊", u"新戊", u"缩水甘油",
};
constexpr std::u16string_view kGlycidyl = u"缩水甘油基";

struct AlkylRow {
    std::u16string_view Group;
    AlkylParent Parent;
};
// kCations and kAlkyls, written by data/generate.py from data/vocabulary/.
#include "translation/piece_lists.inc"

constexpr std::u16string_view kMultipliers = u"一二三四五六七八九十";

std::u16string_view WithoutMultiplier(std::u16string_view piece)
{
    while (piece.size() > 1 && kMultipliers.find(piece.front()) != std::u16string_view::npos)
        piece.remove_prefix(1);
    return piece;
}

bool IsIon(std::u16string_view piece)
{
    piece = WithoutMultiplier(WithoutOxidationState(piece));
    if (piece.size() > 1 && piece.front() == u'亚')
        piece.remove_prefix(1);
    return std::find(kCations.begin(), kCations.end(), piece) != kCations.end();
}

// An ion, bare or carrying groups (四丁基铵, 乙烯基镁).
bool IsCation(std::u16string_view piece)
{
    return IsIon(piece) || CationPrefixLength(piece) > 0;
}

// Endings, tried in order: the first that fits gives the kind. A binary
// anion is one word of Chinese characters (not 吡啶N-氧化物).
struct EndingRow {
    std::u16string_view Ending;
    PieceKind Kind;
    bool ChineseOnly = false;
    bool Alone = false; // the ending alone is a piece of the kind too
};
constexpr std::array kEndings{
    EndingRow{u"水合物", PieceKind::Hydrate, false, true},
    EndingRow{u"酸盐", PieceKind::AddedAcid},
    EndingRow{u"酸酯", PieceKind::OxoAnion},
    EndingRow{u"氢酯", PieceKind::OxoAnion},
    EndingRow{u"酯", PieceKind::EsterWord},
    EndingRow{u"-氧化物", PieceKind::ClassWord},
    EndingRow{u"化物", PieceKind::BinaryAnion, true},
    EndingRow{u"酰基", PieceKind::Acyl},
    EndingRow{u"酰胺", PieceKind::AmideAnion, false, true},
    EndingRow{u"铵", PieceKind::Cation},
    EndingRow{u"鎓", PieceKind::Cation},
    EndingRow{u"鏻", PieceKind::Cation},
    EndingRow{u"锍", PieceKind::Cation},
    EndingRow{u"基", PieceKind::Group},
    EndingRow{u"基)", PieceKind::Group},
    EndingRow{u"酸", PieceKind::Acid},
};

struct BinaryAnionRow {
    std::u16string_view Anion;
    BinaryAnionForm Form;
};
constexpr std::array kBinaryAnions{
    BinaryAnionRow{u"氟化物", {u"氟", true, {}}},    BinaryAnionRow{u"氯化物", {u"氯", true, {}}},
    BinaryAnionRow{u"溴化物", {u"溴", true, {}}},    BinaryAnionRow{u"碘化物", {u"碘", true, {}}},
    BinaryAnionRow{u"氰化物", {u"氰", false, {}}},   BinaryAnionRow{u"叠氮化物", {u"叠氮", false, {}}},
    BinaryAnionRow{u"硫化物", {{}, false, u"硫醚"}}, BinaryAnionRow{u"二硫化物", {{}, false, u"二硫醚"}},
};

struct StoichiometryRow {
    std::u16string_view Anion;
    int State;
    std::u16string_view AnionCount;
    std::u16string_view CationCount;
};
// Binary compounds Chinese names by their formula once the oxidation state
// tells it without doubt (MnO2 二氧化锰, V2O5 五氧化二钒, TiCl4 四氯化钛); lower
// states keep the Stock number (氧化铁(II) is not 氧化铁).
constexpr std::array kStoichiometries{
    StoichiometryRow{u"氧化物", 3, u"三", u"二"}, StoichiometryRow{u"氧化物", 4, u"二", u""},
    StoichiometryRow{u"氧化物", 5, u"五", u"二"}, StoichiometryRow{u"氧化物", 6, u"三", u""},
    StoichiometryRow{u"氧化物", 7, u"七", u"二"}, StoichiometryRow{u"氧化物", 8, u"四", u""},
    StoichiometryRow{u"氟化物", 4, u"四", u""},   StoichiometryRow{u"氟化物", 5, u"五", u""},
    StoichiometryRow{u"氟化物", 6, u"六", u""},   StoichiometryRow{u"氯化物", 4, u"四", u""},
    StoichiometryRow{u"氯化物", 5, u"五", u""},   StoichiometryRow{u"氯化物", 6, u"六", u""},
    StoichiometryRow{u"溴化物", 4, u"四", u""},   StoichiometryRow{u"溴化物", 5, u"五", u""},
    StoichiometryRow{u"碘化物", 4, u"四", u""},
};

int RomanNumber(std::u16string_view numeral)
{
    int number = 0;
    for (size_t i = 0; i < numeral.size(); ++i) {
        const int value = numeral[i] == u'I' ? 1 : numeral[i] == u'V' ? 5 : 10;
        const int next = i + 1 < numeral.size() ? (numeral[i + 1] == u'I' ? 1 : numeral[i + 1] == u'V' ? 5 : 10) : 0;
        number += value < next ? -value : value;
    }
    return number;
}

} // namespace

// A Stock number after an ion: 铜(I), 铁(III).
std::u16string_view WithoutOxidationState(std::u16string_view piece)
{
    const size_t open = piece.rfind(u'(');
    if (open == std::u16string_view::npos || open == 0 || piece.back() != u')' || piece.size() - open < 3)
        return piece;
    const auto numeral = piece.substr(open + 1, piece.size() - open - 2);
    return numeral.find_first_not_of(u"IVX") == std::u16string_view::npos ? piece.substr(0, open) : piece;
}

std::u16string StoichiometricName(std::u16string_view cation, std::u16string_view anion)
{
    const auto bare = WithoutOxidationState(cation);
    if (bare.size() == cation.size() || !IsIon(bare))
        return {};
    const int state = RomanNumber(cation.substr(bare.size() + 1, cation.size() - bare.size() - 2));
    for (const auto& row : kStoichiometries)
        if (row.Anion == anion && row.State == state)
            return std::u16string(row.AnionCount) + std::u16string(anion.substr(0, anion.size() - 1))
                   + std::u16string(row.CationCount) + std::u16string(bare);
    return {};
}

PieceKind KindOf(std::u16string_view piece)
{
    if (piece.size() == 1 && piece[0] >= u'A' && piece[0] <= u'Z')
        return PieceKind::Letter;
    if (HasEnglishLeft(piece))
        return PieceKind::English;
    for (const auto& row : kExactPieces)
        if (piece == row.Piece)
            return row.Kind;
    if (IsCation(piece))
        return PieceKind::Cation;
    for (const auto& row : kEndings)
        if (EndsWith(piece, row.Ending) && (piece.size() > row.Ending.size() || row.Alone)
            && (!row.ChineseOnly || IsAllChinese(piece)))
            return row.Kind;
    return PieceKind::Other;
}

std::optional<BinaryAnionForm> BinaryAnionFormOf(std::u16string_view anion)
{
    for (const auto& row : kBinaryAnions)
        if (anion == row.Anion)
            return row.Form;
    return std::nullopt;
}

bool ClassWordDropsGroupEnding(std::u16string_view word, std::u16string_view group)
{
    for (const auto& row : kExactPieces) {
        if (row.Piece != word)
            continue;
        if (row.Ending != GroupEnding::DroppedWhenPlain)
            return row.Ending == GroupEnding::Dropped;
        if (group.empty() || group.back() != u'基')
            return false;
        group.remove_suffix(1);
        group = WithoutMultiplier(group);
        return std::find(kPlainGroups.begin(), kPlainGroups.end(), group) != kPlainGroups.end();
    }
    return false;
}

bool EtherDropsGroupEnding(std::u16string_view group)
{
    return group.size() >= kGlycidyl.size() && group.substr(group.size() - kGlycidyl.size()) == kGlycidyl;
}

size_t CationPrefixLength(std::u16string_view cation)
{
    // After the last group (四丁基|铵) or ligand in brackets (双(三苯基膦)|钯).
    for (const char16_t end : {u'基', u')'}) {
        const size_t at = cation.rfind(end);
        if (at != std::u16string_view::npos && at + 1 < cation.size() && IsIon(cation.substr(at + 1)))
            return at + 1;
    }
    return 0;
}

int CationRank(std::u16string_view cation)
{
    if (EndsWith(cation, u"氢"))
        return 0;
    return EndsWith(cation, u"铵") || EndsWith(cation, u"鎓") || EndsWith(cation, u"鏻") ? 2 : 1;
}

std::optional<AlkylParent> AlkylParentOf(std::u16string_view group)
{
    for (const auto& row : kAlkyls)
        if (group == row.Group)
            return row.Parent;
    return std::nullopt;
}

} // namespace carbonym
