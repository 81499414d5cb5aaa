#!/usr/bin/env python3
"""The inorganic and salt vocabulary, data/inorganic-dictionary.tsv.

Every row of that table comes from the tables below and from
data/vocabulary/elements.tsv; data/generate.py writes it (run it and review
the diff like code). A term the starter table already holds is left to it.

The pieces follow the starter dictionary's conventions, so that the naming
rule order can join them: a cation is the bare Chinese name (sodium 钠,
iron(II) 亚铁), a binary anion ends in 化物 (chloride 氯化物), an oxoanion
in 酸酯 (sulfite 亚硫酸酯), a hydrate in 水合物, an acid-addition salt word
in 盐 (hydrobromide 氢溴酸盐).
"""

from tables import table

HEADER = """english\tchinese\tcategory
# Inorganic and salt vocabulary: one term a line, English<TAB>Chinese<TAB>category.
# Written by data/generate.py from data/inorganic.py: edit that, not these rows.
# Compiled with the starter table into one source.dat, longest English term first.
#
# Oxidation states. A cation in the state its element usually has is the bare
# name, Stock number dropped: zinc(II) 锌, silver(I) 银, nickel(II) 镍,
# chromium(III) 铬, palladium(II) 钯. Where Chinese names the lower of two common
# states with 亚, it does: iron(II) 亚铁 / iron(III) 铁, copper(I) 亚铜 /
# copper(II) 铜, tin(II) 亚锡 / tin(IV) 锡, mercury(I) 亚汞 / mercury(II) 汞,
# chromium(II) 亚铬, gold(I) 亚金 / gold(III) 金, platinum(II) 亚铂 /
# platinum(IV) 铂; cerium(IV) is 高铈 (硫酸高铈). Cobalt(II) is 钴 and
# cobalt(III) 钴(III): Chinese has no common 亚钴/高钴 pair. Every other state
# keeps its number after the Chinese name: vanadium(V) 钒(V), lead(IV) 铅(IV).
# Each is written "(II)", "(2+)" and with a space before the bracket, "(II)".
#
# Left out, because the word fires inside longer words a user pastes:
#   carbon   (carbonyl, carbonate, hydrocarbon, carbonitrile): carbon oxides,
#            halides and supports are whole rows instead;
#   tin      (cystine, nicotine, pectin, platinum, and drug names ending in
#            -tin: "sitagliptin phosphate" must not hold "tin phosphate"):
#            only tin(II), tin(IV), tin(2+), tin(4+), stannous, stannic and
#            organotin words such as tributyltin;
#   lead     (leading): lead(II), lead(IV), plumbous and whole "lead ..." rows;
#   uranium  (sulfuraniumyl), neon, krypton, xenon, radon (neononia, xenonio),
#   wolfram  (wolframio): the bracketed states and whole rows only;
#   auric    (lauric acid), ceric (glyceric acid), uronium (thiouronium),
#   oleum    (petroleum), argon (pelargonic acid), Oxone (naloxone),
#   silica (silicat- stems): left out; ceric salts are whole rows.
# "pentoxide" and "heptoxide" name M2O5 and M2O7 (五氧化二磷), so they are
# whole rows, not pieces.
# Elements whose Chinese character GBK cannot hold (rutherfordium to
# oganesson, except moscovium 镆) cannot be stored and are left out.
"""

ROMAN = ["0", "I", "II", "III", "IV", "V", "VI", "VII", "VIII"]


def _states(text):
    return [ROMAN.index(numeral) for numeral in text.split()]


def _elements():
    """data/vocabulary/elements.tsv: metals as (name, Chinese, usual
    oxidation states (number dropped), the state written with 亚, the state
    written with 高, other states that keep their number); non-metals and
    metalloids as (name, Chinese), oxidation states not written for them.
    Alternative spellings are listed with "|"; the first is the IUPAC one."""
    metals, nonmetals, bare_left_out = [], [], set()
    for row in table("elements.tsv"):
        if row["bare name"] == "no":
            bare_left_out.update(row["element"].split("|"))
        if row["kind"] == "metal":
            lower, higher = _states(row["state named with 亚"]), _states(row["state named with 高"])
            metals.append((row["element"], row["chinese"], _states(row["usual states"]), lower[0] if lower else None,
                           higher[0] if higher else None, _states(row["other states"])))
        elif row["bare name"] == "yes":
            nonmetals.append((row["element"], row["chinese"]))
    return metals, nonmetals, bare_left_out


METALS, NONMETALS, BARE_LEFT_OUT = _elements()
# Metals whose bare name fires inside other words: their salts are whole
# rows, "lead nitrate" 硝酸铅, built from every anion piece.
TRAP_METALS = {"lead": "铅"}

# Names that shield an element name inside a longer word, so the element
# does not fire there: (English, Chinese).
SHIELDS = [
    ("deuterated", "氘代"), ("perdeuterated", "全氘代"),
    ("hydrogenated", "氢化"), ("hydrogenation", "氢化"), ("dehydrogenation", "脱氢"),
    ("oxygenated", "含氧"), ("chlorinated", "氯化"), ("brominated", "溴化"),
    ("iodinated", "碘化"), ("fluorinated", "氟化"), ("zincate", "锌酸酯"),
    ("isoselenocyanate", "异硒氰酸酯"), ("sulfoxonium", "氧化锍"), ("ferricyanid", "铁氰化物"),
    ("ferrocyanid", "亚铁氰化物"), ("dipalladium(0)", "二钯"), ("dipalladium", "二钯"), ("gallohydride", "镓氢化物"), ("metabisulfate", "焦硫酸酯"),
    ("orthoperiodate", "原高碘酸酯"), ("orthoperiodic acid", "原高碘酸"), ("perbromic acid", "高溴酸"),
    ("orthosilicic acid", "原硅酸"), ("diselenious acid", "焦亚硒酸"),
]

