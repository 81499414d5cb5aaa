"""Retained and trivial names used whole: drugs, natural products, dyes and
indicators, sugars and nucleosides, vitamins, steroids, reagent names,
protecting groups, solvents and polymers.

Each table holds one class, written from the accepted Chinese names (the
Chinese Pharmacopoeia and the Chinese INN list for drugs, the Chinese
Chemical Society's names elsewhere); a name whose Chinese is not settled is
left out. data/generate.py writes every table under its category.

A whole word fires wherever its letters stand, so a name that sits inside a
longer common word ("procaine" in "chloroprocaine", "dopa" in "carbidopa")
needs the longer word in a table too.
"""

from tables import family, table

# Drugs by their INN, with the other spellings pharmacopoeias and catalogues
# write (aciclovir/acyclovir, salbutamol/albuterol). A salt or ester word
# after the name (hydrochloride, sodium, maleate) is translated on its own.
DRUGS = family("retained-names.tsv", "drugs")

# Prodrug esters, acetonides and esters whose Chinese is irregular: the
# promoiety is written 酯 after the drug (头孢呋辛酯), a furoate is 糠酸.
DRUG_ESTERS = family("retained-names.tsv", "drug-esters")

# Veterinary drugs and the antibiotics and inhibitors of the laboratory.
VETERINARY = family("retained-names.tsv", "veterinary")

# Mycotoxins and other toxins.
TOXINS = family("retained-names.tsv", "toxins")

# Detergents and surfactants by trade or trivial name.
DETERGENTS = family("retained-names.tsv", "detergents")

# Quaternary ammonium drugs: the Chinese name holds the anion (异丙托溴铵).
QUATERNARY = family("retained-names.tsv", "quaternary")

# Pesticides and plant-growth regulators by their ISO common names.
PESTICIDES = family("retained-names.tsv", "pesticides")

# Food and cosmetic additives known by trivial names.
ADDITIVES = family("retained-names.tsv", "additives")

# Amino-acid anions of salts and esters (magnesium glycinate 甘氨酸镁).
AMINO_ANIONS = family("retained-names.tsv", "amino-anions")

# Salt and ester words of drug names (the acids of hydrochloride and
# mesylate are in the inorganic and acid tables).
SALT_WORDS = family("retained-names.tsv", "salt-words")

# Natural products: flavonoids, coumarins, quinones, terpenes, phenolics,
# glycosides, pigments and other plant and animal substances.
NATURAL = family("retained-names.tsv", "natural")

# Alkaloids.
ALKALOIDS = family("retained-names.tsv", "alkaloids")

# Steroid parents and sterols.
STEROIDS = family("retained-names.tsv", "steroids")

# Dyes, stains and indicators.
DYES = family("retained-names.tsv", "dyes")

# Sugars, glycosides, nucleosides and nucleotides not written by the other tables.
SUGARS = family("retained-names.tsv", "sugars")
# Sugar stems with their Chinese, for the pyranose/furanose words.
SUGAR_STEMS = family("retained-names.tsv", "sugar-stems")
NUCLEOSIDES = family("retained-names.tsv", "nucleosides")


def sugars():
    rows = list(SUGARS)
    for stem, cn in SUGAR_STEMS:
        for ring, rcn in (("pyran", "吡喃"), ("furan", "呋喃")):
            rows += [(stem + ring + "ose", rcn + cn), (stem + ring + "oside", rcn + cn + "苷"),
                     (stem + ring + "osyl", rcn + cn + "基"), (stem + ring + "osid", rcn + cn + "苷")]
    # ATP-style names: "guanosine triphosphate" 三磷酸鸟苷, with the 5'- locant too.
    for name, cn in NUCLEOSIDES:
        for word, wcn in (("monophosphate", "一磷酸"), ("diphosphate", "二磷酸"), ("triphosphate", "三磷酸")):
            rows.append((name + " " + word, wcn + cn))
            rows.append((name + " 5'-" + word, "5'-" + wcn + cn))
    return rows


