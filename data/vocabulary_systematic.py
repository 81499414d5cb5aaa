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

import vocabulary

# Aryl groups that name boronic acids by the ring: 4-methoxyphenylboronic
# acid 4-甲氧基苯硼酸, 3-pyridylboronic acid 3-吡啶硼酸.
BORONIC_ARYLS = [
    ("phenyl", "苯"), ("naphthyl", "萘"), ("naphthalenyl", "萘"), ("biphenyl", "联苯"), ("biphenylyl", "联苯"),
    ("thienyl", "噻吩"), ("thiophenyl", "噻吩"), ("furyl", "呋喃"), ("furanyl", "呋喃"), ("pyridyl", "吡啶"),
    ("pyridinyl", "吡啶"), ("pyrimidinyl", "嘧啶"), ("quinolinyl", "喹啉"), ("isoquinolinyl", "异喹啉"),
    ("indolyl", "吲哚"), ("benzofuranyl", "苯并呋喃"), ("benzothienyl", "苯并噻吩"), ("anthryl", "蒽"),
    ("anthracenyl", "蒽"), ("phenanthryl", "菲"), ("phenanthrenyl", "菲"), ("pyrenyl", "芘"), ("fluorenyl", "芴"),
    ("dibenzofuranyl", "二苯并呋喃"), ("dibenzothienyl", "二苯并噻吩"), ("carbazolyl", "咔唑"),
    ("pyrazolyl", "吡唑"), ("imidazolyl", "咪唑"), ("thiazolyl", "噻唑"), ("styryl", "苯乙烯"), ("benzyl", "苄"),
]
BORONIC_FORMS = [
    ("boronic acid", "硼酸"), ("boronic acid pinacol ester", "硼酸频哪醇酯"),
    ("boronic acid, pinacol ester", "硼酸频哪醇酯"), ("boronic acid neopentyl glycol ester", "硼酸新戊二醇酯"),
    ("boronic acid MIDA ester", "硼酸MIDA酯"), ("boronic ester", "硼酸酯"),
]


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
CHAIN_ARYLS = [("phenyl", "苯"), ("naphthyl", "萘"), ("pyridyl", "吡啶"), ("thienyl", "噻吩"), ("furyl", "呋喃"),
               ("indolyl", "吲哚"), ("imidazolyl", "咪唑")]
# Only the class and trivial forms: a substitutive name with locants keeps
# 基 as the naming rules write it (2-phenylethanol 2-苯基乙醇,
# N-phenylacetamide N-苯基乙酰胺), while the amine and alcohol named after
# the group (phenethylamine, phenylethyl alcohol) are 苯乙胺, 苯乙醇.
CHAIN_PARENTS = [
    ("ethylamine", "乙胺"), ("ethyl", "乙基"), ("ethyl alcohol", "乙醇"), ("propylamine", "丙胺"),
    ("propyl", "丙基"), ("propyl alcohol", "丙醇"), ("butyl", "丁基"), ("butylamine", "丁胺"),
    ("acetylene", "乙炔"), ("acetyl", "乙酰基"), ("acetyl chloride", "乙酰氯"), ("acetyl bromide", "乙酰溴"),
    ("acetonitrile", "乙腈"), ("ethylene", "乙烯"), ("ethylidene", "亚乙基"),
]
# Several aryl groups on one carbon: 二苯甲烷, 三苯甲基.
METHANE_ARYLS = [("diphenyl", "二苯"), ("triphenyl", "三苯"), ("dinaphthyl", "二萘")]
METHANE_PARENTS = [("methane", "甲烷"), ("methyl", "甲基")]
# Ring groups that name their amines without 基 (1-萘胺, 1-金刚烷胺).
RING_AMINES = [("naphthyl", "萘"), ("adamantyl", "金刚烷"), ("anthryl", "蒽"), ("pyrenyl", "芘"),
               ("fluorenyl", "芴"), ("furfuryl", "糠"), ("phenanthryl", "菲"), ("indanyl", "茚满")]


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
ACYLS = [("acetyl", "乙酰"), ("benzoyl", "苯甲酰"), ("formyl", "甲酰"), ("propionyl", "丙酰"), ("butyryl", "丁酰"),
         ("isobutyryl", "异丁酰"), ("pivaloyl", "特戊酰"), ("chloroacetyl", "氯乙酰"), ("trifluoroacetyl", "三氟乙酰"),
         ("trichloroacetyl", "三氯乙酰"), ("dichloroacetyl", "二氯乙酰"), ("bromoacetyl", "溴乙酰"),
         ("phenylacetyl", "苯乙酰"), ("cinnamoyl", "肉桂酰"), ("lauroyl", "月桂酰"), ("palmitoyl", "棕榈酰"),
         ("stearoyl", "硬脂酰"), ("oleoyl", "油酰"), ("myristoyl", "肉豆蔻酰"), ("octanoyl", "辛酰"),
         ("hexanoyl", "己酰"), ("succinyl", "琥珀酰"), ("glutaryl", "戊二酰"), ("maleyl", "马来酰"),
         ("phthaloyl", "邻苯二甲酰"), ("salicyloyl", "水杨酰"), ("nicotinoyl", "烟酰"), ("isonicotinoyl", "异烟酰"),
         ("tosyl", "对甲苯磺酰"), ("mesyl", "甲磺酰"), ("dansyl", "丹磺酰"), ("carbamoyl", "氨甲酰"),
         ("toluoyl", "甲基苯甲酰"), ("anisoyl", "茴香酰"), ("furoyl", "呋喃甲酰"), ("crotonoyl", "巴豆酰"),
         ("crotonyl", "巴豆酰"), ("acryloyl", "丙烯酰"), ("methacryloyl", "甲基丙烯酰")]