# Multiplied cations in salt names: disodium hydrogen phosphate.
MULTIPLIED_CATIONS = ["sodium", "potassium", "lithium", "ammonium", "caesium", "cesium", "rubidium",
                      "calcium", "magnesium", "barium"]
CATION_MULTIPLIERS = [("mono", "一"), ("di", "二"), ("tri", "三"), ("tetra", "四")]

# Onium cations; alkyl prefixes before them come from the starter table
# (tetrabutyl + ammonium: 四丁基铵).
ONIUMS = [(row["english"], row["chinese"]) for row in table("oniums.tsv")]

# Binary anions (-ide, 化物) and the multiplied forms chemists write.
BINARY_ANIONS = [
    ("fluoride", "氟"), ("chloride", "氯"), ("bromide", "溴"), ("iodide", "碘"),
    ("oxide", "氧"), ("nitride", "氮"), ("phosphide", "磷"), ("carbide", "碳"),
    ("hydride", "氢"), ("boride", "硼"), ("silicide", "硅"), ("arsenide", "砷"),
    ("selenide", "硒"), ("telluride", "碲"), ("antimonide", "锑"),
]
ANION_MULTIPLIERS = [("mono", "一"), ("di", "二"), ("tri", "三"), ("tetra", "四"), ("penta", "五"),
                     ("hexa", "六"), ("hepta", "七")]
NOT_PIECES = {"pentaoxide", "heptaoxide"}  # M2O5, M2O7: whole rows
# The vowel of the multiplier drops before "oxide" in the usual spellings.
OXIDE_SPELLINGS = [("monoxide", "一"), ("tetroxide", "四")]
OTHER_BINARY = [
    ("hydroxide", "氢氧化物"), ("peroxide", "过氧化物"), ("superoxide", "超氧化物"), ("ozonide", "臭氧化物"),
    ("cyanide", "氰化物"), ("azide", "叠氮化物"), ("hydrosulfide", "硫氢化物"),
    ("polysulfide", "多硫化物"), ("persulfide", "过硫化物"),
    ("ferrocyanide", "亚铁氰化物"), ("ferricyanide", "铁氰化物"), ("cobalticyanide", "钴氰化物"),
    ("borohydride", "硼氢化物"), ("cyanoborohydride", "氰基硼氢化物"),
    ("triacetoxyborohydride", "三乙酰氧基硼氢化物"), ("triethylborohydride", "三乙基硼氢化物"),
    ("tri-sec-butylborohydride", "三仲丁基硼氢化物"), ("aluminohydride", "铝氢化物"),
]
# "sulfide" and "disulfide" mean the organic 硫醚 in the starter table, and
# "amide" the organic 酰胺; a metal with them is a whole row: sodium sulfide 硫化钠.
SULFIDE_LIKE = [("sulfide", "硫化"), ("sulphide", "硫化"), ("disulfide", "二硫化"), ("amide", "氨基")]

