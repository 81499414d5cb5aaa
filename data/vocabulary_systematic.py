"""Systematic and semi-systematic organic vocabulary that composes regular
families: aryl boronic acids, aryl groups on short parents named the Chinese
way (苯乙胺, 二苯甲烷), ring acids named after the ring, acyl prefixes before a
parent (N-乙酰, 苯甲酰乙酸), peptides, glycol ethers, multiplied branched
groups, oximes and protected amino acids as catalogues write them.

Each function returns (English, Chinese) rows; data/generate.py writes
them under the category "systematic". Names follow the Chinese Chemical
Society's 2017 rules, and the forms Chinese catalogues use where those rules
leave a choice (aryl boronic acids: 4-氰基苯硼酸, as catalogues write them).
Every English form is a whole word or a word with its hyphen, so that none
fires inside a longer word.
"""

from tables import family

import vocabulary

# Aryl groups that name boronic acids by the ring: 4-methoxyphenylboronic
# acid 4-甲氧基苯硼酸, 3-pyridylboronic acid 3-吡啶硼酸.
BORONIC_ARYLS = family("systematic-families.tsv", "boronic-aryls")
BORONIC_FORMS = family("systematic-families.tsv", "boronic-forms")


def boronic_acids():
    rows = []
    for aryl, cn in BORONIC_ARYLS:
        for multiplier, mcn in (("", ""), ("di", "二")):
            if multiplier and aryl != "phenyl":
                continue
            rows += [(multiplier + aryl + form, mcn + cn + fcn) for form, fcn in BORONIC_FORMS]
        # Potassium aryltrifluoroborates: 苯基三氟硼酸钾.
        rows.append(("potassium " + aryl + "trifluoroborate", cn + ("" if cn.endswith("基") else "基") + "三氟硼酸钾"))
    return rows


# Aryl groups on a short chain parent, named the Chinese way without 基:
# 1-苯乙胺, 2-苯乙醇, 二苯甲烷, 苯乙炔, 1-萘乙酸, 苯乙酰氯.
CHAIN_ARYLS = family("systematic-families.tsv", "chain-aryls")
# Only the class and trivial forms: a substitutive name with locants keeps
# 基 as the naming rules write it (2-phenylethanol 2-苯基乙醇,
# N-phenylacetamide N-苯基乙酰胺), while the amine and alcohol named after
# the group (phenethylamine, phenylethyl alcohol) are 苯乙胺, 苯乙醇.
CHAIN_PARENTS = family("systematic-families.tsv", "chain-parents")
# Several aryl groups on one carbon: 二苯甲烷, 三苯甲基.
METHANE_ARYLS = family("systematic-families.tsv", "methane-aryls")
METHANE_PARENTS = family("systematic-families.tsv", "methane-parents")
# Ring groups that name their amines without 基 (1-萘胺, 1-金刚烷胺).
RING_AMINES = family("systematic-families.tsv", "ring-amines")


def aryl_chains():
    rows = []
    for aryl, cn in CHAIN_ARYLS:
        rows += [(aryl + parent, cn + pcn) for parent, pcn in CHAIN_PARENTS]
    # 二苯乙烯 is stilbene, 1,1-二苯乙烯 too; the di- forms of the ethyl parents.
    for parent, pcn in (("ethylene", "乙烯"), ("acetylene", "乙炔"), ("acetic acid", "乙酸"),
                        ("acetonitrile", "乙腈")):
        rows.append(("diphenyl" + parent, "二苯" + pcn))
    # The alcohol's part of a CAS ester: "Acetic acid, 2-phenylethyl ester".
    for aryl, cn in CHAIN_ARYLS:
        for parent, pcn in (("ethyl", "乙"), ("propyl", "丙"), ("butyl", "丁")):
            rows += [(aryl + parent + " ester" + comma, cn + pcn + "酯") for comma in ("", ",")]
    for aryl, cn in METHANE_ARYLS:
        rows += [(aryl + parent, cn + pcn) for parent, pcn in METHANE_PARENTS]
    for ring, cn in RING_AMINES:
        rows += [(ring + "amine", cn + "胺"), (ring + "amino", cn + "氨基")]
    return rows


# Acyl groups that stand before a parent without 基 (N-乙酰甘氨酸,
# 苯甲酰乙酸乙酯, 甘氨酰甘氨酸): (acyl, Chinese without 基).
ACYLS = family("systematic-families.tsv", "acyls")
# Parents an acyl group stands on directly: 苯甲酰乙酸, 苯甲酰丙酮, 乙酰水杨酸.
ACYL_PARENTS = family("systematic-families.tsv", "acyl-parents")
# Locants of an acyl group on an amino or hydroxy group: N-乙酰, O-乙酰.
# (O- is left out: the descriptor o- 邻 takes it first.)
ACYL_LOCANTS = ["N-", "S-", "N,N'-di", "Nα-", "N(α)-", "N2-", "N6-"]


