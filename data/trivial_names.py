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

from tables import table

# Drugs by their INN, with the other spellings pharmacopoeias and catalogues
# write (aciclovir/acyclovir, salbutamol/albuterol). A salt or ester word
# after the name (hydrochloride, sodium, maleate) is translated on its own.
DRUGS = [
    # Penicillins, beta-lactamase inhibitors, cephalosporins, carbapenems
    ("benzylpenicillin", "青霉素"), ("phenoxymethylpenicillin", "青霉素V"), ("piperacillin", "哌拉西林"),
    ("cloxacillin", "氯唑西林"), ("dicloxacillin", "双氯西林"), ("flucloxacillin", "氟氯西林"),
    ("carbenicillin", "羧苄西林"), ("ticarcillin", "替卡西林"), ("mezlocillin", "美洛西林"),
    ("azlocillin", "阿洛西林"), ("methicillin", "甲氧西林"), ("nafcillin", "萘夫西林"), ("amoxycillin", "阿莫西林"),
    ("sulbactam", "舒巴坦"), ("tazobactam", "他唑巴坦"), ("avibactam", "阿维巴坦"), ("clavulanate", "克拉维酸酯"),
    ("cephalexin", "头孢氨苄"), ("cefazolin", "头孢唑林"), ("cephazolin", "头孢唑林"), ("ceftriaxone", "头孢曲松"),
    ("cefotaxime", "头孢噻肟"), ("cefoperazone", "头孢哌酮"), ("cefuroxime", "头孢呋辛"), ("cefixime", "头孢克肟"),
    ("ceftazidime", "头孢他啶"), ("cefradine", "头孢拉定"), ("cephradine", "头孢拉定"), ("cefaclor", "头孢克洛"),
    ("cefadroxil", "头孢羟氨苄"), ("cefepime", "头孢吡肟"), ("cefoxitin", "头孢西丁"), ("cefotetan", "头孢替坦"),
    ("cefdinir", "头孢地尼"), ("cefpodoxime", "头孢泊肟"), ("cefprozil", "头孢丙烯"), ("cefalotin", "头孢噻吩"),
    ("cephalothin", "头孢噻吩"), ("cefamandole", "头孢孟多"), ("cefmetazole", "头孢美唑"),
    ("ceftizoxime", "头孢唑肟"), ("cefathiamidine", "头孢硫脒"), ("cefditoren", "头孢妥仑"),
    ("ceftaroline", "头孢洛林"), ("cefalexin", "头孢氨苄"), ("cefazedone", "头孢西酮"),
    ("imipenem", "亚胺培南"), ("meropenem", "美罗培南"), ("ertapenem", "厄他培南"), ("biapenem", "比阿培南"),
    ("doripenem", "多利培南"), ("faropenem", "法罗培南"), ("cilastatin", "西司他丁"), ("aztreonam", "氨曲南"),
    # Macrolides, tetracyclines, aminoglycosides and other antibiotics
    ("clarithromycin", "克拉霉素"), ("roxithromycin", "罗红霉素"), ("spiramycin", "螺旋霉素"),
    ("acetylspiramycin", "乙酰螺旋霉素"), ("josamycin", "交沙霉素"), ("midecamycin", "麦迪霉素"),
    ("telithromycin", "泰利霉素"), ("minocycline", "米诺环素"), ("oxytetracycline", "土霉素"),
    ("chlortetracycline", "金霉素"), ("demeclocycline", "地美环素"), ("tigecycline", "替加环素"),
    ("kanamycin", "卡那霉素"), ("neomycin", "新霉素"), ("amikacin", "阿米卡星"), ("tobramycin", "妥布霉素"),
    ("netilmicin", "奈替米星"), ("spectinomycin", "大观霉素"), ("etimicin", "依替米星"), ("sisomicin", "西索米星"),
    ("clindamycin", "克林霉素"), ("lincomycin", "林可霉素"), ("polymyxin", "多黏菌素"), ("polymyxin b", "多黏菌素B"),
    ("colistin", "黏菌素"), ("bacitracin", "杆菌肽"), ("teicoplanin", "替考拉宁"), ("linezolid", "利奈唑胺"),
    ("fosfomycin", "磷霉素"), ("thiamphenicol", "甲砜霉素"), ("florfenicol", "氟苯尼考"), ("mupirocin", "莫匹罗星"),
    ("nitrofurantoin", "呋喃妥因"), ("furazolidone", "呋喃唑酮"), ("nitrofurazone", "呋喃西林"),
    ("rifampin", "利福平"), ("rifapentine", "利福喷丁"), ("rifabutin", "利福布汀"), ("rifaximin", "利福昔明"),
    ("rifamycin", "利福霉素"), ("ethambutol", "乙胺丁醇"), ("pyrazinamide", "吡嗪酰胺"), ("dapsone", "氨苯砜"),
    ("clofazimine", "氯法齐明"), ("moxifloxacin", "莫西沙星"), ("gatifloxacin", "加替沙星"),
    ("lomefloxacin", "洛美沙星"), ("pefloxacin", "培氟沙星"), ("enoxacin", "依诺沙星"), ("sparfloxacin", "司帕沙星"),
    ("fleroxacin", "氟罗沙星"), ("enrofloxacin", "恩诺沙星"), ("tinidazole", "替硝唑"), ("ornidazole", "奥硝唑"),
    ("secnidazole", "塞克硝唑"), ("sulfasalazine", "柳氮磺吡啶"), ("sulfadimidine", "磺胺二甲嘧啶"),
    ("sulfamethazine", "磺胺二甲嘧啶"), ("sulfacetamide", "磺胺醋酰"), ("sulfaguanidine", "磺胺脒"),
    ("sulfisoxazole", "磺胺异噁唑"), ("sulfathiazole", "磺胺噻唑"), ("sulfadoxine", "磺胺多辛"),
    ("silver sulfadiazine", "磺胺嘧啶银"),
    # Antifungals and antivirals
    ("fluconazole", "氟康唑"), ("itraconazole", "伊曲康唑"), ("ketoconazole", "酮康唑"), ("voriconazole", "伏立康唑"),
    ("posaconazole", "泊沙康唑"), ("clotrimazole", "克霉唑"), ("miconazole", "咪康唑"), ("econazole", "益康唑"),
    ("bifonazole", "联苯苄唑"), ("sertaconazole", "舍他康唑"), ("nystatin", "制霉菌素"), ("terbinafine", "特比萘芬"),
    ("griseofulvin", "灰黄霉素"), ("amphotericin", "两性霉素"), ("amphotericin b", "两性霉素B"),
    ("flucytosine", "氟胞嘧啶"), ("caspofungin", "卡泊芬净"), ("micafungin", "米卡芬净"), ("naftifine", "萘替芬"),
    ("aciclovir", "阿昔洛韦"), ("ganciclovir", "更昔洛韦"), ("valaciclovir", "伐昔洛韦"),
    ("valacyclovir", "伐昔洛韦"), ("famciclovir", "泛昔洛韦"), ("penciclovir", "喷昔洛韦"), ("ribavirin", "利巴韦林"),
    ("lamivudine", "拉米夫定"), ("entecavir", "恩替卡韦"), ("adefovir", "阿德福韦"), ("tenofovir", "替诺福韦"),
    ("telbivudine", "替比夫定"), ("stavudine", "司他夫定"), ("didanosine", "去羟肌苷"), ("abacavir", "阿巴卡韦"),
    ("nevirapine", "奈韦拉平"), ("efavirenz", "依非韦伦"), ("ritonavir", "利托那韦"), ("lopinavir", "洛匹那韦"),
    ("indinavir", "茚地那韦"), ("saquinavir", "沙奎那韦"), ("rimantadine", "金刚乙胺"), ("zanamivir", "扎那米韦"),
    ("sofosbuvir", "索磷布韦"), ("emtricitabine", "恩曲他滨"), ("raltegravir", "拉替拉韦"),
    ("dolutegravir", "多替拉韦"), ("moroxydine", "吗啉胍"),
    # Antimalarials and anthelmintics
    ("artesunate", "青蒿琥酯"), ("artemether", "蒿甲醚"), ("dihydroartemisinin", "双氢青蒿素"),
    ("primaquine", "伯氨喹"), ("hydroxychloroquine", "羟氯喹"), ("mefloquine", "甲氟喹"),
    ("pyrimethamine", "乙胺嘧啶"), ("piperaquine", "哌喹"), ("lumefantrine", "本芴醇"), ("atovaquone", "阿托伐醌"),
    ("proguanil", "氯胍"), ("albendazole", "阿苯达唑"), ("mebendazole", "甲苯咪唑"), ("praziquantel", "吡喹酮"),
    ("ivermectin", "伊维菌素"), ("levamisole", "左旋咪唑"), ("pyrantel", "噻嘧啶"), ("niclosamide", "氯硝柳胺"),
    ("diethylcarbamazine", "乙胺嗪"),
    # Analgesics, anti-inflammatories and anaesthetics
    ("indometacin", "吲哚美辛"), ("flurbiprofen", "氟比洛芬"), ("piroxicam", "吡罗昔康"), ("meloxicam", "美洛昔康"),
    ("lornoxicam", "氯诺昔康"), ("tenoxicam", "替诺昔康"), ("phenylbutazone", "保泰松"),
    ("oxyphenbutazone", "羟布宗"), ("diflunisal", "二氟尼柳"), ("nabumetone", "萘丁美酮"), ("nimesulide", "尼美舒利"),
    ("acemetacin", "阿西美辛"), ("etodolac", "依托度酸"), ("sulindac", "舒林酸"), ("tolmetin", "托美丁"),
    ("fenoprofen", "非诺洛芬"), ("loxoprofen", "洛索洛芬"), ("dexibuprofen", "右布洛芬"), ("ketorolac", "酮咯酸"),
    ("aceclofenac", "醋氯芬酸"), ("etoricoxib", "依托考昔"), ("parecoxib", "帕瑞昔布"), ("rofecoxib", "罗非昔布"),
    ("fenbufen", "芬布芬"), ("tramadol", "曲马多"), ("pethidine", "哌替啶"), ("meperidine", "哌替啶"),
    ("fentanyl", "芬太尼"), ("sufentanil", "舒芬太尼"), ("remifentanil", "瑞芬太尼"), ("alfentanil", "阿芬太尼"),
    ("naloxone", "纳洛酮"), ("naltrexone", "纳曲酮"), ("buprenorphine", "丁丙诺啡"), ("butorphanol", "布托啡诺"),
    ("methadone", "美沙酮"), ("oxycodone", "羟考酮"), ("hydrocodone", "氢可酮"), ("hydromorphone", "氢吗啡酮"),
    ("nalbuphine", "纳布啡"), ("dihydrocodeine", "双氢可待因"), ("apomorphine", "阿扑吗啡"),
    ("tapentadol", "他喷他多"), ("bupivacaine", "布比卡因"), ("levobupivacaine", "左布比卡因"),
    ("ropivacaine", "罗哌卡因"), ("articaine", "阿替卡因"), ("mepivacaine", "甲哌卡因"), ("prilocaine", "丙胺卡因"),
    ("chloroprocaine", "氯普鲁卡因"), ("procainamide", "普鲁卡因胺"), ("propofol", "丙泊酚"), ("ketamine", "氯胺酮"),
    ("esketamine", "艾司氯胺酮"), ("etomidate", "依托咪酯"), ("sevoflurane", "七氟烷"), ("isoflurane", "异氟烷"),
    ("desflurane", "地氟烷"), ("enflurane", "恩氟烷"), ("dexmedetomidine", "右美托咪定"),
    ("suxamethonium", "琥珀胆碱"), ("succinylcholine", "琥珀胆碱"), ("neostigmine", "新斯的明"),
    ("pyridostigmine", "吡斯的明"), ("physostigmine", "毒扁豆碱"), ("homatropine", "后马托品"),
    # Heart and blood vessels
    ("amlodipine", "氨氯地平"), ("levamlodipine", "左氨氯地平"), ("nimodipine", "尼莫地平"), ("felodipine", "非洛地平"),
    ("nitrendipine", "尼群地平"), ("nicardipine", "尼卡地平"), ("lacidipine", "拉西地平"),
    ("lercanidipine", "乐卡地平"), ("benidipine", "贝尼地平"), ("isradipine", "伊拉地平"), ("verapamil", "维拉帕米"),
    ("enalapril", "依那普利"), ("lisinopril", "赖诺普利"), ("benazepril", "贝那普利"), ("ramipril", "雷米普利"),
    ("perindopril", "培哚普利"), ("fosinopril", "福辛普利"), ("imidapril", "咪达普利"), ("cilazapril", "西拉普利"),
    ("quinapril", "喹那普利"), ("losartan", "氯沙坦"), ("valsartan", "缬沙坦"), ("irbesartan", "厄贝沙坦"),
    ("telmisartan", "替米沙坦"), ("candesartan", "坎地沙坦"), ("olmesartan", "奥美沙坦"), ("eprosartan", "依普沙坦"),
    ("sacubitril", "沙库巴曲"), ("metoprolol", "美托洛尔"), ("bisoprolol", "比索洛尔"), ("carvedilol", "卡维地洛"),
    ("labetalol", "拉贝洛尔"), ("esmolol", "艾司洛尔"), ("sotalol", "索他洛尔"), ("nadolol", "纳多洛尔"),
    ("pindolol", "吲哚洛尔"), ("timolol", "噻吗洛尔"), ("nebivolol", "奈必洛尔"), ("arotinolol", "阿罗洛尔"),
    ("betaxolol", "倍他洛尔"), ("acebutolol", "醋丁洛尔"), ("spironolactone", "螺内酯"), ("torasemide", "托拉塞米"),
    ("torsemide", "托拉塞米"), ("indapamide", "吲达帕胺"), ("bumetanide", "布美他尼"), ("amiloride", "阿米洛利"),
    ("triamterene", "氨苯蝶啶"), ("chlorthalidone", "氯噻酮"), ("acetazolamide", "乙酰唑胺"),
    ("eplerenone", "依普利酮"), ("chlorothiazide", "氯噻嗪"), ("amiodarone", "胺碘酮"), ("dronedarone", "决奈达隆"),
    ("mexiletine", "美西律"), ("propafenone", "普罗帕酮"), ("digoxin", "地高辛"), ("digitoxin", "洋地黄毒苷"),
    ("deslanoside", "去乙酰毛花苷"), ("isosorbide", "异山梨醇"), ("isosorbide dinitrate", "硝酸异山梨酯"),
    ("isosorbide mononitrate", "单硝酸异山梨酯"), ("nitroglycerin", "硝酸甘油"), ("nitroglycerine", "硝酸甘油"),
    ("trimetazidine", "曲美他嗪"), ("ivabradine", "伊伐布雷定"), ("ranolazine", "雷诺嗪"), ("nicorandil", "尼可地尔"),
    ("rosuvastatin", "瑞舒伐他汀"), ("pravastatin", "普伐他汀"), ("lovastatin", "洛伐他汀"),
    ("fluvastatin", "氟伐他汀"), ("pitavastatin", "匹伐他汀"), ("ezetimibe", "依折麦布"), ("fenofibrate", "非诺贝特"),
    ("gemfibrozil", "吉非罗齐"), ("bezafibrate", "苯扎贝特"), ("clofibrate", "氯贝丁酯"), ("probucol", "普罗布考"),
    ("dipyridamole", "双嘧达莫"), ("ticlopidine", "噻氯匹定"), ("cilostazol", "西洛他唑"), ("ticagrelor", "替格瑞洛"),
    ("prasugrel", "普拉格雷"), ("rivaroxaban", "利伐沙班"), ("apixaban", "阿哌沙班"), ("dabigatran", "达比加群"),
    ("enoxaparin", "依诺肝素"), ("argatroban", "阿加曲班"), ("bivalirudin", "比伐芦定"), ("alteplase", "阿替普酶"),
    ("urokinase", "尿激酶"), ("streptokinase", "链激酶"), ("etamsylate", "酚磺乙胺"), ("ethamsylate", "酚磺乙胺"),
    ("carbazochrome", "卡巴克络"), ("hydralazine", "肼屈嗪"), ("clonidine", "可乐定"), ("prazosin", "哌唑嗪"),
    ("doxazosin", "多沙唑嗪"), ("terazosin", "特拉唑嗪"), ("alfuzosin", "阿夫唑嗪"), ("urapidil", "乌拉地尔"),
    ("methyldopa", "甲基多巴"), ("minoxidil", "米诺地尔"), ("phentolamine", "酚妥拉明"),
    ("phenoxybenzamine", "酚苄明"), ("dobutamine", "多巴酚丁胺"), ("isoprenaline", "异丙肾上腺素"),
    ("isoproterenol", "异丙肾上腺素"), ("milrinone", "米力农"), ("levosimendan", "左西孟旦"),
    ("metaraminol", "间羟胺"), ("phenylephrine", "去氧肾上腺素"), ("methylephedrine", "甲麻黄碱"),
    ("pentoxifylline", "己酮可可碱"), ("cinnarizine", "桂利嗪"), ("flunarizine", "氟桂利嗪"),
    ("betahistine", "倍他司汀"),
    # Diabetes, stomach and gut
    ("glibenclamide", "格列本脲"), ("glyburide", "格列本脲"), ("glipizide", "格列吡嗪"), ("gliclazide", "格列齐特"),
    ("glimepiride", "格列美脲"), ("gliquidone", "格列喹酮"), ("pioglitazone", "吡格列酮"),
    ("rosiglitazone", "罗格列酮"), ("acarbose", "阿卡波糖"), ("voglibose", "伏格列波糖"), ("miglitol", "米格列醇"),
    ("repaglinide", "瑞格列奈"), ("nateglinide", "那格列奈"), ("sitagliptin", "西格列汀"),
    ("vildagliptin", "维格列汀"), ("saxagliptin", "沙格列汀"), ("linagliptin", "利格列汀"),
    ("alogliptin", "阿格列汀"), ("dapagliflozin", "达格列净"), ("empagliflozin", "恩格列净"),
    ("canagliflozin", "卡格列净"), ("liraglutide", "利拉鲁肽"), ("exenatide", "艾塞那肽"), ("phenformin", "苯乙双胍"),
    ("tolbutamide", "甲苯磺丁脲"), ("chlorpropamide", "氯磺丙脲"), ("lansoprazole", "兰索拉唑"),
    ("pantoprazole", "泮托拉唑"), ("esomeprazole", "埃索美拉唑"), ("rabeprazole", "雷贝拉唑"),
    ("ilaprazole", "艾普拉唑"), ("famotidine", "法莫替丁"), ("nizatidine", "尼扎替丁"), ("roxatidine", "罗沙替丁"),
    ("domperidone", "多潘立酮"), ("metoclopramide", "甲氧氯普胺"), ("ondansetron", "昂丹司琼"),
    ("granisetron", "格拉司琼"), ("tropisetron", "托烷司琼"), ("palonosetron", "帕洛诺司琼"),
    ("loperamide", "洛哌丁胺"), ("mosapride", "莫沙必利"), ("cisapride", "西沙必利"), ("itopride", "伊托必利"),
    ("bisacodyl", "比沙可啶"), ("mesalazine", "美沙拉嗪"), ("mesalamine", "美沙拉嗪"), ("olsalazine", "奥沙拉秦"),
    ("sucralfate", "硫糖铝"), ("misoprostol", "米索前列醇"), ("trimebutine", "曲美布汀"),
    ("simethicone", "西甲硅油"), ("dimethicone", "二甲硅油"), ("racecadotril", "消旋卡多曲"),
    ("octreotide", "奥曲肽"), ("somatostatin", "生长抑素"), ("teprenone", "替普瑞酮"), ("rebamipide", "瑞巴派特"),
    ("orlistat", "奥利司他"),
    # Nervous system
    ("lorazepam", "劳拉西泮"), ("alprazolam", "阿普唑仑"), ("estazolam", "艾司唑仑"), ("clonazepam", "氯硝西泮"),
    ("midazolam", "咪达唑仑"), ("triazolam", "三唑仑"), ("nitrazepam", "硝西泮"), ("oxazepam", "奥沙西泮"),
    ("temazepam", "替马西泮"), ("flurazepam", "氟西泮"), ("bromazepam", "溴西泮"), ("zolpidem", "唑吡坦"),
    ("zopiclone", "佐匹克隆"), ("eszopiclone", "右佐匹克隆"), ("zaleplon", "扎来普隆"), ("buspirone", "丁螺环酮"),
    ("lamotrigine", "拉莫三嗪"), ("levetiracetam", "左乙拉西坦"), ("gabapentin", "加巴喷丁"),
    ("pregabalin", "普瑞巴林"), ("topiramate", "托吡酯"), ("oxcarbazepine", "奥卡西平"), ("ethosuximide", "乙琥胺"),
    ("primidone", "扑米酮"), ("clobazam", "氯巴占"), ("lacosamide", "拉考沙胺"), ("zonisamide", "唑尼沙胺"),
    ("vigabatrin", "氨己烯酸"), ("olanzapine", "奥氮平"), ("risperidone", "利培酮"), ("paliperidone", "帕利哌酮"),
    ("quetiapine", "喹硫平"), ("clozapine", "氯氮平"), ("aripiprazole", "阿立哌唑"), ("ziprasidone", "齐拉西酮"),
    ("amisulpride", "氨磺必利"), ("sulpiride", "舒必利"), ("perphenazine", "奋乃静"), ("fluphenazine", "氟奋乃静"),
    ("trifluoperazine", "三氟拉嗪"), ("thioridazine", "硫利达嗪"), ("chlorprothixene", "氯普噻吨"),
    ("flupentixol", "氟哌噻吨"), ("droperidol", "氟哌利多"), ("pimozide", "匹莫齐特"), ("lurasidone", "鲁拉西酮"),
    ("sertraline", "舍曲林"), ("paroxetine", "帕罗西汀"), ("citalopram", "西酞普兰"), ("escitalopram", "艾司西酞普兰"),
    ("fluvoxamine", "氟伏沙明"), ("venlafaxine", "文拉法辛"), ("desvenlafaxine", "去甲文拉法辛"),
    ("duloxetine", "度洛西汀"), ("mirtazapine", "米氮平"), ("trazodone", "曲唑酮"), ("bupropion", "安非他酮"),
    ("agomelatine", "阿戈美拉汀"), ("clomipramine", "氯米帕明"), ("doxepin", "多塞平"), ("nortriptyline", "去甲替林"),
    ("maprotiline", "马普替林"), ("moclobemide", "吗氯贝胺"), ("tianeptine", "噻奈普汀"),
    ("vortioxetine", "沃替西汀"), ("desipramine", "地昔帕明"), ("donepezil", "多奈哌齐"), ("memantine", "美金刚"),
    ("rivastigmine", "卡巴拉汀"), ("carbidopa", "卡比多巴"), ("benserazide", "苄丝肼"), ("selegiline", "司来吉兰"),
    ("rasagiline", "雷沙吉兰"), ("pramipexole", "普拉克索"), ("ropinirole", "罗匹尼罗"), ("entacapone", "恩他卡朋"),
    ("trihexyphenidyl", "苯海索"), ("bromocriptine", "溴隐亭"), ("piracetam", "吡拉西坦"),
    ("oxiracetam", "奥拉西坦"), ("aniracetam", "茴拉西坦"), ("citicoline", "胞磷胆碱"),
    ("methylphenidate", "哌甲酯"), ("atomoxetine", "托莫西汀"), ("modafinil", "莫达非尼"), ("baclofen", "巴氯芬"),
    ("tizanidine", "替扎尼定"), ("eperisone", "乙哌立松"), ("tolperisone", "托哌酮"),
    ("cyclobenzaprine", "环苯扎林"), ("methocarbamol", "美索巴莫"), ("chlorzoxazone", "氯唑沙宗"),
    ("dantrolene", "丹曲林"), ("edaravone", "依达拉奉"), ("riluzole", "利鲁唑"), ("sumatriptan", "舒马普坦"),
    ("rizatriptan", "利扎曲普坦"), ("zolmitriptan", "佐米曲普坦"), ("ergometrine", "麦角新碱"),
    ("methylergometrine", "甲麦角新碱"), ("flumazenil", "氟马西尼"),
    # Allergy and airways
    ("desloratadine", "地氯雷他定"), ("cetirizine", "西替利嗪"), ("levocetirizine", "左西替利嗪"),
    ("fexofenadine", "非索非那定"), ("chlorphenamine", "氯苯那敏"), ("promethazine", "异丙嗪"),
    ("ketotifen", "酮替芬"), ("montelukast", "孟鲁司特"), ("zafirlukast", "扎鲁司特"), ("ebastine", "依巴斯汀"),
    ("mizolastine", "咪唑斯汀"), ("terfenadine", "特非那定"), ("astemizole", "阿司咪唑"),
    ("cyproheptadine", "赛庚啶"), ("clemastine", "氯马斯汀"), ("dimenhydrinate", "茶苯海明"),
    ("meclozine", "美克洛嗪"), ("meclizine", "美克洛嗪"), ("hydroxyzine", "羟嗪"), ("olopatadine", "奥洛他定"),
    ("epinastine", "依匹斯汀"), ("bilastine", "比拉斯汀"), ("rupatadine", "卢帕他定"), ("salbutamol", "沙丁胺醇"),
    ("albuterol", "沙丁胺醇"), ("terbutaline", "特布他林"), ("salmeterol", "沙美特罗"), ("formoterol", "福莫特罗"),
    ("procaterol", "丙卡特罗"), ("clenbuterol", "克仑特罗"), ("aminophylline", "氨茶碱"), ("doxofylline", "多索茶碱"),
    ("ambroxol", "氨溴索"), ("bromhexine", "溴己新"), ("guaifenesin", "愈创甘油醚"), ("acetylcysteine", "乙酰半胱氨酸"),
    ("carbocisteine", "羧甲司坦"), ("carbocysteine", "羧甲司坦"), ("erdosteine", "厄多司坦"),
    ("pentoxyverine", "喷托维林"), ("benproperine", "苯丙哌林"), ("budesonide", "布地奈德"),
    ("beclometasone", "倍氯米松"), ("beclomethasone", "倍氯米松"), ("fluticasone", "氟替卡松"),
    ("mometasone", "莫米松"), ("ciclesonide", "环索奈德"),
    # Hormones, steroids and bone
    ("triamcinolone", "曲安西龙"), ("methylprednisolone", "甲泼尼龙"), ("fludrocortisone", "氟氢可的松"),
    ("clobetasol", "氯倍他索"), ("clobetasone", "氯倍他松"), ("halcinonide", "哈西奈德"), ("desonide", "地奈德"),
    ("fluorometholone", "氟米龙"), ("halometasone", "卤米松"), ("ethinylestradiol", "炔雌醇"),
    ("ethinyl estradiol", "炔雌醇"), ("levonorgestrel", "左炔诺孕酮"), ("norgestrel", "炔诺孕酮"),
    ("norethisterone", "炔诺酮"), ("norethindrone", "炔诺酮"), ("medroxyprogesterone", "甲羟孕酮"),
    ("hydroxyprogesterone", "羟孕酮"), ("megestrol", "甲地孕酮"), ("mifepristone", "米非司酮"),
    ("dydrogesterone", "地屈孕酮"), ("cyproterone", "环丙孕酮"), ("drospirenone", "屈螺酮"), ("desogestrel", "去氧孕烯"),
    ("gestodene", "孕二烯酮"), ("diethylstilbestrol", "己烯雌酚"), ("tibolone", "替勃龙"), ("raloxifene", "雷洛昔芬"),
    ("clomifene", "氯米芬"), ("clomiphene", "氯米芬"), ("letrozole", "来曲唑"), ("anastrozole", "阿那曲唑"),
    ("exemestane", "依西美坦"), ("finasteride", "非那雄胺"), ("dutasteride", "度他雄胺"),
    ("methyltestosterone", "甲睾酮"), ("nandrolone", "诺龙"), ("stanozolol", "司坦唑醇"), ("danazol", "达那唑"),
    ("methimazole", "甲巯咪唑"), ("thiamazole", "甲巯咪唑"), ("propylthiouracil", "丙硫氧嘧啶"),
    ("carbimazole", "卡比马唑"), ("levothyroxine", "左甲状腺素"), ("liothyronine", "碘塞罗宁"),
    ("calcitriol", "骨化三醇"), ("alfacalcidol", "阿法骨化醇"), ("calcitonin", "降钙素"), ("tadalafil", "他达拉非"),
    ("vardenafil", "伐地那非"), ("carboprost", "卡前列素"), ("dinoprostone", "地诺前列酮"), ("ritodrine", "利托君"),
    ("atosiban", "阿托西班"), ("desmopressin", "去氨加压素"), ("vasopressin", "加压素"),
    # Cancer and immunity
    ("gemcitabine", "吉西他滨"), ("capecitabine", "卡培他滨"), ("docetaxel", "多西他赛"), ("imatinib", "伊马替尼"),
    ("gefitinib", "吉非替尼"), ("erlotinib", "厄洛替尼"), ("temozolomide", "替莫唑胺"), ("etoposide", "依托泊苷"),
    ("teniposide", "替尼泊苷"), ("irinotecan", "伊立替康"), ("topotecan", "拓扑替康"), ("bortezomib", "硼替佐米"),
    ("thalidomide", "沙利度胺"), ("lenalidomide", "来那度胺"), ("pomalidomide", "泊马度胺"),
    ("cytarabine", "阿糖胞苷"), ("fludarabine", "氟达拉滨"), ("cladribine", "克拉屈滨"), ("decitabine", "地西他滨"),
    ("azacitidine", "阿扎胞苷"), ("pemetrexed", "培美曲塞"), ("raltitrexed", "雷替曲塞"), ("tegafur", "替加氟"),
    ("hydroxyurea", "羟基脲"), ("hydroxycarbamide", "羟基脲"), ("bleomycin", "博来霉素"), ("mitomycin", "丝裂霉素"),
    ("mitomycin c", "丝裂霉素C"), ("daunorubicin", "柔红霉素"), ("epirubicin", "表柔比星"), ("idarubicin", "伊达比星"),
    ("pirarubicin", "吡柔比星"), ("mitoxantrone", "米托蒽醌"), ("dactinomycin", "放线菌素D"),
    ("actinomycin d", "放线菌素D"), ("vinorelbine", "长春瑞滨"), ("vindesine", "长春地辛"),
    ("ifosfamide", "异环磷酰胺"), ("melphalan", "美法仑"), ("chlorambucil", "苯丁酸氮芥"), ("carmustine", "卡莫司汀"),
    ("lomustine", "洛莫司汀"), ("dacarbazine", "达卡巴嗪"), ("procarbazine", "丙卡巴肼"), ("nedaplatin", "奈达铂"),
    ("lobaplatin", "洛铂"), ("bicalutamide", "比卡鲁胺"), ("flutamide", "氟他胺"), ("enzalutamide", "恩扎卢胺"),
    ("abiraterone", "阿比特龙"), ("fulvestrant", "氟维司群"), ("goserelin", "戈舍瑞林"), ("leuprorelin", "亮丙瑞林"),
    ("triptorelin", "曲普瑞林"), ("sorafenib", "索拉非尼"), ("sunitinib", "舒尼替尼"), ("dasatinib", "达沙替尼"),
    ("nilotinib", "尼洛替尼"), ("lapatinib", "拉帕替尼"), ("icotinib", "埃克替尼"), ("osimertinib", "奥希替尼"),
    ("afatinib", "阿法替尼"), ("crizotinib", "克唑替尼"), ("apatinib", "阿帕替尼"), ("everolimus", "依维莫司"),
    ("sirolimus", "西罗莫司"), ("rapamycin", "雷帕霉素"), ("tacrolimus", "他克莫司"), ("ciclosporin", "环孢素"),
    ("leflunomide", "来氟米特"), ("mycophenolic acid", "麦考酚酸"),
    # Gout, skin, eyes, antidotes and antiseptics
    ("febuxostat", "非布司他"), ("benzbromarone", "苯溴马隆"), ("probenecid", "丙磺舒"),
    ("chlorhexidine", "氯己定"), ("povidone-iodine", "聚维酮碘"), ("povidone iodine", "聚维酮碘"),
    ("tretinoin", "维A酸"), ("isotretinoin", "异维A酸"), ("acitretin", "阿维A"), ("adapalene", "阿达帕林"),
    ("tazarotene", "他扎罗汀"), ("calcipotriol", "卡泊三醇"), ("permethrin", "氯菊酯"), ("crotamiton", "克罗米通"),
    ("pilocarpine", "毛果芸香碱"), ("latanoprost", "拉坦前列素"), ("brimonidine", "溴莫尼定"),
    ("tropicamide", "托吡卡胺"), ("deferoxamine", "去铁胺"), ("desferrioxamine", "去铁胺"), ("deferasirox", "地拉罗司"),
    ("levocarnitine", "左卡尼汀"), ("troxerutin", "曲克芦丁"),
    # Tuberculosis, parasites and viruses beyond the common ones
    ("bedaquiline", "贝达喹啉"), ("delamanid", "德拉马尼"), ("cycloserine", "环丝氨酸"),
    ("ethionamide", "乙硫异烟胺"), ("prothionamide", "丙硫异烟胺"), ("capreomycin", "卷曲霉素"),
    ("benznidazole", "苄硝唑"), ("miltefosine", "米替福新"), ("pentamidine", "喷他脒"), ("suramin", "苏拉明"),
    ("eflornithine", "依氟鸟氨酸"), ("darunavir", "达芦那韦"), ("atazanavir", "阿扎那韦"),
    ("daclatasvir", "达拉他韦"), ("velpatasvir", "维帕他韦"), ("ledipasvir", "来迪派韦"),
    ("tenofovir alafenamide", "丙酚替诺福韦"),
    # Antibodies, insulins and other biologics
    ("rituximab", "利妥昔单抗"), ("trastuzumab", "曲妥珠单抗"), ("bevacizumab", "贝伐珠单抗"),
    ("adalimumab", "阿达木单抗"), ("infliximab", "英夫利昔单抗"), ("cetuximab", "西妥昔单抗"),
    ("nivolumab", "纳武利尤单抗"), ("pembrolizumab", "帕博利珠单抗"), ("insulin glargine", "甘精胰岛素"),
    ("insulin aspart", "门冬胰岛素"), ("insulin lispro", "赖脯胰岛素"), ("insulin detemir", "地特胰岛素"),
    ("filgrastim", "非格司亭"),
    # Contrast agents, counter-ions named as drugs, antiseptics
    ("iohexol", "碘海醇"), ("iopamidol", "碘帕醇"), ("iodixanol", "碘克沙醇"), ("iopromide", "碘普罗胺"),
    ("ioversol", "碘佛醇"), ("meglumine", "葡甲胺"), ("tromethamine", "氨丁三醇"), ("ciclopirox", "环吡酮"),
    ("ciclopirox olamine", "环吡酮胺"), ("chloroxylenol", "氯二甲酚"), ("hexetidine", "海克替啶"),
    ("policresulen", "聚甲酚磺醛"), ("ethacridine", "依沙吖啶"), ("mercurochrome", "红汞"),
    ("atracurium", "阿曲库铵"), ("cisatracurium", "顺阿曲库铵"),
    # More of the pharmacopoeia
    ("ademetionine", "腺苷蛋氨酸"), ("alprostadil", "前列地尔"), ("ambrisentan", "安立生坦"), ("bosentan", "波生坦"),
    ("macitentan", "马昔腾坦"), ("riociguat", "利奥西呱"), ("anisodamine", "山莨菪碱"), ("cinepazide", "桂哌齐特"),
    ("diosmin", "地奥司明"), ("fudosteine", "福多司坦"), ("nicergoline", "尼麦角林"), ("oryzanol", "谷维素"),
    ("xylometazoline", "赛洛唑啉"), ("oxymetazoline", "羟甲唑啉"), ("naphazoline", "萘甲唑啉"),
    ("tetrahydrozoline", "四氢唑啉"), ("phenylpropanolamine", "苯丙醇胺"), ("carbinoxamine", "卡比沙明"),
    ("doxylamine", "多西拉敏"), ("pheniramine", "非尼拉敏"), ("triprolidine", "曲普利啶"),
    ("brompheniramine", "溴苯那敏"), ("mequitazine", "美喹他嗪"), ("emedastine", "依美斯汀"),
    ("levocabastine", "左卡巴斯汀"), ("cromolyn", "色甘酸"), ("cromoglicate", "色甘酸酯"), ("cromoglycate", "色甘酸酯"),
    ("nedocromil", "奈多罗米"), ("pranlukast", "普仑司特"), ("roflumilast", "罗氟司特"), ("omalizumab", "奥马珠单抗"),
    ("glucagon", "胰高血糖素"), ("somatropin", "生长激素"), ("gonadorelin", "戈那瑞林"), ("terlipressin", "特利加压素"),
    ("carbetocin", "卡贝缩宫素"), ("dinoprost", "地诺前列素"), ("beraprost", "贝前列素"), ("iloprost", "伊洛前列素"),
    ("epoprostenol", "依前列醇"), ("treprostinil", "曲前列尼尔"), ("pentobarbital", "戊巴比妥"),
    ("secobarbital", "司可巴比妥"), ("amobarbital", "异戊巴比妥"), ("thiopental", "硫喷妥"), ("methohexital", "美索比妥"),
    ("meprobamate", "甲丙氨酯"), ("melitracen", "美利曲辛"), ("tandospirone", "坦度螺酮"), ("melatonin", "褪黑素"),
    ("ramelteon", "雷美替胺"), ("oxymorphone", "羟吗啡酮"), ("levorphanol", "左啡诺"), ("dezocine", "地佐辛"),
    ("nalmefene", "纳美芬"), ("methylnaltrexone", "甲基纳曲酮"), ("diphenoxylate", "地芬诺酯"), ("etorphine", "埃托啡"),
    ("carfentanil", "卡芬太尼"), ("latamoxef", "拉氧头孢"), ("flomoxef", "氟氧头孢"), ("cefminox", "头孢米诺"),
    ("cefodizime", "头孢地嗪"), ("cefpirome", "头孢匹罗"), ("ceftezole", "头孢替唑"), ("cefsulodin", "头孢磺啶"),
    ("panipenem", "帕尼培南"), ("tebipenem", "替比培南"), ("daptomycin", "达托霉素"), ("tedizolid", "特地唑胺"),
    ("fidaxomicin", "非达霉素"), ("norvancomycin", "去甲万古霉素"), ("dirithromycin", "地红霉素"),
    ("nemonoxacin", "奈诺沙星"), ("sitafloxacin", "西他沙星"), ("garenoxacin", "加雷沙星"),
    ("prulifloxacin", "普卢利沙星"), ("pazufloxacin", "帕珠沙星"), ("antofloxacin", "安妥沙星"),
    ("rufloxacin", "芦氟沙星"), ("nadifloxacin", "那氟沙星"), ("nifuroxazide", "硝呋齐特"), ("nifuratel", "硝呋太尔"),
    ("calcium dobesilate", "羟苯磺酸钙"), ("dobesilate", "羟苯磺酸酯"),
    # Longer words that hold a name above: the active form and the single enantiomer.
    ("enalaprilat", "依那普利拉"), ("dexlansoprazole", "右兰索拉唑"), ("dexketoprofen", "右酮洛芬"),
    ("dexchlorpheniramine", "右氯苯那敏"), ("digoxigenin", "地高辛配基"), ("digitoxigenin", "洋地黄毒苷配基"), ("glucurolactone", "葡醛内酯"), ("glucuronolactone", "葡醛内酯"),
]

