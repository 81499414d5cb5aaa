#include "translation/name_composer.h"

#include "text/case_fold.h"
#include "text/script.h"
#include "translation/chinese_morphemes.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace carbonym {

namespace {

bool IsLocantUnit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || c == u',' || c == u'-' || c == u'\'';
}

bool EndsWith(std::u16string_view text, std::u16string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

// Greek letters as instrument libraries and CAS write them: ".alpha.-Pinene",
// "(.alpha.S)" and "a-Humulene", "g-Nonalactone" read with the Greek letter.
std::u16string SpellGreekLetters(std::u16string_view line)
{
    std::u16string text;
    text.reserve(line.size() + 8);
    for (size_t i = 0; i < line.size();) {
        // A locant's letter (8a, 4aS) is no Greek letter.
        const bool wordStart = i == 0 || (!IsLatinLetter(line[i - 1]) && !(line[i - 1] >= u'0' && line[i - 1] <= u'9'));
        if (line[i] == u'.' && wordStart) {
            bool spelled = false;
            for (const auto& part : NameParts()) {
                if (part.Kind != PartKind::GreekLetter)
                    continue;
                const size_t end = i + 1 + part.English.size();
                if (end < line.size() && line[end] == u'.'
                    && FoldCase(line.substr(i + 1, part.English.size())) == part.English) {
                    text += part.Chinese;
                    i = end + 1;
                    spelled = true;
                    break;
                }
            }
            if (spelled)
                continue;
        }
        const auto letter = std::u16string_view(u"abg").find(line[i]);
        if (wordStart && letter != std::u16string_view::npos && i + 2 < line.size() && line[i + 1] == u'-'
            && IsLatinLetter(line[i + 2])) {
            text += u"αβγ"[letter];
            ++i;
            continue;
        }
        text += line[i];
        ++i;
    }
    return text;
}

// What the last step leaves to be continued, so that a multiplier is
// followed by what it multiplies and a chain by its ending: "hexa-2,4-diene"
// is hex|a, not the multiplier hexa.
enum class Expect : uint8_t {
    Anything,
    Multiplied, // after a multiplier: a part that is not a multiplier, or a bracket
    ChainEnding, // after a chain: an ending, an unsaturation, the joining a, or a locant
    AfterVowel, // after the joining a: a locant or a multiplier
    RingStem, // after a ring's heteroatom (ox, thi): the ring's stem (azole)
};
constexpr size_t kExpects = 5;

Expect ExpectAfter(const std::optional<PartKind>& kind)
{
    if (!kind)
        return Expect::Anything;
    switch (*kind) {
    case PartKind::Multiplier:
    case PartKind::GroupMultiplier:
        return Expect::Multiplied;
    case PartKind::Chain:
    case PartKind::LongChain:
        return Expect::ChainEnding;
    case PartKind::JoiningVowel:
        return Expect::AfterVowel;
    case PartKind::RingHeteroatom:
        return Expect::RingStem;
    default:
        return Expect::Anything;
    }
}

bool Allows(Expect expect, const std::optional<PartKind>& kind, bool startsWithLetter)
{
    switch (expect) {
    case Expect::Anything:
        // The joining vowel has no Chinese: only after a chain may it take
        // a letter, or the a of a locant (8a) would vanish.
        return kind != PartKind::JoiningVowel;
    case Expect::Multiplied:
        return startsWithLetter && kind != PartKind::Multiplier && kind != PartKind::GroupMultiplier;
    case Expect::ChainEnding:
        return kind == PartKind::SaturatedEnding || kind == PartKind::Unsaturation || kind == PartKind::GroupEnding
               || kind == PartKind::WrappingEnding || kind == PartKind::JoiningVowel || kind == PartKind::ChainSuffix;
    case Expect::AfterVowel:
        return kind == PartKind::Multiplier;
    case Expect::RingStem:
        return kind == PartKind::RingStem;
    }
    return false;
}

bool AllowsCopy(Expect expect, char16_t c, char16_t next)
{
    switch (expect) {
    case Expect::Anything:
        return true;
    case Expect::Multiplied:
        // CAS multiplies a group with a locant after a hyphen: di-2-propen-1-yl.
        return c == u'(' || c == u'[' || (c == u'-' && next >= u'0' && next <= u'9');
    case Expect::ChainEnding:
    case Expect::AfterVowel:
        return c == u'-';
    case Expect::RingStem:
        return false;
    }
    return false;
}

// Fewest pieces win; a multiplier costs a little more, so that a chain
// reads before a multiplier and a chain ("hexadec|ane", not "hexa|decane").
constexpr int kPieceCost = 10;
constexpr int kMultiplierCost = 12;
constexpr int kUnknownWordCost = 1000;
// A hyphen after a multiplier (CAS's di-2-propen-1-yl) is read only where no
// chain reads the word: hexa-2,4-dienal is hex|a.
constexpr int kMultipliedLocantCost = 15;

// One step of the cover of a line.
struct Step {
    enum Type : uint8_t { None, Copy, Term, Unknown } Kind = None;
    uint32_t Morpheme = 0;
    uint32_t From = 0; // the state before the step
};

// A piece of the composed text before the joins: a morpheme's Chinese, a
// copied character, or an unknown word.
struct Segment {
    std::u16string Chinese;
    std::optional<PartKind> Kind;
    char16_t Copied = 0;
    bool Dictionary = false;
    std::u16string_view Folded; // the English, folded
    size_t Begin = 0;
    size_t End = 0;
};

bool IsLocantCopy(const Segment& segment)
{
    return segment.Copied != 0 && IsLocantUnit(segment.Copied);
}

// The segment after `i` past locants and the kinds in `skipped`, or npos.
template <typename Skip>
size_t NextPast(const std::vector<Segment>& segments, size_t i, Skip skipped)
{
    for (size_t j = i + 1; j < segments.size(); ++j) {
        if (IsLocantCopy(segments[j]) || (segments[j].Kind && skipped(*segments[j].Kind)))
            continue;
        return j;
    }
    return std::u16string_view::npos;
}

bool IsSuffix(const Segment& segment)
{
    return segment.Kind == PartKind::Suffix;
}

// 烷 that a chain's "ane" gave, by a part or by a dictionary term such as
// "hexan" 己烷 or "hexadecane-" 十六烷-.
bool EndsInSaturatedEnding(const Segment& segment)
{
    if (segment.Kind == PartKind::SaturatedEnding)
        return true;
    if (!segment.Dictionary || segment.Kind)
        return false;
    std::u16string_view written = segment.Chinese;
    std::u16string_view english = segment.Folded;
    if (EndsWith(written, u"-") && EndsWith(english, u"-")) {
        written.remove_suffix(1);
        english.remove_suffix(1);
    }
    return EndsWith(written, chinese::kAlkane) && (EndsWith(english, u"an") || EndsWith(english, u"ane"));
}

void DropSaturatedEnding(Segment& segment)
{
    const size_t at = segment.Chinese.rfind(chinese::kAlkane);
    if (at != std::u16string::npos)
        segment.Chinese.erase(at, 1);
}

// The joins of Chinese names: each rule with a name and the example the
// tests run it by.
struct Join {
    std::u16string_view Example;
    void (*Apply)(std::vector<Segment>&, size_t);
};

// hexan-1-ol 己-1-醇, hexanedioic acid 己二酸: the chain's 烷 goes before a
// suffix (not before thiol or sulfonic acid, 十七烷硫醇).
void DropAneBeforeSuffix(std::vector<Segment>& segments, size_t i)
{
    if (!EndsInSaturatedEnding(segments[i]))
        return;
    const size_t next = NextPast(segments, i, [](PartKind kind) { return kind == PartKind::Multiplier; });
    if (next != std::u16string_view::npos && IsSuffix(segments[next]))
        DropSaturatedEnding(segments[i]);
}

// undec-10-enoic acid 十一碳-10-烯酸: a chain of more than ten carbons takes
// 碳 before its unsaturation.
void CarbonAfterLongChain(std::vector<Segment>& segments, size_t i)
{
    if (segments[i].Kind != PartKind::LongChain)
        return;
    const size_t next = NextPast(
        segments, i, [](PartKind kind) { return kind == PartKind::JoiningVowel || kind == PartKind::Multiplier; });
    if (next != std::u16string_view::npos && segments[next].Kind == PartKind::Unsaturation)
        segments[i].Chinese += chinese::kCarbon;
}

// tripentylamine 三戊胺: an amine drops the 基 of the group it is named
// after.
void DropGroupEndingBeforeAmine(std::vector<Segment>& segments, size_t i)
{
    if (i + 1 >= segments.size() || segments[i + 1].Kind != PartKind::Suffix
        || segments[i + 1].Chinese != chinese::kAmine)
        return;
    auto& group = segments[i];
    const bool isGroup = group.Kind == PartKind::GroupEnding
                         || (group.Dictionary && !group.Kind && EndsWith(group.Folded, u"yl"));
    if (isGroup && EndsWith(group.Chinese, chinese::kGroup))
        group.Chinese.pop_back();
}

// ethylidene 亚乙基, propan-2-ylidene 亚丙-2-基: the ending wraps the chain
// before it, and the chain's 烷 goes.
void WrapChain(std::vector<Segment>& segments, size_t i)
{
    if (segments[i].Kind != PartKind::WrappingEnding)
        return;
    const auto& pattern = segments[i].Chinese;
    const size_t hole = pattern.find(u'…');
    if (hole == std::u16string::npos || i == 0)
        return;
    size_t first = i - 1;
    while (first > 0 && segments[first].Kind != PartKind::Chain && segments[first].Kind != PartKind::LongChain
           && (IsLocantCopy(segments[first]) || segments[first].Kind))
        --first;
    if (first > 0 && segments[first - 1].Kind == PartKind::Ring)
        --first;
    std::u16string wrapped;
    for (size_t j = first; j < i; ++j) {
        if (segments[j].Kind == PartKind::SaturatedEnding)
            DropSaturatedEnding(segments[j]);
        wrapped += segments[j].Copied ? std::u16string(1, segments[j].Copied) : segments[j].Chinese;
        segments[j].Chinese.clear();
        segments[j].Copied = 0;
        segments[j].Kind.reset();
    }
    segments[i].Chinese = pattern.substr(0, hole) + wrapped + pattern.substr(hole + 1);
}

// 1,3,4-thiadiazole 1,3,4-噻二唑: oxa and thia name a ring's heteroatom as
// ox and thi do (噁, 噻) in a ring named by its stem.
void HeteroatomInRing(std::vector<Segment>& segments, size_t i)
{
    if (segments[i].Kind != PartKind::Replacement || segments[i].Folded.size() < 2)
        return;
    const size_t next = NextPast(segments, i, [](PartKind kind) { return kind == PartKind::Multiplier; });
    if (next == std::u16string_view::npos || segments[next].Kind != PartKind::RingStem)
        return;
    const auto bare = segments[i].Folded.substr(0, segments[i].Folded.size() - 1);
    for (const auto& part : NameParts())
        if (part.Kind == PartKind::RingHeteroatom && part.English == bare)
            segments[i].Chinese = part.Chinese;
}

constexpr Join kJoins[]{
    {u"1,3,4-oxadiazole 1,3,4-噁二唑", HeteroatomInRing},
    {u"hexanedioic acid 己二酸", DropAneBeforeSuffix},
    {u"undec-10-enoic acid 十一碳-10-烯酸", CarbonAfterLongChain},
    {u"tripentylamine 三戊胺", DropGroupEndingBeforeAmine},
    {u"propan-2-ylidene 亚丙-2-基", WrapChain},
};

// Prefixes attach to an acid, acid halide or anhydride named in two words
// ("4-methyl" + "benzoic acid", "4-methylbenzene" + "sulfonyl chloride"),
// never to the other names of several words: "ethyl ether" is no part of
// "phenylethyl ether", nor "hydrazine hydrochloride" of "phenylhydrazine
// hydrochloride".
bool StartsWord(std::u16string_view folded)
{
    if (folded.find(u' ') == std::u16string_view::npos)
        return false;
    for (const std::u16string_view word :
         {u" acid", u" chloride", u" bromide", u" fluoride", u" iodide", u" anhydride"})
        if (EndsWith(folded, word))
            return false;
    return true;
}

// iso-butanol 异丁醇: Chinese writes no hyphen between two Chinese parts.
// After a bracket only where a Chinese part closes it: 2-(氯甲基)吡啶, but
// 2(3H)-萘酮.
bool DropsHyphen(const std::u16string& before, const std::u16string& after)
{
    if (before.empty() || after.empty() || !IsChineseCharacter(after.front()))
        return false;
    if (before.back() == u')')
        return before.size() >= 2 && IsChineseCharacter(before[before.size() - 2]);
    return IsChineseCharacter(before.back());
}

// Closes the bracket of a multiplied group; a group whose Chinese has no
// locant needs none (二(烯丙基) → 二烯丙基).
void CloseBracket(std::u16string& chinese)
{
    const size_t open = chinese.rfind(u'(');
    const auto inside = std::u16string_view(chinese).substr(open + 1);
    if (std::any_of(inside.begin(), inside.end(), [](char16_t c) { return !IsChineseCharacter(c); }))
        chinese += u')';
    else
        chinese.erase(open, 1);
}

} // namespace