# Parents an acyl group stands on directly: 苯甲酰乙酸, 苯甲酰丙酮, 乙酰水杨酸.
ACYL_PARENTS = [("acetic acid", "乙酸"), ("acetate", "乙酸酯"), ("acetone", "丙酮"), ("acetonitrile", "乙腈"),
                ("formic acid", "甲酸"), ("formate", "甲酸酯"), ("propionic acid", "丙酸"), ("propionate", "丙酸酯"),
                ("pyruvic acid", "丙酮酸"), ("pyruvate", "丙酮酸酯"), ("urea", "脲"), ("glycine", "甘氨酸"),
                ("salicylic acid", "水杨酸"), ("ferrocene", "二茂铁"), ("imidazole", "咪唑"), ("morpholine", "吗啉"),
                ("piperidine", "哌啶"), ("piperazine", "哌嗪"), ("pyrrolidine", "吡咯烷"), ("hydrazine", "肼"),
                ("thiourea", "硫脲"), ("guanidine", "胍"), ("indole", "吲哚"), ("carbazole", "咔唑")]
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
THREE_LETTER = [("Gly", "甘氨酸"), ("Ala", "丙氨酸"), ("Val", "缬氨酸"), ("Leu", "亮氨酸"), ("Ile", "异亮氨酸"),
                ("Pro", "脯氨酸"), ("Phe", "苯丙氨酸"), ("Trp", "色氨酸"), ("Met", "甲硫氨酸"), ("Ser", "丝氨酸"),
                ("Thr", "苏氨酸"), ("Cys", "半胱氨酸"), ("Tyr", "酪氨酸"), ("Asn", "天冬酰胺"), ("Gln", "谷氨酰胺"),
                ("Asp", "天冬氨酸"), ("Glu", "谷氨酸"), ("Lys", "赖氨酸"), ("Arg", "精氨酸"), ("His", "组氨酸"),
                ("Orn", "鸟氨酸"), ("Sar", "肌氨酸"), ("Nle", "正亮氨酸"), ("Nva", "正缬氨酸"), ("Phg", "苯甘氨酸"),
                ("Abu", "2-氨基丁酸"), ("Aib", "2-氨基异丁酸"), ("Hyp", "羟脯氨酸"), ("Cit", "瓜氨酸")]
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
GLYCOLS = [("ethylene glycol", "乙二醇"), ("diethylene glycol", "二乙二醇"), ("triethylene glycol", "三乙二醇"),
           ("tetraethylene glycol", "四乙二醇"), ("propylene glycol", "丙二醇"), ("dipropylene glycol", "二丙二醇"),
           ("tripropylene glycol", "三丙二醇"), ("di(ethylene glycol)", "二乙二醇"), ("tri(ethylene glycol)", "三乙二醇"),
           ("tetra(ethylene glycol)", "四乙二醇"), ("di(propylene glycol)", "二丙二醇"),
           ("tri(propylene glycol)", "三丙二醇")]