# Prodrug esters, acetonides and esters whose Chinese is irregular: the
# promoiety is written 酯 after the drug (头孢呋辛酯), a furoate is 糠酸.
DRUG_ESTERS = [
    ("cefuroxime axetil", "头孢呋辛酯"), ("candesartan cilexetil", "坎地沙坦酯"),
    ("mycophenolate mofetil", "吗替麦考酚酯"), ("cefpodoxime proxetil", "头孢泊肟酯"),
    ("olmesartan medoxomil", "奥美沙坦酯"), ("adefovir dipivoxil", "阿德福韦酯"),
    ("dabigatran etexilate", "达比加群酯"), ("tenofovir disoproxil", "替诺福韦二吡呋酯"),
    ("cefditoren pivoxil", "头孢妥仑匹酯"), ("triamcinolone acetonide", "曲安奈德"),
    ("fluocinolone acetonide", "氟轻松"), ("mometasone furoate", "糠酸莫米松"),
    ("fluticasone furoate", "糠酸氟替卡松"), ("diloxanide furoate", "糠酸二氯尼特"),
    ("chondroitin sulfate", "硫酸软骨素"), ("chondroitin", "软骨素"), ("dermatan sulfate", "硫酸皮肤素"),
    ("heparan sulfate", "硫酸乙酰肝素"), ("dextran sulfate", "硫酸葡聚糖"),
]