def acyl_prefixes():
    rows = []
    for acyl, cn in ACYLS:
        for locant in ACYL_LOCANTS:
            prefix = "二" if locant.endswith("di") else ""
            rows.append((locant + acyl, locant.removesuffix("di") + prefix + cn))
        rows += [(acyl + parent, cn + pcn) for parent, pcn in ACYL_PARENTS]
    return rows


def peptides():
    """Amino acid acyls before an amino acid or its configuration (甘氨酰甘氨酸,
    L-丙氨酰-L-谷氨酰胺): the acyl drops 基."""
    acids = [(name, cn) for name, cn, _ in vocabulary.AMINO_ACIDS if " " not in name]
    acyls = [(acyl, (cn[:-1] if cn.endswith("酸") else cn) + "酰") for name, cn, acyl in vocabulary.AMINO_ACIDS
             if acyl and " " not in name] + [("aspartyl", "天冬氨酰"), ("glutamyl", "谷氨酰"), ("alpha-glutamyl", "α-谷氨酰"),
                                             ("gamma-glutamyl", "γ-谷氨酰"), ("beta-alanyl", "β-丙氨酰")]
    rows = []
    for acyl, acn in acyls:
        rows += [(acyl + join + name, acn + cn) for name, cn in acids for join in ("", "-")]
        rows += [(acyl + "-" + config + "-", acn + "-" + config + "-") for config in ("L", "D", "DL")]
    return rows


# Amino acids as peptide chemists write them (Boc-Gly-OH, Fmoc-L-Ala-OH):
# the protecting group stays as written and the residue becomes the acid.
THREE_LETTER = family("systematic-families.tsv", "three-letter")
ACHIRAL = {"Gly", "Sar", "Aib"}


def protected_amino_acids():
    rows = []
    for code, cn in THREE_LETTER:
        plain = "-" + cn if code in ACHIRAL else "-L-" + cn
        rows.append(("-" + code + "-OH", plain))
        if code not in ACHIRAL:
            rows += [("-" + config + "-" + code + "-OH", "-" + config + "-" + cn) for config in ("L", "D", "DL")]
    return rows


# Glycols and their ethers and esters: 二乙二醇二甲醚, 三乙二醇单甲醚.
GLYCOLS = family("systematic-families.tsv", "glycols")
GLYCOL_ENDINGS = family("systematic-families.tsv", "glycol-endings")


def glycol_ethers():
    rows = [(glycol, cn) for glycol, cn in GLYCOLS if "(" in glycol]
    for glycol, cn in GLYCOLS:
        rows += [(glycol + " " + ending, cn + ecn) for ending, ecn in GLYCOL_ENDINGS]
    return rows


# Groups that take multiplying prefixes beside those of the series
# (diisobutyl 二异丁基, dicyclopentyl 二环戊基).
MORE_MULTIPLIED = family("systematic-families.tsv", "more-multiplied")


def multiplied_groups():
    rows = []
    for prefix, cn in (("di", "二"), ("tri", "三"), ("tetra", "四")):
        for name, gcn in MORE_MULTIPLIED:
            rows.append((prefix + ("-" if "-" in name else "") + name, cn + gcn))
    rows += [("dicyclopentadiene", "双环戊二烯"), ("biphenol", "联苯二酚"), ("biphenyldiol", "联苯二酚"),
             ("bisphenol", "双酚")]
    return rows


# Acids named after a ring the trivial way: naphthoic acid 萘甲酸,
# naphthalic anhydride 萘二甲酸酐, naphthaldehyde 萘甲醛.
# Ring acids: the "ring" family of data/vocabulary/trivial-acids.tsv.


def ring_acids():
    return vocabulary.trivial_acids("ring")


# Alkyl dihalides named after the alkylene group (methylene bromide 二溴甲烷).
ALKYLENE_HALIDES = [("methylene", "甲烷", ""), ("ethylene", "乙烷", "1,2-"), ("ethylidene", "乙烷", "1,1-"),
                    ("trimethylene", "丙烷", "1,3-"), ("propylene", "丙烷", "1,2-"), ("tetramethylene", "丁烷", "1,4-")]
HALIDES = family("systematic-families.tsv", "halides")


def alkylene_halides():
    rows = []
    for group, parent, locants in ALKYLENE_HALIDES:
        for word, cn in HALIDES:
            whole = locants + "二" + cn + parent
            rows.append((group + " " + word, whole))
            rows.append((group + " di" + word, whole))
    return rows


# Inositols by configuration prefix.
INOSITOLS = family("systematic-families.tsv", "inositols")


def inositols():
    return [(prefix + "-inositol", cn + "醇") for prefix, cn in INOSITOLS]


