#include "feasts.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "calendar.h"
#include "id_table.h"
#include "saints.h"

namespace feasts {

namespace {

using enum Rule;

// Sacramentsdag: decreed for the diocese of Liège by bishop Robert of Thourotte
// in 1246 and first kept there in 1247; for the whole Church by the bull
// Transiturus of Urban IV, 1264.
constexpr int kCorpusChristiFirstYear = 1247;

// One row per feast: id, Dutch name, Latin name, other names, rule, day, month,
// days (from Easter Sunday, or from the first Sunday of Advent), first year kept.
// The fixed dates and Easter offsets are those of the Roman calendar as the
// dioceses of the Southern Netherlands kept it.
// A fixed feast's first year is the first a dating can name it in: the saint's
// death or translation, or the feast's institution or first attestation in the
// West, with its source on the row; "estimate" marks a year known only to the
// century. The Easter cycle, Advent and the six fixed feasts of the main window
// are in every year, as the window has always shown them; of these, only
// Sacramentsdag starts later.
// clang-format off
constexpr auto kFeasts = std::to_array<Feast>({
    {"nieuwjaar", "Nieuwjaar", "Circumcisio Domini", {"Besnijdenis des Heren"}, Fixed, 1, 1, 0, 0},
    {"driekoningen", "Driekoningen", "Epiphania Domini", {}, Fixed, 6, 1, 0, 361},  // Epiphany kept at Vienne, Jan 361 (Ammianus 21.2.5; Connell, Studia Liturgica 1999)
    {"sint-antonius", "Sint-Antonius", "Antonii abbatis", {"Sint-Antonius abt"}, Fixed, 17, 1, 0, 356},  // died 356 (Lasance, New Roman Missal)
    {"sint-sebastiaan", "Sint-Sebastiaan", "Fabiani et Sebastiani", {}, Fixed, 20, 1, 0, 288},  // Sebastian died about 288, the later of the two (Lasance, New Roman Missal)
    {"sint-agnes", "Sint-Agnes", "Agnetis", {}, Fixed, 21, 1, 0, 304},  // died about 304; in the Depositio martyrum of 354
    {"sint-vincentius", "Sint-Vincentius", "Vincentii", {}, Fixed, 22, 1, 0, 304},  // died 304, under Diocletian
    {"bekering-van-paulus", "Bekering van Sint-Paulus", "Conversio Pauli", {}, Fixed, 25, 1, 0, 500},  // estimate: a feast of 6th-century Gaul
    {"lichtmis", "Lichtmis", "Purificatio Mariae", {"Maria-Zuivering"}, Fixed, 2, 2, 0, 687},  // a feast already kept under Sergius I, 687-701 (Britannica 1911, Candlemas)
    {"sint-blasius", "Sint-Blasius", "Blasii", {}, Fixed, 3, 2, 0, 316},  // died about 316 at Sebaste
    {"sint-agatha", "Sint-Agatha", "Agathae", {}, Fixed, 5, 2, 0, 251},  // died 251, under Decius
    {"sint-amandus", "Sint-Amandus", "Amandi", {}, Fixed, 6, 2, 0, 675},  // died about 675, the earliest year given
    {"sint-valentijn", "Sint-Valentijn", "Valentini", {}, Fixed, 14, 2, 0, 269},  // died 269, under Claudius II
    {"sint-pieters-stoel", "Sint-Pieters Stoel", "Cathedra Petri", {}, Fixed, 22, 2, 0, 336},  // Depositio martyrum, list of 336
    // The leap day was the doubled sixth day before the Kalends of March (24
    // February), so in a leap year the feast moved to the 25th.
    {"sint-mattias", "Sint-Mattias", "Matthiae apostoli", {}, Mattias, 24, 2, 0, 100},  // apostle, died in the first century
    {"sint-geertrui", "Sint-Geertrui", "Gertrudis", {}, Fixed, 17, 3, 0, 659},  // died 659 (Enciclopedia Italiana)
    {"maria-boodschap", "Onze-Lieve-Vrouw-Boodschap", "Annuntiatio Mariae", {"Maria-Boodschap"}, Fixed, 25, 3, 0, 614},  // statutes of Sonnatius of Reims, 614-631 (Cath. Encycl., Calendar)
    {"sint-joris", "Sint-Joris", "Georgii", {}, Fixed, 23, 4, 0, 303},  // died 303 by tradition (Britannica 1911)
    {"sint-marcus", "Sint-Marcus", "Marci evangelistae", {}, Fixed, 25, 4, 0, 68},  // died about 68
    {"sint-filippus-en-jacobus", "Sint-Filippus en Jacobus", "Philippi et Jacobi", {}, Fixed, 1, 5, 0, 80},  // Philip died about 80, the later of the two
    {"kruisvinding", "Heilig-Kruisvinding", "Inventio Crucis", {}, Fixed, 3, 5, 0, 600},  // estimate: Gallican feast of the 7th century (Cath. Encycl., Exaltation of the Holy Cross)
    {"sint-servaas", "Sint-Servaas", "Servatii", {}, Fixed, 13, 5, 0, 384},  // died 384 by tradition
    {"sint-jan", "Sint-Jan", "Nativitas Johannis Baptistae", {"Sint-Jan-Baptist", "Sint-Jansmis"}, Fixed, 24, 6, 0, 401},  // Augustine preached on it at Carthage, 401 (sermon 293B)
    {"sint-pieter-en-paulus", "Sint-Pieter en Paulus", "Petri et Pauli", {}, Fixed, 29, 6, 0, 67},  // died about 67, under Nero
    {"maria-visitatie", "Onze-Lieve-Vrouw-Visitatie", "Visitatio Mariae", {"Maria-Visitatie"}, Fixed, 2, 7, 0, 1389},  // extended to the whole Church by Urban VI, 1389 (Cath. Encycl., Visitation of the Blessed Virgin Mary)
    {"maria-magdalena", "Sint-Maria-Magdalena", "Mariae Magdalenae", {}, Fixed, 22, 7, 0, 700},  // estimate: in Western martyrologies from the 8th century
    {"sint-jacob", "Sint-Jacob", "Jacobi apostoli", {}, Fixed, 25, 7, 0, 44},  // killed about 44 (Acts 12)
    {"sint-pietersbanden", "Sint-Pietersbanden", "Petri ad vincula", {}, Fixed, 1, 8, 0, 432},  // dedication of San Pietro in Vincoli by Sixtus III, 432
    {"sint-laurens", "Sint-Laurens", "Laurentii", {}, Fixed, 10, 8, 0, 258},  // died 258; in the Depositio martyrum of 354
    {"olv-hemelvaart", "Onze-Lieve-Vrouw-Hemelvaart", "Assumptio Mariae", {"OLV ten Hemel"}, Fixed, 15, 8, 0, 0},
    {"sint-bartholomeus", "Sint-Bartholomeus", "Bartholomaei", {}, Fixed, 24, 8, 0, 100},  // apostle, died in the first century
    {"onthoofding-sint-jan", "Onthoofding van Sint-Jan", "Decollatio Johannis", {}, Fixed, 29, 8, 0, 460},  // among the vigils of Perpetuus of Tours, 460-490 (Gregory of Tours, Hist. 10.31)
    {"maria-geboorte", "Onze-Lieve-Vrouw-Geboorte", "Nativitas Mariae", {"Maria-Geboorte"}, Fixed, 8, 9, 0, 614},  // statutes of Sonnatius of Reims, 614-631 (Cath. Encycl., Calendar)
    {"kruisverheffing", "Heilig-Kruisverheffing", "Exaltatio Crucis", {}, Fixed, 14, 9, 0, 687},  // a feast already kept under Sergius I, 687-701 (Cath. Encycl., Exaltation of the Holy Cross)
    {"sint-lambertus", "Sint-Lambertus", "Lamberti", {}, Fixed, 17, 9, 0, 705},  // murdered 705
    {"sint-matteus", "Sint-Matteüs", "Matthaei", {}, Fixed, 21, 9, 0, 100},  // apostle, died in the first century
    {"sint-michiel", "Sint-Michiel", "Michaelis", {"Sint-Michielsmis"}, Fixed, 29, 9, 0, 493},  // estimate: the Monte Gargano dedication, 493 by tradition (Kellner, Heortology)
    {"sint-bavo", "Sint-Bavo", "Bavonis", {"Bamis"}, Fixed, 1, 10, 0, 653},  // died about 653 (McClintock & Strong)
    {"sint-remigius", "Sint-Remigius", "Remigii", {}, Fixed, 1, 10, 0, 533},  // died 533
    {"sint-lucas", "Sint-Lucas", "Lucae", {}, Fixed, 18, 10, 0, 84},  // died about 84
    {"sint-simon-en-judas", "Sint-Simon en Judas", "Simonis et Judae", {}, Fixed, 28, 10, 0, 100},  // apostles, died in the first century
    {"allerheiligen", "Allerheiligen", "Omnium Sanctorum", {}, Fixed, 1, 11, 0, 0},
    {"allerzielen", "Allerzielen", "Commemoratio animarum", {}, Fixed, 2, 11, 0, 0},
    {"sint-hubertus", "Sint-Hubertus", "Huberti", {}, Fixed, 3, 11, 0, 743},  // his relics raised on 3 November 743
    {"sint-willibrord", "Sint-Willibrord", "Willibrordi", {}, Fixed, 7, 11, 0, 739},  // died 739 at Echternach
    {"sint-maarten", "Sint-Maarten", "Martini", {}, Fixed, 11, 11, 0, 397},  // died 397
    {"sint-catharina", "Sint-Catharina", "Katharinae", {}, Fixed, 25, 11, 0, 1030},  // Western cult from her relics at Rouen, about 1030 (Walsh, The early development of the cult of St Katherine)
    {"sint-andries", "Sint-Andries", "Andreae", {}, Fixed, 30, 11, 0, 60},  // died about 60
    {"sint-elooi", "Sint-Elooi", "Eligii", {}, Fixed, 1, 12, 0, 659},  // died 659 (Britannica 1911)
    {"sint-niklaas", "Sint-Niklaas", "Nicolai", {}, Fixed, 6, 12, 0, 1087},  // translation of his relics to Bari, 1087
    {"maria-ontvangenis", "Onze-Lieve-Vrouw-Ontvangenis", "Conceptio Mariae", {"Maria-Ontvangenis"}, Fixed, 8, 12, 0, 1030},  // Old Minster calendar of Winchester, about 1030 (Kellner, Heortology)
    {"sint-lucia", "Sint-Lucia", "Luciae", {}, Fixed, 13, 12, 0, 304},  // died 304
    {"sint-thomas", "Sint-Thomas", "Thomae apostoli", {}, Fixed, 21, 12, 0, 72},  // died about 72
    {"kerstmis", "Kerstmis", "Nativitas Domini", {}, Fixed, 25, 12, 0, 0},
    {"sint-stefanus", "Sint-Stefanus", "Stephani", {}, Fixed, 26, 12, 0, 36},  // died about 36
    {"sint-jan-evangelist", "Sint-Jan Evangelist", "Johannis evangelistae", {}, Fixed, 27, 12, 0, 100},  // died about 100 (Roman Martyrology)
    {"onnozele-kinderen", "Onnozele Kinderen", "Innocentium", {}, Fixed, 28, 12, 0, 0},  // killed before AD 1
    {"oudjaarsavond", "Oudjaarsavond", "Silvestri", {"Sint-Silvester"}, YearEnd, 31, 12, 0, 0},

    // Movable: days from Easter Sunday.
    {"septuagesima", "Septuagesima", "Septuagesima", {}, Easter, 0, 0, -63, 0},
    {"sexagesima", "Sexagesima", "Sexagesima", {}, Easter, 0, 0, -56, 0},
    {"quinquagesima", "Vastenavondzondag", "Esto mihi", {}, Easter, 0, 0, -49, 0},
    {"vastenavond", "Vastenavond", "", {}, Easter, 0, 0, -47, 0},
    {"aswoensdag", "Aswoensdag", "Dies cinerum", {}, Easter, 0, 0, -46, 0},
    {"invocavit", "Eerste zondag van de Vasten", "Invocavit", {}, Easter, 0, 0, -42, 0},
    {"reminiscere", "Reminiscere", "Reminiscere", {}, Easter, 0, 0, -35, 0},
    {"oculi", "Oculi", "Oculi", {}, Easter, 0, 0, -28, 0},
    {"halfvasten", "Halfvasten", "Laetare", {}, Easter, 0, 0, -21, 0},
    // The mi-carême of French datings: the Thursday of the third week of Lent, not
    // Laetare (A. Giry, Manuel de diplomatique, 1894, s.v. Mi-carême; Cartulaires
    // d'Île-de-France, Corbeil: "le samedi apres la mi Karesme" 1309 is 8 March).
    {"halfvasten-donderdag", "Halfvastendonderdag", "", {"Mi-carême"}, Easter, 0, 0, -24, 0},
    {"judica", "Passiezondag", "Judica", {}, Easter, 0, 0, -14, 0},
    {"palmzondag", "Palmzondag", "Palmarum", {}, Easter, 0, 0, -7, 0},
    {"witte-donderdag", "Witte Donderdag", "Cena Domini", {}, Easter, 0, 0, -3, 0},
    {"goede-vrijdag", "Goede Vrijdag", "Parasceve", {}, Easter, 0, 0, -2, 0},
    {"paaszaterdag", "Paaszaterdag", "Sabbatum sanctum", {}, Easter, 0, 0, -1, 0},
    {"pasen", "Pasen", "Pascha", {}, Easter, 0, 0, 0, 0},
    {"paasmaandag", "Paasmaandag", "", {}, Easter, 0, 0, 1, 0},
    {"beloken-pasen", "Beloken Pasen", "Quasimodo", {}, Easter, 0, 0, 7, 0},
    {"misericordia", "Misericordia", "Misericordia Domini", {}, Easter, 0, 0, 14, 0},
    {"jubilate", "Jubilate", "Jubilate", {}, Easter, 0, 0, 21, 0},
    {"cantate", "Cantate", "Cantate", {}, Easter, 0, 0, 28, 0},
    {"rogate", "Rogate", "Rogate", {}, Easter, 0, 0, 35, 0},
    {"hemelvaart", "Hemelvaart", "Ascensio Domini", {}, Easter, 0, 0, 39, 0},
    {"exaudi", "Exaudi", "Exaudi", {}, Easter, 0, 0, 42, 0},
    {"pinksteren", "Pinksteren", "Pentecostes", {"Sinksen"}, Easter, 0, 0, 49, 0},
    {"pinkstermaandag", "Pinkstermaandag", "", {}, Easter, 0, 0, 50, 0},
    {"drievuldigheid", "Drievuldigheidszondag", "Trinitas", {}, Easter, 0, 0, 56, 0},
    {"sacramentsdag", "Sacramentsdag", "Corpus Christi", {}, Easter, 0, 0, 60, kCorpusChristiFirstYear},

    // Advent: days from its first Sunday, the fourth Sunday before Christmas Day.
    {"eerste-advent", "Eerste zondag van de Advent", "", {}, Advent, 0, 0, 0, 0},
    {"tweede-advent", "Tweede zondag van de Advent", "", {}, Advent, 0, 0, 7, 0},
    {"derde-advent", "Derde zondag van de Advent", "", {}, Advent, 0, 0, 14, 0},
    {"vierde-advent", "Vierde zondag van de Advent", "", {}, Advent, 0, 0, 21, 0},

    // Feasts the datings name that the table lacked, each with its source. Ember
    // days (Quatuor tempora): the week after Invocavit, after Pentecost, after
    // Holy Cross (14 September) and after Lucia (13 December), the rule fixed under
    // Gregory VII and Urban II; an early-19th-c. Austrian calendar (Quatember rules)
    // and de.wikipedia "Quatember"; first attested after Gelasius I (Lent, 492) and
    // Leo I (440), the Rogation days from about 470. Like the rest of the Easter
    // cycle they stay in every year: a reader of an early record sees them all.
    {"quatertemper-vasten-woensdag", "Quatertemperwoensdag in de Vasten", "Feria IV Quatuor temporum Quadragesimae", {}, Easter, 0, 0, -39, 0},
    {"quatertemper-vasten-vrijdag", "Quatertempervrijdag in de Vasten", "Feria VI Quatuor temporum Quadragesimae", {}, Easter, 0, 0, -37, 0},
    {"quatertemper-vasten-zaterdag", "Quatertemperzaterdag in de Vasten", "Sabbatum Quatuor temporum Quadragesimae", {}, Easter, 0, 0, -36, 0},
    {"quatertemper-pinksteren-woensdag", "Quatertemperwoensdag na Pinksteren", "Feria IV Quatuor temporum Pentecostes", {}, Easter, 0, 0, 52, 0},
    {"quatertemper-pinksteren-vrijdag", "Quatertempervrijdag na Pinksteren", "Feria VI Quatuor temporum Pentecostes", {}, Easter, 0, 0, 54, 0},
    {"quatertemper-pinksteren-zaterdag", "Quatertemperzaterdag na Pinksteren", "Sabbatum Quatuor temporum Pentecostes", {}, Easter, 0, 0, 55, 0},
    {"quatertemper-september-woensdag", "Quatertemperwoensdag in september", "Feria IV Quatuor temporum Septembris", {}, Ember, 14, 9, 0, 0},
    {"quatertemper-september-vrijdag", "Quatertempervrijdag in september", "Feria VI Quatuor temporum Septembris", {}, Ember, 14, 9, 2, 0},
    {"quatertemper-september-zaterdag", "Quatertemperzaterdag in september", "Sabbatum Quatuor temporum Septembris", {}, Ember, 14, 9, 3, 0},
    {"quatertemper-december-woensdag", "Quatertemperwoensdag in december", "Feria IV Quatuor temporum Adventus", {}, Ember, 13, 12, 0, 0},
    {"quatertemper-december-vrijdag", "Quatertempervrijdag in december", "Feria VI Quatuor temporum Adventus", {}, Ember, 13, 12, 2, 0},
    {"quatertemper-december-zaterdag", "Quatertemperzaterdag in december", "Sabbatum Quatuor temporum Adventus", {}, Ember, 13, 12, 3, 0},
    // Rogation days, the three days before Ascension: nl.wikipedia "Kruisdagen".
    {"kruisdagen-maandag", "Kruismaandag", "Feria II in Rogationibus", {}, Easter, 0, 0, 36, 0},
    {"kruisdagen-dinsdag", "Kruisdinsdag", "Feria III in Rogationibus", {}, Easter, 0, 0, 37, 0},
    {"kruisdagen-woensdag", "Kruiswoensdag", "Feria IV in Rogationibus", {}, Easter, 0, 0, 38, 0},
    // Calendar of Willibrord, May (Oxford CSLA E05855).
    {"meidag", "Meidag", "Kalendae Maii", {}, Fixed, 1, 5, 0, 0},
    // The summer Martin of Utrecht (DUB Utrecht University; Reg. Holl. grafelijkheid ZH_285, 1328).
    {"sint-maarten-zomer", "Sint-Maarten in de zomer", "Translatio sancti Martini", {}, Fixed, 4, 7, 0, 460},
    // Saints of the Low Countries and their neighbours, each by the source of new-feasts.tsv
    // (heiligen.net, meteo-maarssen after Grotefend, Catholic Encyclopedia, local calendars).
    {"sint-goedele", "Sint-Goedele", "Gudilae virginis", {}, Fixed, 8, 1, 0, 712},
    {"sint-pharaildis", "Sint-Veerle", "Pharaildis virginis", {}, Fixed, 4, 1, 0, 740},
    {"sint-rombout", "Sint-Rombout", "Rumoldi episcopi et martyris", {}, Fixed, 1, 7, 0, 1254},
    {"sint-gommarus", "Sint-Gommarus", "Gummari confessoris", {}, Fixed, 11, 10, 0, 714},
    {"sint-macharius", "Sint-Macharius", "Macharii episcopi", {}, Fixed, 10, 4, 0, 1012},
    {"sint-aldegonde", "Sint-Aldegonde", "Aldegundis virginis", {}, Fixed, 30, 1, 0, 684},
    {"sint-waltrudis", "Sint-Waltrudis", "Waldetrudis viduae", {}, Fixed, 9, 4, 0, 688},
    {"sint-odulphus", "Sint-Odulphus", "Odulphi confessoris", {}, Fixed, 12, 6, 0, 854},
    {"sint-jeroen", "Sint-Jeroen", "Hieronis martyris", {}, Fixed, 17, 8, 0, 856},
    {"sint-lebuinus", "Sint-Lebuinus", "Lebuini confessoris", {}, Fixed, 12, 11, 0, 773},
    {"sint-lieven", "Sint-Lieven", "Livini episcopi et martyris", {}, Fixed, 12, 11, 0, 657},
    {"sint-radboud", "Sint-Radboud", "Radbodi episcopi", {}, Fixed, 29, 11, 0, 917},
    {"sint-walburga", "Sint-Walburga", "Walburgis virginis", {}, Fixed, 25, 2, 0, 777},
    {"sint-walburga-mei", "Sint-Walburga (overbrenging)", "Translatio sanctae Walburgis", {}, Fixed, 1, 5, 0, 870},
    {"sint-bonifatius", "Sint-Bonifatius", "Bonifacii episcopi et martyris", {}, Fixed, 5, 6, 0, 754},
    {"sint-dionysius", "Sint-Dionysius", "Dionysii sociorumque", {}, Fixed, 9, 10, 0, 250},
    {"sint-gereon", "Sint-Gereon", "Gereonis sociorumque", {}, Fixed, 10, 10, 0, 286},
    {"sint-ursula", "Sint-Ursula", "Undecim milium virginum", {"Elfduizend Maagden"}, Fixed, 21, 10, 0, 400},
    {"sint-vedastus", "Sint-Vedastus", "Vedasti episcopi", {}, Fixed, 6, 2, 0, 540},
    {"sint-omaars", "Sint-Omaars", "Audomari episcopi", {}, Fixed, 9, 9, 0, 668},
    {"sint-bertinus", "Sint-Bertinus", "Bertini abbatis", {}, Fixed, 5, 9, 0, 698},
    {"sint-winoks", "Sint-Winoks", "Winnoci abbatis", {}, Fixed, 6, 11, 0, 715},
    {"sint-quintinus", "Sint-Quintinus", "Quintini martyris", {}, Fixed, 31, 10, 0, 287},
    {"sint-anna", "Sint-Anna", "Annae matris Mariae", {}, Fixed, 26, 7, 0, 1291},
    // First kept at Avignon 1372 (Catholic Encyclopedia, after Sanidopoulos).
    {"maria-presentatie", "Onze-Lieve-Vrouw-Presentatie", "Praesentatio beatae Mariae", {}, Fixed, 21, 11, 0, 1372},
});
// clang-format on

// The years whose days the calendar functions name.
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

// The first Sunday of Advent: the last Sunday before Christmas Day, three weeks
// earlier. A skipped Christmas counts as the day of its Julian reading.
std::int64_t firstAdventSunday(const regions::Region& region, int year) {
    const std::int64_t christmas = regions::readDate(region, year, 12, 25)->day;  // 25/12 always reads
    const int weekday = calendar::weekdayOfDays(christmas);                       // 0 = Sunday
    return christmas - (weekday == 0 ? 7 : weekday) - 21;
}

// Latin-1 letters U+00C0 to U+00FF without their diacritics, in lower case;
// empty for the two signs among them, which stay as they are.
constexpr std::array<std::string_view, 64> kLatin1Letters{
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",  //
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",  //
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",
};

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

// The Latin name a saint's day is listed by: the file's first form, without the
// records it was seen in ("beati Barnabe apostoli (gezien: ...); nom. Barnabas").
std::string_view firstLatin(std::string_view latin) {
    latin = latin.substr(0, std::min({latin.find(';'), latin.find(" ("), latin.find(" / ")}));
    while (latin.ends_with(' ')) latin.remove_suffix(1);
    return latin;
}

// A day no source confirms, as the file's note says it.
bool unconfirmed(std::string_view note) {
    return note.find("bevestigd door 0 bron") != std::string_view::npos ||
           note.find("dag niet met een bron bevestigd") != std::string_view::npos;
}

// The other days of a saint's day (saint-days.tsv), in the file's order.
std::vector<const saints::Day*> daysOf(const Feast& feast) {
    std::vector<const saints::Day*> days;
    if (feast.main) return days;
    for (const saints::Day& d : saints::days())
        if (d.id == feast.id) days.push_back(&d);
    return days;
}

// The places and days of a saint's note, without its count of sources: the part
// before " | " ("Munster, Utrecht | bevestigd door 1 bron(nen)").
std::string_view placesOf(std::string_view note) {
    const std::size_t bar = note.find(" | ");
    return bar == std::string_view::npos ? std::string_view{} : note.substr(0, bar);
}

bool isOwnDay(const Feast& feast, const saints::Day& d) {
    return d.day == feast.day && d.month == feast.month;
}

bool appliesIn(const saints::Day& d, int year) {
    return (d.from == 0 || year >= d.from) && (d.until == 0 || year <= d.until);
}

std::string dayMonth(int day, int month) {
    return std::to_string(day) + '/' + std::to_string(month);
}

}  // namespace

std::span<const Feast> table() {
    // The main feasts, then the saints' days of saints.tsv in the file's order.
    static const std::vector<Feast> all = [] {
        std::vector<Feast> out;
        out.reserve(kFeasts.size() + saints::all().size());
        out.assign(kFeasts.begin(), kFeasts.end());
        for (const saints::Saint& s : saints::all()) {
            // A name with a comma would not read as one name: then the nominative.
            std::string_view latin = firstLatin(s.latin);
            if (latin.find(',') != std::string_view::npos) {
                const std::size_t nominative = s.latin.find("nom. ");
                latin = nominative == std::string_view::npos ? std::string_view{}
                                                             : s.latin.substr(nominative + 5);
            }
            Feast f{s.id, s.name, latin, {}, Fixed, s.day, s.month, 0, s.firstYear};
            f.source = s.source;
            f.note = s.note;
            f.provisional = unconfirmed(s.note);
            f.main = false;
            out.push_back(f);
        }
        return out;
    }();
    return all;
}

const Feast* findById(std::string_view id) {
    return id_table::find(table(), id);
}

const Feast* findMainById(std::string_view id) {
    return id_table::find(std::span<const Feast>{kFeasts}, id);
}

namespace {

// A feast's day in a year before its text is written; a fixed date keeps the
// reading of its date (day of the month `dayOfMonth`), whose text may carry a note.
struct Placed {
    std::int64_t day;
    std::optional<regions::Reading> reading{};
    int dayOfMonth = 0;
};

std::optional<Placed> placedIn(const Feast& feast, int year, const regions::Region& region) {
    if (year < kFirstYear || year > kLastYear || year < feast.firstYear) return std::nullopt;
    switch (feast.rule) {
        case Fixed:
        case Mattias:
        case YearEnd: {
            const int day =
                feast.rule == Mattias && regions::isLeapYear(region, year) ? feast.day + 1 : feast.day;
            const std::optional<regions::Reading> reading = regions::readDate(region, year, feast.month, day);
            if (!reading) return std::nullopt;
            // New Year's Eve of a year that ends in the gap fell on the last Julian
            // day, the day its note names: that is its day, in the list and in relations.
            if (feast.rule == YearEnd && reading->skipped)
                return Placed{regions::lastJulianDay(region), reading, day};
            return Placed{reading->day, reading, day};
        }
        case Easter:
        case Advent: {
            const std::int64_t day =
                (feast.rule == Easter ? regions::easterDay(region, year) : firstAdventSunday(region, year)) +
                feast.offset;
            if (regions::dateOf(region, day).year != year) return std::nullopt;
            return Placed{day};
        }
        case Ember: {
            // The first Wednesday strictly after the anchor day (a skipped anchor counts
            // as its Julian reading), then the Friday or Saturday of that week.
            const std::int64_t anchor = regions::readDate(region, year, feast.month, feast.day)->day;
            const int ahead = (3 - calendar::weekdayOfDays(anchor) + 7) % 7;
            const std::int64_t day = anchor + (ahead == 0 ? 7 : ahead) + feast.offset;
            if (regions::dateOf(region, day).year != year) return std::nullopt;
            return Placed{day};
        }
    }
    return std::nullopt;
}

// A skipped date's note names New Year's Eve's last Julian day, else the date's Gregorian day.
void appendText(std::string& out, const Feast& feast, const Placed& placed, int year,
                const regions::Region& region) {
    if (placed.reading && placed.reading->skipped)
        out += regions::fixedDateText(region, *placed.reading, year, feast.month, placed.dayOfMonth,
                                      feast.rule == YearEnd);
    else
        regions::appendDayText(out, region, placed.day);
}

}  // namespace

std::optional<Occurrence> occurrence(const Feast& feast, int year, const regions::Region& region) {
    const std::optional<Placed> placed = placedIn(feast, year, region);
    if (!placed) return std::nullopt;
    Occurrence found{&feast, placed->day, {}, regions::isoDate(placed->day)};
    appendText(found.text, feast, *placed, year, region);
    // A fixed date has its label and mark, but not New Year's Eve moved to the last Julian day.
    if (placed->reading && !(feast.rule == YearEnd && placed->reading->skipped)) {
        found.provisional = feast.provisional;
        for (const saints::Day* d : daysOf(feast))
            if (isOwnDay(feast, *d)) found.label = d->where;
    }
    return found;
}

void writeDayText(std::string& out, const Feast& feast, int year, const regions::Region& region) {
    out.clear();
    if (const std::optional<Placed> placed = placedIn(feast, year, region))
        appendText(out, feast, *placed, year, region);
}

std::vector<Occurrence> occurrences(const Feast& feast, int year, const regions::Region& region) {
    std::vector<Occurrence> list;
    const std::vector<const saints::Day*> days = daysOf(feast);
    if (days.empty()) {
        if (std::optional<Occurrence> o = occurrence(feast, year, region)) list.push_back(std::move(*o));
        return list;
    }
    if (year < kFirstYear || year > kLastYear || year < feast.firstYear) return list;
    // The file's own day, also where the list of days names only the others.
    if (std::none_of(days.begin(), days.end(), [&](const saints::Day* d) { return isOwnDay(feast, *d); }))
        if (std::optional<Occurrence> o = occurrence(feast, year, region)) list.push_back(std::move(*o));
    for (const saints::Day* d : days) {
        if (!appliesIn(*d, year)) continue;
        const std::optional<regions::Reading> reading = regions::readDate(region, year, d->month, d->day);
        if (!reading) continue;
        Occurrence o{&feast, reading->day, regions::fixedDateText(region, year, d->month, d->day),
                     regions::isoDate(reading->day)};
        o.label = d->where;
        // The file's own day is as sure as its row; another day as its note says.
        o.provisional = isOwnDay(feast, *d) ? feast.provisional || !d->certain : !d->certain;
        list.push_back(std::move(o));
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Occurrence& a, const Occurrence& b) { return a.day < b.day; });
    return list;
}