# Oxoanions: (anion, acid in Chinese). -ate/-ite and per-/hypo- are all
# listed, since Chinese does not follow the English pattern one to one.
OXOANIONS = [
    ("sulfate", "硫酸"), ("sulphate", "硫酸"), ("sulfite", "亚硫酸"), ("sulphite", "亚硫酸"),
    ("nitrate", "硝酸"), ("nitrite", "亚硝酸"), ("phosphate", "磷酸"), ("phosphite", "亚磷酸"),
    ("hypophosphite", "次磷酸"), ("carbonate", "碳酸"), ("borate", "硼酸"),
    ("chlorate", "氯酸"), ("chlorite", "亚氯酸"), ("hypochlorite", "次氯酸"), ("perchlorate", "高氯酸"),
    ("bromate", "溴酸"), ("bromite", "亚溴酸"), ("hypobromite", "次溴酸"), ("perbromate", "高溴酸"),
    ("iodate", "碘酸"), ("hypoiodite", "次碘酸"), ("periodate", "高碘酸"), ("metaperiodate", "偏高碘酸"),
    ("permanganate", "高锰酸"), ("manganate", "锰酸"), ("chromate", "铬酸"), ("dichromate", "重铬酸"),
    ("chlorochromate", "氯铬酸"), ("molybdate", "钼酸"), ("tungstate", "钨酸"), ("vanadate", "钒酸"),
    ("metavanadate", "偏钒酸"), ("orthovanadate", "原钒酸"), ("silicate", "硅酸"), ("metasilicate", "偏硅酸"),
    ("orthosilicate", "原硅酸"), ("aluminate", "铝酸"), ("tetraborate", "四硼酸"), ("metaborate", "偏硼酸"),
    ("perborate", "过硼酸"), ("stannate", "锡酸"), ("titanate", "钛酸"), ("zirconate", "锆酸"),
    ("arsenate", "砷酸"), ("arsenite", "亚砷酸"), ("selenate", "硒酸"), ("selenite", "亚硒酸"),
    ("tellurate", "碲酸"), ("tellurite", "亚碲酸"), ("ferrate", "高铁酸"), ("plumbate", "铅酸"),
    ("bismuthate", "铋酸"), ("antimonate", "锑酸"), ("germanate", "锗酸"), ("niobate", "铌酸"),
    ("tantalate", "钽酸"), ("perrhenate", "高铼酸"), ("ruthenate", "钌酸"), ("perruthenate", "高钌酸"),
    ("osmate", "锇酸"), ("cyanate", "氰酸"), ("thiocyanate", "硫氰酸"), ("selenocyanate", "硒氰酸"),
    ("thiosulfate", "硫代硫酸"), ("dithionite", "连二亚硫酸"), ("dithionate", "连二硫酸"),
    ("persulfate", "过硫酸"), ("peroxydisulfate", "过二硫酸"), ("peroxodisulfate", "过二硫酸"),
    ("peroxymonosulfate", "过一硫酸"), ("peroxomonosulfate", "过一硫酸"), ("metabisulfite", "焦亚硫酸"),
    ("disulfite", "焦亚硫酸"), ("pyrosulfite", "焦亚硫酸"), ("pyrosulfate", "焦硫酸"), ("disulfate", "焦硫酸"),
    ("pyrophosphate", "焦磷酸"), ("metaphosphate", "偏磷酸"), ("hexametaphosphate", "六偏磷酸"),
    ("tripolyphosphate", "三聚磷酸"), ("polyphosphate", "多聚磷酸"), ("orthophosphate", "正磷酸"),
    ("sulfamate", "氨基磺酸"), ("amidosulfate", "氨基磺酸"), ("fluorosulfate", "氟磺酸"),
    ("chlorosulfate", "氯磺酸"), ("percarbonate", "过碳酸"), ("fluorophosphate", "氟磷酸"), ("monofluorophosphate", "单氟磷酸"),
    ("hydrogencarbonate", "碳酸氢"), ("bicarbonate", "碳酸氢"), ("bisulfate", "硫酸氢"),
    ("bisulfite", "亚硫酸氢"), ("bisulphite", "亚硫酸氢"), ("bisulphate", "硫酸氢"),
    ("tetrafluoroborate", "四氟硼酸"), ("fluoroborate", "氟硼酸"), ("hexafluorophosphate", "六氟磷酸"),
    ("hexafluoroantimonate", "六氟锑酸"), ("hexafluoroarsenate", "六氟砷酸"),
    ("hexafluorosilicate", "六氟硅酸"), ("fluorosilicate", "氟硅酸"), ("silicofluoride", "氟硅酸"),
    ("hexafluoroaluminate", "六氟铝酸"), ("hexafluorotitanate", "六氟钛酸"),
    ("hexafluorozirconate", "六氟锆酸"), ("tetrachloroaluminate", "四氯铝酸"),
    ("tetraphenylborate", "四苯基硼酸"), ("tetrakis(pentafluorophenyl)borate", "四(五氟苯基)硼酸"),
    ("tetrahydroborate", "四氢硼酸"), ("tetrahydroaluminate", "四氢铝酸"),
    ("tetrathiomolybdate", "四硫代钼酸"), ("trifluoromethanesulfonate", "三氟甲磺酸"),
    ("nitroprusside", "硝普酸"), ("chloroplatinate", "氯铂酸"), ("chloroaurate", "氯金酸"),
    ("hexachloroplatinate", "六氯铂酸"), ("tetrachloroplatinate", "四氯铂酸"),
    ("tetrachloropalladate", "四氯钯酸"), ("tetrachloroaurate", "四氯金酸"),
    ("hexachloroiridate", "六氯铱酸"), ("hexacyanoferrate", "六氰合铁酸"),
    ("hexabromoplatinate", "六溴铂酸"), ("phosphomolybdate", "磷钼酸"), ("phosphotungstate", "磷钨酸"),
]
# Complex anions with the central atom's oxidation state: 六氰合铁(II)酸酯.
COMPLEX_ANIONS = [
    ("hexacyanoferrate", "六氰合铁", [2, 3]), ("hexachloroplatinate", "六氯合铂", [4]),
    ("tetrachloroplatinate", "四氯合铂", [2]), ("tetrachloropalladate", "四氯合钯", [2]),
    ("tetrachloroaurate", "四氯合金", [3]), ("hexachloroiridate", "六氯合铱", [3, 4]),
    ("hexanitrocobaltate", "六硝基合钴", [3]), ("tetraiodomercurate", "四碘合汞", [2]),
    ("hexacyanocobaltate", "六氰合钴", [3]), ("tetracyanonickelate", "四氰合镍", [2]),
    ("dicyanoaurate", "二氰合金", [1]), ("dicyanoargentate", "二氰合银", [1]),
    ("hexachlororuthenate", "六氯合钌", [3, 4]), ("hexachloroosmate", "六氯合锇", [4]),
]
ACID_HYDROGENS = [("hydrogen ", "氢"), ("dihydrogen ", "二氢"), ("hydrogen", "氢"), ("dihydrogen", "二氢")]
# Oxoanions that take hydrogen / dihydrogen in salt names.
PROTONATED = {
    "hydrogen": ["sulfate", "sulfite", "phosphate", "phosphite", "carbonate", "arsenate", "selenite",
                 "oxalate", "tartrate", "phthalate", "citrate", "sulfide", "fluoride", "difluoride",
                 "pyrophosphate", "maleate", "fumarate", "succinate", "malate"],
    "dihydrogen": ["phosphate", "arsenate", "citrate", "pyrophosphate"],
}
# The Chinese acids of the organic anions in PROTONATED (hydrogen phthalate 邻苯二甲酸氢酯).
ORGANIC_ACIDS = {"oxalate": "草酸", "tartrate": "酒石酸", "phthalate": "邻苯二甲酸", "citrate": "柠檬酸",
                 "maleate": "马来酸", "fumarate": "富马酸", "succinate": "琥珀酸", "malate": "苹果酸"}