# Veterinary drugs and the antibiotics and inhibitors of the laboratory.
VETERINARY = [
    ("tylosin", "泰乐菌素"), ("tilmicosin", "替米考星"), ("tiamulin", "泰妙菌素"), ("virginiamycin", "维吉尼霉素"),
    ("ceftiofur", "头孢噻呋"), ("cefquinome", "头孢喹肟"), ("sarafloxacin", "沙拉沙星"), ("danofloxacin", "达氟沙星"),
    ("difloxacin", "二氟沙星"), ("marbofloxacin", "马波沙星"), ("toltrazuril", "妥曲珠利"), ("diclazuril", "地克珠利"),
    ("nicarbazin", "尼卡巴嗪"), ("amprolium", "氨丙啉"), ("robenidine", "氯苯胍"), ("ractopamine", "莱克多巴胺"),
    ("cimaterol", "西马特罗"), ("leucomalachite green", "隐色孔雀石绿"), ("leucocrystal violet", "隐色结晶紫"),
    ("sulfaquinoxaline", "磺胺喹噁啉"), ("sulfamonomethoxine", "磺胺间甲氧嘧啶"),
    ("sulfadimethoxine", "磺胺二甲氧嘧啶"), ("sulfamerazine", "磺胺甲基嘧啶"), ("sulfapyridine", "磺胺吡啶"),
    ("sulfamethizole", "磺胺甲二唑"), ("sulfachloropyridazine", "磺胺氯哒嗪"),
    ("sulfamethoxypyridazine", "磺胺甲氧哒嗪"), ("sulfabenzamide", "磺胺苯酰"), ("monensin", "莫能菌素"),
    ("salinomycin", "盐霉素"), ("lasalocid", "拉沙洛西"), ("puromycin", "嘌呤霉素"), ("hygromycin", "潮霉素"),
    ("hygromycin b", "潮霉素B"), ("blasticidin", "杀稻瘟菌素"), ("geneticin", "遗传霉素"), ("tunicamycin", "衣霉素"),
    ("cycloheximide", "放线菌酮"), ("actinomycin", "放线菌素"), ("brefeldin a", "布雷菲德菌素A"),
    ("staurosporine", "星孢菌素"), ("wortmannin", "渥曼青霉素"), ("forskolin", "毛喉素"), ("ouabain", "哇巴因"),
    ("thapsigargin", "毒胡萝卜素"), ("ionomycin", "离子霉素"), ("nocodazole", "诺考达唑"),
    ("okadaic acid", "冈田酸"), ("phalloidin", "鬼笔环肽"), ("cytochalasin", "细胞松弛素"), ("oligomycin", "寡霉素"),
    ("antimycin a", "抗霉素A"), ("valinomycin", "缬氨霉素"), ("gramicidin", "短杆菌肽"), ("nigericin", "尼日利亚菌素"),
    ("aprotinin", "抑肽酶"), ("leupeptin", "亮抑酶肽"), ("pepstatin a", "胃酶抑素A"),
]

