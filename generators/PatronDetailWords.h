// Word tables for patrons you can play: a name fitting race and gender, a trait to act out and a
// rumour fitting the inn's quarter of town.
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

// Traits: a manner, habit or want for the game master to play. Each follows
// the patron's name ("Agnes taps ..."), so it starts lower case and has no
// full stop, and it says "their" and "they" so it fits anyone.
inline constexpr std::string_view kTraits[] = {
    // Speech.
    "answers every question with another question",
    "speaks in a whisper and leans in far too close",
    "repeats the last word anyone says to them",
    "calls everyone 'cousin', even perfect strangers",
    "hums the same four notes over and over",
    "corrects everyone's pronunciation",
    "cannot stop apologising",
    "speaks only in proverbs, most of them made up on the spot",
    "tells the same story about a wolf three times a night",
    "speaks of the weather as if it were a personal enemy",
    "quotes a book nobody else has ever read",
    "never uses anyone's name, only 'you there'",
    "speaks very slowly, as if to a small child",
    "talks very fast and never quite finishes a sentence",
    "mutters sums under their breath",
    "laughs at their own jokes before reaching the punchline",
    "talks about their mother constantly",
    "sighs deeply every few minutes, hoping someone will ask why",
    "tells terrible puns and waits hopefully for a groan",
    "says 'mark my words' before every prediction",
    "finishes other people's sentences, usually wrongly",
    "speaks kindly but never looks anyone in the eye",
    "speaks in a hoarse croak and blames last night's shouting match",
    "swears colourfully, then blushes and begs pardon",
    "uses long words slightly wrongly and with great confidence",
    "narrates their own actions aloud, like a storyteller",
    "lowers their voice for no reason when saying anything at all",
    "asks everyone to guess where they were born",
    "pauses for a sip in the middle of every sentence",
    "calls the innkeeper by the wrong name and will not be corrected",
    // Gestures and habits.
    "taps the rim of their cup before every sip",
    "keeps a tally of drinks in chalk on the back of their hand",
    "sniffs every dish carefully before eating it",
    "will not sit with their back to the door",
    "counts the candles in the room whenever someone new walks in",
    "talks to their hat as if it were an old friend",
    "rubs a worn coin between finger and thumb while thinking",
    "picks at a splinter in their palm all evening",
    "keeps their purse in a boot and checks on it often",
    "shakes hands far too firmly and for far too long",
    "winks at everyone for no clear reason",
    "keeps a mouse in one pocket and feeds it crumbs",
    "sends back every drink at least once",
    "keeps touching a locket at their throat",
    "picks their teeth with a fishbone",
    "tears their bread into tiny cubes before eating",
    "will only drink from their own battered tin cup",
    "cracks their knuckles before speaking",
    "keeps a small bell and rings it whenever they agree with someone",
    "stirs their drink with a finger",
    "rests their chin on a fist and stares into the fire",
    "keeps a pebble in their mouth while thinking",
    "whistles through a gap in their teeth",
    "pats their pockets every few minutes as if missing something",
    "keeps rearranging the salt, the cups and the candle on the table",
    "keeps checking a small brass hourglass",
    "orders food and then forgets to eat it",
    "spins a dagger on the tabletop when bored",
    "bites their nails to the quick",
    "drums their fingers on the table to a marching beat",
    "writes everything down, even what they had for supper",
    "keeps fiddling with a puzzle box they cannot open",
    "wears gloves and never takes them off",
    "cuts their food with a knife far too large for the job",
    "sketches the faces of other patrons on scraps of paper",
    "sleeps sitting up and wakes with a start at every noise",
    "carries a walking stick they plainly do not need",
    "knocks on wood every time anyone mentions bad luck",
    "folds scraps of paper into tiny birds and leaves them behind",
    "smooths their hair every time someone new enters",
    "chews a sprig of mint and offers leaves to everyone",
    "turns their cup a quarter turn after every sip",
    "polishes the same spoon all evening",
    "blows on every drink, hot or cold",
    // Moods.
    "gets weepy after the second drink",
    "laughs like a braying donkey and knows it",
    "pretends to be far drunker than they are",
    "pretends to be far more sober than they are",
    "grows suddenly quiet whenever the watch is mentioned",
    "flinches whenever a door slams",
    "has just been jilted and wants to talk about it",
    "is celebrating a birthday alone and pretending not to mind",
    "takes offence at the smallest slight and forgives just as fast",
    "laughs when nervous, which is often",
    "is sunburned and irritable",
    "is homesick and asks everyone where they are from",
    "is delighted by small children and dogs",
    "is cheerful in a way that seems to cost them a great deal",
    "sulks loudly after losing any game, however small",
    "is in a tremendous hurry and yet never leaves",
    "is giddy with good news they have sworn not to share",
    "is grieving quietly and will not say for whom",
    "grumbles about their knees whenever they stand",
    "is bored beyond words and will join any scheme going",
    // Fears and suspicions.
    "is afraid of cats and says so loudly",
    "is frightened of the dark and sits as close to the lamp as possible",
    "is certain someone is following them",
    "avoids mirrors and polished metal",
    "mistrusts magic and spits whenever a spell is mentioned",
    "has lost a ring and suspects everyone in the room",
    "is convinced the inn is haunted and wants proof",
    "is sure the world will end at the next full moon",
    "wants someone else to taste their drink first",
    "keeps glancing at the window as if expecting rain, or someone",
    "stares hard at anyone carrying a weapon",
    "will not eat anything that has touched a fish",
    "is terrified of the innkeeper for reasons they will not explain",
    "checks under the table before sitting down",
    "will not cross a line of spilled salt",
    // Quirks and boasts.
    "wears a dried flower behind one ear and will not say why",
    "collects buttons and trades for interesting ones",
    "brags about a cousin who once served a duke",
    "eats only bread and loudly refuses all meat",
    "boasts of a scar and tells a different story about it each time",
    "claims to have walked on the bottom of the sea",
    "claims to have seen a dragon once, from far away",
    "insists they are of noble blood",
    "gives a different name to every person they meet",
    "refuses to say their real name",
    "always has exactly the thing you need, for a price",
    "hates the colour green and says so",
    "smells strongly of onions and does not care",
    "carries a live chicken under one arm",
    "carries a sack that moves now and then",
    "speaks to animals more politely than to people",
    "speaks to the fire as if it might answer",
    "is very proud of their eyebrows",
    "keeps a list of every inn they have slept in and rates this one aloud",
    "insists the ale was better last year",
    "claims to smell rain coming a day ahead",
    "drinks only water and watches everyone else drink",
    "tips far too much and expects to be remembered for it",
    "ignores anyone they consider beneath them",
    "tries to be everyone's friend and overdoes it",
    "hates being touched and shies from every clap on the back",
    "has a gift for remembering faces and says so",
    "pays in foreign coins and argues about what they are worth",
    "boasts they can outdrink anyone, and is wrong",
    "offers to read palms, and is unsettlingly accurate",
    "tells fortunes with a greasy deck of cards for a copper",
    "is trying to quit drinking and failing cheerfully",
    "bets on anything, even which candle will gutter first",
    "keeps a notebook of everyone who has ever insulted them",
    "sings along to every song, slightly off key",
    "complains whenever anyone dares to sing",
    "eats from everyone else's plate given half a chance",
    "gives coins to anyone with a sad enough story",
    "laughs too loudly whenever someone important walks in",
    "picks fights only with the biggest person present",
    "eavesdrops openly and comments on what they hear",
    "nods along to conversations they cannot possibly hear",
    "is sure they have met you somewhere before",
    "asks for the recipe of every dish",
    "asks every newcomer whether they can read",
    "keeps asking what day it is",
    "offers unasked advice on the care of boots",
    "loves riddles and will not let a wrong answer go",
    "gets into the same argument about taxes every night",
    "is sure the innkeeper waters the ale and means to prove it",
    // Wants.
    "wants someone to carry a sealed letter across town, no questions asked",
    "wants an arm-wrestling partner and buys a round for the winner",
    "wants a partner for a game of cards, and cheats badly",
    "is looking for a lost dog with one white ear",
    "wants to hire a strong back for one night's work",
    "owes the innkeeper money and avoids their eye",
    "is waiting for someone who is very, very late",
    "is writing a ballad and needs a word that rhymes with 'lantern'",
    "wants an escort to the edge of town after dark",
    "is looking for work and will take almost anything",
    "wants news from the road and pays for it in drinks",
    "dares strangers to eat a pickled egg from the jar",
    "wants to sell a map that is almost certainly fake",
    "wants a second opinion on a coin that might be counterfeit",
    "swears they were robbed on the road and wants the thief found",
    "wants help writing a letter, having never learned their letters",
    "is in love with someone at the bar and too shy to speak",
    "collects ghost stories and trades them one for one",
    "is trying to sell a mule that bites",
    "wants to know who owns the horse tied up outside",
    "wants to find an old friend who owes them a favour",
    "wants revenge on the cheat who took their savings",
    "is practising a wedding speech under their breath",
    "is on the run from a marriage arranged by their family",
    "asks for a song from their homeland that nobody knows",
    "is hiding from a creditor who has just come in",
    "plans to open an inn of their own and takes careful notes",
    "is sketching a plan of the inn for reasons of their own",
    "wants someone who can mend a broken lute string",
    "is looking for a travelling companion heading north",
    "needs a witness to sign a contract tonight",
    "wants to swap stories about the worst meal anyone has eaten",
    "wants someone to settle an argument about how many legs a spider has",
    "is trying to find a buyer for a very old, very ugly painting",
    "wants to learn a card trick and will pay for lessons",
    "wants someone to pretend to be their sweetheart for one evening",
    "is looking for a lost sister last seen in this very inn",
    "wants a bodyguard, but only until the bells ring midnight",
    "wants to buy any weapon that has ever killed a wolf",
    "needs a fourth player for a dice game that has gone on for two days",
};