ACIDS = [
    ("hydrobromic acid", "氢溴酸"), ("hydroiodic acid", "氢碘酸"), ("hydriodic acid", "氢碘酸"),
    ("hydrofluoric acid", "氢氟酸"), ("hydrocyanic acid", "氢氰酸"), ("hydrazoic acid", "叠氮酸"),
    ("hydrosulfuric acid", "氢硫酸"), ("perchloric acid", "高氯酸"), ("chloric acid", "氯酸"),
    ("chlorous acid", "亚氯酸"), ("hypochlorous acid", "次氯酸"), ("bromic acid", "溴酸"),
    ("hypobromous acid", "次溴酸"), ("iodic acid", "碘酸"), ("periodic acid", "高碘酸"),
    ("nitrous acid", "亚硝酸"), ("phosphorous acid", "亚磷酸"),
    ("hypophosphorous acid", "次磷酸"), ("phosphinic acid", "次膦酸"), ("polyphosphoric acid", "多聚磷酸"),
    ("pyrophosphoric acid", "焦磷酸"), ("metaphosphoric acid", "偏磷酸"), ("orthophosphoric acid", "正磷酸"),
    ("carbonic acid", "碳酸"), ("chromic acid", "铬酸"), ("dichromic acid", "重铬酸"),
    ("permanganic acid", "高锰酸"), ("molybdic acid", "钼酸"), ("tungstic acid", "钨酸"),
    ("silicic acid", "硅酸"), ("arsenic acid", "砷酸"), ("arsenous acid", "亚砷酸"), ("selenic acid", "硒酸"),
    ("selenous acid", "亚硒酸"), ("selenious acid", "亚硒酸"), ("telluric acid", "碲酸"),
    ("thiocyanic acid", "硫氰酸"), ("cyanic acid", "氰酸"), ("isocyanic acid", "异氰酸"),
    ("sulfamic acid", "氨基磺酸"), ("amidosulfonic acid", "氨基磺酸"), ("chlorosulfonic acid", "氯磺酸"),
    ("fluorosulfonic acid", "氟磺酸"), ("fluorosulfuric acid", "氟磺酸"), ("fluoroboric acid", "氟硼酸"),
    ("tetrafluoroboric acid", "四氟硼酸"), ("hexafluorophosphoric acid", "六氟磷酸"),
    ("hexafluorosilicic acid", "氟硅酸"), ("fluorosilicic acid", "氟硅酸"), ("hexafluoroantimonic acid", "氟锑酸"),
    ("fluoroantimonic acid", "氟锑酸"), ("chloroplatinic acid", "氯铂酸"),
    ("hexachloroplatinic acid", "氯铂酸"), ("chloroauric acid", "氯金酸"), ("tetrachloroauric acid", "四氯金酸"),
    ("phosphomolybdic acid", "磷钼酸"), ("phosphotungstic acid", "磷钨酸"), ("silicotungstic acid", "硅钨酸"),
    ("peroxymonosulfuric acid", "过一硫酸"), ("peroxydisulfuric acid", "过二硫酸"), ("persulfuric acid", "过硫酸"),
    ("thiosulfuric acid", "硫代硫酸"), ("disulfuric acid", "焦硫酸"), ("pyrosulfuric acid", "焦硫酸"),
    ("fuming sulfuric acid", "发烟硫酸"), ("fuming nitric acid", "发烟硝酸"),
    ("aqua regia", "王水"), ("Caro's acid", "卡罗酸"),
]

# Acid-addition salt words (the starter table holds hydrochloride,
# dihydrochloride, hydrobromide and hydroiodide).
ADDITION = [
    ("dihydrobromide", "二氢溴酸盐"), ("trihydrofluoride", "三氢氟酸盐"), ("etherate", "乙醚合物"), ("trihydrobromide", "三氢溴酸盐"), ("trihydrochloride", "三盐酸盐"),
    ("hemihydrochloride", "半盐酸盐"), ("sesquihydrochloride", "倍半盐酸盐"),
    ("hydriodide", "氢碘酸盐"), ("dihydroiodide", "二氢碘酸盐"), ("hydrofluoride", "氢氟酸盐"),
    ("hemisulfate", "半硫酸盐"), ("hemisulphate", "半硫酸盐"), ("hemitartrate", "半酒石酸盐"),
    ("hemifumarate", "半富马酸盐"), ("hemioxalate", "半草酸盐"), ("HCl salt", "盐酸盐"),
    ("hydrochloride salt", "盐酸盐"), ("hydrobromide salt", "氢溴酸盐"), ("TFA salt", "三氟乙酸盐"),
    ("hydrobromide (1:1)", "氢溴酸盐"), ("hydrobromide (1:2)", "二氢溴酸盐"),
    ("hydroiodide (1:1)", "氢碘酸盐"), ("hydrochloride (1:3)", "三盐酸盐"),
    ("sulfate (1:1)", "硫酸盐"), ("sulfate (2:1)", "半硫酸盐"),
]