# Mycotoxins and other toxins.
TOXINS = [
    ("aflatoxin", "黄曲霉毒素"), ("ochratoxin", "赭曲霉毒素"), ("ochratoxin a", "赭曲霉毒素A"),
    ("zearalenone", "玉米赤霉烯酮"), ("deoxynivalenol", "脱氧雪腐镰刀菌烯醇"), ("fumonisin", "伏马毒素"),
    ("patulin", "展青霉素"), ("citrinin", "桔青霉素"), ("sterigmatocystin", "杂色曲霉素"),
    ("microcystin", "微囊藻毒素"), ("toxin", "毒素"), ("saxitoxin", "石房蛤毒素"), ("brassinolide", "芸苔素内酯"),
]

# Detergents and surfactants by trade or trivial name.
DETERGENTS = [
    ("triton x-100", "曲拉通X-100"), ("triton x-114", "曲拉通X-114"), ("triton", "曲拉通"), ("brij", "苄泽"),
    ("docusate", "多库酯"), ("cetrimide", "西曲溴铵"), ("cetrimonium bromide", "西曲溴铵"),
]

# Quaternary ammonium drugs: the Chinese name holds the anion (异丙托溴铵).
QUATERNARY = [
    ("ipratropium bromide", "异丙托溴铵"), ("tiotropium bromide", "噻托溴铵"), ("glycopyrronium bromide", "格隆溴铵"),
    ("rocuronium bromide", "罗库溴铵"), ("vecuronium bromide", "维库溴铵"), ("pancuronium bromide", "泮库溴铵"),
    ("pinaverium bromide", "匹维溴铵"), ("otilonium bromide", "奥替溴铵"), ("hyoscine butylbromide", "丁溴东莨菪碱"),
    ("scopolamine butylbromide", "丁溴东莨菪碱"), ("propantheline bromide", "溴丙胺太林"),
    ("benzethonium chloride", "苄索氯铵"), ("cetylpyridinium chloride", "西吡氯铵"), ("domiphen bromide", "度米芬"),
]