// Rumours, one table per quarter of town: each is one sentence a patron
// drinking there knows, wants or will tell, ready to become an adventure hook.
// The ships, streets and houses named in them are local inventions.

inline constexpr std::string_view kDocksRumours[] = {
    "The Saltcrow came in riding far too low in the water for a ship that claims an empty hold.",
    "A press gang is working the quay after dark, and last night they took a harbour watchman by mistake.",
    "Someone pays good silver to anyone who saw who cut the mooring lines of the Widow's Lantern.",
    "Fishermen swear a light moves under the water off Cutter's Point, always against the tide.",
    "The harbourmaster takes a cut from every smuggler and hides the ledger in a lobster pot.",
    "Crates of salt fish on the ninth pier are too heavy for fish and smell of lamp oil.",
    "A drowned sailor washed up with a gold coin in each fist, struck in no mint anyone knows.",
    "The captain of the Brinewife is hiring hands for a voyage and will not say where she sails.",
    "A sea chest was dragged out of the harbour mud, and whoever opened it has not been seen since.",
    "Tomorrow's tide is the lowest in twenty years, and the old wreck in the bay will show her deck.",
    "The eels have left the harbour all at once, and the fishwives say something big is coming.",
    "The watch on the east mole can be bribed with a bottle of rum, but only on the second shift.",
    "Half the crew of the Merry Auger jumped ship and none of them will say what they saw out there.",
    "Someone is stealing rope and canvas from the chandlers, a little at a time, as if fitting out a ship.",
    "The lighthouse keeper has not been seen for a week, yet the lamp is lit every night.",
    "A ship in the outer roads flies no colours and has not sent a single boat ashore.",
    "The fish market's scales are weighted, and the fishers mean to tip them into the harbour at dawn.",
    "A tunnel runs from the cellar of a net-maker's shed right under the customs house.",
    "A bosun is selling a chart of the reefs that shows a channel no pilot has ever used.",
    "The customs men are searching every hull for a bronze bell stolen from the sea temple.",
    "A shark as long as a longboat has been seen by the oyster beds, and nobody will dive.",
    "The dockers will down tools at the next full moon unless their guild pays the back wages.",
    "The bait boy swears he saw a mermaid tangled in the nets under Gallows Jetty.",
    "The old ferryman rows anyone across the bay after midnight and takes a secret as his fare.",
    "Someone paints a white hand on the hulls of ships, and every marked ship has sunk.",
    "A cargo of wine vanished between ship and warehouse, and not one barrel was seen leaving.",
    "The navy pays a bounty for any sighting of the black-sailed cutter that raids the fishing fleet.",
    "A sailor is selling a parrot that speaks a tongue nobody can place, and only ever says numbers.",
    "The warehouse on Creel Lane burned down, and its owner was seen smiling at the flames.",
    "The rats are leaving the Thornback in droves, and her crew will not sail until a priest blesses her.",
    "A ship's cook wants help getting a sealed cask off his ship without the mate seeing.",
    "The harbour chain is rusted through at the third link and would not stop a rowing boat.",
    "The pilots say the sandbar has shifted, and the next big ship to come in will run aground.",
    "A wrecker's lantern was found on the cliffs above the point, still warm.",
    "An old captain will pay for news of his son, who sailed on the Amberwake three years ago.",
    "The oyster catchers hauled up a bronze helmet full of pearls and are selling it quietly.",
    "A lad pressed onto the Gannet escaped over the side and is hiding somewhere on the wharves.",
    "Smugglers hang a blue lamp in the old bell tower when the coast is clear.",
    "The sailmakers' loft hides a press printing bills against the new harbour tax.",
    "The new captain of the harbour watch is honest, and the smugglers will pay to change that.",
    "A whaler came home with a hold of something that glows in the dark, guarded day and night.",
    "The tide tables nailed up at the harbour office are wrong, and someone made them wrong on purpose.",
    "Every ship leaving this week takes on one hooded passenger who boards after dark.",
    "The fishing fleet came back a boat short, and the missing boat's nets were found cut clean.",
};

