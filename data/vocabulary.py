"""Organic vocabulary of the starter dictionary that follows regular series:
trivial acids and their derived words, retained names, rings and their
groups, substituent prefixes, amino acids, multipliers and descriptors.

Each function returns (English, Chinese) rows; data/generate.py writes
them into the table under their category. Names follow the Chinese Chemical
Society's 2017 rules. Keep every English form a whole morpheme: a short stem
alone ("acet", "sila") would fire inside unrelated words.
"""

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
RETAINED = [
    ("acetoin", "3-羟基丁-2-酮"), ("acetone cyanohydrin", "丙酮氰醇"), ("acetoxime", "丙酮肟"),
    ("acrolein", "丙烯醛"), ("methacrolein", "甲基丙烯醛"), ("agmatine", "胍丁胺"), ("allicin", "大蒜素"),
    ("anandamide", "花生四烯酸乙醇胺"), ("biacetyl", "丁二酮"), ("bicine", "N,N-二(2-羟乙基)甘氨酸"),
    ("tricine", "N-三(羟甲基)甲基甘氨酸"), ("biguanide", "双胍"), ("biuret", "缩二脲"), ("triuret", "缩三脲"),
    ("bromal", "三溴乙醛"), ("chloral", "三氯乙醛"), ("bromoform", "三溴甲烷"), ("iodoform", "三碘甲烷"),
    ("fluoroform", "三氟甲烷"), ("nitroform", "三硝基甲烷"), ("chloropicrin", "三氯硝基甲烷"),
    ("busulfan", "白消安"), ("cadaverine", "尸胺"), ("putrescine", "腐胺"), ("camphor", "樟脑"),
    ("camphorsulfonic acid", "樟脑磺酸"), ("camphor-10-sulfonic acid", "樟脑-10-磺酸"),
    ("camphorsulfonate", "樟脑磺酸酯"), ("camphorquinone", "樟脑醌"), ("carbinol", "甲醇"),
    ("cetane", "十六烷"), ("cetanol", "十六醇"), ("chloramine", "氯胺"), ("dichloramine", "二氯胺"),
    ("cyanuric acid", "氰尿酸"), ("isocyanuric acid", "异氰尿酸"), ("cyanuric chloride", "三聚氯氰"),
    ("dimercaprol", "二巯丙醇"), ("epibromohydrin", "环氧溴丙烷"), ("epifluorohydrin", "环氧氟丙烷"),
    ("epiiodohydrin", "环氧碘丙烷"), ("geranial", "香叶醛"), ("nerolidol", "橙花叔醇"),
    ("methylal", "甲缩醛"), ("phorone", "佛尔酮"), ("piperylene", "戊-1,3-二烯"), ("pristane", "姥鲛烷"),
    ("squalane", "角鲨烷"), ("sarin", "沙林"), ("soman", "梭曼"), ("tabun", "塔崩"),
    ("triglyme", "三甘醇二甲醚"), ("tetraglyme", "四甘醇二甲醚"), ("trometamol", "氨丁三醇"),
    ("xanthate", "黄原酸酯"), ("xanthic acid", "黄原酸"), ("sulfamide", "硫酰胺"),
    ("diacetamide", "二乙酰胺"), ("triacetamide", "三乙酰胺"), ("dicyandiamide", "双氰胺"),
    ("dicyanamide", "二氰胺"), ("dichlorvos", "敌敌畏"), ("diazinon", "二嗪磷"), ("methamidophos", "甲胺磷"),
    ("methoxychlor", "甲氧滴滴涕"), ("oxybenzone", "羟苯甲酮"), ("pentazocine", "喷他佐辛"),
    ("sphingosine", "鞘氨醇"), ("sphinganine", "二氢鞘氨醇"), ("phytosphingosine", "植物鞘氨醇"),
    ("guanidinium", "胍鎓"), ("glycerone", "1,3-二羟基丙酮"), ("glycocyamine", "胍基乙酸"),
    ("paraben", "对羟基苯甲酸酯"), ("parabens", "对羟基苯甲酸酯类"), ("carboxylate", "甲酸酯"),
    ("trilaurin", "三月桂酸甘油酯"), ("trimyristin", "三肉豆蔻酸甘油酯"), ("tripalmitin", "三棕榈酸甘油酯"),
    ("tristearin", "三硬脂酸甘油酯"), ("triolein", "三油酸甘油酯"), ("isourea", "异脲"),
    ("isothiourea", "异硫脲"), ("isosemicarbazide", "异氨基脲"), ("thiuram disulfide", "二硫化秋兰姆"),
    ("thiuram monosulfide", "一硫化秋兰姆"), ("dipentaerythritol", "双季戊四醇"),
    ("tripentaerythritol", "三季戊四醇"), ("crotonylene", "丁-2-炔"), ("erythrene", "丁-1,3-二烯"),
    ("vinylene", "亚乙烯基"), ("oxaldehyde", "乙二醛"), ("glyoxime", "乙二肟"), ("triptane", "2,2,3-三甲基丁烷"),
    ("propione", "戊-3-酮"), ("rhodinol", "玫红醇"), ("bombykol", "蚕蛾醇"), ("alpha-farnesene", "α-法尼烯"),
    ("beta-farnesene", "β-法尼烯"), ("farnesene", "法尼烯"), ("felbinac", "联苯乙酸"),
    ("hexametapol", "六甲基磷酰三胺"), ("neurine", "神经碱"), ("thiosinamine", "烯丙基硫脲"),
    ("triclofos", "三氯福司"), ("carbonohydrazide", "碳酰肼"), ("carbohydrazide", "碳酰肼"),
    ("peracetic acid", "过氧乙酸"), ("performic acid", "过氧甲酸"), ("peracetate", "过氧乙酸酯"),
    ("performate", "过氧甲酸酯"), ("chlorobenzilate", "乙酯杀螨醇"), ("oxolinic acid", "奥索利酸"),
    ("coenzyme a", "辅酶A"), ("nitrone", "硝酮"), ("carbenium", "碳正离子"), ("cyanic acid", "氰酸"),
    ("isocyanic acid", "异氰酸"), ("isothiocyanic acid", "异硫氰酸"), ("diepoxybutane", "二环氧丁烷"),
    ("phytantriol", "植烷三醇"), ("dimethylol ethylene urea", "二羟甲基乙烯脲"), ("diazolidinylurea", "重氮烷基咪唑脲"),
    ("tetrakis(hydroxymethyl)phosphonium", "四(羟甲基)鏻"), ("leucinic acid", "2-羟基-4-甲基戊酸"),
    ("capraldehyde", "癸醛"), ("capramide", "癸酰胺"), ("caprate", "癸酸酯"), ("caprinitrile", "癸腈"),
    ("squalene", "角鲨烯"), ("lycopene", "番茄红素"), ("ferrocene", "二茂铁"), ("ferrocenyl", "二茂铁基"),
    ("ferrocenecarboxaldehyde", "二茂铁甲醛"), ("ferrocenecarboxylic acid", "二茂铁甲酸"),
    ("cobaltocene", "二茂钴"), ("nickelocene", "二茂镍"), ("chromocene", "二茂铬"), ("ruthenocene", "二茂钌"),
    ("osmocene", "二茂锇"), ("titanocene", "二茂钛"), ("zirconocene", "二茂锆"), ("vanadocene", "二茂钒"),
    ("titanocene dichloride", "二氯二茂钛"), ("zirconocene dichloride", "二氯二茂锆"),
    ("crown ether", "冠醚"), ("-crown-", "-冠-"), ("cryptand", "穴醚"), ("calixarene", "杯芳烃"),
    ("cyclodextrin", "环糊精"), ("picolyl", "吡啶甲基"), ("picolylamine", "吡啶甲胺"),
    ("mercaptan", "硫醇"), ("mercaptans", "硫醇类"), ("phosphonate", "膦酸酯"), ("phosphonic acid", "膦酸"),
    ("phosphinate", "次膦酸酯"), ("phosphinic acid", "次膦酸"), ("phosphonite", "亚膦酸酯"),
    ("phosphinite", "亚次膦酸酯"), ("phosphoramidite", "亚磷酰胺"), ("phosphoramidate", "氨基磷酸酯"),
    ("phosphorothioate", "硫代磷酸酯"), ("phosphorodithioate", "二硫代磷酸酯"),
    ("sulfonate", "磺酸酯"), ("sulfinate", "亚磺酸酯"), ("sulfinic acid", "亚磺酸"), ("sulfenic acid", "次磺酸"),
    ("sulfonyl chloride", "磺酰氯"), ("sulfonyl fluoride", "磺酰氟"), ("sulfinyl chloride", "亚磺酰氯"),
    ("sulfonamide", "磺酰胺"), ("sulfonamido", "磺酰氨基"), ("sulfonyl", "磺酰基"),
    ("carbothioamide", "硫代甲酰胺"),
    ("carboximidamide", "甲脒"), ("carbohydrazide", "碳酰肼"), ("carbaldehyde", "甲醛"),
    ("isocyanate", "异氰酸酯"), ("isothiocyanate", "异硫氰酸酯"),
    ("carbamate", "氨基甲酸酯"), ("dithiocarbamate", "二硫代氨基甲酸酯"),
    ("thiocarbamate", "硫代氨基甲酸酯"), ("boronic acid", "硼酸"), ("boronate", "硼酸酯"),
    ("boronic acid pinacol ester", "硼酸频哪醇酯"), ("boronic pinacol ester", "硼酸频哪醇酯"),
    ("pinacol ester", "频哪醇酯"), ("hydroxamic acid", "异羟肟酸"), ("hydroxamate", "异羟肟酸酯"),
    ("thioate", "硫代酸酯"), ("dithioate", "二硫代酸酯"), ("peroxoate", "过氧酸酯"), ("olide", "内酯"),
    ("-olide", "-内酯"), ("glycolide", "乙交酯"), ("lactide", "丙交酯"), ("lactone", "内酯"), ("lactam", "内酰胺"), ("sultone", "磺内酯"), ("sultam", "磺内酰胺"),
    ("anilide", "酰苯胺"), ("ophenone", "苯酮"), ("onaphthone", "萘酮"),
    ("dicarboximide", "二甲酰亚胺"), ("carbolactone", "甲内酯"), ("hydroperoxide", "过氧化氢"),
    ("thioether", "硫醚"), 
    ("-trithiol", "-三硫醇"), ("-tetrone", "-四酮"), ("-tetraol", "-四醇"), ("-pentol", "-五醇"),
    ("-hexol", "-六醇"), ("-heptol", "-七醇"), ("-octol", "-八醇"), ("amidine", "脒"), ("amidinium", "脒鎓"),
    ("amidrazone", "脒腙"), ("sulfenamide", "次磺酰胺"), ("sulfenate", "次磺酸酯"), ("iminium", "亚胺鎓"),
    ("-olate", "-醇盐"), ("-triamine", "-三胺"), ("-tetramine", "-四胺"), ("-tetraamine", "-四胺"),
    ("-dicarboxylic acid", "-二甲酸"), ("-tricarboxylic acid", "-三甲酸"), ("-tetracarboxylic acid", "-四甲酸"),
    ("-dicarbonitrile", "-二甲腈"), ("-dicarbaldehyde", "-二甲醛"), ("-dicarboxamide", "-二甲酰胺"),
    ("-disulfonic acid", "-二磺酸"), ("-dithione", "-二硫酮"), ("-thione", "-硫酮"),
    ("glycolate", "乙醇酸酯"), ("glycolic", "乙醇酸"), ("glycolaldehyde", "乙醇醛"),
    ("glycolamide", "乙醇酰胺"), ("glycolonitrile", "乙醇腈"), ("glycolyl", "乙醇酰基"),
    ("glycerate", "甘油酸酯"), ("lactamide", "乳酰胺"), ("lactonitrile", "乳腈"),
    ("crotonaldehyde", "巴豆醛"), ("crotononitrile", "巴豆腈"), ("crotyl", "巴豆基"), ("isocrotyl", "异巴豆基"),
    ("crotyl alcohol", "巴豆醇"), ("vanillyl alcohol", "香草醇"), ("anisyl alcohol", "茴香醇"),
    ("piperonyl alcohol", "胡椒醇"), ("veratryl alcohol", "藜芦醇"), ("salicyl alcohol", "水杨醇"),
    ("coniferyl alcohol", "松柏醇"), ("homovanillyl alcohol", "高香草醇"),
    # "methyl ether" given word by word, so that "ethyl ether" (乙醚) cannot
    # fire inside it (chloromethyl ether, monomethyl ether).
    ("methyl ether", "甲基 醚"), ("monomethyl ether", "单甲醚"), ("monoethyl ether", "单乙醚"), ("monobutyl ether", "单丁醚"), ("phenylacetate", "苯乙酸酯"),
    ("dithiol", "二硫醇"), ("dithiole", "二硫杂环戊二烯"), ("phosphonium", "鏻"),
    ("phosphoranylidene", "正膦亚基"), ("1-oxyl", "1-氧自由基"), ("-1-oxyl", "-1-氧自由基"), ("N-oxyl", "N-氧自由基"),
    ("Dess-Martin periodinane", "戴斯-马丁氧化剂"), ("periodinane", "高价碘试剂"),
    ("sulfonic anhydride", "磺酸酐"), ("trifluoromethanesulfonic anhydride", "三氟甲磺酸酐"),
    ("methanesulfonic anhydride", "甲磺酸酐"), ("triflic anhydride", "三氟甲磺酸酐"), ("triflic acid", "三氟甲磺酸"),
    ("isonicotinic acid hydrazide", "异烟肼"), ("diglycidyl", "二缩水甘油基"), ("triglycidyl", "三缩水甘油基"),
    ("glycidol", "缩水甘油"), ("chloroformate", "氯甲酸酯"), ("chloroformyl", "氯甲酰基"),
    ("hexamethylphosphoric triamide", "六甲基磷酰三胺"), ("diisobutylaluminium hydride", "二异丁基氢化铝"),
    ("diisobutylaluminum hydride", "二异丁基氢化铝"),
    # Five-letter ring names give their stem only before a locant: oxan-2-one.
    ("oxan-", "氧杂环己-"), ("oxanyl", "氧杂环己基"), ("dianiline", "二苯胺"), ("trianiline", "三苯胺"), ("tributyltin hydride", "三丁基氢化锡"),
    ("bovine serum albumin", "牛血清白蛋白"), ("serum albumin", "血清白蛋白"), ("hepes", "羟乙基哌嗪乙磺酸"),
    ("tween", "吐温"), ("coomassie brilliant blue", "考马斯亮蓝"), ("aminium", "铵"), ("-aminium", "-铵"),
    ("tfa", "三氟乙酸"), ("bistriflimide", "双三氟甲磺酰亚胺"), ("triflimide", "双三氟甲磺酰亚胺"),
    ("azobenzene", "偶氮苯"), ("azoxybenzene", "氧化偶氮苯"), ("azodicarbonamide", "偶氮二甲酰胺"),
    ("azodicarboxylate", "偶氮二甲酸酯"), ("azodicarboxylic acid", "偶氮二甲酸"), ("azodicarbonyl", "偶氮二甲酰基"),
    (")azo", ")偶氮"), ("]azo", "]偶氮"), ("azo dye", "偶氮染料"), ("azo-", "偶氮-"),
    ("dione", "二酮"), ("trione", "三酮"), ("furanone", "呋喃酮"), ("pyranone", "吡喃酮"), ("anthracenone", "蒽酮"),
    ("naphthalenone", "萘酮"), ("furandione", "呋喃二酮"), ("hydroxyquinoline", "羟基喹啉"),
    ("hydroxyquinolin", "羟基喹啉"), ("anhydrous", "无水"), ("besylate", "苯磺酸盐"), ("benzalkonium", "苯扎铵"),
    ("benzalkonium chloride", "苯扎氯铵"), ("benzalkonium bromide", "苯扎溴铵"),
    ("benzophenone hydrazone", "二苯甲酮腙"), ("acetophenone hydrazone", "苯乙酮腙"),
    ("cyclohexanone hydrazone", "环己酮腙"), ("carbonochloridic acid", "氯甲酸"), ("carbonochloridate", "氯甲酸酯"),
    ("cyclosporin", "环孢素"), ("cyclosporine", "环孢素"), ("carbamide", "脲"),
    ("phosphomolybdic acid", "磷钼酸"), ("phosphotungstic acid", "磷钨酸"), ("stannane", "锡烷"),
    ("germane", "锗烷"), ("sulfonium", "锍"), ("sulfoxonium", "氧化锍"), ("diethyl etherate", "乙醚合物"),
    ("etherate", "醚合物"), ("phenethyl ester", "苯乙酯"), ("phenethyl ester,", "苯乙酯"),
    ("dichloroacetyl chloride", "二氯乙酰氯"), ("trichloroacetyl chloride", "三氯乙酰氯"),
    ("uronium", "脲鎓"), ("isouronium", "异脲鎓"), ("isothiouronium", "异硫脲鎓"), ("methyl vinyl ether", "甲基乙烯基醚"),
    ("orthoformate", "原甲酸酯"), ("orthoacetate", "原乙酸酯"), ("orthocarbonate", "原碳酸酯"),
    ("dicarbonate", "二碳酸酯"), ("pinacolato", "频哪醇合"), ("bis(pinacolato)diboron", "联硼酸频哪醇酯"),
    ("glycidyl", "缩水甘油基"), ("glyceryl", "甘油基"), ("butyrolactone", "丁内酯"), ("valerolactone", "戊内酯"),
    ("caprolactone", "己内酯"), ("propiolactone", "丙内酯"), ("thionyl", "亚硫酰基"), ("biphenyl ester", "联苯酯"), ("biphenyl ester,", "联苯酯"), ("cinnamyl", "肉桂基"), ("cinnamyl alcohol", "肉桂醇"),
    ("cinnamaldehyde", "肉桂醛"), ("tigloyl", "惕格酰基"), ("angeloyl", "当归酰基"),
    ("methylparaben", "对羟基苯甲酸甲酯"), ("ethylparaben", "对羟基苯甲酸乙酯"), ("propylparaben", "对羟基苯甲酸丙酯"),
    ("butylparaben", "对羟基苯甲酸丁酯"), ("xylylene", "亚二甲苯基"), ("pyromellitic dianhydride", "均苯四甲酸二酐"),
]