# Pesticides and plant-growth regulators by their ISO common names.
PESTICIDES = [
    ("glyphosate", "草甘膦"), ("glufosinate", "草铵膦"), ("atrazine", "莠去津"), ("simazine", "西玛津"),
    ("paraquat", "百草枯"), ("diquat", "敌草快"), ("carbaryl", "甲萘威"), ("carbofuran", "克百威"),
    ("chlorpyrifos", "毒死蜱"), ("malathion", "马拉硫磷"), ("parathion", "对硫磷"), ("dimethoate", "乐果"),
    ("omethoate", "氧乐果"), ("trichlorfon", "敌百虫"), ("acephate", "乙酰甲胺磷"), ("imidacloprid", "吡虫啉"),
    ("acetamiprid", "啶虫脒"), ("thiamethoxam", "噻虫嗪"), ("clothianidin", "噻虫胺"), ("thiacloprid", "噻虫啉"),
    ("nitenpyram", "烯啶虫胺"), ("dinotefuran", "呋虫胺"), ("fipronil", "氟虫腈"), ("cypermethrin", "氯氰菊酯"),
    ("deltamethrin", "溴氰菊酯"), ("fenvalerate", "氰戊菊酯"), ("bifenthrin", "联苯菊酯"),
    ("cyhalothrin", "氯氟氰菊酯"), ("abamectin", "阿维菌素"), ("avermectin", "阿维菌素"),
    ("emamectin", "甲氨基阿维菌素"), ("carbendazim", "多菌灵"), ("thiophanate-methyl", "甲基硫菌灵"),
    ("mancozeb", "代森锰锌"), ("zineb", "代森锌"), ("maneb", "代森锰"), ("propineb", "丙森锌"), ("thiram", "福美双"),
    ("captan", "克菌丹"), ("chlorothalonil", "百菌清"), ("tebuconazole", "戊唑醇"), ("propiconazole", "丙环唑"),
    ("difenoconazole", "苯醚甲环唑"), ("hexaconazole", "己唑醇"), ("triadimefon", "三唑酮"),
    ("azoxystrobin", "嘧菌酯"), ("pyraclostrobin", "吡唑醚菌酯"), ("metalaxyl", "甲霜灵"), ("iprodione", "异菌脲"),
    ("procymidone", "腐霉利"), ("pendimethalin", "二甲戊灵"), ("trifluralin", "氟乐灵"), ("butachlor", "丁草胺"),
    ("acetochlor", "乙草胺"), ("metolachlor", "异丙甲草胺"), ("alachlor", "甲草胺"), ("dicamba", "麦草畏"),
    ("bentazone", "灭草松"), ("diuron", "敌草隆"), ("linuron", "利谷隆"), ("isoproturon", "异丙隆"),
    ("chlorsulfuron", "氯磺隆"), ("metsulfuron-methyl", "甲磺隆"), ("bensulfuron-methyl", "苄嘧磺隆"),
    ("nicosulfuron", "烟嘧磺隆"), ("oxyfluorfen", "乙氧氟草醚"), ("clethodim", "烯草酮"), ("sethoxydim", "烯禾啶"),
    ("paclobutrazol", "多效唑"), ("uniconazole", "烯效唑"), ("ethephon", "乙烯利"), ("chlormequat", "矮壮素"),
    ("forchlorfenuron", "氯吡脲"), ("thidiazuron", "噻苯隆"), ("kinetin", "激动素"), ("zeatin", "玉米素"),
    ("lindane", "林丹"), ("endosulfan", "硫丹"), ("aldrin", "艾氏剂"), ("dieldrin", "狄氏剂"), ("endrin", "异狄氏剂"),
    ("heptachlor", "七氯"), ("chlordane", "氯丹"), ("mirex", "灭蚁灵"), ("toxaphene", "毒杀芬"),
    ("brodifacoum", "溴鼠灵"), ("bromadiolone", "溴敌隆"),
    ("diethyltoluamide", "避蚊胺"), ("propoxur", "残杀威"), ("methomyl", "灭多威"), ("aldicarb", "涕灭威"),
    ("oxamyl", "杀线威"), ("pirimicarb", "抗蚜威"), ("phoxim", "辛硫磷"), ("fenitrothion", "杀螟硫磷"),
    ("fenthion", "倍硫磷"), ("profenofos", "丙溴磷"), ("triazophos", "三唑磷"), ("isocarbophos", "水胺硫磷"),
    ("quinalphos", "喹硫磷"), ("methidathion", "杀扑磷"), ("phorate", "甲拌磷"), ("terbufos", "特丁硫磷"),
    ("monocrotophos", "久效磷"), ("phosphamidon", "磷胺"), ("tebufenozide", "虫酰肼"), ("chlorfenapyr", "虫螨腈"),
    ("spinosad", "多杀霉素"), ("indoxacarb", "茚虫威"), ("chlorantraniliprole", "氯虫苯甲酰胺"),
    ("hexythiazox", "噻螨酮"), ("pyridaben", "哒螨灵"), ("propargite", "炔螨特"), ("buprofezin", "噻嗪酮"),
    ("pymetrozine", "吡蚜酮"),
]

# Food and cosmetic additives known by trivial names.
ADDITIVES = [
    ("acesulfame potassium", "安赛蜜"), ("acesulfame k", "安赛蜜"), ("cyclamate", "环己基氨基磺酸酯"),
    ("neotame", "纽甜"), ("nisin", "乳酸链球菌素"), ("natamycin", "纳他霉素"),
    ("avobenzone", "阿伏苯宗"), ("octocrylene", "奥克立林"), ("homosalate", "胡莫柳酯"),
]

# Amino-acid anions of salts and esters (magnesium glycinate 甘氨酸镁).
AMINO_ANIONS = [
    ("glycinate", "甘氨酸酯"), ("bisglycinate", "双甘氨酸酯"), ("alaninate", "丙氨酸酯"), ("valinate", "缬氨酸酯"),
    ("leucinate", "亮氨酸酯"), ("isoleucinate", "异亮氨酸酯"), ("prolinate", "脯氨酸酯"), ("serinate", "丝氨酸酯"),
    ("threoninate", "苏氨酸酯"), ("cysteinate", "半胱氨酸酯"), ("methioninate", "甲硫氨酸酯"),
    ("phenylalaninate", "苯丙氨酸酯"), ("tyrosinate", "酪氨酸酯"), ("tryptophanate", "色氨酸酯"),
    ("lysinate", "赖氨酸酯"), ("argininate", "精氨酸酯"), ("histidinate", "组氨酸酯"),
    ("gluceptate", "葡庚糖酸酯"), ("glucoheptonate", "葡庚糖酸酯"),
]

# Salt and ester words of drug names (the acids of hydrochloride and
# mesylate are in the inorganic and acid tables).
SALT_WORDS = [
    # The INN spellings: amlodipine besilate, doxazosin mesilate.
    ("mesilate", "甲磺酸盐"), ("besilate", "苯磺酸盐"), ("esilate", "乙磺酸盐"), ("edisilate", "乙二磺酸盐"),
    ("tosilate", "对甲苯磺酸盐"),
    ("esylate", "乙磺酸盐"), ("edisylate", "乙二磺酸盐"), ("napsylate", "萘磺酸盐"), ("bitartrate", "重酒石酸盐"),
    ("hemisuccinate", "半琥珀酸酯"),
    ("hemicalcium", "半钙"), ("hemicalcium salt", "半钙盐"), ("hemimagnesium", "半镁"), ("hemisodium", "半钠"),
    ("dinitrate", "二硝酸酯"), ("trinitrate", "三硝酸酯"), ("tetranitrate", "四硝酸酯"), ("nonaflate", "九氟丁磺酸酯"),
    ("brosylate", "对溴苯磺酸酯"), ("nosylate", "对硝基苯磺酸酯"), ("tosyloxy", "对甲苯磺酰氧基"),
    ("mesyloxy", "甲磺酰氧基"), ("tosylmethyl", "对甲苯磺酰甲基"), ("basic", "碱式"),
    # "basic" stands inside these; 一元, 二元, 三元 as in 二元酸 (dibasic acid).
    ("monobasic", "一元"), ("dibasic", "二元"), ("tribasic", "三元"),
    # Basic salts written with sub-: bismuth subsalicylate 碱式水杨酸铋.
    ("subsalicylate", "碱式水杨酸酯"), ("subgallate", "碱式没食子酸酯"), ("subnitrate", "碱式硝酸酯"),
    ("subcarbonate", "碱式碳酸酯"), ("subacetate", "碱式乙酸酯"), ("dicarbonic acid", "二碳酸"),
]

# Natural products: flavonoids, coumarins, quinones, terpenes, phenolics,
# glycosides, pigments and other plant and animal substances.
NATURAL = [
    ("rutin", "芦丁"), ("rutinose", "芸香糖"), ("rutinoside", "芸香糖苷"), ("kaempferol", "山柰酚"),
    ("daidzein", "大豆苷元"), ("daidzin", "大豆苷"), ("hesperidin", "橙皮苷"), ("hesperetin", "橙皮素"),
    ("neohesperidin", "新橙皮苷"), ("naringin", "柚皮苷"), ("catechin", "儿茶素"), ("epicatechin", "表儿茶素"),
    ("gallocatechin", "没食子儿茶素"), ("epigallocatechin", "表没食子儿茶素"),
    ("epigallocatechin gallate", "表没食子儿茶素没食子酸酯"), ("epicatechin gallate", "表儿茶素没食子酸酯"),
    ("resveratrol", "白藜芦醇"), ("pterostilbene", "紫檀芪"), ("curcumin", "姜黄素"), ("curcuminoid", "姜黄素类"),
    ("baicalin", "黄芩苷"), ("baicalein", "黄芩素"), ("wogonin", "汉黄芩素"), ("emodin", "大黄素"),
    ("aloe-emodin", "芦荟大黄素"), ("rhein", "大黄酸"), ("chrysophanol", "大黄酚"), ("physcion", "大黄素甲醚"),
    ("umbelliferone", "伞形花内酯"), ("scopoletin", "东莨菪内酯"), ("esculetin", "七叶内酯"), ("esculin", "七叶苷"),
    ("aesculin", "七叶苷"), ("psoralen", "补骨脂素"), ("bergapten", "佛手柑内酯"), ("imperatorin", "欧前胡素"),
    ("osthole", "蛇床子素"), ("myricetin", "杨梅素"), ("isorhamnetin", "异鼠李素"), ("fisetin", "漆黄素"),
    ("galangin", "高良姜素"), ("morin", "桑色素"), ("chrysin", "白杨素"), ("puerarin", "葛根素"),
    ("icariin", "淫羊藿苷"), ("silybin", "水飞蓟宾"), ("silibinin", "水飞蓟宾"), ("silymarin", "水飞蓟素"),
    ("arbutin", "熊果苷"), ("salicin", "水杨苷"), ("amygdalin", "苦杏仁苷"), ("paeoniflorin", "芍药苷"),
    ("paeonol", "丹皮酚"), ("geniposide", "栀子苷"), ("gastrodin", "天麻素"), ("ginsenoside", "人参皂苷"),
    ("glycyrrhizin", "甘草甜素"), ("stevioside", "甜菊苷"), ("rebaudioside", "莱鲍迪苷"), ("mogroside", "罗汉果苷"),
    ("saponin", "皂苷"), ("digitonin", "洋地黄皂苷"), ("diosgenin", "薯蓣皂苷元"), ("dioscin", "薯蓣皂苷"),
    ("betulin", "白桦脂醇"), ("lupeol", "羽扇豆醇"), ("friedelin", "木栓酮"), ("cucurbitacin", "葫芦素"),
    ("limonin", "柠檬苦素"), ("gossypol", "棉酚"), ("rotenone", "鱼藤酮"), ("pyrethrin", "除虫菊酯"),
    ("azadirachtin", "印楝素"), ("andrographolide", "穿心莲内酯"), ("triptolide", "雷公藤甲素"),
    ("oridonin", "冬凌草甲素"), ("ginkgolide", "银杏内酯"), ("bilobalide", "白果内酯"), ("tannin", "单宁"),
    ("lignin", "木质素"), ("melanin", "黑色素"), ("anthocyanin", "花青素"), ("anthocyanidin", "花色素"),
    ("proanthocyanidin", "原花青素"), ("procyanidin", "原花青素"), ("delphinidin", "飞燕草素"),
    ("pelargonidin", "天竺葵素"), ("malvidin", "锦葵色素"), ("carotenoid", "类胡萝卜素"), ("xanthophyll", "叶黄素"),
    ("zeaxanthin", "玉米黄质"), ("canthaxanthin", "角黄素"), ("capsanthin", "辣椒红素"), ("crocin", "藏花素"),
    ("crocetin", "藏花酸"), ("fucoxanthin", "岩藻黄质"), ("hemin", "氯化血红素"), ("protoporphyrin", "原卟啉"),
    ("hematoporphyrin", "血卟啉"), ("urobilin", "尿胆素"), ("allantoin", "尿囊素"), ("gramine", "芦竹碱"),
    ("pulegone", "胡薄荷酮"), ("isopulegol", "异胡薄荷醇"), ("cedrol", "柏木醇"), ("cedrene", "柏木烯"),
    ("estragole", "草蒿脑"), ("thujone", "侧柏酮"), ("fenchone", "葑酮"), ("fenchol", "葑醇"),
    ("verbenone", "马鞭草烯酮"), ("nootkatone", "诺卡酮"), ("valencene", "瓦伦烯"), ("caryophyllene", "石竹烯"),
    ("humulene", "葎草烯"), ("bisabolol", "红没药醇"), ("santalol", "檀香醇"), ("patchoulol", "广藿香醇"),
    ("longifolene", "长叶烯"), ("cineole", "桉叶素"), ("eucalyptol", "桉叶油醇"), ("ascaridole", "驱蛔素"),
    ("sabinene", "桧烯"), ("phellandrene", "水芹烯"), ("terpinolene", "萜品油烯"), ("lavandulol", "薰衣草醇"),
    ("sclareol", "香紫苏醇"), ("ambroxide", "降龙涎香醚"), ("jasmone", "茉莉酮"),
    ("maltol", "麦芽酚"), ("ethylmaltol", "乙基麦芽酚"), ("ethylvanillin", "乙基香兰素"),
    ("heliotropin", "洋茉莉醛"), ("myristicin", "肉豆蔻醚"), ("elemicin", "榄香素"), ("apiole", "芹菜脑"),
    ("methyleugenol", "甲基丁香酚"), ("zingerone", "姜酮"), ("gingerol", "姜酚"), ("shogaol", "姜烯酚"),
    ("carveol", "香芹醇"), ("perillaldehyde", "紫苏醛"), ("perillyl alcohol", "紫苏醇"), ("myrtenal", "桃金娘烯醛"),
    ("myrtenol", "桃金娘烯醇"), ("piperitone", "胡椒酮"), ("thymoquinone", "百里醌"),
    ("carnosol", "鼠尾草酚"), ("menthyl", "薄荷基"), ("bornyl", "龙脑基"), ("isobornyl", "异龙脑基"),
    ("citronellyl", "香茅基"), ("terpinyl", "松油基"), ("tetrodotoxin", "河豚毒素"), ("muscarine", "毒蕈碱"),
    ("podophyllotoxin", "鬼臼毒素"), ("chitin", "甲壳素"),
]