HYDRATES = [
    ("octahydrate", "八水合物"), ("nonahydrate", "九水合物"), ("decahydrate", "十水合物"),
    ("undecahydrate", "十一水合物"), ("dodecahydrate", "十二水合物"), ("octadecahydrate", "十八水合物"),
    ("hemipentahydrate", "二倍半水合物"), ("anhydrous", "无水"), ("hydrate (2:1)", "半水合物"),
    ("hydrate (2:3)", "倍半水合物"),
]
HYDRATE_NUMBERS = ["一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二"]

# Compounds named whole, since their names are irregular or a piece would
# fire inside organic words.
COMPOUNDS = [
    ("carbon monoxide", "一氧化碳"), ("carbon dioxide", "二氧化碳"), ("carbon suboxide", "二氧化三碳"),
    ("carbon tetrabromide", "四溴化碳"), ("carbon tetraiodide", "四碘化碳"), ("carbon tetrafluoride", "四氟化碳"),
    ("carbonyl sulfide", "羰基硫"), ("carbon black", "炭黑"), ("activated carbon", "活性炭"),
    ("activated charcoal", "活性炭"), ("charcoal", "木炭"), ("graphite", "石墨"), ("diamond", "金刚石"),
    ("dry ice", "干冰"), ("nitric oxide", "一氧化氮"), ("nitrous oxide", "一氧化二氮"),
    ("dinitrogen tetroxide", "四氧化二氮"), ("dinitrogen pentoxide", "五氧化二氮"),
    ("dinitrogen monoxide", "一氧化二氮"), ("heavy water", "重水"), ("deuterium oxide", "重水"),
    ("water-d2", "重水"), ("ammonia solution", "氨水"), ("aqueous ammonia", "氨水"),
    ("ammonia water", "氨水"), ("liquid ammonia", "液氨"), ("liquid nitrogen", "液氮"),
    ("hydrazine hydrate", "水合肼"), ("hydrazine monohydrate", "一水合肼"), ("hydrazine", "肼"),
    ("hydroxylamine", "羟胺"), ("hydroxylamine hydrochloride", "盐酸羟胺"),
    ("hydroxylamine sulfate", "硫酸羟胺"), ("hydrazine sulfate", "硫酸肼"),
    ("hydrazine hydrochloride", "盐酸肼"), ("hydrazine dihydrochloride", "二盐酸肼"),
    ("hydrogen selenide", "硒化氢"), ("hydrogen telluride", "碲化氢"), ("hydrogen azide", "叠氮酸"),
    ("hydrogen sulphide", "硫化氢"), ("diborane", "乙硼烷"), ("arsine", "胂"), ("stibine", "锑化氢"),
    ("cyanogen bromide", "溴化氰"), ("cyanogen chloride", "氯化氰"), ("cyanogen iodide", "碘化氰"),
    ("iron(II,III) oxide", "四氧化三铁"), ("iron (II,III) oxide", "四氧化三铁"),
    ("lead(II,IV) oxide", "四氧化三铅"), ("cobalt(II,III) oxide", "四氧化三钴"),
    ("manganese(II,III) oxide", "四氧化三锰"),
    ("ceric ammonium nitrate", "硝酸铈铵"), ("ammonium cerium(IV) nitrate", "硝酸铈铵"),
    ("ceric sulfate", "硫酸高铈"), ("ceric ammonium sulfate", "硫酸高铈铵"),
    ("ammonium iron(II) sulfate", "硫酸亚铁铵"), ("ferrous ammonium sulfate", "硫酸亚铁铵"),
    ("ammonium iron(III) sulfate", "硫酸铁铵"), ("ferric ammonium sulfate", "硫酸铁铵"),
    ("aluminum potassium sulfate", "硫酸铝钾"), ("aluminium potassium sulfate", "硫酸铝钾"),
    ("potassium aluminum sulfate", "硫酸铝钾"), ("potassium sodium tartrate", "酒石酸钾钠"),
    ("sodium potassium tartrate", "酒石酸钾钠"), ("sodium nitroprusside", "硝普钠"),
    ("lead tetraacetate", "四乙酸铅"), ("lead(IV) acetate", "四乙酸铅"),
    ("phosphorus pentasulfide", "五硫化二磷"), ("phosphorus oxybromide", "三溴氧磷"),
    ("phosphoryl chloride", "三氯氧磷"), ("thionyl bromide", "亚硫酰溴"), ("sulfuryl fluoride", "硫酰氟"),
    ("arsenic trioxide", "三氧化二砷"), ("arsenic pentoxide", "五氧化二砷"),
    ("vanadium pentoxide", "五氧化二钒"), ("vanadium(V) oxide", "五氧化二钒"),
    ("niobium pentoxide", "五氧化二铌"), ("niobium(V) oxide", "五氧化二铌"), ("tantalum pentoxide", "五氧化二钽"),
    ("tantalum(V) oxide", "五氧化二钽"), ("iodine pentoxide", "五氧化二碘"), ("antimony pentoxide", "五氧化二锑"),
    ("manganese heptoxide", "七氧化二锰"), ("rhenium heptoxide", "七氧化二铼"), ("dichlorine heptoxide", "七氧化二氯"),
    ("xenon difluoride", "二氟化氙"), ("xenon tetrafluoride", "四氟化氙"), ("uranium hexafluoride", "六氟化铀"),
    ("uranyl acetate", "乙酸铀酰"), ("uranyl nitrate", "硝酸铀酰"), ("uranium dioxide", "二氧化铀"),
    ("antimony trioxide", "三氧化二锑"), ("bismuth trioxide", "三氧化二铋"), ("boron trioxide", "三氧化二硼"),
    ("chromium(III) oxide", "三氧化二铬"),
    ("diphosphorus pentoxide", "五氧化二磷"), ("phosphorus(V) oxide", "五氧化二磷"),
    ("silica gel", "硅胶"), ("fumed silica", "气相二氧化硅"), ("alumina", "氧化铝"),
    ("celite", "硅藻土"), ("diatomaceous earth", "硅藻土"), ("kieselguhr", "硅藻土"),
    ("molecular sieves", "分子筛"), ("molecular sieve", "分子筛"), ("zeolite", "沸石"),
    ("montmorillonite", "蒙脱土"), ("bentonite", "膨润土"), ("kaolin", "高岭土"), ("talc", "滑石粉"),
    ("quicklime", "生石灰"), ("slaked lime", "熟石灰"), ("soda lime", "碱石灰"), ("soda ash", "纯碱"),
    ("caustic soda", "烧碱"), ("caustic potash", "苛性钾"), ("baking soda", "小苏打"), ("borax", "硼砂"),
    ("Epsom salt", "泻盐"), ("Glauber's salt", "芒硝"), ("Mohr's salt", "摩尔盐"), ("Rochelle salt", "罗谢尔盐"),
("Prussian blue", "普鲁士蓝"), ("cryolite", "冰晶石"),
    ("Wilkinson's catalyst", "威尔金森催化剂"), ("Wilkinson catalyst", "威尔金森催化剂"),
    ("boron trifluoride diethyl etherate", "三氟化硼乙醚"), ("EDTA", "乙二胺四乙酸"), ("solution", "溶液"),
    ("complex", "络合物"),
    ("sodium phosphate monobasic", "磷酸二氢钠"), ("sodium phosphate dibasic", "磷酸氢二钠"),
    ("sodium phosphate tribasic", "磷酸三钠"), ("potassium phosphate monobasic", "磷酸二氢钾"),
    ("potassium phosphate dibasic", "磷酸氢二钾"), ("potassium phosphate tribasic", "磷酸三钾"),
    ("ammonium phosphate monobasic", "磷酸二氢铵"), ("ammonium phosphate dibasic", "磷酸氢二铵"),
    ("ammonium citrate dibasic", "柠檬酸氢二铵"), ("ammonium citrate tribasic", "柠檬酸三铵"),
    ("Raney nickel", "雷尼镍"), ("Raney Ni", "雷尼镍"), ("Lindlar catalyst", "林德拉催化剂"),
    ("Lindlar's catalyst", "林德拉催化剂"), ("Adams' catalyst", "亚当斯催化剂"),
    ("Adams catalyst", "亚当斯催化剂"), ("Pearlman's catalyst", "珀尔曼催化剂"),
    ("palladium on charcoal", "钯碳"), ("palladium on activated carbon", "钯碳"),
    ("palladium hydroxide on carbon", "氢氧化钯碳"), ("platinum on carbon", "铂碳"),
    ("rhodium on carbon", "铑碳"), ("ruthenium on carbon", "钌碳"), ("nickel on silica", "镍/二氧化硅"),
    ("palladium black", "钯黑"), ("platinum black", "铂黑"), ("red phosphorus", "红磷"),
    ("white phosphorus", "白磷"), ("yellow phosphorus", "黄磷"), ("sublimed sulfur", "升华硫"),
    ("iodine monochloride", "一氯化碘"), ("iodine trichloride", "三氯化碘"),
    ("tin(II) oxide", "氧化亚锡"), ("tin(IV) oxide", "二氧化锡"), ("tributyltin", "三丁基锡"), ("dibutyltin", "二丁基锡"), ("trimethyltin", "三甲基锡"),
    ("triphenyltin", "三苯基锡"), ("tetrabutyltin", "四丁基锡"), ("tetramethyltin", "四甲基锡"),
    ("tetraphenyltin", "四苯基锡"), ("dimethyltin", "二甲基锡"), ("dioctyltin", "二辛基锡"),
    ("tributyltin hydride", "三丁基氢化锡"), ("tetraethyllead", "四乙基铅"), ("tetramethyllead", "四甲基铅"),
]