# Retained ring names missing from the heterocycle series, with the Chinese.
# A name that ends in "e" also gives its stem + "yl" as the group.
RINGS = [
    ("alloxan", "四氧嘧啶"), ("anethole", "茴香脑"), ("benzanthrone", "苯并蒽酮"), ("benzidine", "联苯胺"),
    ("benzotrifluoride", "三氟甲苯"), ("benzotrichloride", "三氯甲苯"), ("benzotribromide", "三溴甲苯"),
    ("benzyne", "苯炔"), ("bibenzyl", "联苄"), ("collidine", "三甲基吡啶"), ("coumarone", "香豆酮"),
    ("coumaran", "2,3-二氢苯并呋喃"), ("ethylenimine", "氮丙啶"), ("fulvene", "富烯"), ("furoxan", "氧化呋咱"),
    ("homopiperazine", "高哌嗪"), ("homopiperidine", "高哌啶"), ("homomorpholine", "高吗啉"),
    ("isosafrole", "异黄樟素"), ("safrole", "黄樟素"), ("lepidine", "4-甲基喹啉"), ("lutidine", "二甲基吡啶"),
    ("picoline", "甲基吡啶"), ("oxindole", "吲哚-2-酮"), ("phthalide", "苯酞"), ("pyrylium", "吡喃鎓"),
    ("quinaldine", "2-甲基喹啉"), ("rhodanine", "绕丹宁"), ("skatole", "3-甲基吲哚"), ("sulfolene", "环丁烯砜"),
    ("tetralone", "四氢萘酮"), ("tolan", "二苯乙炔"), ("tolane", "二苯乙炔"), ("veratrole", "1,2-二甲氧基苯"),
    ("urazole", "尿唑"), ("pseudocumene", "偏三甲苯"), ("hemimellitene", "连三甲苯"), ("isodurene", "异杜烯"),
    ("prehnitene", "连四甲苯"), ("tritan", "三苯甲烷"), ("harmine", "骆驼蓬碱"), ("harman", "哈尔满"),
    ("harmane", "哈尔满"), ("isoquinolone", "异喹诺酮"), ("quinolone", "喹诺酮"), ("isocytosine", "异胞嘧啶"),
    ("isoguanine", "异鸟嘌呤"), ("xanthosine", "黄苷"), ("orotidine", "乳清苷"), ("pseudouridine", "假尿苷"),
    ("isocytidine", "异胞苷"), ("isoguanosine", "异鸟苷"), ("idoxuridine", "碘苷"),
    ("apigenin", "芹菜素"), ("genistein", "染料木素"), ("genistin", "染料木苷"), ("luteolin", "木犀草素"),
    ("naringenin", "柚皮素"), ("quercetin", "槲皮素"), ("taxifolin", "花旗松素"), ("cyanidin", "矢车菊素"),
    ("diosmetin", "香叶木素"), ("aromadendrin", "香橙素"), ("isoflavan", "异黄烷"), ("neoflavone", "新黄酮"),
    ("aurone", "橙酮"), ("coumestan", "香豆雌烷"), ("rubicene", "玉红省"), ("cholanthrene", "胆蒽"),
    ("aceanthrylene", "醋蒽烯"), ("acephenanthrylene", "醋菲烯"), ("aceanthrene", "醋蒽"),
    ("acephenanthrene", "醋菲"), ("acenaphthoquinone", "苊醌"), ("naphthoquinone", "萘醌"),
    ("anthradiquinone", "蒽二醌"), ("as-triazine", "1,2,4-三嗪"), ("s-triazine", "1,3,5-三嗪"),
    ("isoselenazole", "异硒唑"), ("selenazole", "硒唑"), ("phenoselenazine", "吩硒嗪"),
    ("phenotellurazine", "吩碲嗪"), ("thiochromane", "硫色满"), ("thiochroman", "硫色满"),
    ("isothiochromane", "异硫色满"), ("isothiochroman", "异硫色满"), ("isochroman", "异色满"),
    ("chroman", "色满"), ("chromenylium", "色烯鎓"), ("flavylium", "2-苯基色烯鎓"), ("xanthylium", "呫吨鎓"),
    ("selenophene", "硒吩"), ("selenopyran", "硒杂吡喃"), ("telluropyran", "碲杂吡喃"),
    ("selenomorpholine", "硒代吗啉"), ("telluromorpholine", "碲代吗啉"), ("isothiazoline", "异噻唑啉"),
    ("isothiazolinone", "异噻唑啉酮"), ("carbostyril", "喹啉-2(1H)-酮"), ("isocarbostyril", "异喹啉-1(2H)-酮"),
    ("sulfolane", "环丁砜"), ("thiophane", "四氢噻吩"), ("pyrrolizidine", "吡咯里西啶"),
    ("indoxyl", "吲哚酚"), ("phenoxathiin", "吩噁噻"), ("trityl", "三苯甲基"), ("thianaphthene", "苯并噻吩"),
    ("indan-1-one", "茚满-1-酮"), ("indan-2-one", "茚满-2-酮"), ("indanone", "茚满酮"), ("indandione", "茚满二酮"),
    ("fluorenone", "芴酮"), ("anthrone", "蒽酮"), ("dibenzosuberone", "二苯并环庚酮"), ("tropolone", "环庚三烯酚酮"),
    ("tropone", "环庚三烯酮"), ("tropylium", "环庚三烯鎓"), ("azulene", "薁"), ("norbornane", "降冰片烷"),
    ("norbornene", "降冰片烯"), ("norbornadiene", "降冰片二烯"), ("adamantane", "金刚烷"), ("cubane", "立方烷"),
    ("twistane", "扭烷"), ("decalin", "十氢萘"), ("tetralin", "四氢萘"), ("hydrindane", "八氢茚"),
    ("cumene", "异丙苯"), ("cymene", "伞花烃"), ("durene", "均四甲苯"), ("stilbene", "二苯乙烯"),
    ("chalcone", "查耳酮"), ("dibenzylideneacetone", "二亚苄基丙酮"), ("benzophenone", "二苯甲酮"),
    ("acetophenone", "苯乙酮"), ("propiophenone", "苯丙酮"), ("butyrophenone", "苯丁酮"),
    ("deoxybenzoin", "脱氧安息香"), ("benzoin", "安息香"), ("benzil", "联苯甲酰"), ("hydrobenzoin", "氢化安息香"),
]