inline constexpr std::string_view kPoorRumours[] = {
    "The Tanner Street gang collected protection twice this month, and nobody knows who the second lot were.",
    "A fever is spreading through the tenements on Sludge Row, and the apothecary's cure is chalk and water.",
    "The landlord of the Crooked Rents is throwing everyone out this week, and means to burn the place.",
    "A new gin called Widow's Kiss is sold by the cup on Pell Yard, and three drinkers have gone blind.",
    "Children are going missing from the rag market, always after dark and always in pairs.",
    "The watch sergeant at Mudgate takes bribes in copper and breaks legs for silver.",
    "A moneylender is buying up debts all over the quarter to call them in on the same day.",
    "The blind beggar on the temple steps is not blind, and he reads every note passed near him.",
    "A free kitchen has opened in the old chapel, and nobody knows who pays for the bread.",
    "Someone leaves coins on doorsteps at night, and the gangs badly want to know who.",
    "The rat-catcher swears the sewer rats are fleeing something below the old cistern.",
    "A pickpocket lifted a ring from a stranger, and now three different people are hunting her.",
    "The gin-house on Pell Yard has a back room for prize fights, and one fighter never loses.",
    "The watch has orders to clear the beggars off the bridge before some great visitor arrives.",
    "A widow wants someone brave enough to find out who is living in her late husband's cellar.",
    "The pawnbroker buys anything with no questions asked, but lately he only wants old keys.",
    "Two gangs are about to fight over Fish Alley, and everyone is keeping their children indoors.",
    "A plague doctor came through at dawn, chalked three doors and left without a word.",
    "The well on Cinder Court tastes of copper, and all who drink from it dream the same dream.",
    "The match girl at the gate knows every face that passes and will sell what she knows for a supper.",
    "Someone broke into the debtors' prison to free one man and left all the others behind.",
    "The night-soil carters found a body wearing a signet ring and sold the ring before calling the watch.",
    "A preacher on the corner promises paradise to the poor, and his followers are hoarding knives.",
    "Old Mother Knuckles is dead, and her lieutenants are already carving up the quarter.",
    "The watch offers a bounty for the cutpurse who robbed the magistrate, and half the quarter is lying for it.",
    "Squatters found a hidden room behind a chimney on Rook Lane, stacked with old weapons.",
    "The soup kitchen's cook is putting something in the broth that makes folk sleep far too soundly.",
    "The old bathhouse hides stolen goods, and its owner wants that stopped without the watch.",
    "A sweep's boy saw a murder through a flue and now needs somewhere to hide.",
    "Someone pays the poor to stand in line at the grain store from dawn to dusk, and nobody knows why.",
    "The rent collector was found beaten with his ledger gone, and now nobody knows who owes what.",
    "A healer in the slums works for nothing, and they say she cures without ever touching anyone.",
    "The tenement roofs are a road of their own, and a thief called the Magpie runs them every night.",
    "The dice games behind the tallow works are crooked, and the week's biggest loser never shows his face again.",
    "The cheap gin sold in the quarter comes in bottles stamped with the seal of a noble house.",
    "A debt collector is hunting a runaway apprentice and pays silver for any word of him.",
    "The old watchman on Ragpickers' Gate lets anyone through for a good song.",
    "Every dog in the quarter howls at the same hour each night, just before the bell tolls one.",
    "The orphanage on Lantern Hill has more coin than it should, and the matron has taken to wearing silk.",
    "A sewer wall collapsed and opened onto a street nobody knew was buried under the city.",
    "The quarter's only midwife has vanished, and three babies are due this week.",
    "Thieves are stripping lead from the roofs, and one gave way on a family of six last night.",
    "Someone is buying hair, teeth and nail clippings from the poor, and paying well.",
    "The blankets handed out by a charity from uptown seem to carry the sickness with them.",
};