# Vitamins and their esters.
VITAMINS = family("retained-names.tsv", "vitamins")

# Reagents known by a trivial or a person's name.
REAGENTS = family("retained-names.tsv", "reagents")

# Derivatives of common aldehydes and ketones named by class: "acetone oxime"
# 丙酮肟, "benzaldehyde phenylhydrazone" 苯甲醛苯腙. The whole name also keeps
# the shorter class words ("aldehyde oxime") from firing inside it.
ALDEHYDES = family("retained-names.tsv", "aldehydes")
KETONES = family("retained-names.tsv", "ketones")
CARBONYL_WORDS = family("retained-names.tsv", "carbonyl-words")
ACETAL_WORDS = family("retained-names.tsv", "acetal-words")
KETAL_WORDS = family("retained-names.tsv", "ketal-words")


def carbonyl_derivatives():
    rows = [(a + w, acn + wcn) for a, acn in ALDEHYDES for w, wcn in CARBONYL_WORDS + ACETAL_WORDS]
    return rows + [(k + w, kcn + wcn) for k, kcn in KETONES for w, wcn in CARBONYL_WORDS + KETAL_WORDS]

# Protecting groups written out, and amino acids written by their
# three-letter code between a protecting group and -OH or an ester
# (Boc-Gly-OH is Boc-甘氨酸); the abbreviations themselves stay as written.
PROTECTING = [(row["english"], row["chinese"]) for row in table("protecting-groups.tsv") if row["english"]]
AMINO_CODES = family("retained-names.tsv", "amino-codes")
AMINO_CODE_ENDS = family("retained-names.tsv", "amino-code-ends")


def protecting():
    rows = list(PROTECTING)
    for code, cn in AMINO_CODES:
        amide = cn[:-1] + "酰胺" if cn.endswith("酸") else cn
        for end, ecn in AMINO_CODE_ENDS:
            if ecn == "酰胺" and not cn.endswith("酸"):
                continue
            chinese = amide if ecn == "酰胺" else cn + ecn
            rows += [("-" + code + end, "-" + chinese), ("-l-" + code + end, "-L-" + chinese),
                     ("-d-" + code + end, "-D-" + chinese)]
    return rows


# Glycols and their ethers and esters. A longer glycol holds the shorter
# ("diethylene glycol" holds "ethylene glycol"), so every glycol takes every
# word, and the longer name is never read as the shorter one.
GLYCOLS = family("retained-names.tsv", "glycols")
GLYCOL_WORDS = family("retained-names.tsv", "glycol-words")


def glycols():
    return [(g + w, gcn + wcn) for g, gcn in GLYCOLS for w, wcn in GLYCOL_WORDS]


# Solvent trade names, polymers, excipients and natural materials.
POLYMERS = family("retained-names.tsv", "polymers")

# Acids whose -ate and anhydride the trivial-acid series adds (vocabulary.py
# reads this list): (the "-ic" word, Chinese acid).
ACIDS = family("retained-names.tsv", "acids")


def acids():
    """The acid and its -ate word (ascorbic acid, ascorbate)."""
    return [row for word, cn in ACIDS for row in ((word + " acid", cn), (word[:-2] + "ate", cn + "酯"))]


def tables():
    """(category, rows) of every table, in the order they are written."""
    return [("acid-anion", acids()), ("drug", DRUGS), ("drug-ester", DRUG_ESTERS), ("quaternary", QUATERNARY),
            ("pesticide", PESTICIDES), ("veterinary", VETERINARY), ("toxin", TOXINS),
            ("detergent", DETERGENTS), ("additive", ADDITIVES), ("salt-word", SALT_WORDS), ("amino-anion", AMINO_ANIONS), ("natural", NATURAL),
            ("alkaloid", ALKALOIDS), ("steroid", STEROIDS), ("dye", DYES), ("sugar", sugars()),
            ("vitamin", VITAMINS), ("reagent", REAGENTS), ("carbonyl-derivative", carbonyl_derivatives()), ("protecting", protecting()), ("glycol", glycols()),
            ("polymer", POLYMERS)]