# Substituent prefixes: (prefix, Chinese). Protecting-group abbreviations
# (Boc, Fmoc, Cbz, TBDMS) stay as written, as Chinese catalogues keep them.
SUBSTITUENTS = [
    ("acetoxyl", "乙酰氧基"), ("acetamino", "乙酰氨基"), ("acetenyl", "乙炔基"), ("acroyl", "丙烯酰基"),
    ("methacroyl", "甲基丙烯酰基"),
    ("amidoxalyl", "草氨酰基"), ("aminoxy", "氨氧基"), ("aminooxy", "氨氧基"),
    ("amoxy", "戊氧基"), ("isoamoxy", "异戊氧基"), ("benzal", "亚苄基"), ("biphen-2-yl", "联苯-2-基"),
    ("biphen-3-yl", "联苯-3-基"), ("biphen-4-yl", "联苯-4-基"), ("biphenylyl", "联苯基"),
    ("biphenyl-2-yl", "联苯-2-基"), ("biphenyl-3-yl", "联苯-3-基"), ("biphenyl-4-yl", "联苯-4-基"),
    ("borono", "二羟硼基"), ("brosyl", "对溴苯磺酰基"), ("besyl", "苯磺酰基"), ("nosyl", "对硝基苯磺酰基"),
    ("butoxyl", "丁氧基"), ("ethoxyl", "乙氧基"), ("methoxyl", "甲氧基"), ("propoxyl", "丙氧基"),
    ("isopropoxyl", "异丙氧基"), ("isobutoxyl", "异丁氧基"), ("sec-butoxyl", "仲丁氧基"),
    ("tert-butoxyl", "叔丁氧基"), ("cacodyl", "二甲胂基"), ("carbamimidamido", "胍基"),
    ("carbethoxy", "乙氧羰基"), ("carboethoxy", "乙氧羰基"), ("carbomethoxy", "甲氧羰基"),
    ("carbmethoxy", "甲氧羰基"), ("carbopropoxy", "丙氧羰基"), ("carbobutoxy", "丁氧羰基"),
    ("carbobenzoxy", "苄氧羰基"), ("carbobenzyloxy", "苄氧羰基"), ("carbophenoxy", "苯氧羰基"),
    ("carboisopropoxy", "异丙氧羰基"), ("carbo-tert-butoxy", "叔丁氧羰基"),
    ("carvacryl", "香芹酚基"), ("cinnamal", "亚肉桂基"), ("cinnamylidene", "亚肉桂基"), ("cresyl", "甲苯基"),
    ("cuminyl", "枯茗基"), ("cumyl", "枯基"), ("cyanamido", "氰氨基"),
    ("cyclopentadienyl", "环戊二烯基"), ("dansyl", "丹磺酰基"), ("deuterio", "氘代"), ("diazonio", "重氮基"),
    ("duryl", "杜基"), ("eugenyl", "丁香酚基"), ("formimino", "甲亚氨基"), ("homoallyl", "高烯丙基"),
    ("morpholino", "吗啉-4-基"), ("piperidino", "哌啶-1-基"), ("piperazino", "哌嗪-1-基"),
    ("pyrrolidino", "吡咯烷-1-基"), ("homomorpholino", "高吗啉-4-基"), ("hydrazyl", "肼基"),
    ("isocyanyl", "异氰基"), ("isopentenyl", "异戊烯基"), ("prenyl", "异戊烯基"), ("geranyl", "香叶基"),
    ("neryl", "橙花基"), ("farnesyl", "法尼基"), ("linalyl", "芳樟基"), ("methallyl", "甲代烯丙基"),
    ("methylol", "羟甲基"), ("hydroxamino", "羟氨基"), ("hydroximino", "羟亚氨基"), ("oximino", "肟基"),
    ("nitramino", "硝氨基"), ("nitramido", "硝氨基"), ("nitroxy", "硝酰氧基"), ("nitrosyl", "亚硝酰基"),
    ("nitryl", "硝酰基"), ("phenetidino", "乙氧基苯氨基"), ("picryl", "2,4,6-三硝基苯基"),
    ("pinacolyl", "频哪基"), ("semicarbazido", "氨基脲基"), ("semicarbazono", "缩氨基脲基"),
    ("thymyl", "百里酚基"), ("toluidino", "甲苯氨基"), ("trifloxy", "三氟甲磺酰氧基"), ("tritio", "氚代"),
    ("xenyl", "联苯基"), ("xylidino", "二甲苯氨基"), ("ammonio", "铵基"), ("phosphonio", "鏻基"),
    ("sulfonio", "锍基"), ("iodonio", "碘鎓基"), ("arsono", "胂酸基"), ("isothiocyano", "异硫氰基"),
    ("selenocyano", "硒氰基"), ("isoselenocyano", "异硒氰基"), ("amidino", "脒基"), ("guanidino", "胍基"),
    ("oxalo", "羧羰基"), ("methoxalyl", "甲氧草酰基"), ("ethoxalyl", "乙氧草酰基"), ("perdeuterio", "全氘代"),
    ("pyridoxyl", "吡哆基"), ("tauryl", "牛磺酰基"), ("carbazono", "卡巴腙基"),
    ("hydroseleno", "硒羟基"), ("selanyl", "硒基"), ("sulfanyl", "硫基"), ("sulfinyl", "亚磺酰基"),
    ("sulfamoyl", "氨磺酰基"), ("phosphono", "膦酰基"), ("phosphinyl", "膦酰基"), ("phosphanyl", "膦基"),
    ("silyl", "硅基"), ("silyloxy", "硅氧基"), ("trimethylsilyl", "三甲基硅基"),
    ("triethylsilyl", "三乙基硅基"), ("triisopropylsilyl", "三异丙基硅基"), ("boryl", "硼基"),
    ("chlorocarbonyl", "氯甲酰基"), ("aminocarbonyl", "氨基甲酰基"), ("methoxycarbonyl", "甲氧羰基"),
    ("ethoxycarbonyl", "乙氧羰基"), ("phenoxycarbonyl", "苯氧羰基"), ("allyloxycarbonyl", "烯丙氧羰基"),
    ("thenyl", "噻吩甲基"), ("then-2-yl", "噻吩-2-基"), ("then-3-yl", "噻吩-3-基"), ("then-2-oyl", "噻吩-2-甲酰基"),
    ("then-3-oyl", "噻吩-3-甲酰基"), ("furfurylidene", "亚糠基"),
    ("anisyl", "茴香基"), ("anisoyl", "茴香酰基"), ("veratryl", "藜芦基"), ("piperonyl", "胡椒基"),
    ("salicyl", "水杨基"), ("vanillyl", "香草基"), ("naphthyl", "萘基"), ("naphthylmethyl", "萘甲基"),
    ("anthryl", "蒽基"), ("phenanthryl", "菲基"), ("pyrenyl", "芘基"), ("fluorenyl", "芴基"),
    ("fluorenylmethyl", "芴甲基"), ("indenyl", "茚基"), ("azulenyl", "薁基"), ("mesityl", "均三甲苯基"),
    ("tolyl", "甲苯基"), ("xylyl", "二甲苯基"), ("quinonyl", "醌基"), ("acenaphthenyl", "苊基"),
    ("acenaphthylenyl", "苊烯基"), ("fluoranthenyl", "荧蒽基"), ("biphenylenyl", "联亚苯基"),
    ("triphenylenyl", "三亚苯基"), ("perylenyl", "苝基"), ("coronenyl", "蔻基"), ("picenyl", "苉基"),
    ("naphthacenyl", "并四苯基"), ("tetracenyl", "并四苯基"), ("phenalenyl", "萉基"), ("ovalenyl", "卵苯基"),
    ("indanyl", "茚满基"), ("xylenyl", "二甲苯基"), ("cobaltocenyl", "二茂钴基"), ("nickelocenyl", "二茂镍基"),
    ("ruthenocenyl", "二茂钌基"), ("osmocenyl", "二茂锇基"), ("titanocenyl", "二茂钛基"),
    ("zirconocenyl", "二茂锆基"), ("vanadocenyl", "二茂钒基"), ("chromocenyl", "二茂铬基"),
    ("adeninyl", "腺嘌呤基"), ("guaninyl", "鸟嘌呤基"), ("cytosinyl", "胞嘧啶基"), ("thyminyl", "胸腺嘧啶基"),
    ("uracilyl", "尿嘧啶基"), ("xanthinyl", "黄嘌呤基"), ("hypoxanthinyl", "次黄嘌呤基"),
    ("adenosinyl", "腺苷基"), ("guanosinyl", "鸟苷基"), ("cytidinyl", "胞苷基"), ("uridinyl", "尿苷基"),
    ("thymidinyl", "胸苷基"), ("inosinyl", "肌苷基"), ("flavonyl", "黄酮基"), ("isoflavonyl", "异黄酮基"),
    ("flavanonyl", "黄烷酮基"), ("chromonyl", "色酮基"), ("anilinyl", "苯胺基"), ("toluidinyl", "甲苯胺基"),
    ("catecholyl", "邻苯二酚基"), ("resorcinolyl", "间苯二酚基"), ("guaiacolyl", "愈创木酚基"),
    ("eugenolyl", "丁香酚基"), ("mentholyl", "薄荷醇基"), ("borneolyl", "龙脑基"), ("isatinyl", "靛红基"),
    ("uridylyl", "尿苷酰基"), ("adenylyl", "腺苷酰基"), ("guanylyl", "鸟苷酰基"), ("cytidylyl", "胞苷酰基"),
    ("thymidylyl", "胸苷酰基"), 
    ("seleno", "硒代"), ("telluro", "碲代"), ("selenourea", "硒脲"), ("tellurourea", "碲脲"), ("homo", "高"),
    ("tertiary-", "叔"), ("tertiary", "叔"), ("styryl", "苯乙烯基"), ("cinnamoyl", "肉桂酰基"),
    ("phenacyl", "苯甲酰甲基"), ("phenylene", "亚苯基"), ("naphthylene", "亚萘基"),
]

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
N_ALKYL_STEMS = [("prop", "丙"), ("but", "丁"), ("pent", "戊"), ("hex", "己"), ("hept", "庚"), ("oct", "辛"),
                 ("non", "壬"), ("dec", "癸"), ("undec", "十一烷"), ("dodec", "十二烷"), ("tetradec", "十四烷"),
                 ("hexadec", "十六烷"), ("octadec", "十八烷")]


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
BRACKET_MULTIPLIERS = [
    ("di(", "二("), ("tri(", "三("), ("tetra(", "四("), ("penta(", "五("), ("hexa(", "六("),
    ("bi(", "联("), ("tris(", "三("), ("tetrakis(", "四("), ("pentakis(", "五("), ("hexakis(", "六("),
    ("heptakis(", "七("), ("octakis(", "八("), ("nonakis(", "九("), ("decakis(", "十("),
    ("bis[", "双["), ("tris[", "三["), ("tetrakis[", "四["), ("di[", "二["), ("tri[", "三["),
    ("mono(", "单("),
    # Ring assemblies after primed locants: 1,1'-bi-2-naphthol, 2,2'-bi(1H-imidazole).
    ("'-bi-", "'-联-"), ("'-bi(", "'-联("), ("binaphthol", "联萘酚"), ("bi-2-naphthol", "联-2-萘酚"),
    ("binaphthalene", "联萘"), ("bicyclohexyl", "联环己基"), ("bicyclohexane", "联环己烷"),
    # Multiplied aryl groups written with the position letter: tri-o-tolylphosphine.
    ("di-o-", "二邻"), ("di-m-", "二间"), ("di-p-", "二对"), ("tri-o-", "三邻"), ("tri-m-", "三间"), ("tri-p-", "三对"),
    ("tetra-n-", "四正"), ("tetra-o-", "四邻"),
]
# Numeral prefixes in front of a group: undeca-, dodeca-, ...; the Chinese
# numeral from the alkane stems.
GREEK_NUMERALS = [
    ("hepta", "七"), ("octa", "八"), ("nona", "九"), ("deca", "十"), ("undeca", "十一"), ("dodeca", "十二"),
    ("trideca", "十三"), ("tetradeca", "十四"), ("pentadeca", "十五"), ("hexadeca", "十六"),
    ("heptadeca", "十七"), ("octadeca", "十八"), ("nonadeca", "十九"), ("icosa", "二十"), ("eicosa", "二十"),
]
NUMERAL_GROUPS = [("methyl", "甲基"), ("ethyl", "乙基"), ("fluoro", "氟"), ("chloro", "氯"), ("bromo", "溴"),
                  ("hydro", "氢"), ("hydroxy", "羟基"), ("methoxy", "甲氧基"), ("acetyl", "乙酰基"),
                  ("methylene", "亚甲基"), ("phenyl", "苯基"), ("oxo", "氧亚基"), ("oxy", "氧基"),
                  ("iodo", "碘"), ("amino", "氨基"), ("nitro", "硝基"), ("deuterio", "氘代")]