# Physical forms of elements in catalogue names: zinc dust 锌粉.
FORMS = [("powder", "粉"), ("dust", "粉"), ("turnings", "屑"), ("granules", "粒"), ("foil", "箔"),
         ("wire", "丝"), ("shot", "粒"), ("pellets", "粒")]
FORM_ELEMENTS = ["lithium", "sodium", "potassium", "magnesium", "calcium", "aluminum", "aluminium", "zinc",
                 "iron", "copper", "nickel", "cobalt", "palladium", "platinum", "silver", "gold", "titanium",
                 "manganese", "chromium", "tungsten", "molybdenum", "lead", "bismuth", "indium", "silicon",
                 "sulfur", "selenium", "tellurium", "antimony", "boron", "zirconium", "rhodium"]


def names(spelling):
    return spelling.split("|")


def state_chinese(chinese, state, usual, lower, higher):
    if state in usual:
        return chinese
    if state == lower:
        return "亚" + chinese
    if state == higher:
        return "高" + chinese
    return f"{chinese}({ROMAN[state]})"


def metal_rows():
    for spelling, chinese, usual, lower, higher, others in METALS:
        states = sorted(set(usual + others + [s for s in (lower, higher) if s is not None]))
        for name in names(spelling):
            if name not in BARE_LEFT_OUT:
                yield name, chinese, "element"
            for state in states:
                cn = state_chinese(chinese, state, usual, lower, higher)
                yield f"{name}({ROMAN[state]})", cn, "cation"
                yield f"{name} ({ROMAN[state]})", cn, "cation"
                if state > 0:
                    yield f"{name}({state}+)", cn, "cation"