NameComposer::NameComposer(const std::vector<Term>& terms)
    : morphemes_([&] {
          std::unordered_map<std::u16string, PartKind> kinds;
          for (const auto& part : NameParts())
              kinds.emplace(std::u16string(part.English), part.Kind);
          std::vector<Morpheme> morphemes;
          morphemes.reserve(terms.size() + NameParts().size());
          for (const auto& term : terms) {
              Morpheme morpheme{FoldCase(term.English), term.Chinese, std::nullopt, false};
              if (const auto it = kinds.find(morpheme.Folded); it != kinds.end())
                  morpheme.Kind = it->second;
              morpheme.LocantLetter = morpheme.Folded.size() == 2 && IsLatinLetter(morpheme.Folded[0])
                                      && morpheme.Folded[1] == u'-';
              morpheme.StartsWord = StartsWord(morpheme.Folded);
              morphemes.push_back(std::move(morpheme));
          }
          for (const auto& part : NameParts())
              morphemes.push_back(Morpheme{std::u16string(part.English), std::u16string(part.Chinese), part.Kind});
          return morphemes;
      }()),
      automaton_([&] {
          std::vector<std::u16string_view> english;
          english.reserve(morphemes_.size());
          for (const auto& morpheme : morphemes_)
              english.push_back(morpheme.Folded);
          return TermAutomaton(english);
      }())
{
}