# Multipliers of groups in brackets (undecakis(...)) and of rings in von
# Baeyer names (pentacyclo[...]).
LARGE_MULTIPLIERS = [("penta", "五"), ("hexa", "六"), ("hepta", "七"), ("octa", "八"), ("nona", "九"), ("deca", "十"),
                     ("undeca", "十一"), ("dodeca", "十二"), ("trideca", "十三"), ("tetradeca", "十四"),
                     ("pentadeca", "十五"), ("hexadeca", "十六"), ("heptadeca", "十七"), ("octadeca", "十八"),
                     ("nonadeca", "十九"), ("icosa", "二十"), ("eicosa", "二十"), ("henicosa", "二十一"),
                     ("heneicosa", "二十一"), ("docosa", "二十二"), ("tricosa", "二十三"), ("tetracosa", "二十四"),
                     ("pentacosa", "二十五"), ("hexacosa", "二十六"), ("heptacosa", "二十七"), ("octacosa", "二十八"),
                     ("nonacosa", "二十九"), ("triaconta", "三十")]
GROUP_MULTIPLIERS = [("bis", "双"), ("tris", "三"), ("tetrakis", "四"), ("pentakis", "五"), ("hexakis", "六")]
RING_ASSEMBLY = [("ter", "三联"), ("quater", "四联"), ("quinque", "五联"), ("sexi", "六联")]
RING_ASSEMBLY_PARENTS = [("phenyl", "苯"), ("pyridine", "吡啶"), ("pyridyl", "吡啶"), ("thiophene", "噻吩"),
                         ("naphthyl", "萘"), ("cyclohexyl", "环己基")]


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
REPLACEMENT = [("sila", "硅"), ("germa", "锗"), ("stanna", "锡"), ("bora", "硼"), ("arsa", "砷"), ("bisma", "铋"), ("selena", "硒"), ("tellura", "碲"),
               ("mercura", "汞"), ("zinca", "锌"), ("cadma", "镉"), ("cupra", "铜"), ("argenta", "银"),
               ("aura", "金"), ("ferra", "铁"), ("cobalta", "钴"), ("nickela", "镍"), ("pallada", "钯"),
               ("platina", "铂"), ("ruthena", "钌"), ("polona", "钋")]
