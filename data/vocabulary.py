"""Organic vocabulary of the starter dictionary that follows regular series:
trivial acids and their derived words, retained names, rings and their
groups, substituent prefixes, amino acids, multipliers and descriptors.

Each function returns (English, Chinese) rows; data/generate.py writes
them into the table under their category. Names follow the Chinese Chemical
Society's 2017 rules. Keep every English form a whole morpheme: a short stem
alone ("acet", "sila") would fire inside unrelated words.
"""

from tables import family

# Trivial carboxylic acids: (the "-ic" word, Chinese acid, acyl spelling).
# The acyl defaults to the stem + "oyl" (benzoyl, palmitoyl); the acids
# whose acyl is the stem + "yl" (acetyl, butyryl, oxalyl) say so.
YL = "yl"
TRIVIAL_ACIDS = [
    ("formic", "甲酸", YL), ("acetic", "乙酸", YL), ("propionic", "丙酸", YL), ("butyric", "丁酸", YL),
    ("isobutyric", "异丁酸", YL), ("valeric", "戊酸", YL), ("isovaleric", "异戊酸", YL),
    ("caproic", "己酸", None), ("isocaproic", "异己酸", None), ("enanthic", "庚酸", None),
    ("caprylic", "辛酸", None), ("pelargonic", "壬酸", None), ("capric", "癸酸", None),
    ("lauric", "月桂酸", None), ("myristic", "肉豆蔻酸", None), ("palmitic", "棕榈酸", None),
    ("margaric", "十七酸", None), ("stearic", "硬脂酸", None), ("isostearic", "异硬脂酸", None),
    ("arachidic", "花生酸", None), ("behenic", "山嵛酸", None), ("lignoceric", "木蜡酸", None),
    ("cerotic", "蜡酸", None), ("montanic", "褐煤酸", None), ("melissic", "蜂花酸", None),
    ("oleic", "油酸", None), ("elaidic", "反油酸", None), ("linoleic", "亚油酸", None),
    ("linolenic", "亚麻酸", None), ("arachidonic", "花生四烯酸", None), ("erucic", "芥酸", None),
    ("brassidic", "巴西烯酸", None), ("ricinoleic", "蓖麻油酸", None), ("palmitoleic", "棕榈油酸", None),
    ("myristoleic", "肉豆蔻油酸", None), ("vaccenic", "异油酸", None), ("petroselinic", "岩芹酸", None),
    ("nervonic", "神经酸", None), ("gadoleic", "鳕油酸", None), ("undecylenic", "十一碳烯酸", None),
    ("eleostearic", "桐酸", None), ("punicic", "石榴酸", None), ("stearidonic", "十八碳四烯酸", None),
    ("oxalic", "草酸", YL), ("malonic", "丙二酸", YL), ("succinic", "丁二酸", YL), ("glutaric", "戊二酸", YL),
    ("adipic", "己二酸", None), ("pimelic", "庚二酸", None), ("suberic", "辛二酸", None),
    ("azelaic", "壬二酸", None), ("sebacic", "癸二酸", None), ("brassylic", "十三烷二酸", None),
    ("thapsic", "十六烷二酸", None), ("isosuccinic", "甲基丙二酸", None),
    ("acrylic", "丙烯酸", None), ("methacrylic", "甲基丙烯酸", None), ("crotonic", "巴豆酸", None),
    ("isocrotonic", "异巴豆酸", None), ("maleic", "马来酸", None), ("fumaric", "富马酸", None),
    ("citraconic", "柠康酸", None), ("mesaconic", "中康酸", None), ("itaconic", "衣康酸", None),
    ("glutaconic", "戊烯二酸", None), ("tiglic", "惕格酸", None), ("angelic", "当归酸", None),
    ("senecioic", "千里光酸", None), ("sorbic", "山梨酸", None), ("propiolic", "丙炔酸", None),
    ("muconic", "黏康酸", None), ("aconitic", "乌头酸", None), ("geranic", "香叶酸", None),
    ("citronellic", "香茅酸", None), ("traumatic", "愈伤酸", None),
    ("glycolic", "乙醇酸", None), ("diglycolic", "二甘醇酸", None), ("thioglycolic", "巯基乙酸", None),
    ("lactic", "乳酸", None), ("hydracrylic", "3-羟基丙酸", None), ("glyceric", "甘油酸", None),
    ("malic", "苹果酸", None), ("thiomalic", "巯基丁二酸", None), ("tartaric", "酒石酸", None),
    ("citric", "柠檬酸", None), ("isocitric", "异柠檬酸", None), ("citramalic", "柠苹酸", None),
    ("tartronic", "羟基丙二酸", None), ("mesoxalic", "酮基丙二酸", None), ("dimercaptosuccinic", "二巯基丁二酸", None),
    ("pyruvic", "丙酮酸", None), ("acetoacetic", "乙酰乙酸", YL), ("levulinic", "乙酰丙酸", None),
    ("glyoxylic", "乙醛酸", None), ("oxaloacetic", "草酰乙酸", None), ("oxalacetic", "草酰乙酸", None),
    ("mandelic", "扁桃酸", None), ("benzilic", "二苯乙醇酸", None), ("tropic", "托品酸", None),
    ("atropic", "阿托酸", None), ("hydratropic", "氢化阿托酸", None), ("atrolactic", "阿卓乳酸", None),
    ("glycidic", "缩水甘油酸", None), ("pivalic", "新戊酸", None), ("valproic", "丙戊酸", None),
    ("benzoic", "苯甲酸", None), ("phthalic", "邻苯二甲酸", None), ("isophthalic", "间苯二甲酸", None),
    ("terephthalic", "对苯二甲酸", None), ("homophthalic", "高邻苯二甲酸", None),
    ("salicylic", "水杨酸", None), ("thiosalicylic", "硫代水杨酸", None), ("anthranilic", "邻氨基苯甲酸", None),
    ("toluic", "甲基苯甲酸", None), ("anisic", "茴香酸", None), ("cinnamic", "肉桂酸", None),
    ("hydrocinnamic", "氢化肉桂酸", None), ("coumaric", "香豆酸", None), ("caffeic", "咖啡酸", None),
    ("ferulic", "阿魏酸", None), ("isoferulic", "异阿魏酸", None), ("sinapic", "芥子酸", None),
    ("gallic", "没食子酸", None), ("protocatechuic", "原儿茶酸", None), ("vanillic", "香草酸", None),
    ("isovanillic", "异香草酸", None), ("homovanillic", "高香草酸", None), ("veratric", "藜芦酸", None),
    ("homoveratric", "高藜芦酸", None), ("gentisic", "龙胆酸", None), ("homogentisic", "尿黑酸", None),
    ("syringic", "丁香酸", None), ("piperonylic", "胡椒酸", None), ("orsellinic", "苔色酸", None),
    ("mellitic", "苯六甲酸", None), ("trimellitic", "偏苯三酸", None), ("trimesic", "均苯三酸", None),
    ("hemimellitic", "连苯三酸", None), ("pyromellitic", "均苯四酸", None), ("prehnitic", "连苯四酸", None),
    ("uvitic", "5-甲基间苯二甲酸", None), ("phloretic", "根皮酸", None), ("cresotic", "甲酚酸", None),
    ("nicotinic", "烟酸", None), ("isonicotinic", "异烟酸", None), ("picolinic", "吡啶-2-甲酸", None),
    ("dipicolinic", "吡啶-2,6-二甲酸", None), ("quinolinic", "吡啶-2,3-二甲酸", None),
    ("cinchomeronic", "吡啶-3,4-二甲酸", None), ("isocinchomeronic", "吡啶-2,5-二甲酸", None),
    ("lutidinic", "吡啶-2,4-二甲酸", None), ("pipecolic", "哌啶-2-甲酸", None), ("pipecolinic", "哌啶-2-甲酸", None),
    ("nipecotic", "哌啶-3-甲酸", None), ("isonipecotic", "哌啶-4-甲酸", None), ("quinaldic", "喹啉-2-甲酸", None),
    ("furoic", "呋喃甲酸", None), ("pyromucic", "呋喃甲酸", None), ("thenoic", "噻吩甲酸", None),
    ("hippuric", "马尿酸", None), ("aceturic", "乙酰甘氨酸", None), ("orotic", "乳清酸", None),
    ("folic", "叶酸", None), ("pteroic", "蝶酸", None), ("abietic", "松香酸", None), ("cholic", "胆酸", None),
    ("deoxycholic", "脱氧胆酸", None), ("lithocholic", "石胆酸", None), ("retinoic", "视黄酸", None),
    ("gluconic", "葡萄糖酸", None), ("glucuronic", "葡糖醛酸", None), ("glucaric", "葡糖二酸", None),
    ("galacturonic", "半乳糖醛酸", None), ("mucic", "黏酸", None), ("camphoric", "樟脑酸", None),
    ("quinic", "奎宁酸", None), ("shikimic", "莽草酸", None), ("allophanic", "脲基甲酸", None),
    ("oxanilic", "草酰苯胺酸", None), ("oxaluric", "草尿酸", None), ("hydantoic", "脲基乙酸", None),
    ("edetic", "依地酸", None), ("phytanic", "植烷酸", None), ("pristanic", "降植烷酸", None),
    ("vanillylmandelic", "香草扁桃酸", None), ("vanilmandelic", "香草扁桃酸", None),
    ("homoanisic", "高茴香酸", None), ("homoprotocatechuic", "高原儿茶酸", None),
    ("resorcylic", "二羟基苯甲酸", None), ("isodurylic", "异杜烯酸", None), ("durylic", "杜烯酸", None),
    ("naphthoic", "萘甲酸", None), ("naphthalic", "萘二甲酸", None),
]
# Words whose derived forms are irregular or would clash: no amide, nitrile
# or aldehyde is generated for these (mesoxalamide, citric nitrile...).
ACID_FORMS_ONLY = {"caproic", "isocaproic", "capric", "valproic", "citric", "isocitric", "tartaric", "malic", "gluconic", "glucuronic", "glucaric",
                   "galacturonic", "mucic", "quinic", "shikimic", "edetic", "folic", "pteroic", "cholic",
                   "deoxycholic", "lithocholic", "retinoic", "abietic", "orotic", "hippuric", "aceturic",
                   "oxaluric", "hydantoic", "allophanic", "oxanilic", "vanillylmandelic", "vanilmandelic",
                   "citramalic", "tartronic", "mesoxalic", "dimercaptosuccinic", "thiomalic", "phytanic",
                   "pristanic", "camphoric", "cresotic", "resorcylic", "isodurylic", "durylic", "aconitic",
                   "naphthalic"}