def nonmetal_rows():
    for spelling, chinese in NONMETALS:
        for name in names(spelling):
            yield name, chinese, "element"
    for english, chinese in SHIELDS:
        yield english, chinese, "element"


# -ous/-ic names of the cations in older catalogues.
TRADITIONAL = [
    ("ferrous", "亚铁"), ("ferric", "铁"), ("cuprous", "亚铜"), ("cupric", "铜"), ("stannous", "亚锡"),
    ("stannic", "锡"), ("mercurous", "亚汞"), ("mercuric", "汞"), ("chromous", "亚铬"), ("cerous", "铈"),
    ("cobaltous", "钴"), ("aurous", "亚金"), ("manganous", "锰"), ("nickelous", "镍"), ("plumbous", "铅"),
    ("thallous", "铊"), ("platinous", "亚铂"), ("platinic", "铂"),
]


def cation_rows():
    for english, chinese in TRADITIONAL:
        yield english, chinese, "cation"
    chinese_of = {}
    for spelling, chinese, *_ in METALS:
        for name in names(spelling):
            chinese_of[name] = chinese
    chinese_of["ammonium"] = "铵"
    for cation in MULTIPLIED_CATIONS:
        for prefix, number in CATION_MULTIPLIERS:
            yield prefix + cation, number + chinese_of[cation], "cation"
    for english, chinese in ONIUMS:
        yield english, chinese, "cation"


def anion_rows():
    for english, element in BINARY_ANIONS:
        yield english, element + "化物", "anion"
        for prefix, number in ANION_MULTIPLIERS:
            if prefix + english not in NOT_PIECES:
                yield prefix + english, number + element + "化物", "anion"
    for english, number in OXIDE_SPELLINGS:
        yield english, number + "氧化物", "anion"
    for english, chinese in OTHER_BINARY:
        yield english, chinese, "anion"
    for english, acid in OXOANIONS:
        yield english, acid + "酯", "anion"
    for english, centre, states in COMPLEX_ANIONS:
        for state in states:
            yield f"{english}({ROMAN[state]})", f"{centre}({ROMAN[state]})酸酯", "anion"
            yield f"{english} ({ROMAN[state]})", f"{centre}({ROMAN[state]})酸酯", "anion"
    acids = dict(OXOANIONS)
    acids.update(ORGANIC_ACIDS)
    acids["sulfide"] = "硫"     # hydrogen sulfide as an anion: 硫氢酯 would be wrong, see below
    for prefix, chinese in ACID_HYDROGENS:
        for anion in PROTONATED[prefix.strip()]:
            if anion in ("sulfide", "fluoride", "difluoride"):
                continue
            yield prefix + anion, acids[anion] + chinese + "酯", "anion"


def metal_whole_rows():
    """A metal with an anion whose bare word means something organic in the
    starter table (sulfide 硫醚, amide 酰胺): sodium sulfide 硫化钠."""
    for spelling, chinese, usual, lower, higher, others in METALS:
        states = sorted(set(usual + others + [s for s in (lower, higher) if s is not None]))
        for name in names(spelling):
            forms = [(name, chinese)] if name not in BARE_LEFT_OUT else []
            for state in states:
                cn = state_chinese(chinese, state, usual, lower, higher)
                forms.append((f"{name}({ROMAN[state]})", cn))
            for cation, cn in forms:
                for anion, prefix in SULFIDE_LIKE:
                    if anion == "amide" and name not in ("lithium", "sodium", "potassium", "caesium", "cesium",
                                                         "rubidium", "calcium", "magnesium", "barium", "zinc"):
                        continue
                    yield f"{cation} {anion}", prefix + cn, "compound"
    for english, chinese in [("ammonium", "铵"), ("hydrogen", "氢"), ("phosphorus", "磷"), ("boron", "硼"),
                             ("silicon", "硅"), ("selenium", "硒"), ("arsenic", "砷"), ("germanium", "锗")]:
        for anion, prefix in SULFIDE_LIKE[:3]:
            yield f"{english} {anion}", prefix + chinese, "compound"
    for cation in ("sodium", "potassium", "lithium", "calcium", "ammonium"):
        cn = dict((n, c) for s, c, *_ in METALS for n in names(s)).get(cation, "铵")
        for prefix, number in CATION_MULTIPLIERS[1:3]:
            if takes_multiplied_cation(prefix, cation, "sulfide"):
                yield f"{prefix}{cation} sulfide", "硫化" + number + cn, "compound"
    for cation in ("sodium", "potassium", "ammonium"):
        cn = dict((n, c) for s, c, *_ in METALS for n in names(s)).get(cation, "铵")
        yield f"{cation} hydrogen sulfide", "硫氢化" + cn, "compound"
        yield f"{cation} bifluoride", "氟化氢" + cn, "compound"
        yield f"{cation} hydrogen difluoride", "氟化氢" + cn, "compound"
        yield f"{cation} hydrogen fluoride", "氟化氢" + cn, "compound"