GLYCOL_ENDINGS = [("dimethyl ether", "二甲醚"), ("diethyl ether", "二乙醚"), ("dibutyl ether", "二丁醚"),
                  ("monomethyl ether", "单甲醚"), ("monoethyl ether", "单乙醚"), ("monobutyl ether", "单丁醚"),
                  ("monopropyl ether", "单丙醚"), ("monophenyl ether", "单苯醚"), ("methyl ether", "甲醚"),
                  ("ethyl ether", "乙醚"), ("butyl ether", "丁醚"), ("propyl ether", "丙醚"), ("phenyl ether", "苯醚"),
                  ("divinyl ether", "二乙烯基醚"), ("diglycidyl ether", "二缩水甘油醚"),
                  ("diacetate", "二乙酸酯"), ("diacrylate", "二丙烯酸酯"), ("dimethacrylate", "二甲基丙烯酸酯"),
                  ("dibenzoate", "二苯甲酸酯"), ("monomethyl ether acetate", "单甲醚乙酸酯"),
                  ("methyl ether acetate", "甲醚乙酸酯"), ("monoethyl ether acetate", "单乙醚乙酸酯"),
                  ("ethyl ether acetate", "乙醚乙酸酯"), ("monobutyl ether acetate", "单丁醚乙酸酯"),
                  ("butyl ether acetate", "丁醚乙酸酯")]


def glycol_ethers():
    rows = [(glycol, cn) for glycol, cn in GLYCOLS if "(" in glycol]
    for glycol, cn in GLYCOLS:
        rows += [(glycol + " " + ending, cn + ecn) for ending, ecn in GLYCOL_ENDINGS]
    return rows


# Groups that take multiplying prefixes beside those of the series
# (diisobutyl 二异丁基, dicyclopentyl 二环戊基).
MORE_MULTIPLIED = [("isobutyl", "异丁基"), ("sec-butyl", "仲丁基"), ("isopentyl", "异戊基"), ("neopentyl", "新戊基"),
                   ("cyclopentyl", "环戊基"), ("cyclopropyl", "环丙基"), ("cyclobutyl", "环丁基"), ("heptyl", "庚基"),
                   ("nonyl", "壬基"), ("decyl", "癸基"), ("dodecyl", "十二烷基"), ("tetradecyl", "十四烷基"),
                   ("hexadecyl", "十六烷基"), ("octadecyl", "十八烷基"), ("tolyl", "甲苯基"),
                   ("pyridyl", "吡啶基"), ("furfuryl", "糠基"), ("glycidyl", "缩水甘油基"), ("propargyl", "炔丙基"),
                   ("methallyl", "甲代烯丙基"), ("crotyl", "巴豆基"), ("isopropenyl", "异丙烯基"),
                   ("propenyl", "丙烯基"), ("butenyl", "丁烯基"), ("ethynyl", "乙炔基"), ("benzylidene", "亚苄基"),
                   ("cyclopentadienyl", "环戊二烯基"), ("trifluoromethyl", "三氟甲基"), ("isocyanato", "异氰酸基"),
                   ("isothiocyanato", "异硫氰酸基"), ("tert-pentyl", "叔戊基"), ("tert-amyl", "叔戊基"),
                   ("amyl", "戊基"), ("isoamyl", "异戊基"), ("sec-amyl", "仲戊基"), ("cyclooctyl", "环辛基"),
                   ("cycloheptyl", "环庚基"), ("methoxyethyl", "甲氧乙基"), ("ethoxyethyl", "乙氧乙基")]


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
RING_ACIDS = [("naphthoic", "萘甲酸", None), ("naphthalic", "萘二甲酸", None), ("anthroic", "蒽甲酸", None),
              ("phenanthroic", "菲甲酸", None), ("pyrenoic", "芘甲酸", None)]


def ring_acids():
    return vocabulary.trivial_acids(RING_ACIDS, {"naphthalic"})


# Alkyl dihalides named after the alkylene group (methylene bromide 二溴甲烷).
ALKYLENE_HALIDES = [("methylene", "甲烷", ""), ("ethylene", "乙烷", "1,2-"), ("ethylidene", "乙烷", "1,1-"),
                    ("trimethylene", "丙烷", "1,3-"), ("propylene", "丙烷", "1,2-"), ("tetramethylene", "丁烷", "1,4-")]
HALIDES = [("fluoride", "氟"), ("chloride", "氯"), ("bromide", "溴"), ("iodide", "碘")]


def alkylene_halides():
    rows = []
    for group, parent, locants in ALKYLENE_HALIDES:
        for word, cn in HALIDES:
            whole = locants + "二" + cn + parent
            rows.append((group + " " + word, whole))
            rows.append((group + " di" + word, whole))
    return rows


