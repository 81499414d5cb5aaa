"""Organic vocabulary of the starter dictionary that follows regular series:
trivial acids and their derived words, retained names, rings and their
groups, substituent prefixes, amino acids, multipliers and descriptors.

Each function returns (English, Chinese) rows; data/generate.py writes
them into the table under their category. Names follow the Chinese Chemical
Society's 2017 rules. Keep every English form a whole morpheme: a short stem
alone ("acet", "sila") would fire inside unrelated words.
"""

from tables import family, table

# Trivial carboxylic acids (data/vocabulary/trivial-acids.tsv) and the words
# each gives (acid-templates.tsv); irregular-acid-forms.tsv corrects the
# derived words whose regular English or Chinese would be wrong.
YL = "-yl"
ACID_TEMPLATES = table("acid-templates.tsv")
IRREGULAR_ENGLISH = {row["regular"]: row["english"] for row in table("irregular-acid-forms.tsv") if row["english"]}
IRREGULAR_CHINESE = {row["regular"]: row["chinese"] for row in table("irregular-acid-forms.tsv") if row["chinese"]}


def acid_family(which):
    """(acid word, Chinese acid, acyl, derived forms, diacid chloride) of a
    family of data/vocabulary/trivial-acids.tsv."""
    return [(row["acid word"], row["chinese"], row["acyl"], row["derived forms"] == "yes",
             row["diacid chloride"] == "yes") for row in table("trivial-acids.tsv") if row["family"] == which]


def _acid_stem(word):
    base = word[:-2]  # acetic -> acet, benzoic -> benzo, maleic -> male
    bare = base[:-1] if base.endswith("o") else base  # benzo -> benz
    return base, bare


def _acid_kinds(acyl_kind, base, derived, diacid):
    kinds = {"every acid"}
    if derived:
        kinds.add("with derived forms")
        if diacid:
            kinds.add("with diacid chloride")
        if acyl_kind == YL and not base.endswith("o"):
            kinds.add("with an -yl acyl")
    return kinds


def trivial_acids(family_name="trivial"):
    rows = []
    for word, acid, acyl_kind, derived, diacid in acid_family(family_name):
        base, bare = _acid_stem(word)
        acyl = base + "yl" if acyl_kind == YL or base.endswith("o") else base + "oyl"
        parts = {"word": word, "base": base, "bare": bare, "acyl": acyl}
        kinds = _acid_kinds(acyl_kind, base, derived, diacid)
        for template in ACID_TEMPLATES:
            if template["acids"] in kinds:
                rows.append((template["english"].format(**parts),
                             template["chinese"].format(acid=acid, stem=acid[:-1])))
    return [(IRREGULAR_ENGLISH.get(english, english), IRREGULAR_CHINESE.get(english, chinese))
            for english, chinese in rows]


def acid_template_examples():
    """The acid templates whose worked example their own rows lack."""
    made = set(trivial_acids("trivial"))
    return [f"data/vocabulary/acid-templates.tsv: {t['english']}: {t['example']}" for t in ACID_TEMPLATES
            if tuple(t["example"].rsplit(" ", 1)) not in made]


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