std::string listNote(const Feast& feast) {
    std::string note = feast.provisional ? "dag onzeker" : "";
    const auto add = [&](const std::string& part) { note += (note.empty() ? "" : "; ") + part; };
    const std::vector<const saints::Day*> days = daysOf(feast);
    // Where the file's note names no other day, its places as it gives them.
    if (days.empty() && !placesOf(feast.note).empty()) add(std::string{placesOf(feast.note)});
    for (const saints::Day* d : days) {
        if (isOwnDay(feast, *d)) {
            add(std::string{d->where});
            continue;
        }
        std::string part = "ook " + dayMonth(d->day, d->month) + " (" + std::string{d->where};
        if (d->from != 0) part += ", vanaf " + std::to_string(d->from);
        if (d->until != 0) part += ", tot " + std::to_string(d->until);
        if (!d->certain) part += ", dag onzeker";
        add(part + ")");
    }
    return note;
}

std::string labelText(const Occurrence& occurrence) {
    std::string text{occurrence.label};
    if (occurrence.provisional) text += text.empty() ? "dag onzeker" : ", dag onzeker";
    return text.empty() ? text : " (" + text + ")";
}

std::vector<Occurrence> ofYear(int year, const regions::Region& region, Set set) {
    std::vector<Occurrence> list;
    for (const Feast& feast : table()) {
        if (set == Set::Main && !feast.main) continue;
        if (std::optional<Occurrence> found = occurrence(feast, year, region))
            list.push_back(std::move(*found));
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Occurrence& a, const Occurrence& b) { return a.day < b.day; });
    return list;
}

