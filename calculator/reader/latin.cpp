#include "latin.h"

#include <array>

namespace latin {

namespace {

// The case endings of the first three declensions, singular and plural, as the
// spelling fold writes them (ae as e, c before i and a vowel as t), longest first
// so that "-ionem" goes before "-em". After Allen and Greenough, New Latin
// Grammar (1903), §§ 37-79: the first (-a, -ae, -am, -arum, -is, -as), the second
// (-us, -i, -o, -um, -e, -orum, -os, and -ius, -ii, -ium of the names in -ius),
// the third (-is, -i, -em, -e, -es, -um, -ibus) with the oblique stems of
// -io/-ionis and -as/-atis. Not the Greek accusative -en ("Pentecosten"): Dutch
// "Maarten" would be March's "Martii".
constexpr std::array<std::string_view, 35> kEndings{
    "ionibus", "atibus", "ionem", "ionis", "iones", "ionum", "orum", "arum", "ibus", "atem", "atis", "ates",
    "ione",    "ate",    "ium",   "ius",   "iam",   "iem",   "ies",  "io",   "ii",   "ie",   "ia",   "ei",
    "um",      "us",     "is",    "es",    "em",    "am",    "as",   "os",   "a",    "e",    "i"};
constexpr std::size_t kShortestStem = 3;

}  // namespace

std::string stem(std::string_view folded) {
    std::string word{folded};
    if (word.size() <= kShortestStem) return word;
    // "Crux", "Felix": the x of the nominative is the c of the other cases.
    if (word.back() == 'x') {
        word.back() = 'k';
        return word;
    }
    for (const std::string_view ending : kEndings)
        if (word.size() >= ending.size() + kShortestStem && word.ends_with(ending))
            return word.substr(0, word.size() - ending.size());
    // "-o" last: "Martino" and "Martini" alike, but "Pascha" is no "Pasch-o".
    if (word.size() > kShortestStem && word.back() == 'o') word.pop_back();
    return word;
}

}  // namespace latin