# Derived words whose regular Chinese would be wrong.
ACID_FORM_CHINESE = {"oxalaldehyde": "乙二醛", "oxalonitrile": "乙二腈"}
# Derived words whose English is irregular (tartaric acid, tartrate).
ACID_FORM_ENGLISH = {"tartarate": "tartrate", "mesotartarate": "mesotartrate"}


def _acid_stem(word):
    base = word[:-2]  # acetic -> acet, benzoic -> benzo, maleic -> male
    bare = base[:-1] if base.endswith("o") else base  # benzo -> benz
    return base, bare


def trivial_acids(table=None, forms_only=None):
    table = TRIVIAL_ACIDS if table is None else table
    forms_only = ACID_FORMS_ONLY if forms_only is None else forms_only
    rows = []
    for word, acid, acyl_kind in table:
        cn = acid[:-1]  # 乙酸 -> 乙
        base, bare = _acid_stem(word)
        acyl = base + "yl" if acyl_kind == YL or base.endswith("o") else base + "oyl"
        rows += [
            (word + " acid", acid),
            (base + "ate", acid + "酯"),
            (word + " anhydride", acid + "酐"),
        ]
        if word in forms_only:
            continue
        rows += [
            (acyl, cn + "酰基"),
            (acyl + " chloride", cn + "酰氯"),
            (acyl + " bromide", cn + "酰溴"),
            (acyl + "oxy", cn + "酰氧基"),
            (bare + "amide", cn + "酰胺"),
            (bare + "amido", cn + "酰氨基"),
            (bare + "onitrile", cn + "腈"),
            (bare + "amidine", cn + "脒"),
            (bare + "ohydrazide", cn + "酰肼"),
            (bare + "aldehyde", cn + "醛"),
        ]
        if "二" in cn or word in ("phthalic", "isophthalic", "terephthalic", "oxalic"):
            rows.append((acyl + " dichloride", cn + "酰氯"))  # the acid chloride of a diacid
        # CAS and older names also write the acyl with -oyl.
        if acyl_kind == YL and not base.endswith("o"):
            rows.append((base + "oyl", cn + "酰基"))
    return [(ACID_FORM_ENGLISH.get(english, english), ACID_FORM_CHINESE.get(english, chinese))
            for english, chinese in rows]