def n_locant_alkyls():
    """An N- locant before a straight chain group: the dictionary is matched
    without regard to letter case, so "N-butyl-" would otherwise read as
    n-butyl 正丁基. A group followed by a hyphen is a substituent on N."""
    rows = []
    for stem, cn in vocabulary.N_ALKYL_STEMS:
        rows.append(("N-" + stem + "yl-", "N-" + cn + "基-"))
    return rows


def oximes(rows):
    """The oximes of the aldehydes and ketones named whole (acetone oxime 丙酮肟,
    benzaldehyde oxime 苯甲醛肟, acetaldoxime 乙醛肟): one word each, so that
    the suffix entries "one oxime" and "aldoxime" cannot bite the name."""
    derived = []
    for english, chinese in rows:
        if " " in english or "-" in english or english.startswith("di") or not chinese or chinese[-1] not in "醛酮" or "基" in chinese:
            continue
        if english.endswith("one") and chinese.endswith("酮"):
            derived.append((english + " oxime", chinese + "肟"))
        elif english.endswith("aldehyde") and chinese.endswith("醛"):
            derived.append((english + " oxime", chinese + "肟"))
            derived.append((english[:-len("aldehyde")] + "aldoxime", chinese + "肟"))
    return derived


# Saturated rings named with a suffix on the stem (4-piperidinol 4-哌啶醇,
# 4-piperidone 4-哌啶酮); "piperidino" would otherwise bite piperidinol.
SATURATED_RINGS = family("systematic-families.tsv", "saturated-rings")
RING_SUFFIXES = family("systematic-families.tsv", "ring-suffixes")
# Short forms of the ring ketones: 哌啶酮, 吡咯烷酮.
RING_KETONES = family("systematic-families.tsv", "ring-ketones")


def saturated_rings():
    rows = [(ring + suffix, cn + scn) for ring, cn in SATURATED_RINGS for suffix, scn in RING_SUFFIXES]
    return rows + RING_KETONES


# Acids CAS names with their formula in brackets: "Boric acid (H3BO3),
# trimethyl ester" 硼酸三甲酯.
FORMULA_ACIDS = family("systematic-families.tsv", "formula-acids")
# Cations of CAS salt names with the ratio: "Acetic acid, lead(2+) salt (2:1)".
CAS_SALT_CATIONS = family("systematic-families.tsv", "cas-salt-cations")
RATIOS = ["1:1", "1:2", "1:3", "1:4", "2:1", "3:1", "4:1", "2:3", "3:2"]


def cas_salts():
    rows = []
    for cation, cn in CAS_SALT_CATIONS:
        rows += [(cation + " salt (" + ratio + ")", cn) for ratio in RATIOS]
        if "(" not in cation:
            rows.append((cation + " salt", cn))
    return rows


# The diazo group before the acid it stands on (ethyl diazoacetate 重氮乙酸乙酯).
DIAZO_PARENTS = family("systematic-families.tsv", "diazo-parents")
OTHER_GROUP_WORDS = family("systematic-families.tsv", "other-group-words")
# Groups before "ethyl ether": the whole entry "ethyl ether" (乙醚) would
# take the ethyl of butyl ethyl ether (丁基乙基醚).
MIXED_ETHER_GROUPS = family("systematic-families.tsv", "mixed-ether-groups")


def other_words():
    rows = [("diazo" + parent, "重氮" + pcn) for parent, pcn in DIAZO_PARENTS]
    rows += [(group + " ethyl ether", gcn + " 乙基 醚") for group, gcn in MIXED_ETHER_GROUPS]
    return rows + FORMULA_ACIDS + cas_salts() + OTHER_GROUP_WORDS


# Silyl groups name their halides as halosilanes (三甲基氯硅烷).
SILYLS = family("systematic-families.tsv", "silyls")


def silyl_halides():
    rows = []
    for silyl, cn in SILYLS:
        for word, hcn in HALIDES:
            rows.append((silyl + " " + word, cn + hcn + "硅烷"))
    return rows


# Positional forms of the anisyl words (p-anisaldehyde 对甲氧基苯甲醛).
POSITIONS = [("o-", "邻", "2-"), ("m-", "间", "3-"), ("p-", "对", "4-")]
ANIS_WORDS = family("systematic-families.tsv", "anis-words")


def positional_words():
    rows = []
    for letter, cn, _ in POSITIONS:
        rows += [(letter + word, cn + wcn) for word, wcn in ANIS_WORDS if word != "anisole"]
    return rows


def systematic():
    return (boronic_acids() + aryl_chains() + acyl_prefixes() + peptides() + protected_amino_acids()
            + glycol_ethers() + multiplied_groups() + ring_acids() + alkylene_halides() + inositols()
            + n_locant_alkyls() + saturated_rings() + other_words()
            + silyl_halides() + positional_words())
