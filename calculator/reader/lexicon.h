#pragma once

// The words of a date clause, as data: the forms of the feasts' names as datings
// write them (feast-forms.tsv) and the other words of a clause (clause-words.tsv),
// each row with its language and source. The build compiles both files in.

#include <optional>
#include <span>
#include <string_view>

namespace lexicon {

struct FeastForm {
    std::string_view id;    // the feast table's id
    std::string_view lang;  // la, dum, fro, nl
    std::string_view form;  // as written: "sinte Mertens dach"
    std::string_view note;
    std::string_view source;
};

struct Word {
    std::string_view lang;
    std::string_view
        kind;  // weekday, relation, ordinal, number, month, roman-day, year-intro, check, last-day, filler
    std::string_view form;
    std::string_view meaning;  // in English: "Monday", "after", "twenty-fifth", "March", "Kalends"
    std::string_view source;
};

// A pattern of a vernacular form of a saint's day (saint-patterns.tsv):
// "sinte {naam} dach", "la {titel} {naam}".
struct SaintPattern {
    std::string_view lang;
    std::string_view pattern;
    bool eve;
    std::string_view source;
};

std::span<const FeastForm> feastForms();
std::span<const Word> clauseWords();
std::span<const SaintPattern> saintPatterns();

// What a meaning says, read from its words.
// 0 = Sunday .. 6 = Saturday.
std::optional<int> weekdayIn(std::string_view meaning);
// 1 .. 12.
std::optional<int> monthIn(std::string_view meaning);
// A number in figures or English words: "16", "twenty-fifth", "two-hundredth (year)".
std::optional<int> numberIn(std::string_view meaning);

}  // namespace lexicon