ONIA = [("azonia", "氮鎓"), ("oxonia", "氧鎓"), ("thionia", "硫鎓"), ("selenonia", "硒鎓"), ("telluronia", "碲鎓"),
        ("phosphonia", "磷鎓"), ("arsonia", "砷鎓"), ("stibonia", "锑鎓"), ("iodonia", "碘鎓"),
        ("bromonia", "溴鎓"), ("chloronia", "氯鎓"), ("boronia", "硼鎓"), ("silonia", "硅鎓")]
# Words a hyphenated prefix would bite, given whole first.
REPLACEMENT_SHIELDS = [("-selenazole", "-硒唑"), ("-selenazol", "-硒唑"), ("-tellurazole", "-碲唑"),
                       ("-tellurazol", "-碲唑"), ("-silane", "-硅烷"), ("-borane", "-硼烷"),
                       ("-stannane", "-锡烷"), ("-germane", "-锗烷")]


def replacement():
    rows = [("-" + prefix, "-" + cn + "杂") for prefix, cn in REPLACEMENT + ONIA]
    return rows + REPLACEMENT_SHIELDS


# Greek letters written out; "eta", "pi", "tau", "rho" and "nu" are left out
# because they stand inside too many words (acetate, pinene, taurine).
GREEK_LETTERS = [("epsilon", "ε"), ("zeta", "ζ"), ("theta", "θ"), ("kappa", "κ"), ("lambda", "λ"),
                 ("sigma", "σ"), ("upsilon", "υ"), ("omicron", "ο"), ("iota", "ι")]