std::vector<ComposedPiece> NameComposer::Compose(std::u16string_view line) const
{
    const std::u16string text = SpellGreekLetters(line);
    const std::u16string folded = FoldCase(text);
    const size_t n = text.size();
    const size_t lineStart = std::min(text.find_first_not_of(u' '), n);

    // Every occurrence of a morpheme, by where it starts; of several with the
    // same English the first (the dictionary's, in file order) is kept.
    struct Match {
        uint32_t Length;
        uint32_t Morpheme;
    };
    std::vector<std::vector<Match>> matches(n + 1);
    automaton_.ScanEnds(folded, [&](uint32_t index, size_t end) {
        const auto& morpheme = morphemes_[index];
        const size_t length = morpheme.Folded.size();
        const size_t start = end - length;
        if (morpheme.StartsWord && start > 0 && IsLatinLetter(text[start - 1]))
            return;
        if (morpheme.LocantLetter && text[start] != morpheme.Folded[0]) {
            // "P-methyl" names phosphorus; a capital o-, m-, p- is read as
            // such only where a catalogue capitalises the line's first word.
            const bool capitalisedFirst = start == lineStart
                                          && std::u16string_view(u"OMP").find(text[start]) != std::u16string_view::npos;
            if (!capitalisedFirst)
                return;
        }
        auto& here = matches[start];
        for (auto& match : here)
            if (match.Length == length) {
                match.Morpheme = std::min(match.Morpheme, index);
                return;
            }
        here.push_back(Match{static_cast<uint32_t>(length), index});
    });

    // The cheapest cover of the line, over states (position, what is expected).
    constexpr int kUnreached = std::numeric_limits<int>::max();
    const auto state = [](size_t position, Expect expect) { return position * kExpects + static_cast<size_t>(expect); };
    std::vector<int> cost((n + 1) * kExpects, kUnreached);
    std::vector<Step> steps((n + 1) * kExpects);
    cost[state(0, Expect::Anything)] = 0;
    const auto relax = [&](size_t to, int value, Step step) {
        if (value < cost[to]) {
            cost[to] = value;
            steps[to] = step;
        }
    };
    for (size_t i = 0; i < n; ++i) {
        for (size_t e = 0; e < kExpects; ++e) {
            const Expect expect = static_cast<Expect>(e);
            const size_t from = state(i, expect);
            if (cost[from] == kUnreached)
                continue;
            if (!IsLatinLetter(text[i]) && AllowsCopy(expect, text[i], i + 1 < n ? text[i + 1] : u'\0')) {
                const int price = expect == Expect::Multiplied && text[i] == u'-' ? kMultipliedLocantCost : 0;
                relax(state(i + 1, Expect::Anything), cost[from] + price,
                      Step{Step::Copy, 0, static_cast<uint32_t>(from)});
            }
            for (const auto& match : matches[i]) {
                const auto& morpheme = morphemes_[match.Morpheme];
                if (!Allows(expect, morpheme.Kind, IsLatinLetter(text[i])))
                    continue;
                // A bridge follows its locants: 3a,7-methanoazulene, never
                // methano|ic acid.
                if (morpheme.Kind == PartKind::Bridge && (i == 0 || text[i - 1] != u'-'))
                    continue;
                const int price = morpheme.Kind == PartKind::Multiplier ? kMultiplierCost : kPieceCost;
                relax(state(i + match.Length, ExpectAfter(morpheme.Kind)), cost[from] + price,
                      Step{Step::Term, match.Morpheme, static_cast<uint32_t>(from)});
            }
            if (expect == Expect::Anything && IsLatinLetter(text[i]) && (i == 0 || !IsLatinLetter(text[i - 1]))) {
                size_t end = i;
                while (end < n && IsLatinLetter(text[end]))
                    ++end;
                relax(state(end, Expect::Anything), cost[from] + kUnknownWordCost,
                      Step{Step::Unknown, 0, static_cast<uint32_t>(from)});
            }
        }
    }

    // The steps back from the end, as segments.
    std::vector<Segment> segments;
    for (size_t at = state(n, Expect::Anything); at != state(0, Expect::Anything);) {
        const Step& step = steps[at];
        const size_t begin = step.From / kExpects;
        const size_t end = at / kExpects;
        Segment segment;
        segment.Begin = begin;
        segment.End = end;
        segment.Folded = std::u16string_view(folded).substr(begin, end - begin);
        switch (step.Kind) {
        case Step::Copy:
            segment.Copied = text[begin];
            break;
        case Step::Term: {
            const auto& morpheme = morphemes_[step.Morpheme];
            segment.Chinese = morpheme.Chinese;
            segment.Kind = morpheme.Kind;
            segment.Dictionary = step.Morpheme + NameParts().size() < morphemes_.size();
            break;
        }
        case Step::Unknown:
        case Step::None:
            segment.Chinese = text.substr(begin, end - begin);
            break;
        }
        segments.push_back(std::move(segment));
        at = step.From;
    }
    std::reverse(segments.begin(), segments.end());

    for (const auto& join : kJoins)
        for (size_t i = 0; i < segments.size(); ++i)
            join.Apply(segments, i);

    std::vector<ComposedPiece> pieces(1);
    size_t pieceBegin = 0;
    bool bracketOpen = false; // 二(2-丙烯-1-基: closed where the group ends
    for (size_t i = 0; i < segments.size(); ++i) {
        const auto& segment = segments[i];
        auto& piece = pieces.back();
        if (bracketOpen && (segment.Copied == u' ' || segment.Copied == u',')) {
            CloseBracket(piece.Chinese);
            bracketOpen = false;
        }
        // di-2-propen-1-yl 二(2-丙烯-1-基): Chinese brackets the group a
        // multiplier counts when it starts with a locant.
        if (segment.Kind == PartKind::Multiplier && i + 1 < segments.size() && segments[i + 1].Copied == u'-') {
            piece.Chinese += segment.Chinese + u"(";
            bracketOpen = true;
            ++i;
            continue;
        }
        if (segment.Copied == u' ') {
            piece.English = text.substr(pieceBegin, segment.Begin - pieceBegin);
            pieces.emplace_back();
            pieceBegin = segment.End;
            continue;
        }
        if (segment.Copied == u'-' && i + 1 < segments.size() && !segments[i + 1].Copied
            && DropsHyphen(piece.Chinese, segments[i + 1].Chinese))
            continue;
        if (segment.Copied)
            piece.Chinese += segment.Copied;
        else
            piece.Chinese += segment.Chinese;
    }
    if (bracketOpen)
        CloseBracket(pieces.back().Chinese);
    pieces.back().English = text.substr(pieceBegin);
    return pieces;
}

std::span<const std::u16string_view> NameComposerJoinExamples()
{
    static const std::vector<std::u16string_view> examples = [] {
        std::vector<std::u16string_view> all;
        for (const auto& join : kJoins)
            all.push_back(join.Example);
        return all;
    }();
    return examples;
}

} // namespace carbonym
