// Word tables of the names of patrons fleshed out: a first name fitting race and
// sex, and a family or clan name fitting race.
#pragma once

#include <string_view>

namespace brewick::words {

// The tables keep the rows and groups they are written in.
// clang-format off

// First names, one table per race (as the patron line spells it) and gender.
// No name is shared between two tables, not even between races, so a name on
// its own already hints at who wears it.

// Humans: plain, old-fashioned everyday names.
inline constexpr std::string_view kHumanWomen[] = {
    "Agnes", "Maud", "Edith", "Alys", "Joan", "Margery", "Beatrix", "Cecily", "Hilde", "Ida",
    "Rosamund", "Winifred", "Elsbeth", "Greta", "Mildred", "Bertha", "Ottilie", "Tamsin", "Wenna",
    "Hester", "Prudence", "Marta", "Lotte", "Ursel", "Berit", "Sigrun", "Nell", "Bess", "Dorcas",
    "Philippa", "Aldith", "Emmeline", "Clemence", "Avice", "Juliana", "Petronel", "Sabine",
    "Wilma", "Jennet", "Elinor", "Magda", "Katrin", "Mabel", "Annot", "Gisela", "Frida",
    "Lisbet", "Hawise", "Amice",
};

inline constexpr std::string_view kHumanMen[] = {
    "Aldric", "Bertram", "Cuthbert", "Dunstan", "Edwin", "Godfrey", "Hamund", "Piers", "Reynold",
    "Simkin", "Tobias", "Walter", "Wystan", "Jory", "Hob", "Anselm", "Baldwin", "Conrad",
    "Dietmar", "Ewald", "Gerard", "Hugh", "Ivo", "Jasper", "Lambert", "Matthias", "Norbert",
    "Odo", "Ralf", "Ulfert", "Wendel", "Alard", "Emery", "Fulk", "Giles", "Lorenz", "Roger",
    "Stefan", "Bennet", "Crispin", "Hubert", "Oswin", "Rolf", "Tebald", "Warin", "Adelard",
    "Gervase", "Hamon", "Jeremias",
};

// Elves: long, flowing, rich in vowels and in l, r, th and n.
inline constexpr std::string_view kElvenWomen[] = {
    "Aelthiria", "Aravelle", "Thalindra", "Elorien", "Ilsavaine", "Maerithel", "Saerwen",
    "Faelinor", "Ilvaneth", "Quiressa", "Renthalia", "Sorelline", "Taeranwe", "Ylliandra",
    "Merethiel", "Nalvaris", "Ithrelle", "Caelinwe", "Liraleth", "Elvaranne", "Saelith",
    "Thirianel", "Amarille", "Lethrinde", "Naelora", "Orelaith", "Vaerithe", "Yssaleth",
    "Alunwe", "Eirlanthe", "Filarien", "Ilirael", "Lorathe", "Miraliel", "Nenrathil",
    "Raelinde", "Shaeralie", "Tirnaleth", "Ulvarien", "Aerlisse", "Celenthra", "Emrathiel",
    "Halvaerin", "Lunarwen", "Nylisse", "Solanthiel", "Thessarien", "Vilarune",
};

inline constexpr std::string_view kElvenMen[] = {
    "Caelthir", "Elorvan", "Faerath", "Ilmarien", "Lathrenor", "Maelorin", "Nithrandel",
    "Orlathien", "Quessaril", "Raethonar", "Saeldrin", "Thaerion", "Ulvanir", "Vaelthas",
    "Yllaren", "Aelrindor", "Belranthis", "Calanthir", "Daerithon", "Elthalor", "Felarion",
    "Galvarethil", "Ithalor", "Lorenthir", "Mirethal", "Naerolin", "Olvaris", "Perathil",
    "Rhovalen", "Sarethin", "Taliorn", "Velrisan", "Lirrendel", "Nuvaethil", "Onthalas",
    "Ruvalen", "Saerthil", "Thilvarion", "Uriendal", "Vanthirel", "Ostrathel", "Ilrathis",
    "Qirathel", "Aranthel", "Syrandil", "Taervel", "Aevanthor",
};

// Halflings: short, homely and cheerful, many of them pet forms.
inline constexpr std::string_view kHalflingWomen[] = {
    "Tansy", "Clover", "Hettie", "Dilly", "Tilly", "Nettie", "Dotty", "Minty", "Peony", "Sorrel",
    "Bettony", "Cressie", "Elsie", "Fern", "Gertie", "Hollie", "Ivy", "Jonquil", "Kettie",
    "Lettie", "Mallow", "Nutmeg", "Olive", "Quince", "Saffie", "Thimble", "Umbelle", "Vetchie",
    "Winnie", "Yarrow", "Bramble", "Cherry", "Dimpsy", "Effie", "Figgy", "Gilly", "Lulu",
    "Mossie", "Nibby", "Rosehip", "Sukey", "Tibby", "Wren", "Apple", "Bluebell", "Cobnut",
    "Honey", "Maddy",
};

inline constexpr std::string_view kHalflingMen[] = {
    "Tam", "Wilkin", "Rolly", "Dunny", "Bartle", "Perry", "Corby", "Hamble", "Jem", "Kip",
    "Lobbin", "Nibs", "Ollie", "Pim", "Tuck", "Wat", "Alby", "Dob", "Eddo", "Fennick", "Hal",
    "Jonty", "Kit", "Mabbin", "Podge", "Tib", "Upton", "Wimble", "Bertie", "Chip", "Digby",
    "Gus", "Barty", "Cubby", "Dumpling", "Fitch", "Hodge", "Jollop", "Lem", "Nat", "Tomkin",
    "Rudd", "Sammel", "Teddo", "Wigby", "Bonny", "Nolly",
};

// Half-elves: human names softened, with an elven lilt.
inline constexpr std::string_view kHalfElvenWomen[] = {
    "Aveline", "Elisande", "Corwenna", "Liessa", "Mirabel", "Seraine", "Ellory", "Rhianel",
    "Tessaly", "Brielle", "Caelia", "Danaelle", "Evanthe", "Fiorel", "Gwenlith", "Ilsabet",
    "Jessamyn", "Kerensa", "Laurenne", "Maelis", "Oriane", "Perrine", "Talwyn", "Wynne",
    "Aislinn", "Delphine", "Elowen", "Faryn", "Linnea", "Marisel", "Naeve", "Rhosyn",
    "Tamsarin", "Verelle", "Amaris", "Briony", "Celestine", "Eirwen", "Isaline", "Lirien",
    "Meliora", "Noelle", "Sabelle", "Yveline", "Maelwen", "Renna",
};

inline constexpr std::string_view kHalfElvenMen[] = {
    "Aurel", "Kaelen", "Dathren", "Evander", "Alaric", "Bastien", "Caedric", "Darian", "Faelan",
    "Halveth", "Ilian", "Jorian", "Kieran", "Lorian", "Marek", "Neris", "Orrin", "Quentin",
    "Rhys", "Serin", "Tavian", "Varen", "Weylin", "Aldren", "Calder", "Davin", "Emric",
    "Florien", "Ithan", "Jessen", "Kaelum", "Maelor", "Nathrel", "Oren", "Sevrin", "Teodor",
    "Valen", "Brannoc", "Ferris", "Aubrin", "Castien", "Elian", "Gavriel", "Lucien", "Raelan",
    "Silvan", "Tristel",
};

// Dwarves: hard consonants, short heavy syllables.
inline constexpr std::string_view kDwarvenWomen[] = {
    "Bardra", "Dorvi", "Gundra", "Helka", "Ingrit", "Kaldra", "Morda", "Rusgi", "Thordis",
    "Ambra", "Borgha", "Dralla", "Frekka", "Hodra", "Jorka", "Kettra", "Nordra", "Rikka",
    "Tova", "Brondi", "Dunhild", "Eldrun", "Falda", "Gerdra", "Hulda", "Ketta", "Marthra",
    "Oddra", "Skadda", "Thrunna", "Valdra", "Wenhild", "Brekka", "Dolgra", "Gritta", "Haldis",
    "Kolla", "Rodda", "Sigga", "Tordra", "Uldra", "Borka", "Stenna", "Hrolla", "Agda", "Yrsa",
};

inline constexpr std::string_view kDwarvenMen[] = {
    "Bardok", "Durgan", "Grondar", "Haldrek", "Kaggrim", "Morvek", "Thrangar", "Ulbrek",
    "Vorgrim", "Agnar", "Balgrum", "Dolgan", "Fundrik", "Gorrin", "Harnok", "Jorund", "Kelbar",
    "Lodrik", "Mordak", "Norgrim", "Orrek", "Pelgar", "Rodgar", "Skarn", "Tharbek", "Volgrim",
    "Yngvar", "Bromdal", "Daggrin", "Hrodmar", "Torbald", "Durnhelm", "Faldrek", "Gundor",
    "Holtrim", "Krommar", "Ruggrim", "Baldrun", "Dunmar", "Stigrek", "Thrunbar", "Varnok",
    "Brandek", "Hakon", "Osmund", "Trygg",
};

// Half-orcs: harsh and short, heavy on g, k, r, z and u.
inline constexpr std::string_view kHalfOrcWomen[] = {
    "Grusha", "Ugra", "Krazka", "Mogda", "Zurga", "Hulga", "Bruzka", "Dugga", "Gorza", "Rukha",
    "Urzula", "Vashka", "Yazga", "Zogra", "Barga", "Druva", "Ghorra", "Kurzha", "Muzga",
    "Narka", "Orzu", "Rugha", "Skarra", "Throka", "Uzga", "Dzura", "Hrakka", "Krugga", "Maugra",
    "Okka", "Shurka", "Tuzga", "Ukra", "Zuggi", "Agrah", "Borzha", "Gruzka", "Kozha", "Mugra",
    "Nurzha", "Rakka", "Suzga", "Urka", "Brakka", "Ghuzi", "Zarrka",
};

inline constexpr std::string_view kHalfOrcMen[] = {
    "Grukk", "Kargul", "Druzhak", "Urzog", "Gorrum", "Hruk", "Brogg", "Dhurak", "Ghazruk",
    "Mokk", "Narg", "Ruzgar", "Skarg", "Thrak", "Ugruk", "Vrogg", "Zagrun", "Bazgul", "Gorzad",
    "Hazgar", "Korug", "Lurg", "Murzak", "Rakh", "Shurg", "Urgash", "Yarrug", "Zurk", "Brugo",
    "Dagrak", "Grozh", "Hurgo", "Kagzul", "Mugrosh", "Nurzak", "Ragh", "Thrugg", "Ukzar",
    "Vurz", "Zuk", "Barrok", "Krazgul", "Gharzo", "Durzag", "Kruuzh", "Ogrun",
};

// Gnomes: bouncy, playful, full of doubled sounds and diminutives.
inline constexpr std::string_view kGnomeWomen[] = {
    "Bibbi", "Dimmity", "Fennibel", "Jinxie", "Kipsy", "Lollibee", "Mimbelle", "Nixi",
    "Pocketta", "Quibbly", "Rimsy", "Sprinkla", "Tibbet", "Wobbelle", "Abbadee", "Bellabip",
    "Dabbly", "Effelwin", "Fipsy", "Ginnibel", "Hobbelyn", "Izzibel", "Jibbets", "Mipsy",
    "Nimmelin", "Oppaline", "Pimbly", "Sissifrass", "Winnibet", "Zizzi", "Bobbina",
    "Clinkabel", "Doodlette", "Fizzabella", "Happadee", "Minnowen", "Snibbet", "Twinkeline",
    "Yibbie", "Zoodle", "Tippatoo", "Lumbelle", "Pennywhit", "Dillydee", "Gobbeline", "Wimsy",
};

inline constexpr std::string_view kGnomeMen[] = {
    "Bimble", "Dinkus", "Fizzwick", "Gubbo", "Jibbles", "Nipwick", "Pindle", "Quobble",
    "Rizzlewit", "Tobbin", "Wibbert", "Zibbo", "Boddle", "Dabbert", "Eppelo", "Fiddlewick",
    "Gimbo", "Izzo", "Mibble", "Nobbert", "Orbo", "Pockle", "Quibbs", "Ribbald", "Tinkwell",
    "Ubbo", "Zindle", "Bazzle", "Doddle", "Flibbin", "Gizzo", "Hoppel", "Jinks", "Kibbin",
    "Lodder", "Mizzo", "Noddick", "Pibbo", "Rumbly", "Sizzwick", "Trundle", "Wobbo", "Zazzo",
    "Tocket", "Bobbledy", "Fennelo",
};

// Family names, one table per race; again none is shared between races.

inline constexpr std::string_view kHumanFamilies[] = {
    "Ashcombe", "Bramwell", "Carver", "Dunmoor", "Fairweather", "Greaves", "Hartwell", "Ingle",
    "Lockwood", "Millward", "Northcote", "Oakes", "Pennick", "Shawcross", "Thorne", "Underhay",
    "Whitlock", "Aldcroft", "Brewster", "Cobbold", "Draycott", "Gillow", "Hollins", "Kemble",
    "Pargeter", "Sallow", "Tillman", "Wainwright", "Fletcher", "Hallard", "Marlock", "Thatcher",
    "Coldridge", "Penhollin", "Redmoor",
};

// Elves: lyrical compounds and words of their own tongue.
inline constexpr std::string_view kElvenFamilies[] = {
    "Aelvanthi", "Caelmorre", "Dawnpetal", "Vesperlight", "Faelithar", "Glimmerbough",
    "Halathrine", "Ilvaris", "Larkwhisper", "Lorethai", "Glassmere", "Nightbloom", "Nirathel",
    "Oakensong", "Quillorien", "Silverfrond", "Sorathi", "Starweaver", "Sunlance", "Thalmoren",
    "Ularien", "Vaelmirith", "Windrune", "Yllathae", "Aubrethil", "Dewspire", "Featherdrift",
    "Glasswillow", "Leafwhisper", "Mistrelle", "Songmantle", "Thessalune", "Whisperfall",
    "Moonthistle",
};

// Halflings: cosy compounds of hills, brooks, kitchens and gardens.
inline constexpr std::string_view kHalflingFamilies[] = {
    "Applebake", "Brookhollow", "Butterhill", "Cloverdell", "Crumblecake", "Dunmeadow",
    "Fernbottom", "Kettlebrook", "Mossbank", "Muddlefoot", "Nettlebed", "Oatfield",
    "Pumpkinwell", "Rushbottom", "Turnipseed", "Warmbread", "Willowpuddle", "Puddingstone",
    "Hillfoot", "Greenhedge", "Burrowbank", "Honeycomb", "Jampot", "Pickleby", "Sloeberry",
    "Dimpledale", "Hayloft", "Plumtart", "Crabapple", "Mildbrook", "Cosycombe", "Larderby",
    "Parsleyfield", "Goosecroft",
};

// Half-elves: some human-sounding, some elven-sounding, as their families are.
inline constexpr std::string_view kHalfElvenFamilies[] = {
    "Ashvale", "Dawnmere", "Willowmere", "Brightwater", "Greymantle", "Havenlock", "Larkspur",
    "Mistfield", "Nightingale", "Rainford", "Silverhart", "Starwick", "Thornwood", "Wrenfield",
    "Amberlin", "Caldrien", "Elswood", "Fairwind", "Glenholt", "Hollowell", "Ivorne", "Lathmere",
    "Moorwin", "Tallmere", "Westerlynn", "Ambrevale", "Duskwillow", "Emberlin", "Feywood",
    "Sunhollow", "Lindenhall", "Maerling", "Vanthrow", "Evensward",
};

// Dwarves: clan names built from stone, metal, craft and deeds.
inline constexpr std::string_view kDwarvenClans[] = {
    "Granitebrow", "Ironhewn", "Coalbeard", "Deepdelver", "Flintmantle", "Copperhand",
    "Forgeborn", "Slatebreaker", "Bronzeshield", "Tinderhelm", "Goldvein", "Orehauler",
    "Quarrymaul", "Shalebeard", "Steelsworn", "Tunnelwright", "Basaltfist", "Cinderbrand",
    "Gemcutter", "Ironoath", "Marblejaw", "Pickbreaker", "Rivetborn", "Smeltmaster",
    "Stoutanvil", "Bellowsmith", "Chiselbrow", "Deepmantle", "Emberhold", "Gravelthane",
    "Oreseeker", "Runecarver", "Silverdelve", "Veinfinder", "Cavewarden", "Giantfeller",
};

// Half-orcs: blunt epithets, and a few clan names of the orcish tongue.
inline constexpr std::string_view kHalfOrcFamilies[] = {
    "Ashbelly", "Bitterfang", "Blackthumb", "Bloodnose", "Broketooth", "Cleftjaw", "Crookback",
    "Flatnose", "Gristlebone", "Hardhide", "Harrowjaw", "Knucklebrow", "Mudfoot", "Rattooth",
    "Scarback", "Stonegut", "Tuskbreaker", "Wolfbiter", "Grimtusk", "Splitlip", "Gravelgut",
    "Dirtfist", "Burnscalp", "Rustknee", "Uzgharr", "Kraghul", "Drogzar", "Ghorrak",
    "Zarguul", "Brakkhan", "Gul-Morra", "Ruzzadh", "Skarnukh", "Thuggar",
};

// Gnomes: whimsical compounds of gears, sparks, pockets and gadgets.
inline constexpr std::string_view kGnomeFamilies[] = {
    "Cogwhistle", "Sparkpocket", "Fizzlepop", "Gearspinner", "Tinpenny", "Bellwhistle",
    "Brassbutton", "Dinglepot", "Fiddlegear", "Jinglepocket", "Knobtwist", "Puzzlebox",
    "Quillspring", "Ratchetgrin", "Thimblewit", "Twistwire", "Wobblecog", "Zapfuzzle",
    "Bobbinwind", "Buttonlock", "Cranklepop", "Dazzlewick", "Fuselight", "Glimmergear",
    "Kettlespark", "Pocketclock", "Riddlepin", "Screwtoggle", "Sproutwiggle", "Tocksprocket",
    "Whizzbellow", "Sputtergear", "Doodlebolt", "Gigglespring",
};

// clang-format on

}  // namespace brewick::words
