#include "test_support.h"
#include "translation/naming_order.h"
#include "translation/reorder.h"

#include <gtest/gtest.h>

#include <random>

namespace carbonym {
namespace {

using test::U;

struct Example {
    const char* Line;
    const char* Named;
};

// Worked examples of every rule, as translated lines come out of 翻译.
constexpr Example kExamples[]{
    // Esters: the acid, then the alcohol's group without 基, then 酯.
    {"甲基 苯甲酸酯", "苯甲酸甲酯"},
    {"4-氯苯基 乙酸酯", "乙酸4-氯苯酯"},
    {"二乙基 丙二酸酯", "丙二酸二乙酯"},
    {"乙基 (2E)-丁-2-烯酸酯", "(2E)-丁-2-烯酸乙酯"},
    {"2-(二甲氨基)乙基 甲基丙烯酸酯", "甲基丙烯酸2-(二甲氨基)乙酯"},
    {"乙基 甲基 丙二酸酯", "丙二酸乙基甲基酯"},
    {"萘-2-基 乙酸酯", "乙酸萘-2-基酯"},
    {"二叔丁基 二碳酸酯", "二碳酸二叔丁酯"},
    // Salts: anion, hydrogen, then the cations as written.
    {"钠 4-甲基苯磺酸酯", "4-甲基苯磺酸钠"},
    {"锌 氧化物", "氧化锌"},
    {"铁 氯化物", "氯化铁"},
    {"亚铁 硫酸酯", "硫酸亚铁"},
    {"钾 钠 酒石酸酯", "酒石酸钾钠"},
    {"铵 亚铁 硫酸酯", "硫酸亚铁铵"},
    {"钠 氢 碳酸酯", "碳酸氢钠"},
    {"钾 二氢 磷酸酯", "磷酸二氢钾"},
    {"钾 硫酸氢酯", "硫酸氢钾"},
    {"二铵 磷酸氢酯", "磷酸氢二铵"},
    {"二钠 乙二胺四乙酸酯", "乙二胺四乙酸二钠"},
    {"四丁基铵 溴化物", "四丁基溴化铵"},
    {"四丁基铵 氢 硫酸酯", "四丁基硫酸氢铵"},
    {"乙烯基镁 溴化物", "乙烯基溴化镁"},
    {"甲基三苯基鏻 溴化物", "甲基三苯基溴化鏻"},
    {"吡啶鎓 氯铬酸酯", "氯铬酸吡啶鎓"},
    {"铜(I) 溴化物", "溴化铜(I)"},
    {"铁(III) 氯化物", "氯化铁(III)"},
    {"铁(II) 氧化物", "氧化铁(II)"},
    {"铁(III) 氧化物", "三氧化二铁"},
    {"锰(IV) 氧化物", "二氧化锰"},
    {"氧化物 钒(V)", "五氧化二钒"},
    {"钛(IV) 氯化物", "四氯化钛"},
    {"双(三苯基膦)钯 二氯化物", "双(三苯基膦)二氯化钯"},
    {"锂 二异丙基酰胺", "二异丙基氨基锂"},
    {"锂 酰胺", "氨基锂"},
    {"钛 四氯化物", "四氯化钛"},
    {"氢 过氧化物", "过氧化氢"},
    {"氢 四氯合金(III)酸酯", "四氯合金(III)酸"},
    {"硫酸酯 铜", "硫酸铜"},
    {"钾 乙基 黄原酸酯", "乙基黄原酸钾"},
    // Salts of bases and drugs, and drugs with their cation.
    {"庆大霉素 硫酸酯", "硫酸庆大霉素"},
    {"氨苄西林 钠", "氨苄西林钠"},
    {"双氯芬酸 钾", "双氯芬酸钾"},
    // Acid-addition salts and hydrates (the hydrate goes in front).
    {"三乙胺 盐酸盐", "三乙胺盐酸盐"},
    {"甲基 4-氨基苯甲酸酯 盐酸盐", "4-氨基苯甲酸甲酯盐酸盐"},
    {"甘氨酸 甲酯 盐酸盐", "甘氨酸甲酯盐酸盐"},
    {"铜 硫酸酯 五水合物", "五水合硫酸铜"},
    {"硫酸酯 铜 五水合物", "五水合硫酸铜"},
    {"柠檬酸 一水合物", "一水合柠檬酸"},
    {"肼 水合物", "水合肼"},
    // Acid halides, alkyl halides and peroxides.
    {"乙酰基 氯化物", "乙酰氯"},
    {"4-硝基苯甲酰基 氯化物", "4-硝基苯甲酰氯"},
    {"甲磺酰基 氯化物", "甲磺酰氯"},
    {"苯甲酰基 过氧化物", "过氧化苯甲酰"},
    {"甲基 碘化物", "碘甲烷"},
    {"丁基 溴化物", "1-溴丁烷"},
    {"苄基 溴化物", "苄基溴"},
    {"二叔丁基 过氧化物", "过氧化二叔丁基"},
    {"三苯基膦 氧化物", "氧化三苯基膦"},
    // Anhydrides, ethers, ketones, alcohols, sulfoxides named by class.
    {"乙酸 酐", "乙酸酐"},
    {"丁基 缩水甘油基 醚", "丁基缩水甘油醚"},
    {"双酚A 二缩水甘油基 醚", "双酚A二缩水甘油醚"},
    {"甲基 叔丁基 醚", "甲基叔丁基醚"},
    {"二乙基 醚", "二乙醚"},
    {"甲苯 二异氰酸酯", "甲苯二异氰酸酯"},
    {"六亚甲基 二异氰酸酯", "六亚甲基二异氰酸酯"},
    {"4,4'-二苯甲烷 二异氰酸酯", "4,4'-二苯甲烷二异氰酸酯"},
    {"丁基 乙基 醚", "丁基乙基醚"},
    {"二烯丙基 醚", "二烯丙基醚"},
    {"双(2-氯乙基) 醚", "双(2-氯乙基)醚"},
    {"二异丙基 酮", "二异丙基酮"},
    {"环己酮 肟", "环己酮肟"},
    {"吡啶 N-氧化物", "吡啶N-氧化物"},
    {"氨基乙醛 二甲基 缩醛", "氨基乙醛缩二甲醇"},
    {"甲基 乙烯基 酮", "甲基乙烯基酮"},
    {"苄基 醇", "苄醇"},
    {"二甲基 亚砜", "二甲基亚砜"},
    {"二甲基 硫化物", "二甲硫醚"},
    // Substituent words before a parent, and a trailing alias in brackets.
    {"2-甲基 吡啶", "2-甲基吡啶"},
    {"N,N-二甲基 甲酰胺", "N,N-二甲基甲酰胺"},
    {"环孢素 A", "环孢素A"},
    {"二甲基亚砜 (DMSO)", "二甲基亚砜 (DMSO)"},
    {"二甲基 亚砜 (DMSO)", "二甲基亚砜 (DMSO)"},
    // CAS inverted names: the reorder's order, no hyphen before the parent.
    {"苯甲酸, 4-氨基-, 乙酯", "4-氨基苯甲酸乙酯"},
    {"苯甲酸, 2-(乙酰氧基)-", "2-(乙酰氧基)苯甲酸"},
    {"苯胺, N-甲基-", "N-甲基苯胺"},
    {"2-丁烯酸, (E)-", "(E)-2-丁烯酸"},
    {"丁烷, 2-甲基-", "2-甲基丁烷"},
    {"丁二酸, 2,3-二羟基- (2R,3R)-", "(2R,3R)-2,3-二羟基丁二酸"},
    {"9-十八碳烯酸 (9Z)-, 甲酯", "(9Z)-9-十八碳烯酸甲酯"},
    {"2-丁烯酸 (2E)-, 乙酯", "(2E)-2-丁烯酸乙酯"},
    {"1-丁铵, N,N,N-三丁基-, 溴化物 (1:1)", "溴化N,N,N-三丁基-1-丁铵 (1:1)"},
    // Left as the reorder leaves them: English left, unknown pieces.
    {"醚 glycidyl 丁基", "丁基glycidyl醚"},
    {"乙基 glycolate", "glycolate乙基"},
    {"苯 吡啶", "吡啶苯"},
    {"钠 酮", "酮钠"},
    {"  single  ", "single"},
};

TEST(ReorderByRules, NamesEachRulesExamples)
{
    for (const auto& example : kExamples)
        EXPECT_EQ(ReorderByRules(U(example.Line)), U(example.Named)) << example.Line;
}

TEST(ReorderByRules, TextLikeTheReorder)
{
    EXPECT_EQ(ReorderTextByRules(U("甲基 苯甲酸酯\r\n\r\n钠 氯化物\r\n")), U("苯甲酸甲酯\r\n氯化钠\r\n"));
    EXPECT_EQ(ReorderTextByRules(u""), u"");

    // Long lines of pieces that nest (hydrate of an acid-addition salt of a
    // hydrate …) end; beyond a few levels they are left to the reorder.
    std::u16string nested = U("三乙胺");
    for (int i = 0; i < 50000; ++i)
        nested += i % 2 == 0 ? U(" 盐酸盐") : U(" 一水合物");
    EXPECT_EQ(ReorderByRules(nested), ReorderName(nested));
    EXPECT_EQ(ReorderByRules(U("三乙胺 盐酸盐 一水合物")), U("一水合三乙胺盐酸盐"));
    const std::u16string salts = test::Repeat(U("钠 "), 50000) + U("氯化物");
    EXPECT_EQ(ReorderByRules(salts), U("氯化") + test::Repeat(U("钠"), 50000));
}

// Random lines mixing pieces every rule uses with pieces no rule knows
// (parents, English words, hyphens and brackets in odd places, full-width
// separators). A line the rules cannot name (one holding English or only
// unknown pieces) comes out as the reorder gives it, and a CAS line differs
// from the reorder's only by hyphens dropped.
TEST(ReorderByRules, LeavesWhatItDoesNotRecogniseToTheReorder)
{
    const std::vector<std::string> unknown{"苯", "吡啶", "乙醇", "glycidyl", "ate",   "x",  "，",
                                           "–",  "4-",   "N-",   "苯-",      "吡啶)", "(苯"};
    const std::vector<std::string> known{"甲基", "乙酸酯", "钠",     "氯化物",  "盐酸盐",   "一水合物", "醚",    "乙酸",
                                         "酐",   "乙酰基", "(DMSO)", "苯甲酸,", "4-氨基-,", ",",        "(2E)-,"};
    std::mt19937 random(12);
    for (int round = 0; round < 20000; ++round) {
        std::u16string line;
        const int count = 2 + static_cast<int>(random() % 5);
        bool english = false;
        bool allUnknown = true;
        bool inverted = false;
        std::string last;
        std::string first;
        std::u16string readAs; // the line as the rules read it
        for (int i = 0; i < count; ++i) {
            const bool fromKnown = random() % 2 == 0;
            const auto& pool = fromKnown ? known : unknown;
            last = pool[random() % pool.size()];
            // A parent with its stereo descriptor behind it ("9-十八碳烯酸
            // (9Z)-, 甲酯") is ordered as if the comma followed the parent.
            if (i == 0)
                first = last;
            else if (i == 1 && last == "(2E)-," && first.back() != ',' && first.back() != '-')
                readAs.insert(U(first).size(), u",");
            english = english || last == "glycidyl" || last == "ate";
            allUnknown = allUnknown && !fromKnown;
            inverted = inverted || last.back() == ',';
            const std::u16string piece = U(last) + std::u16string(1 + random() % 2, u' ');
            line += piece;
            readAs += piece;
        }
        const std::u16string ordered = ReorderByRules(line);
        const std::u16string reordered = ReorderName(readAs);
        if (last == "(DMSO)")
            continue; // an alias: the rest is named before it
        if (inverted) {
            // Every piece stays, in the reorder's order but for hyphens.
            std::u16string kept = reordered;
            std::erase(kept, u'-');
            std::u16string orderedWithoutHyphens = ordered;
            std::erase(orderedWithoutHyphens, u'-');
            EXPECT_EQ(orderedWithoutHyphens, kept) << Utf16ToUtf8(line);
        } else if (english || allUnknown) {
            EXPECT_EQ(ordered, reordered) << Utf16ToUtf8(line);
        }
    }
}

} // namespace
} // namespace carbonym

namespace carbonym {
namespace {

// Each naming rule's worked example, as its table gives it.
TEST(NamingRules, EveryRuleNamesItsExample)
{
    for (const auto& [line, named] : NamingRuleExamples())
        EXPECT_EQ(Utf16ToUtf8(ReorderByRules(line)), Utf16ToUtf8(named)) << Utf16ToUtf8(line);
}

} // namespace
} // namespace carbonym