# Alkaloids.
ALKALOIDS = [
    ("palmatine", "巴马汀"), ("jatrorrhizine", "药根碱"), ("coptisine", "黄连碱"), ("matrine", "苦参碱"),
    ("oxymatrine", "氧化苦参碱"), ("sophoridine", "槐定碱"), ("tetrandrine", "粉防己碱"), ("sinomenine", "青藤碱"),
    ("vincamine", "长春胺"), ("yohimbine", "育亨宾"), ("ajmaline", "阿义马林"), ("lobeline", "洛贝林"),
    ("cytisine", "金雀花碱"), ("sparteine", "鹰爪豆碱"), ("arecoline", "槟榔碱"), ("galanthamine", "加兰他敏"),
    ("evodiamine", "吴茱萸碱"), ("rutaecarpine", "吴茱萸次碱"), ("solanine", "龙葵碱"), ("tomatine", "番茄碱"),
    ("coniine", "毒芹碱"), ("anabasine", "新烟碱"), ("nornicotine", "去甲烟碱"), ("cotinine", "可替宁"),
    ("paraxanthine", "副黄嘌呤"), ("trigonelline", "葫芦巴碱"), ("hordenine", "大麦芽碱"), ("synephrine", "辛弗林"),
    ("mescaline", "麦司卡林"), ("psilocybin", "裸盖菇素"), ("thebaine", "蒂巴因"), ("noscapine", "那可丁"),
    ("sanguinarine", "血根碱"), ("chelerythrine", "白屈菜红碱"), ("boldine", "波尔定碱"), ("glaucine", "海罂粟碱"),
    ("tubocurarine", "筒箭毒碱"), ("cephaeline", "吐根酚碱"), ("homoharringtonine", "高三尖杉酯碱"),
    ("harringtonine", "三尖杉酯碱"), ("aconitine", "乌头碱"), ("hypaconitine", "次乌头碱"), ("cinchonine", "辛可宁"),
    ("cinchonidine", "辛可尼丁"), ("nuciferine", "荷叶碱"), ("leonurine", "益母草碱"), ("stachydrine", "水苏碱"),
    ("pseudotropine", "假托品"), ("huperzine a", "石杉碱甲"), ("vinpocetine", "长春西汀"),
]

# Steroid parents and sterols.
STEROIDS = [
    ("cholestane", "胆甾烷"), ("androstane", "雄甾烷"), ("estrane", "雌甾烷"), ("pregnane", "孕甾烷"),
    ("cholane", "胆烷"), ("gonane", "甾烷"), ("spirostan", "螺甾烷"), ("ergostane", "麦角甾烷"),
    ("stigmastane", "豆甾烷"), ("campesterol", "菜油甾醇"), ("brassicasterol", "菜籽甾醇"),
    ("fucosterol", "岩藻甾醇"), ("desmosterol", "链甾醇"), ("zymosterol", "酵母甾醇"),
    ("dehydrocholesterol", "脱氢胆固醇"), ("coprostanol", "粪甾醇"), ("cholestanol", "胆甾烷醇"),
    ("equilin", "马烯雌酮"), ("mestranol", "美雌醇"), ("androstenedione", "雄烯二酮"), ("androsterone", "雄酮"),
    ("epiandrosterone", "表雄酮"), ("dehydroepiandrosterone", "脱氢表雄酮"), ("epitestosterone", "表睾酮"),
    ("dihydrotestosterone", "双氢睾酮"), ("pregnenolone", "孕烯醇酮"), ("corticosterone", "皮质酮"),
    ("deoxycorticosterone", "去氧皮质酮"), ("boldenone", "勃地酮"), ("trenbolone", "群勃龙"),
    ("oxandrolone", "氧雄龙"), ("oxymetholone", "羟甲烯龙"), ("methandienone", "美雄酮"),
    ("fluoxymesterone", "氟甲睾酮"), ("ecdysone", "蜕皮激素"), ("ecdysterone", "蜕皮甾酮"), ("sitostanol", "谷甾烷醇"),
]

# Dyes, stains and indicators.
DYES = [
    ("eosin y", "曙红Y"), ("methyl red", "甲基红"), ("methyl violet", "甲基紫"), ("ethyl violet", "乙基紫"),
    ("gentian violet", "龙胆紫"), ("malachite green", "孔雀石绿"), ("brilliant green", "亮绿"),
    ("methyl green", "甲基绿"), ("basic fuchsin", "碱性品红"), ("acid fuchsin", "酸性品红"), ("fuchsin", "品红"),
    ("fuchsine", "品红"), ("safranin", "番红"), ("safranine", "番红"), ("safranin o", "番红O"),
    ("neutral red", "中性红"), ("nile red", "尼罗红"), ("nile blue", "尼罗蓝"), ("toluidine blue", "甲苯胺蓝"),
    ("trypan blue", "台盼蓝"), ("evans blue", "伊文思蓝"), ("aniline blue", "苯胺蓝"), ("methyl blue", "甲基蓝"),
    ("janus green b", "詹纳斯绿B"), ("sudan iii", "苏丹III"), ("sudan iv", "苏丹IV"), ("sudan black b", "苏丹黑B"),
    ("oil red o", "油红O"), ("orange g", "橙黄G"), ("alizarin", "茜素"), ("alizarin red s", "茜素红S"),
    ("alizarin yellow r", "茜素黄R"), ("hematoxylin", "苏木精"), ("haematoxylin", "苏木精"), ("carmine", "胭脂红"),
    ("carminic acid", "胭脂红酸"), ("indigo carmine", "靛胭脂"), ("bromocresol green", "溴甲酚绿"),
    ("bromocresol purple", "溴甲酚紫"), ("cresol red", "甲酚红"), ("phenol red", "酚红"), ("thymol blue", "百里酚蓝"),
    ("thymolphthalein", "百里酚酞"), ("xylenol orange", "二甲酚橙"), ("murexide", "紫脲酸铵"),
    ("eriochrome black t", "铬黑T"), ("methylthymol blue", "甲基百里酚蓝"), ("dithizone", "双硫腙"),
    ("dimethylglyoxime", "丁二酮肟"), ("bathophenanthroline", "红菲咯啉"), ("bathocuproine", "浴铜灵"),
    ("neocuproine", "新亚铜灵"), ("ferroin", "试亚铁灵"), ("diphenylcarbazide", "二苯卡巴肼"),
    ("diphenylcarbazone", "二苯卡巴腙"), ("litmus", "石蕊"), ("metanil yellow", "间胺黄"), ("tartrazine", "柠檬黄"),
    ("sunset yellow", "日落黄"), ("amaranth", "苋菜红"), ("allura red", "诱惑红"), ("erythrosine", "赤藓红"),
    ("erythrosin", "赤藓红"), ("ponceau s", "丽春红S"), ("acridine orange", "吖啶橙"), ("acridine yellow", "吖啶黄"),
    ("ethidium bromide", "溴化乙锭"), ("propidium iodide", "碘化丙啶"), ("thioflavin t", "硫黄素T"),
    ("auramine o", "金胺O"), ("rhodamine b", "罗丹明B"), ("rhodamine 6g", "罗丹明6G"),
    ("fluorescein isothiocyanate", "异硫氰酸荧光素"), ("calcein", "钙黄绿素"), ("cresolphthalein", "甲酚酞"),
    ("chlorophenol red", "氯酚红"), ("resazurin", "刃天青"), ("resorufin", "试卤灵"),
    ("nitro blue tetrazolium", "氮蓝四唑"), ("nitroblue tetrazolium", "氮蓝四唑"), ("indocyanine green", "吲哚菁绿"),
    ("giemsa", "吉姆萨"), ("bismarck brown", "俾斯麦棕"), ("sirius red", "天狼猩红"),
    ("azure", "天青"), ("bromophenol red", "溴酚红"), ("bromochlorophenol blue", "溴氯酚蓝"),
    ("naphthol green b", "萘酚绿B"), ("quinoline yellow", "喹啉黄"), ("tetrazolium", "四唑鎓"),
]