inline constexpr std::string_view kMerchantRumours[] = {
    "The chandlers' guild is fixing the price of candles, and the free candle-makers want proof.",
    "A caravan from the south is three weeks overdue, and the spice sellers are hoarding what they have.",
    "Forged guild seals are turning up on bolts of cheap cloth sold as fine wool.",
    "The assayer on Coin Street has been passing clipped coins for months.",
    "Two bakers on Wheat Row are at war, and one of them put something in the other's flour.",
    "A merchant pays double for guards on a wagon of sealed crates bound for the mountain passes.",
    "A clerk who sees the guild's books says the price of grain will double by winter.",
    "A new trading company is buying every warehouse it can, paying with notes on a bank nobody knows.",
    "The moneychanger's scales are honest, but her weights are not.",
    "A cloth merchant's apprentice ran off with the ledgers, and several people want them burned.",
    "Someone is selling maps of the caravan roads with the bandit camps marked, and they are right.",
    "The master of the silversmiths' guild is dying, and the race to succeed him is already a knife fight.",
    "Contracts sealed at the Brass Scale counting-house keep vanishing from the records office.",
    "A perfumer wants to know how a rival copies every new scent of hers within a week.",
    "The toll on the north road is going up, and the merchants plan to use an old smugglers' track.",
    "A caravan master came back alone, his wagons gone and his hair turned white overnight.",
    "The twenty-year-old wine sold in the market is last year's vintage darkened with soot.",
    "The market's weighmaster was found drowned in a vat of indigo dye.",
    "The ink-sellers pay for any word of who is forging letters of credit in the city.",
    "A glassblower has made a lens that reads a letter through its envelope, and she is taking bids.",
    "The famous cheese merchant of Curd Lane is three sisters taking turns, and one has gone missing.",
    "The guild hall's strongroom is being moved on the next market day, and everyone knows the route.",
    "A curio dealer bought a mirror at auction and now will neither sell it nor look into it.",
    "A merchant wants a rival's shipment delayed, not stolen, and swears the difference matters.",
    "The locksmith on Key Street keeps a copy of every key he has ever cut.",
    "The guild charter is up for renewal, and an outsider has bribed half the council to block it.",
    "Someone is buying every sack of salt in the city and storing them in a rented chapel.",
    "The dyers are dumping their waste in the river, and the tanners downstream are ready to riot.",
    "A jeweller needs a courier to carry a necklace to a client, and the last two couriers vanished.",
    "New coins bearing the old king's face are in circulation, and they were struck last month.",
    "Someone among the caravan guards is selling departure dates to the bandits.",
    "The spice merchant on Pepper Row sells poison under the counter, if you know the word.",
    "The wool guild and the weavers' guild are a week away from a brawl in the street over apprentices.",
    "A clerk at the tax office will sell a copy of any merchant's sworn accounts.",
    "A horse trader sells stolen horses with dyed coats, and one was the guard captain's own.",
    "The bookbinder on Quire Street is hiding a banned pamphleteer in her attic.",
    "The great clock on the guildhall stopped at midnight, and the guildmaster forbids anyone to mend it.",
    "Tonight's auction in a Salt Lane warehouse is by invitation only, and one lot in the catalogue is alive.",
    "Someone bought up all the debts of the Harl trading house and now wants the house itself.",
    "The city has hired a new inspector of weights, and half the market closes early to dodge him.",
    "A silk trader swears the bolts from his last caravan shift about when nobody is watching.",
    "The apothecaries' guild offers a reward for the recipe of a rival's cough syrup.",
    "The tailor's shop on Needle Lane is a front for a fence who deals in stolen jewels.",
    "A shipping clerk was paid to misspell one name on one manifest, and now wishes he had refused.",
};