# Retained names used whole (OPSIN's simple groups and common reagents).
RETAINED = family("organic-families.tsv", "retained")

# Retained ring names missing from the heterocycle series, with the Chinese.
# A name that ends in "e" also gives its stem + "yl" as the group.
RINGS = family("organic-families.tsv", "rings")

# Substituent prefixes: (prefix, Chinese). Protecting-group abbreviations
# (Boc, Fmoc, Cbz, TBDMS) stay as written, as Chinese catalogues keep them.
SUBSTITUENTS = family("organic-families.tsv", "substituents")

# Amino acids: (name, Chinese). The acyl group (alanyl) and the homologue
# (homoalanine, 高丙氨酸) follow from the name.
AMINO_ACIDS = [
    ("alanine", "丙氨酸", "alanyl"), ("arginine", "精氨酸", "arginyl"), ("asparagine", "天冬酰胺", "asparaginyl"),
    ("aspartic acid", "天冬氨酸", "aspartyl"), ("cysteine", "半胱氨酸", "cysteinyl"),
    ("glutamine", "谷氨酰胺", "glutaminyl"), ("glutamic acid", "谷氨酸", "glutamyl"), ("glycine", "甘氨酸", "glycyl"),
    ("histidine", "组氨酸", "histidyl"), ("isoleucine", "异亮氨酸", "isoleucyl"), ("leucine", "亮氨酸", "leucyl"),
    ("lysine", "赖氨酸", "lysyl"), ("methionine", "甲硫氨酸", "methionyl"),
    ("phenylalanine", "苯丙氨酸", "phenylalanyl"), ("proline", "脯氨酸", "prolyl"), ("serine", "丝氨酸", "seryl"),
    ("threonine", "苏氨酸", "threonyl"), ("tryptophan", "色氨酸", "tryptophyl"), ("tyrosine", "酪氨酸", "tyrosyl"),
    ("valine", "缬氨酸", "valyl"), ("ornithine", "鸟氨酸", "ornithyl"), ("citrulline", "瓜氨酸", "citrullyl"),
    ("sarcosine", "肌氨酸", "sarcosyl"), ("norleucine", "正亮氨酸", "norleucyl"), ("norvaline", "正缬氨酸", "norvalyl"),
    ("selenocysteine", "硒代半胱氨酸", "selenocysteinyl"), ("hydroxyproline", "羟脯氨酸", "hydroxyprolyl"),
    ("hydroxylysine", "羟赖氨酸", "hydroxylysyl"), ("cystine", "胱氨酸", None), ("thyroxine", "甲状腺素", None),
    ("pyroglutamic acid", "焦谷氨酸", "pyroglutamyl"), ("phenylglycine", "苯甘氨酸", "phenylglycyl"),
    ("isoasparagine", "异天冬酰胺", None), ("cystathionine", "胱硫醚", None), ("isoglutamine", "异谷氨酰胺", None),
    ("alloisoleucine", "别异亮氨酸", None), ("selenomethionine", "硒代甲硫氨酸", None),
    ("telluromethionine", "碲代甲硫氨酸", None), ("allothreonine", "别苏氨酸", None), ("allysine", "醛赖氨酸", None),
    ("thyronine", "甲腺原氨酸", None), ("triiodothyronine", "三碘甲腺原氨酸", None),
    ("pyrrolysine", "吡咯赖氨酸", None), ("lanthionine", "羊毛硫氨酸", None), ("isoserine", "异丝氨酸", None),
    ("ethionine", "乙硫氨酸", None), ("canavanine", "刀豆氨酸", None), ("canaline", "刀豆球氨酸", None),
    ("isovaline", "异缬氨酸", None), ("penicillamine", "青霉胺", None), ("saccharopine", "酵母氨酸", None),
    ("dopa", "多巴", None), ("cysteamine", "半胱胺", None), ("cystamine", "胱胺", None),
    ("hypotaurine", "亚牛磺酸", None), ("homotaurine", "高牛磺酸", None), ("octopine", "章鱼碱", None),
    ("nopaline", "胭脂碱", None), ("pantetheine", "泛酰巯基乙胺", None), ("abrine", "相思子碱", None),
    ("guvacine", "槟榔次碱", None), ("theanine", "茶氨酸", None), ("alliin", "蒜氨酸", None),
    ("azaserine", "重氮丝氨酸", None), ("norcysteine", "降半胱氨酸", None), ("tert-leucine", "叔亮氨酸", None),
    ("diiodotyrosine", "二碘酪氨酸", None), ("monoiodotyrosine", "单碘酪氨酸", None),
    ("beta-alanine", "β-丙氨酸", "beta-alanyl"), ("gamma-aminobutyric acid", "γ-氨基丁酸", None),
    ("aminobutyric acid", "氨基丁酸", None), ("carnitine", "肉碱", None), ("creatine", "肌酸", None),
    ("creatinine", "肌酐", None), ("betaine", "甜菜碱", None), ("glutathione", "谷胱甘肽", None),
]
HOMOLOGUES = ("alanine", "arginine", "citrulline", "histidine", "leucine", "isoleucine", "lysine", "methionine",
              "phenylalanine", "proline", "tyrosine", "tryptophan", "glutamine", "asparagine", "threonine",
              "selenocysteine", "lanthionine", "cystine")