# Sugars, glycosides, nucleosides and nucleotides not written by the other tables.
SUGARS = [
    ("myo-inositol", "肌醇"), ("gluconolactone", "葡萄糖酸内酯"), ("glucono-delta-lactone", "葡萄糖酸-δ-内酯"), ("sorbitan", "脱水山梨醇"),
    ("maltitol", "麦芽糖醇"), ("lactitol", "乳糖醇"), ("galactitol", "半乳糖醇"), ("dulcitol", "卫矛醇"),
    ("melibiose", "蜜二糖"), ("isomaltose", "异麦芽糖"), ("gentiobiose", "龙胆二糖"), ("sophorose", "槐糖"),
    ("melezitose", "松三糖"), ("maltotriose", "麦芽三糖"), ("muramic acid", "胞壁酸"), ("mannosamine", "甘露糖胺"),
    ("sedoheptulose", "景天庚酮糖"), ("psicose", "阿洛酮糖"), ("allulose", "阿洛酮糖"),
    ("levoglucosan", "左旋葡聚糖"), ("glucitol", "山梨醇"), ("threitol", "苏糖醇"), ("arabinitol", "阿拉伯糖醇"),
    ("glucoside", "葡萄糖苷"), ("galactoside", "半乳糖苷"), ("mannoside", "甘露糖苷"), ("glucuronide", "葡糖醛酸苷"),
    ("riboside", "核糖苷"), ("xyloside", "木糖苷"), ("arabinoside", "阿拉伯糖苷"), ("rhamnoside", "鼠李糖苷"),
    ("fucoside", "岩藻糖苷"), ("glucosyl", "葡萄糖基"), ("galactosyl", "半乳糖基"), ("mannosyl", "甘露糖基"),
    ("ribosyl", "核糖基"), ("xylosyl", "木糖基"), ("fructosyl", "果糖基"), ("glycosyl", "糖基"),
    ("trisaccharide", "三糖"), ("oligosaccharide", "寡糖"), ("hyaluronan", "透明质酸"),
    ("dinucleotide", "二核苷酸"), ("mononucleotide", "单核苷酸"), ("oligonucleotide", "寡核苷酸"),
    ("polynucleotide", "多核苷酸"), ("nicotinamide adenine dinucleotide", "烟酰胺腺嘌呤二核苷酸"),
    ("nicotinamide adenine dinucleotide phosphate", "烟酰胺腺嘌呤二核苷酸磷酸"),
    ("flavin adenine dinucleotide", "黄素腺嘌呤二核苷酸"), ("flavin mononucleotide", "黄素单核苷酸"),
    ("adenylic acid", "腺苷酸"), ("guanylic acid", "鸟苷酸"), ("cytidylic acid", "胞苷酸"),
    ("uridylic acid", "尿苷酸"), ("inosinic acid", "肌苷酸"), ("thymidylic acid", "胸苷酸"),
    ("inosinate", "肌苷酸酯"), ("guanylate", "鸟苷酸酯"), ("adenylate", "腺苷酸酯"),
    ("deoxyadenosine", "脱氧腺苷"), ("deoxyguanosine", "脱氧鸟苷"), ("deoxycytidine", "脱氧胞苷"),
    ("deoxyuridine", "脱氧尿苷"), ("deoxythymidine", "脱氧胸苷"), ("deoxyinosine", "脱氧肌苷"),
    ("adenosylmethionine", "腺苷甲硫氨酸"), ("adenosylhomocysteine", "腺苷高半胱氨酸"),
]
# Sugar stems with their Chinese, for the pyranose/furanose words.
SUGAR_STEMS = [("gluco", "葡萄糖"), ("galacto", "半乳糖"), ("manno", "甘露糖"), ("xylo", "木糖"), ("ribo", "核糖"),
               ("arabino", "阿拉伯糖"), ("fuco", "岩藻糖"), ("rhamno", "鼠李糖"), ("fructo", "果糖"), ("lyxo", "来苏糖"),
               ("allo", "阿洛糖"), ("talo", "塔罗糖"), ("gulo", "古洛糖"), ("altro", "阿卓糖"), ("ido", "艾杜糖")]
NUCLEOSIDES = [("adenosine", "腺苷"), ("guanosine", "鸟苷"), ("cytidine", "胞苷"), ("uridine", "尿苷"),
               ("thymidine", "胸苷"), ("inosine", "肌苷"), ("deoxyadenosine", "脱氧腺苷"), ("deoxyguanosine", "脱氧鸟苷"),
               ("deoxycytidine", "脱氧胞苷"), ("deoxythymidine", "脱氧胸苷"), ("deoxyuridine", "脱氧尿苷")]


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
VITAMINS = [
    ("vitamin a", "维生素A"), ("vitamin b1", "维生素B1"), ("vitamin b2", "维生素B2"), ("vitamin b3", "维生素B3"),
    ("vitamin b5", "维生素B5"), ("vitamin b6", "维生素B6"), ("vitamin b12", "维生素B12"), ("vitamin c", "维生素C"),
    ("vitamin d", "维生素D"), ("vitamin d2", "维生素D2"), ("vitamin d3", "维生素D3"), ("vitamin e", "维生素E"),
    ("vitamin h", "维生素H"), ("vitamin k", "维生素K"), ("vitamin k1", "维生素K1"), ("vitamin k2", "维生素K2"),
    ("vitamin k3", "维生素K3"), ("thiamin", "硫胺素"), ("riboflavine", "核黄素"), ("hydroxocobalamin", "羟钴胺"),
    ("methylcobalamin", "甲钴胺"), ("mecobalamin", "甲钴胺"), ("adenosylcobalamin", "腺苷钴胺"),
    ("cobamamide", "腺苷钴胺"), ("leucovorin", "亚叶酸"),
    ("tetrahydrofolic acid", "四氢叶酸"), ("panthenol", "泛醇"), ("dexpanthenol", "右泛醇"),
    ("pantethine", "泛硫乙胺"), ("phytonadione", "维生素K1"), ("phytomenadione", "维生素K1"),
    ("menatetrenone", "四烯甲萘醌"), ("ubidecarenone", "泛癸利酮"), ("coenzyme q10", "辅酶Q10"),
    ("thioctic acid", "硫辛酸"), ("benfotiamine", "苯磷硫胺"), ("fursultiamine", "呋喃硫胺"),
    ("cocarboxylase", "辅羧酶"), ("retinyl", "视黄醇"), ("tocopheryl", "生育酚"), ("tocopherol acetate", "生育酚乙酸酯"),
    ("ascorbyl", "抗坏血酸"), ("retinyl acetate", "视黄醇乙酸酯"), ("retinyl palmitate", "视黄醇棕榈酸酯"),
    ("tocopheryl acetate", "生育酚乙酸酯"), ("tocopheryl succinate", "生育酚琥珀酸酯"),
    ("ascorbyl palmitate", "抗坏血酸棕榈酸酯"), ("ascorbyl stearate", "抗坏血酸硬脂酸酯"), ("pyridoxal phosphate", "磷酸吡哆醛"), ("pyridoxal 5'-phosphate", "5'-磷酸吡哆醛"),
    ("tocotrienol", "生育三烯酚"), ("calcifediol", "骨化二醇"),
]

# Reagents known by a trivial or a person's name.
REAGENTS = [
    ("chloranil", "四氯苯醌"), ("bromanil", "四溴苯醌"), ("dimedone", "双甲酮"), ("triethylenediamine", "三乙烯二胺"),
    ("tris base", "三羟甲基氨基甲烷"), ("proton sponge", "质子海绵"), ("lawesson's reagent", "劳森试剂"),
    ("burgess reagent", "伯吉斯试剂"),
    ("schwartz's reagent", "施瓦茨试剂"), ("jones reagent", "琼斯试剂"), ("collins reagent", "柯林斯试剂"),
    ("fehling's solution", "斐林试剂"), ("tollens' reagent", "托伦试剂"), ("tollens reagent", "托伦试剂"),
    ("nessler's reagent", "奈斯勒试剂"), ("benedict's reagent", "本尼迪特试剂"), ("schiff's reagent", "希夫试剂"),
    ("ellman's reagent", "埃尔曼试剂"), ("karl fischer reagent", "卡尔费休试剂"), ("vilsmeier reagent", "维尔斯迈尔试剂"),
    ("zeise's salt", "蔡斯盐"), ("reinecke's salt", "雷氏盐"), ("grignard reagent", "格氏试剂"), ("reagent", "试剂"),
    ("succinimidyl", "琥珀酰亚胺基"), ("succinimido", "琥珀酰亚氨基"), ("phthalimido", "邻苯二甲酰亚氨基"),
    ("maleimido", "马来酰亚氨基"), ("iodoxy", "碘酰基"), ("iodosyl", "亚碘酰基"), ("phthaloyl", "邻苯二甲酰基"), ("isopropylidene", "异亚丙基"),
    ("benzylidene", "亚苄基"), ("acetonide", "缩丙酮"), ("acetaldoxime", "乙醛肟"), ("benzaldoxime", "苯甲醛肟"),
    ("prussic acid", "氢氰酸"), ("fulminic acid", "雷酸"), ("rubeanic acid", "二硫代草酰胺"), ("acetylide", "乙炔化物"),
    ("diacetonamine", "双丙酮胺"),
    ("dicyclopentadiene", "双环戊二烯"), ("biphenol", "联苯二酚"), ("piperidone", "哌啶酮"),
    ("piperidinol", "哌啶醇"), ("pyrrolidinol", "吡咯烷醇"), ("crotonyl", "巴豆酰基"), ("crotonyl chloride", "巴豆酰氯"),
    ("caproyl", "己酰基"), ("palmityl", "棕榈基"), ("behenyl", "山嵛基"), ("arachidyl", "花生基"),
    ("myristyl alcohol", "肉豆蔻醇"), ("palmityl alcohol", "棕榈醇"), ("behenyl alcohol", "山嵛醇"),
    ("arachidyl alcohol", "花生醇"),
]

# Derivatives of common aldehydes and ketones named by class: "acetone oxime"
# 丙酮肟, "benzaldehyde phenylhydrazone" 苯甲醛苯腙. The whole name also keeps
# the shorter class words ("aldehyde oxime") from firing inside it.
ALDEHYDES = [("formaldehyde", "甲醛"), ("acetaldehyde", "乙醛"), ("propionaldehyde", "丙醛"),
             ("butyraldehyde", "丁醛"), ("benzaldehyde", "苯甲醛"), ("salicylaldehyde", "水杨醛"),
             ("anisaldehyde", "茴香醛"), ("cinnamaldehyde", "肉桂醛"), ("furfural", "糠醛"), ("glyoxal", "乙二醛"),
             ("vanillin", "香草醛"), ("citral", "柠檬醛"), ("glutaraldehyde", "戊二醛"), ("isobutyraldehyde", "异丁醛")]
KETONES = [("acetone", "丙酮"), ("butanone", "丁酮"), ("acetophenone", "苯乙酮"),
           ("benzophenone", "二苯甲酮"), ("cyclohexanone", "环己酮"), ("cyclopentanone", "环戊酮"),
           ("cyclobutanone", "环丁酮"), ("camphor", "樟脑"), ("biacetyl", "丁二酮"), ("benzil", "苯偶酰"),
           ("acetylacetone", "乙酰丙酮"), ("fluorenone", "芴酮"), ("isatin", "靛红"), ("menthone", "薄荷酮"),
           ("carvone", "香芹酮"), ("pinacolone", "频哪酮"), ("propiophenone", "苯丙酮"), ("tetralone", "四氢萘酮")]
CARBONYL_WORDS = [(" oxime", "肟"), (" hydrazone", "腙"), (" phenylhydrazone", "苯腙"), (" semicarbazone", "缩氨基脲"),
                  (" thiosemicarbazone", "缩氨基硫脲"), (" 2,4-dinitrophenylhydrazone", "2,4-二硝基苯腙"),
                  (" tosylhydrazone", "对甲苯磺酰腙"), (" cyanohydrin", "氰醇")]
ACETAL_WORDS = [(" dimethyl acetal", "二甲缩醛"), (" diethyl acetal", "二乙缩醛")]
KETAL_WORDS = [(" dimethyl ketal", "二甲缩酮"), (" ethylene ketal", "乙二醇缩酮")]


def carbonyl_derivatives():
    rows = [(a + w, acn + wcn) for a, acn in ALDEHYDES for w, wcn in CARBONYL_WORDS + ACETAL_WORDS]
    return rows + [(k + w, kcn + wcn) for k, kcn in KETONES for w, wcn in CARBONYL_WORDS + KETAL_WORDS]

# Protecting groups written out, and amino acids written by their
# three-letter code between a protecting group and -OH or an ester
# (Boc-Gly-OH is Boc-甘氨酸); the abbreviations themselves stay as written.
PROTECTING = [(row["english"], row["chinese"]) for row in table("protecting-groups.tsv") if row["english"]]
AMINO_CODES = [("gly", "甘氨酸"), ("ala", "丙氨酸"), ("val", "缬氨酸"), ("leu", "亮氨酸"), ("ile", "异亮氨酸"),
               ("pro", "脯氨酸"), ("phe", "苯丙氨酸"), ("trp", "色氨酸"), ("met", "甲硫氨酸"), ("ser", "丝氨酸"),
               ("thr", "苏氨酸"), ("cys", "半胱氨酸"), ("tyr", "酪氨酸"), ("asn", "天冬酰胺"), ("gln", "谷氨酰胺"),
               ("asp", "天冬氨酸"), ("glu", "谷氨酸"), ("lys", "赖氨酸"), ("arg", "精氨酸"), ("his", "组氨酸")]