inline constexpr std::string_view kWealthyRumours[] = {
    "The heir of House Veyrand has come home from abroad, but his own hounds will not go near him.",
    "A duel is set for dawn in the Lantern Gardens, and one of the seconds is paid to weaken a blade.",
    "The masked ball at the Orsell mansion is cover for a meeting of conspirators.",
    "Old Lord Halbrecht left everything to his cat, and his family is contesting the will.",
    "A celebrated singer is secretly courted by two rival lords, and neither knows of the other.",
    "A spy from a foreign court is working as dancing master to the best houses in the city.",
    "The jewels of House Marchant have been swapped for paste, and nobody knows when it happened.",
    "A young lord lost the family estate at cards and wants it back before his father comes home.",
    "Someone is blackmailing half the council with letters stolen from a high priest's desk.",
    "The ambassador's cook is quietly looking for someone to taste every dish before it is served.",
    "A lady is paying to have her husband followed, and he is paying to have her followed.",
    "The old widow on Lindenmere Terrace holds the deeds to half the docks and has no heir.",
    "A portrait in the Ambry gallery changed its expression overnight.",
    "A lady's maid was turned out for stealing a brooch her mistress had sold herself.",
    "Two houses mean to seal an alliance with a marriage, and the bride has other plans.",
    "The city's richest banker has not been seen for a month, and his servants are forging his hand.",
    "An heir thought dead has written from abroad, demanding his inheritance.",
    "A fencing master runs a school for assassins behind his salle on the Upper Walk.",
    "Next week's garden party will put every noble house in one place, and someone wants a list of the guards.",
    "A courier for House Orsell carries a sealed letter that a great many people want to read first.",
    "A diamond the size of a quail's egg will be shown at the Winter Ball, and thieves are arriving already.",
    "The duke's physician bleeds him far too often, and someone is paying the physician for it.",
    "A young lord needs a champion to fight a duel in his place, tomorrow at noon.",
    "The Silverwell family crypt has been opened, and the founder's coffin is empty.",
    "Servants are leaving the Greywater mansion one by one, and none of them will say why.",
    "A noble house is selling its paintings in secret, one by one, and hanging copies in their place.",
    "The chief magistrate's daughter runs with a gang of burglars for sport.",
    "A new fashion for live beetles worn as brooches has every jeweller in the quarter in a frenzy.",
    "An alchemist promises eternal youth to rich widows and takes payment in land.",
    "A lady wants her letters back from an old suitor before her wedding, by fair means or foul.",
    "A countess has hired a thief-taker to find her stolen hound, whose collar hides a key.",
    "A house guard is selling the patrol times for the Upper Walk.",
    "Someone poisoned the prize horse of House Caldrieve the night before the great race.",
    "An old general is writing his memoirs, and several families will pay anything to read them first.",
    "A spy passes secrets by the way the flowers are arranged at a certain salon.",
    "The young baroness is gambling away her dowry and has one month left before the wedding.",
    "A lord keeps a menagerie of strange beasts, and one of them got loose in the gardens last night.",
    "A secret door behind the library of the Ambry house leads straight out under the city wall.",
    "Invitations to the Autumn Ball are being forged and sold for a small fortune each.",
    "An heiress staged her own kidnapping, and now her kidnappers will not let her go.",
    "A nobleman wants a discreet teacher of swordplay, having challenged entirely the wrong person.",
    "The most feared duellist in the city is losing their sight and is desperate to hide it.",
    "The lord mayor's seal was stolen at dinner, and the guests were locked in until dawn.",
    "A governess in one of the great houses writes every evening to someone across the border.",
};

// clang-format on

}  // namespace brewick::words
