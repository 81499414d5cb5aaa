#include "bench_data.h"

#include "dictionary/gbk_codec.h"
#include "dictionary/term_record.h"
#include "text/case_fold.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <unordered_set>

namespace carbonym::bench {

namespace {

struct Morpheme {
    std::u16string_view English;
    std::u16string_view Chinese;
};

constexpr Morpheme kRoots[] = {
    {u"meth", u"甲"},        {u"eth", u"乙"},        {u"prop", u"丙"},        {u"but", u"丁"},
    {u"pent", u"戊"},        {u"hex", u"己"},        {u"hept", u"庚"},        {u"oct", u"辛"},
    {u"non", u"壬"},         {u"dec", u"癸"},        {u"undec", u"十一"},     {u"dodec", u"十二"},
    {u"tetradec", u"十四"},  {u"hexadec", u"十六"},  {u"octadec", u"十八"},   {u"benz", u"苯"},
    {u"naphthal", u"萘"},    {u"anthrac", u"蒽"},    {u"phenanthr", u"菲"},   {u"pyrid", u"吡啶"},
    {u"pyrimid", u"嘧啶"},   {u"pyrazin", u"吡嗪"},  {u"pyrrol", u"吡咯"},    {u"fur", u"呋喃"},
    {u"thiophen", u"噻吩"},  {u"imidazol", u"咪唑"}, {u"oxazol", u"噁唑"},    {u"thiazol", u"噻唑"},
    {u"indol", u"吲哚"},     {u"quinolin", u"喹啉"}, {u"piperidin", u"哌啶"}, {u"piperazin", u"哌嗪"},
    {u"morpholin", u"吗啉"}, {u"cyclohex", u"环己"}, {u"cyclopent", u"环戊"}, {u"cycloprop", u"环丙"},
    {u"phen", u"苯"},        {u"tolu", u"甲苯"},     {u"xyl", u"二甲苯"},     {u"chlor", u"氯"},
    {u"brom", u"溴"},        {u"fluor", u"氟"},      {u"iod", u"碘"},         {u"nitr", u"硝"},
    {u"amin", u"氨"},        {u"hydrox", u"羟"},     {u"sulf", u"磺"},        {u"phosph", u"磷"},
    {u"acet", u"乙酰"},      {u"form", u"甲酰"},     {u"benzo", u"苯并"},     {u"carbox", u"羧"},
    {u"vin", u"乙烯"},       {u"all", u"烯丙"},      {u"isopropyl", u"异丙"}, {u"glyc", u"甘"},
};

// Endings that make a root a substituent or a parent.
constexpr Morpheme kSubstituentEndings[] = {
    {u"yl", u"基"},      {u"o", u"代"},        {u"oxy", u"氧基"}, {u"ylidene", u"亚基"},    {u"ylene", u"亚基"},
    {u"amino", u"氨基"}, {u"ylthio", u"硫基"}, {u"oyl", u"酰基"}, {u"ylmethyl", u"基甲基"},
};
constexpr Morpheme kParentEndings[] = {
    {u"ane", u"烷"},
    {u"ene", u"烯"},
    {u"yne", u"炔"},
    {u"anol", u"醇"},
    {u"anone", u"酮"},
    {u"anal", u"醛"},
    {u"oic acid", u"酸"},
    {u"oate", u"酸酯"},
    {u"amide", u"酰胺"},
    {u"amine", u"胺"},
    {u"ine", u"碱"},
    {u"ium", u"鎓"},
    {u"carboxylic acid", u"甲酸"},
    {u"sulfonic acid", u"磺酸"},
    {u"nitrile", u"腈"},
    {u"thiol", u"硫醇"},
    {u"ol", u"醇"},
    {u"one", u"酮"},
};
constexpr Morpheme kMultipliers[] = {
    {u"di", u"二"}, {u"tri", u"三"}, {u"tetra", u"四"}, {u"penta", u"五"}, {u"hexa", u"六"}, {u"bis", u"双"},
};
// Prefixes whose Chinese keeps Latin letters ("N-" stays, and a later "n-"
// record turns it into 正).
constexpr Morpheme kPrefixes[] = {
    {u"N-", u"N-"},     {u"N,N-", u"N,N-"},  {u"O-", u"O-"},     {u"S-", u"S-"},
    {u"tert-", u"叔"},  {u"sec-", u"仲"},    {u"iso", u"异"},    {u"neo", u"新"},
    {u"cis-", u"顺-"},  {u"trans-", u"反-"}, {u"alpha-", u"α-"}, {u"(E)-", u"(E)-"},
    {u"(Z)-", u"(Z)-"}, {u"(R)-", u"(R)-"},  {u"(S)-", u"(S)-"}, {u"n-", u"正"},
};
constexpr Morpheme kWords[] = {
    {u"ethyl ester", u"乙酯"}, {u"methyl ester", u"甲酯"}, {u"ester", u"酯"}, {u"hydrochloride", u"盐酸盐"},
    {u"sodium salt", u"钠盐"}, {u"salt", u"盐"},           {u"acid", u"酸"},  {u"sodium", u"钠"},
    {u"potassium", u"钾"},
};

std::u16string Join(std::initializer_list<std::u16string_view> parts)
{
    std::u16string joined;
    for (const auto part : parts)
        joined += part;
    return joined;
}

Term Combine(std::initializer_list<Morpheme> parts)
{
    Term term;
    for (const auto& part : parts) {
        term.English += part.English;
        term.Chinese += part.Chinese;
    }
    return term;
}

template <typename T, size_t N>
const T& PickFrom(const T (&items)[N], std::mt19937_64& random)
{
    return items[std::uniform_int_distribution<size_t>(0, N - 1)(random)];
}

} // namespace

std::vector<Term> MakeDictionary(size_t count, uint64_t seed)
{
    // Tiers from the plain morphemes to compounds; a smaller dictionary is
    // the first tiers and a random part of the next.
    std::vector<std::vector<Term>> tiers(4);
    for (const auto& word : kWords)
        tiers[0].push_back(Combine({word}));
    for (const auto& prefix : kPrefixes)
        tiers[0].push_back(Combine({prefix}));
    for (const auto& multiplier : kMultipliers)
        tiers[0].push_back(Combine({multiplier}));
    for (const auto& root : kRoots) {
        tiers[0].push_back(Combine({root}));
        for (const auto& ending : kSubstituentEndings)
            tiers[1].push_back(Combine({root, ending}));
        for (const auto& ending : kParentEndings)
            tiers[1].push_back(Combine({root, ending}));
        for (const auto& ending : kSubstituentEndings) {
            for (const auto& multiplier : kMultipliers)
                tiers[2].push_back(Combine({multiplier, root, ending}));
            for (const auto& prefix : kPrefixes)
                tiers[2].push_back(Combine({prefix, root, ending}));
            for (const auto& second : kRoots)
                tiers[3].push_back(Combine({root, Morpheme{u"o", u""}, second, ending}));
        }
    }

    std::mt19937_64 random(seed);
    std::vector<Term> dictionary;
    std::unordered_set<std::u16string> seen;
    for (auto& tier : tiers) {
        std::shuffle(tier.begin(), tier.end(), random);
        for (auto& term : tier) {
            if (dictionary.size() == count)
                break;
            if (seen.insert(FoldCase(term.English)).second)
                dictionary.push_back(std::move(term));
        }
    }
    std::stable_sort(dictionary.begin(), dictionary.end(),
                     [](const Term& a, const Term& b) { return a.English.size() > b.English.size(); });
    return dictionary;
}

std::vector<std::u16string> MakeNames(size_t count, uint64_t seed)
{
    std::mt19937_64 random(seed);
    const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
    const auto locant = [&] {
        return std::u16string(1, static_cast<char16_t>(u'0' + std::uniform_int_distribution<int>(1, 6)(random)));
    };
    const auto substituent = [&] {
        std::u16string group = locant();
        if (chance(0.25))
            group += u"," + locant() + u"-" + std::u16string(PickFrom(kMultipliers, random).English);
        else
            group += u"-";
        if (chance(0.15))
            group += PickFrom(kPrefixes, random).English;
        const auto& root = PickFrom(kRoots, random);
        const auto& ending = PickFrom(kSubstituentEndings, random);
        if (chance(0.2))
            return Join({group, u"(", PickFrom(kRoots, random).English, u"o", root.English, ending.English, u")-"});
        return Join({group, root.English, ending.English, u"-"});
    };

    std::vector<std::u16string> names;
    names.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        std::u16string name;
        if (chance(0.3))
            name += locant() + (chance(0.3) ? u"H-" : u"-");
        std::u16string parent = Join({PickFrom(kRoots, random).English, PickFrom(kParentEndings, random).English});
        parent[0] = static_cast<char16_t>(parent[0] - u'a' + u'A');
        name += parent;
        name += u", ";
        const int groups = std::uniform_int_distribution<int>(1, 3)(random);
        for (int g = 0; g < groups; ++g)
            name += substituent();
        if (chance(0.3))
            name += Join({u", ", PickFrom(kWords, random).English});
        if (chance(0.1))
            name += u" (1:1)";
        names.push_back(std::move(name));
    }
    return names;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WriteDictionary(const std::filesystem::path& path, const std::vector<Term>& terms)
{
    GbkCodec codec;
    std::string bytes;
    for (const auto& term : terms) {
        const auto record = EncodeRecord(MakeRecord(term.English, term.Chinese), codec);
        bytes.append(record.data(), record.size());
    }
    WriteFile(path, bytes);
}

std::u16string JoinLines(const std::vector<std::u16string>& names, size_t count, std::u16string_view lineBreak)
{
    std::u16string text;
    for (size_t i = 0; i < count; ++i) {
        text += names[i];
        text += lineBreak;
    }
    return text;
}

} // namespace carbonym::bench