def amino_acids():
    rows = []
    for name, cn, acyl in AMINO_ACIDS:
        rows.append((name, cn))
        if acyl:
            acyl_cn = (cn[:-1] if cn.endswith("酸") else cn) + "酰基"
            rows.append((acyl, acyl_cn))
        if name in HOMOLOGUES:
            rows.append(("homo" + name, "高" + cn))
    return rows


def retained():
    return list(RETAINED)


def rings():
    rows = []
    for name, cn in RINGS:
        rows.append((name, cn))
        # The group: pyrylium and the like make none; a name ending in e
        # drops it (coumarone -> coumaronyl).
        if name.endswith(("ium", "yl")) or "-" in name or len(name) < 6:
            continue
        stem = name[:-1] if name.endswith("e") else name
        rows.append((stem + "yl", cn + "基"))
    return rows


def substituents():
    return list(SUBSTITUENTS)


# Straight-chain alkyls written with n- (n-butyl 正丁基). The prefix "n-"
# alone would fire inside "propan-2-ol", so every form is a whole word.
N_ALKYL_STEMS = family("organic-families.tsv", "n-alkyl-stems")


def n_alkyls():
    rows = []
    for stem, cn in N_ALKYL_STEMS:
        short = cn[:-1] if cn.endswith("烷") else cn  # 十二烷 -> 十二 for 醇, 胺
        rows += [
            ("n-" + stem + "yl", "正" + cn + "基"),
            ("n-" + stem + "ane", "正" + short + "烷"),
            ("n-" + stem + "anol", "正" + short + "醇"),
            ("n-" + stem + "yl alcohol", "正" + short + "醇"),
            ("n-" + stem + "ylamine", "正" + short + "胺"),
            ("n-" + stem + "oxy" if len(stem) <= 4 else "n-" + stem + "yloxy", "正" + cn + "氧基"),
        ]
        for prefix, pcn in (("di", "二"), ("tri", "三"), ("tetra", "四")):
            rows.append((prefix + "-n-" + stem + "yl", pcn + "正" + cn + "基"))
    rows.append(("n-butyllithium", "正丁基锂"))
    return rows


