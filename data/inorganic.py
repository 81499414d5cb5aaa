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

from tables import family, table

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
SHIELDS = family("inorganic-families.tsv", "shields")

# Multiplied cations in salt names: disodium hydrogen phosphate.
MULTIPLIED_CATIONS = ["sodium", "potassium", "lithium", "ammonium", "caesium", "cesium", "rubidium",
                      "calcium", "magnesium", "barium"]
CATION_MULTIPLIERS = family("inorganic-families.tsv", "cation-multipliers")

# Onium cations; alkyl prefixes before them come from the starter table
# (tetrabutyl + ammonium: 四丁基铵).
ONIUMS = [(row["english"], row["chinese"]) for row in table("oniums.tsv")]

# Binary anions (-ide, 化物) and the multiplied forms chemists write.
BINARY_ANIONS = family("inorganic-families.tsv", "binary-anions")
ANION_MULTIPLIERS = family("inorganic-families.tsv", "anion-multipliers")
NOT_PIECES = {"pentaoxide", "heptaoxide"}  # M2O5, M2O7: whole rows
# The vowel of the multiplier drops before "oxide" in the usual spellings.
OXIDE_SPELLINGS = family("inorganic-families.tsv", "oxide-spellings")
OTHER_BINARY = family("inorganic-families.tsv", "other-binary")
# "sulfide" and "disulfide" mean the organic 硫醚 in the starter table, and
# "amide" the organic 酰胺; a metal with them is a whole row: sodium sulfide 硫化钠.
SULFIDE_LIKE = family("inorganic-families.tsv", "sulfide-like")

# Oxoanions: (anion, acid in Chinese). -ate/-ite and per-/hypo- are all
# listed, since Chinese does not follow the English pattern one to one.
OXOANIONS = family("inorganic-families.tsv", "oxoanions")
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
ACID_HYDROGENS = family("inorganic-families.tsv", "acid-hydrogens")
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

ACIDS = family("inorganic-families.tsv", "acids")

# Acid-addition salt words (the starter table holds hydrochloride,
# dihydrochloride, hydrobromide and hydroiodide).
ADDITION = family("inorganic-families.tsv", "addition")

HYDRATES = family("inorganic-families.tsv", "hydrates")
HYDRATE_NUMBERS = ["一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二"]

# Compounds named whole, since their names are irregular or a piece would
# fire inside organic words.
COMPOUNDS = family("inorganic-families.tsv", "compounds")

# Physical forms of elements in catalogue names: zinc dust 锌粉.
FORMS = family("inorganic-families.tsv", "forms")
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
TRADITIONAL = family("inorganic-families.tsv", "traditional")


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
ALKOXIDES = family("inorganic-families.tsv", "alkoxides")
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