AMINO_CODE_ENDS = [("-oh", ""), ("-ome", "甲酯"), ("-oet", "乙酯"), ("-otbu", "叔丁酯"), ("-obzl", "苄酯"),
                   ("-obn", "苄酯"), ("-nh2", "酰胺")]


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
GLYCOLS = [("ethylene glycol", "乙二醇"), ("diethylene glycol", "二乙二醇"), ("triethylene glycol", "三乙二醇"),
           ("tetraethylene glycol", "四乙二醇"), ("polyethylene glycol", "聚乙二醇"), ("propylene glycol", "丙二醇"),
           ("dipropylene glycol", "二丙二醇"), ("tripropylene glycol", "三丙二醇"),
           ("polypropylene glycol", "聚丙二醇")]
GLYCOL_WORDS = [(" dimethyl ether", "二甲醚"), (" diethyl ether", "二乙醚"), (" dibutyl ether", "二丁醚"),
                (" monomethyl ether", "单甲醚"), (" monoethyl ether", "单乙醚"), (" monobutyl ether", "单丁醚"),
                (" monopropyl ether", "单丙醚"), (" monophenyl ether", "单苯醚"), (" methyl ether", "甲醚"),
                (" ethyl ether", "乙醚"), (" butyl ether", "丁醚"), (" propyl ether", "丙醚"), (" phenyl ether", "苯醚"),
                (" monomethyl ether acetate", "单甲醚乙酸酯"), (" methyl ether acetate", "甲醚乙酸酯"),
                (" monoethyl ether acetate", "单乙醚乙酸酯"), (" monobutyl ether acetate", "单丁醚乙酸酯"),
                (" butyl ether acetate", "丁醚乙酸酯"), (" diacetate", "二乙酸酯"), (" diacrylate", "二丙烯酸酯"),
                (" dimethacrylate", "二甲基丙烯酸酯"), (" dibenzoate", "二苯甲酸酯"), (" distearate", "二硬脂酸酯"),
                (" monostearate", "单硬脂酸酯"), (" monolaurate", "单月桂酸酯"), (" monooleate", "单油酸酯"),
                (" diglycidyl ether", "二缩水甘油醚"), (" bis(3-aminopropyl) ether", "双(3-氨丙基)醚")]


def glycols():
    return [(g + w, gcn + wcn) for g, gcn in GLYCOLS for w, wcn in GLYCOL_WORDS]


# Solvent trade names, polymers, excipients and natural materials.
POLYMERS = [
    # Alkyl cellosolves, carbitols and cellulose ethers go word by word (甲基 溶纤剂):
    # a whole "ethyl cellosolve" would fire inside "phenethyl cellosolve".
    ("cellosolve", "溶纤剂"), ("carbitol", "卡必醇"),
    ("polyvinyl acetate", "聚乙酸乙烯酯"), ("poly(vinyl acetate)", "聚乙酸乙烯酯"),
    ("polymethyl methacrylate", "聚甲基丙烯酸甲酯"), ("poly(methyl methacrylate)", "聚甲基丙烯酸甲酯"),
    ("polyethylene oxide", "聚氧化乙烯"), ("poly(ethylene oxide)", "聚氧化乙烯"), ("polyethylene glycol", "聚乙二醇"),
    ("poly(ethylene glycol)", "聚乙二醇"), ("polypropylene glycol", "聚丙二醇"),
    ("polyvinylidene fluoride", "聚偏二氟乙烯"), ("poly(vinylidene fluoride)", "聚偏二氟乙烯"),
    ("polyvinylidene chloride", "聚偏二氯乙烯"), ("polyacrylonitrile", "聚丙烯腈"), ("polylactic acid", "聚乳酸"),
    ("poly(lactic acid)", "聚乳酸"), ("polylactide", "聚丙交酯"), ("polyglycolic acid", "聚乙醇酸"),
    ("polyglycolide", "聚乙交酯"), ("polycaprolactone", "聚己内酯"), ("polyoxymethylene", "聚甲醛"),
    ("polydimethylsiloxane", "聚二甲基硅氧烷"), ("polyethyleneimine", "聚乙烯亚胺"), ("polyethylenimine", "聚乙烯亚胺"),
    ("polyacrylic acid", "聚丙烯酸"), ("poly(acrylic acid)", "聚丙烯酸"), ("polyacrylate", "聚丙烯酸酯"),
    ("polymethacrylic acid", "聚甲基丙烯酸"), ("polyvinyl butyral", "聚乙烯醇缩丁醛"),
    ("polyvinyl formal", "聚乙烯醇缩甲醛"), ("polybutadiene", "聚丁二烯"), ("polyisoprene", "聚异戊二烯"),
    ("polyisobutylene", "聚异丁烯"), ("polychloroprene", "聚氯丁二烯"), ("polyaniline", "聚苯胺"),
    ("polypyrrole", "聚吡咯"), ("polythiophene", "聚噻吩"), ("polyimide", "聚酰亚胺"), ("polysulfone", "聚砜"),
    ("polyethersulfone", "聚醚砜"), ("polyether ether ketone", "聚醚醚酮"), ("polyphenylene oxide", "聚苯醚"),
    ("polyphenylene sulfide", "聚苯硫醚"), ("polybutylene terephthalate", "聚对苯二甲酸丁二醇酯"),
    ("polyethylene naphthalate", "聚萘二甲酸乙二醇酯"), ("polystyrene sulfonate", "聚苯乙烯磺酸酯"),
    ("polyoxyethylene", "聚氧乙烯"), ("polysorbate", "聚山梨酯"), ("poloxamer", "泊洛沙姆"), ("carbomer", "卡波姆"),
    ("povidone", "聚维酮"), ("crospovidone", "交联聚维酮"), ("copovidone", "共聚维酮"),
    ("hypromellose", "羟丙甲纤维素"), ("hydroxypropyl methylcellulose", "羟丙基甲基纤维素"),
    ("hydroxypropyl methyl cellulose", "羟丙基甲基纤维素"), ("methylcellulose", "甲基纤维素"),
    ("ethylcellulose", "乙基纤维素"),
    ("hydroxyethyl cellulose", "羟乙基纤维素"), ("hydroxyethylcellulose", "羟乙基纤维素"),
    ("hydroxypropyl cellulose", "羟丙基纤维素"), ("hydroxypropylcellulose", "羟丙基纤维素"),
    ("carboxymethyl cellulose", "羧甲基纤维素"), ("carboxymethylcellulose", "羧甲基纤维素"),
    ("carmellose", "羧甲纤维素"), ("croscarmellose", "交联羧甲纤维素"), ("microcrystalline cellulose", "微晶纤维素"),
    ("cellulose acetate", "醋酸纤维素"), ("nitrocellulose", "硝化纤维素"), ("cellulose nitrate", "硝化纤维素"),
    ("xanthan gum", "黄原胶"), ("guar gum", "瓜尔胶"), ("gum arabic", "阿拉伯胶"), ("agar", "琼脂"),
    ("gelatin", "明胶"), ("gelatine", "明胶"), ("collagen", "胶原蛋白"), ("casein", "酪蛋白"), ("albumin", "白蛋白"),
    ("ovalbumin", "卵清蛋白"), ("lactalbumin", "乳白蛋白"), ("keratin", "角蛋白"), ("fibrinogen", "纤维蛋白原"), ("fibrin", "纤维蛋白"),
    ("elastin", "弹性蛋白"), ("carrageenan", "卡拉胶"), ("pullulan", "普鲁兰多糖"), ("shellac", "虫胶"),
    ("vaseline", "凡士林"), ("petrolatum", "凡士林"), ("lanolin", "羊毛脂"), ("beeswax", "蜂蜡"),
    ("carnauba wax", "巴西棕榈蜡"), ("mineral oil", "矿物油"), ("silicone oil", "硅油"), ("paraffin oil", "液体石蜡"),
    ("liquid paraffin", "液体石蜡"), ("paraffin wax", "石蜡"),
    ("polymethylhydrosiloxane", "聚甲基氢硅氧烷"), ("polysiloxane", "聚硅氧烷"), ("polyphosphazene", "聚磷腈"),
    ("polyvinylamine", "聚乙烯胺"), ("polyallylamine", "聚烯丙胺"), ("polylysine", "聚赖氨酸"),
    ("polyglutamic acid", "聚谷氨酸"), ("polyaspartic acid", "聚天冬氨酸"), ("polyhydroxybutyrate", "聚羟基丁酸酯"),
    ("polyvinylpyridine", "聚乙烯吡啶"), ("polyvinyl alcohol", "聚乙烯醇"),
    ("polyvinylidene difluoride", "聚偏二氟乙烯"), ("polyacrylamide", "聚丙烯酰胺"),
]

# Acids whose -ate and anhydride the trivial-acid series adds (vocabulary.py
# reads this list): (the "-ic" word, Chinese acid).
ACIDS = [
    ("ascorbic", "抗坏血酸"), ("erythorbic", "异抗坏血酸"), ("pantothenic", "泛酸"), ("hyaluronic", "透明质酸"),
    ("lipoic", "硫辛酸"), ("glutamic", "谷氨酸"), ("aspartic", "天冬氨酸"), ("ursodeoxycholic", "熊去氧胆酸"),
    ("chenodeoxycholic", "鹅去氧胆酸"), ("glycocholic", "甘氨胆酸"), ("taurocholic", "牛磺胆酸"),
    ("dehydrocholic", "去氢胆酸"), ("clavulanic", "克拉维酸"), ("mycophenolic", "麦考酚酸"), ("fusidic", "夫西地酸"),
    ("tranexamic", "氨甲环酸"), ("mefenamic", "甲芬那酸"), ("flufenamic", "氟芬那酸"),
    ("meclofenamic", "甲氯芬那酸"), ("tolfenamic", "托芬那酸"), ("nalidixic", "萘啶酸"), ("pipemidic", "吡哌酸"),
    ("ethacrynic", "依他尼酸"), ("aminocaproic", "氨基己酸"), ("aminosalicylic", "氨基水杨酸"),
    ("acetylsalicylic", "乙酰水杨酸"), ("alendronic", "阿仑膦酸"), ("zoledronic", "唑来膦酸"),
    ("ibandronic", "伊班膦酸"), ("risedronic", "利塞膦酸"), ("etidronic", "依替膦酸"), ("pamidronic", "帕米膦酸"),
    ("clodronic", "氯膦酸"), ("pamoic", "双羟萘酸"), ("embonic", "双羟萘酸"), ("isethionic", "羟乙磺酸"),
    ("rosmarinic", "迷迭香酸"), ("ellagic", "鞣花酸"), ("ursolic", "熊果酸"), ("oleanolic", "齐墩果酸"),
    ("glycyrrhizic", "甘草酸"), ("glycyrrhetinic", "甘草次酸"), ("betulinic", "白桦脂酸"), ("usnic", "松萝酸"),
    ("chicoric", "菊苣酸"), ("asiatic", "积雪草酸"), ("carnosic", "鼠尾草酸"), ("gibberellic", "赤霉酸"),
    ("abscisic", "脱落酸"), ("jasmonic", "茉莉酸"), ("humic", "腐植酸"), ("fulvic", "富里酸"), ("phytic", "植酸"),
    ("alginic", "海藻酸"), ("chelidonic", "白屈菜酸"), ("kainic", "红藻氨酸"), ("folinic", "亚叶酸"),
    ("lactobionic", "乳糖酸"), ("chlorogenic", "绿原酸"), ("kojic", "曲酸"), ("tannic", "鞣酸"), ("picric", "苦味酸"),
    ("uric", "尿酸"), ("barbituric", "巴比妥酸"), ("sialic", "唾液酸"), ("neuraminic", "神经氨酸"),
    ("mevalonic", "甲羟戊酸"), ("aminolevulinic", "氨基乙酰丙酸"), ("iminodiacetic", "亚氨基二乙酸"),
    ("nitrilotriacetic", "次氮基三乙酸"), ("lysergic", "麦角酸"), ("clofibric", "氯贝酸"),
    ("docosahexaenoic", "二十二碳六烯酸"), ("eicosapentaenoic", "二十碳五烯酸"), ("squaric", "方酸"),
    ("salvianolic", "丹酚酸"), ("gymnemic", "武靴叶酸"),
]


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