std::string foldName(std::string_view utf8) {
    std::string folded;
    folded.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80U) {
            if (byte == '-' || byte == ' ' || (byte >= '\t' && byte <= '\r')) continue;
            folded += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
            continue;
        }
        // Two-byte letters of Latin-1, the no-break space and the soft hyphen.
        if ((byte == 0xC2U || byte == 0xC3U) && i + 1 < utf8.size() &&
            isContinuation(static_cast<unsigned char>(utf8[i + 1]))) {
            const unsigned code = ((byte & 0x1FU) << 6U) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3FU);
            if (code == 0xA0U || code == 0xADU) {
                ++i;
                continue;
            }
            if (code >= 0xC0U && !kLatin1Letters.at(code - 0xC0U).empty()) {
                folded += kLatin1Letters.at(code - 0xC0U);
                ++i;
                continue;
            }
        }
        // The hyphen and non-breaking hyphen, U+2010 and U+2011.
        if (byte == 0xE2U && utf8.substr(i + 1, 1) == "\x80" && i + 2 < utf8.size() &&
            (utf8[i + 2] == '\x90' || utf8[i + 2] == '\x91')) {
            i += 2;
            continue;
        }
        folded += static_cast<char>(byte);  // any other byte, valid or not, as it is
    }
    return folded;
}

bool matchesFilter(const Feast& feast, std::string_view typed) {
    const std::string wanted = foldName(typed);
    const auto contains = [&](std::string_view name) {
        return !name.empty() && foldName(name).find(wanted) != std::string::npos;
    };
    if (wanted.empty() || contains(feast.name) || contains(feast.latin) ||
        std::any_of(feast.aliases.begin(), feast.aliases.end(), contains))
        return true;
    // The places of its note and of its days' labels, but not the note's count of
    // sources: only the part before " | ".
    if (contains(placesOf(feast.note))) return true;
    const std::vector<const saints::Day*> days = daysOf(feast);
    return std::any_of(days.begin(), days.end(), [&](const saints::Day* d) { return contains(d->where); });
}

}  // namespace feasts