# Multiplying prefixes in front of a bracket (di(2-ethylhexyl), tris(...)).
BRACKET_MULTIPLIERS = family("organic-families.tsv", "bracket-multipliers")
# Numeral prefixes in front of a group: undeca-, dodeca-, ...; the Chinese
# numeral from the alkane stems.
GREEK_NUMERALS = family("organic-families.tsv", "greek-numerals")
NUMERAL_GROUPS = family("organic-families.tsv", "numeral-groups")
# Multipliers of groups in brackets (undecakis(...)) and of rings in von
# Baeyer names (pentacyclo[...]).
LARGE_MULTIPLIERS = family("organic-families.tsv", "large-multipliers")
GROUP_MULTIPLIERS = family("organic-families.tsv", "group-multipliers")
RING_ASSEMBLY = family("organic-families.tsv", "ring-assembly")
RING_ASSEMBLY_PARENTS = family("organic-families.tsv", "ring-assembly-parents")


def numerals():
    rows = list(BRACKET_MULTIPLIERS)
    for prefix, cn in GREEK_NUMERALS:
        rows += [(prefix + g, cn + gcn) for g, gcn in NUMERAL_GROUPS]
    for prefix, cn in GROUP_MULTIPLIERS:
        rows += [(prefix + "(" + g, cn + "(" + gcn) for g, gcn in (
            ("2-chloroethyl", "2-氯乙基"), ("2-hydroxyethyl", "2-羟乙基"), ("2-ethylhexyl", "2-乙基己基"),
            ("trimethylsilyl", "三甲基硅基"), ("triphenylphosphine", "三苯基膦"), ("diphenylphosphino", "二苯基膦基"),
            ("trifluoromethyl", "三氟甲基"), ("hydroxymethyl", "羟甲基"), ("dimethylamino", "二甲氨基"))]
        rows += [(prefix + g, cn + gcn) for g, gcn in (("(trimethylsilyl)", "(三甲基硅基)"),)]
    for prefix, cn in RING_ASSEMBLY:
        rows += [(prefix + p, cn + pcn + ("基" if p.endswith("yl") and not pcn.endswith("基") else ""))
                 for p, pcn in RING_ASSEMBLY_PARENTS]
    for prefix, cn in LARGE_MULTIPLIERS:
        rows.append((prefix + "kis(", cn + "("))
        rows.append((prefix + "cyclo", cn + "环"))
    rows += [("hemihydrate", "半水合物"), ("sesquihydrate", "倍半水合物"), ("hemisulfate", "半硫酸盐")]
    return rows