# Inositols by configuration prefix.
INOSITOLS = [("myo", "肌"), ("scyllo", "鲨肌"), ("chiro", "手性肌"), ("D-chiro", "D-手性肌"), ("L-chiro", "L-手性肌"),
             ("neo", "新肌"), ("epi", "表肌"), ("muco", "黏肌"), ("allo", "别肌"), ("cis", "顺肌")]


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
SATURATED_RINGS = [("piperidin", "哌啶"), ("pyrrolidin", "吡咯烷"), ("piperazin", "哌嗪"), ("morpholin", "吗啉"),
                   ("azetidin", "氮杂环丁"), ("quinuclidin", "奎宁环"), ("homopiperidin", "高哌啶"),
                   ("homopiperazin", "高哌嗪"), ("thiomorpholin", "硫代吗啉"), ("imidazolidin", "咪唑烷"),
                   ("oxazolidin", "噁唑烷"), ("thiazolidin", "噻唑烷"), ("pyrazolidin", "吡唑烷")]
RING_SUFFIXES = [("ol", "醇"), ("one", "酮"), ("amine", "胺"), ("diol", "二醇"), ("dione", "二酮"),
                 ("emethanol", "甲醇"), ("eethanol", "乙醇"), ("emethanamine", "甲胺"), ("eethanamine", "乙胺"),
                 ("ecarboxylic acid", "甲酸"), ("ecarboxamide", "甲酰胺"), ("ecarbonitrile", "甲腈"),
                 ("ecarboxylate", "甲酸酯"), ("ecarboxaldehyde", "甲醛"), ("ylidene", "亚基")]
# Short forms of the ring ketones: 哌啶酮, 吡咯烷酮.
RING_KETONES = [("piperidone", "哌啶酮"), ("pyrrolidone", "吡咯烷酮"), ("piperazinedione", "哌嗪二酮"),
                ("quinuclidone", "奎宁环酮"), ("tropinone", "托品酮"), ("azetidone", "氮杂环丁酮")]


def saturated_rings():
    rows = [(ring + suffix, cn + scn) for ring, cn in SATURATED_RINGS for suffix, scn in RING_SUFFIXES]
    return rows + RING_KETONES


# Acids CAS names with their formula in brackets: "Boric acid (H3BO3),
# trimethyl ester" 硼酸三甲酯.
FORMULA_ACIDS = [("boric acid (H3BO3)", "硼酸"), ("boric acid (HBO2)", "偏硼酸"), ("silicic acid (H4SiO4)", "硅酸"),
                 ("silicic acid (H2SiO3)", "偏硅酸"), ("phosphoric acid (H3PO4)", "磷酸"),
                 ("phosphonic acid (H3PO3)", "亚磷酸"), ("periodic acid (HIO4)", "高碘酸"),
                 ("periodic acid (H5IO6)", "高碘酸"), ("telluric acid (H6TeO6)", "碲酸"), ("selenious acid (H2SeO3)", "亚硒酸"),
                 ("carbonic acid (H2CO3)", "碳酸"), ("sulfurous acid (H2SO3)", "亚硫酸"), ("titanic acid (H4TiO4)", "钛酸"),
                 ("molybdic acid (H2MoO4)", "钼酸"), ("tungstic acid (H2WO4)", "钨酸"), ("vanadic acid (HVO3)", "偏钒酸")]
# Cations of CAS salt names with the ratio: "Acetic acid, lead(2+) salt (2:1)".
CAS_SALT_CATIONS = [("lead(2+)", "铅"), ("cobalt(2+)", "钴"), ("nickel(2+)", "镍"), ("manganese(2+)", "锰"),
                    ("tin(2+)", "亚锡"), ("strontium", "锶"), ("cesium", "铯"), ("rubidium", "铷"), ("cadmium", "镉"),
                    ("mercury(2+)", "汞"), ("chromium(3+)", "铬"), ("iron(3+)", "铁"), ("copper(1+)", "亚铜"),
                    ("bismuth(3+)", "铋"), ("cerium(3+)", "铈"), ("lanthanum(3+)", "镧"), ("zirconium(4+)", "锆"),
                    ("cobalt(3+)", "钴"), ("palladium(2+)", "钯"), ("silver", "银"), ("copper", "铜")]
RATIOS = ["1:1", "1:2", "1:3", "1:4", "2:1", "3:1", "4:1", "2:3", "3:2"]