# Esters of polyols name the acid part with a multiplier: ethylene glycol
# diacetate, pentaerythritol tetraacrylate, glyceryl monostearate.
POLYOL_ACIDS = [("acetate", "乙酸酯"), ("propionate", "丙酸酯"), ("butyrate", "丁酸酯"), ("benzoate", "苯甲酸酯"),
                ("acrylate", "丙烯酸酯"), ("methacrylate", "甲基丙烯酸酯"), ("stearate", "硬脂酸酯"),
                ("oleate", "油酸酯"), ("laurate", "月桂酸酯"), ("palmitate", "棕榈酸酯"), ("myristate", "肉豆蔻酸酯"),
                ("formate", "甲酸酯"), ("salicylate", "水杨酸酯"), ("cinnamate", "肉桂酸酯"), ("ricinoleate", "蓖麻油酸酯"),
                ("isostearate", "异硬脂酸酯"), ("linoleate", "亚油酸酯"), ("caprylate", "辛酸酯"), ("caprate", "癸酸酯")]
POLYOL_MULTIPLIERS = [("mono", "单"), ("di", "二"), ("tri", "三"), ("tetra", "四"), ("penta", "五"), ("hexa", "六")]


def polyol_esters():
    return [(m + acid, mcn + acn) for m, mcn in POLYOL_MULTIPLIERS for acid, acn in POLYOL_ACIDS]


def greek():
    return list(GREEK_LETTERS)