# Replacement ("a") prefixes after a locant: 9-borabicyclo[3.3.1]nonane,
# 1-silacyclohexane. Written with the hyphen, since the bare prefixes stand
# inside other words (silane, germane, phosphate); carba, phospha, inda,
# rhoda, titana and the like are left out for the same reason after a hyphen
# (5-carbamoyl, 5'-phosphate, 1H-indazole, rhodamine), and so are those the
# charged forms begin with (1-bromanida-, 1-stibanuida-).
REPLACEMENT = family("organic-families.tsv", "replacement")
ONIA = family("organic-families.tsv", "onia")
# Words a hyphenated prefix would bite, given whole first.
REPLACEMENT_SHIELDS = family("organic-families.tsv", "replacement-shields")


def replacement():
    rows = [("-" + prefix, "-" + cn + "杂") for prefix, cn in REPLACEMENT + ONIA]
    return rows + REPLACEMENT_SHIELDS


# Greek letters written out; "eta", "pi", "tau", "rho" and "nu" are left out
# because they stand inside too many words (acetate, pinene, taurine).
GREEK_LETTERS = family("organic-families.tsv", "greek-letters")


# Esters of polyols name the acid part with a multiplier: ethylene glycol
# diacetate, pentaerythritol tetraacrylate, glyceryl monostearate.
POLYOL_ACIDS = family("organic-families.tsv", "polyol-acids")
POLYOL_MULTIPLIERS = family("organic-families.tsv", "polyol-multipliers")


def polyol_esters():
    return [(m + acid, mcn + acn) for m, mcn in POLYOL_MULTIPLIERS for acid, acn in POLYOL_ACIDS]


def greek():
    return list(GREEK_LETTERS)