def trap_metal_rows(starter):
    """The salts of the metals whose bare name is left out: every anion piece
    of this table and the oxoanion words of the starter table (its rows
    (English, Chinese, category)), joined in Chinese order (氯化物 → 氯化铅,
    硫酸酯 → 硫酸铅)."""
    anions = [(e, c) for e, c, _ in anion_rows()]
    for english, chinese, category in starter:
        if category == "trivial" and english.isalpha() and english.endswith("ate") and chinese.endswith("酸酯"):
            anions.append((english, chinese))
    for metal, chinese in TRAP_METALS.items():
        for anion, piece in anions:
            if piece.endswith(("物", "酯")):
                yield f"{metal} {anion}", piece[:-1] + chinese, "compound"


# Anions that take more than one cation (data/vocabulary/polybasic-anions.tsv),
# with their charge: "trisodium phosphate" names a salt, "trisodium chloride"
# none, so a multiplied cation is written only before these, up to the charge.
POLYBASIC = {row["anion"]: int(row["charge"]) for row in table("polybasic-anions.tsv")}


DIVALENT_CATIONS = {"calcium", "magnesium", "barium"}


def takes_multiplied_cation(prefix, cation, anion):
    """Whether PREFIX CATION ANION names a salt: a univalent cation up to the
    anion's charge (monosodium, disodium, trisodium phosphate), a divalent one
    only with an anion of charge 3 (monocalcium, dicalcium, tricalcium
    phosphate: Ca(H2PO4)2, CaHPO4, Ca3(PO4)2)."""
    count = [p for p, _ in CATION_MULTIPLIERS].index(prefix) + 1
    charge = POLYBASIC.get(anion, 0)
    return count <= charge and (cation not in DIVALENT_CATIONS or charge >= 3)


def multiplied_whole_rows(rows):
    """Whole rows "sodium phosphate" 磷酸钠 take the longer "trisodium
    phosphate" away from the cation "trisodium": each gets its multiplied
    rows too, 磷酸三钠, where the anion takes that many cations."""
    chinese_of = {n: c for s, c, *_ in METALS for n in names(s)}
    chinese_of["ammonium"] = "铵"
    for english, chinese in rows:
        cation, _, anion = english.partition(" ")
        if cation.lower() in MULTIPLIED_CATIONS and anion and chinese.endswith(chinese_of[cation.lower()]):
            cn = chinese_of[cation.lower()]
            for prefix, number in CATION_MULTIPLIERS:
                if not takes_multiplied_cation(prefix, cation.lower(), anion):
                    continue
                yield f"{prefix}{cation.lower()} {anion}", chinese[:-len(cn)] + number + cn, "compound"


# Metal alkoxides, named whole (甲醇钠): "oxide" would fire inside
# "propoxide". (English alkoxide, Chinese alcohol)
ALKOXIDES = [("methoxide", "甲醇"), ("ethoxide", "乙醇"), ("propoxide", "丙醇"), ("n-propoxide", "正丙醇"),
             ("isopropoxide", "异丙醇"), ("butoxide", "丁醇"), ("n-butoxide", "正丁醇"),
             ("sec-butoxide", "仲丁醇"), ("tert-butoxide", "叔丁醇"), ("t-butoxide", "叔丁醇"),
             ("tert-pentoxide", "叔戊醇"), ("tert-amylate", "叔戊醇"), ("phenoxide", "苯酚")]
ALKOXIDE_METALS = ["lithium", "sodium", "potassium", "caesium", "cesium", "magnesium", "calcium", "barium",
                   "aluminium", "aluminum", "aluminum(III)", "titanium", "titanium(IV)", "zirconium",
                   "zirconium(IV)", "hafnium", "niobium(V)", "tantalum(V)", "boron", "copper(II)", "zinc"]


def alkoxide_rows():
    chinese_of = {n: c for s, c, *_ in METALS for n in names(s)}
    chinese_of["boron"] = "硼"
    for metal in ALKOXIDE_METALS:
        cn = chinese_of[metal.split("(")[0]]
        for alkoxide, alcohol in ALKOXIDES:
            yield f"{metal} {alkoxide}", alcohol + cn, "compound"


def acid_rows():
    for english, chinese in ACIDS:
        yield english, chinese, "acid"


def salt_word_rows():
    for english, chinese in ADDITION:
        yield english, chinese, "addition"
    for english, chinese in HYDRATES:
        yield english, chinese, "hydrate"
    for i, number in enumerate(HYDRATE_NUMBERS, start=1):
        yield f"hydrate (1:{i})", number + "水合物", "hydrate"


def compound_rows():
    for english, chinese in COMPOUNDS:
        yield english, chinese, "compound"
    chinese_of = {n: c for s, c, *_ in METALS for n in names(s)}
    chinese_of.update({n: c for s, c in NONMETALS for n in names(s)})
    for element in FORM_ELEMENTS:
        for form, suffix in FORMS:
            yield f"{element} {form}", chinese_of[element] + suffix, "form"


def sources(starter):
    """The row sources in the order they are written, given the starter
    table's rows (English, Chinese, category)."""
    return (metal_rows(), nonmetal_rows(), cation_rows(), anion_rows(), metal_whole_rows(), trap_metal_rows(starter),
            alkoxide_rows(), acid_rows(), salt_word_rows(), compound_rows())