def cas_salts():
    rows = []
    for cation, cn in CAS_SALT_CATIONS:
        rows += [(cation + " salt (" + ratio + ")", cn) for ratio in RATIOS]
        if "(" not in cation:
            rows.append((cation + " salt", cn))
    return rows


# The diazo group before the acid it stands on (ethyl diazoacetate 重氮乙酸乙酯).
DIAZO_PARENTS = [("acetate", "乙酸酯"), ("acetic acid", "乙酸"), ("malonate", "丙二酸酯"), ("acetoacetate", "乙酰乙酸酯"),
                 ("acetophenone", "苯乙酮"), ("acetone", "丙酮"), ("methane", "甲烷"), ("phosphonate", "膦酸酯")]
OTHER_GROUP_WORDS = [("crotonyl", "巴豆酰基"), ("crotonyl chloride", "巴豆酰氯"), ("silanamine", "硅胺"),
                     ("silanol", "硅醇"), ("silanediol", "硅二醇"), ("silanetriol", "硅三醇"),
                     ("2-propen-1-yl ester", "烯丙酯"), ("2-propyn-1-yl ester", "炔丙酯"),
                     ("2-propen-1-yl ester,", "烯丙酯"), ("2-propyn-1-yl ester,", "炔丙酯")]
# Groups before "ethyl ether": the whole entry "ethyl ether" (乙醚) would
# take the ethyl of butyl ethyl ether (丁基乙基醚).
MIXED_ETHER_GROUPS = [("methyl", "甲基"), ("propyl", "丙基"), ("butyl", "丁基"), ("isopropyl", "异丙基"),
                      ("isobutyl", "异丁基"), ("tert-butyl", "叔丁基"), ("sec-butyl", "仲丁基"), ("pentyl", "戊基"),
                      ("isopentyl", "异戊基"), ("hexyl", "己基"), ("octyl", "辛基"), ("vinyl", "乙烯基"),
                      ("allyl", "烯丙基"), ("phenyl", "苯基"), ("benzyl", "苄基"), ("cyclohexyl", "环己基"),
                      ("2-chloroethyl", "2-氯乙基"), ("glycidyl", "缩水甘油基")]


def other_words():
    rows = [("diazo" + parent, "重氮" + pcn) for parent, pcn in DIAZO_PARENTS]
    rows += [(group + " ethyl ether", gcn + " 乙基 醚") for group, gcn in MIXED_ETHER_GROUPS]
    return rows + FORMULA_ACIDS + cas_salts() + OTHER_GROUP_WORDS


# Silyl groups name their halides as halosilanes (三甲基氯硅烷).
SILYLS = [("trimethylsilyl", "三甲基"), ("triethylsilyl", "三乙基"), ("triisopropylsilyl", "三异丙基"),
          ("tert-butyldimethylsilyl", "叔丁基二甲基"), ("tert-butyldiphenylsilyl", "叔丁基二苯基"),
          ("dimethylphenylsilyl", "二甲基苯基"), ("triphenylsilyl", "三苯基"), ("dimethylsilyl", "二甲基"),
          ("diphenylmethylsilyl", "二苯基甲基"), ("thexyldimethylsilyl", "叔己基二甲基"),
          ("dimethyl-tert-butylsilyl", "叔丁基二甲基"), ("tributylsilyl", "三丁基"), ("tripropylsilyl", "三丙基")]


def silyl_halides():
    rows = []
    for silyl, cn in SILYLS:
        for word, hcn in HALIDES:
            rows.append((silyl + " " + word, cn + hcn + "硅烷"))
    return rows


# Positional forms of the anisyl words (p-anisaldehyde 对甲氧基苯甲醛).
POSITIONS = [("o-", "邻", "2-"), ("m-", "间", "3-"), ("p-", "对", "4-")]
ANIS_WORDS = [("anisaldehyde", "甲氧基苯甲醛"), ("anisic acid", "甲氧基苯甲酸"), ("anisidine", "甲氧基苯胺"),
              ("anisoyl chloride", "甲氧基苯甲酰氯"), ("anisoyl", "甲氧基苯甲酰基"), ("anisyl alcohol", "甲氧基苯甲醇"),
              ("anisyl", "甲氧基苄基"), ("anisate", "甲氧基苯甲酸酯"), ("anisonitrile", "甲氧基苯甲腈"),
              ("anisamide", "甲氧基苯甲酰胺"), ("anisole", "甲基苯甲醚")]


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
