#include "lexicon.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "tsv.h"

namespace lexicon {

namespace data {
extern const std::string_view kFeastForms;
extern const std::string_view kClauseWords;
extern const std::string_view kSaintPatterns;
}  // namespace data

namespace {

std::vector<std::string> lowerWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            word += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

constexpr std::array<std::string_view, 7> kWeekdays{"sunday",   "monday", "tuesday", "wednesday",
                                                    "thursday", "friday", "saturday"};
constexpr std::array<std::string_view, 12> kMonths{"january",   "february", "march",    "april",
                                                   "may",       "june",     "july",     "august",
                                                   "september", "october",  "november", "december"};
constexpr std::array<std::string_view, 20> kUnits{"zero",    "one",     "two",       "three",    "four",
                                                  "five",    "six",     "seven",     "eight",    "nine",
                                                  "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                                  "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
constexpr std::array<std::string_view, 20> kUnitOrdinals{
    "zeroth",     "first",     "second",    "third",       "fourth",     "fifth",     "sixth",
    "seventh",    "eighth",    "ninth",     "tenth",       "eleventh",   "twelfth",   "thirteenth",
    "fourteenth", "fifteenth", "sixteenth", "seventeenth", "eighteenth", "nineteenth"};
constexpr std::array<std::string_view, 10> kTens{"",      "",      "twenty",  "thirty", "forty",
                                                 "fifty", "sixty", "seventy", "eighty", "ninety"};
constexpr std::array<std::string_view, 10> kTenOrdinals{"",          "",         "twentieth", "thirtieth",
                                                        "fortieth",  "fiftieth", "sixtieth",  "seventieth",
                                                        "eightieth", "ninetieth"};

std::optional<int> wordValue(std::string_view w) {
    for (std::size_t i = 0; i < kUnits.size(); ++i)
        if (w == kUnits.at(i) || w == kUnitOrdinals.at(i)) return static_cast<int>(i);
    for (std::size_t i = 2; i < kTens.size(); ++i)
        if (w == kTens.at(i) || w == kTenOrdinals.at(i)) return static_cast<int>(10 * i);
    return std::nullopt;
}

}  // namespace

std::span<const FeastForm> feastForms() {
    static const std::vector<FeastForm> forms = [] {
        std::vector<FeastForm> out;
        for (const auto& c : tsv::rowsOf(data::kFeastForms, 5)) out.push_back({c[0], c[1], c[2], c[3], c[4]});
        return out;
    }();
    return forms;
}

std::span<const Word> clauseWords() {
    static const std::vector<Word> words = [] {
        std::vector<Word> out;
        for (const auto& c : tsv::rowsOf(data::kClauseWords, 5))
            out.push_back({c[0], c[1], c[2], c[3], c[4]});
        return out;
    }();
    return words;
}

std::span<const SaintPattern> saintPatterns() {
    static const std::vector<SaintPattern> rows = [] {
        std::vector<SaintPattern> out;
        for (const auto& c : tsv::rowsOf(data::kSaintPatterns, 4))
            out.push_back({c[0], c[1], c[2] == "eve", c[3]});
        return out;
    }();
    return rows;
}

std::optional<int> weekdayIn(std::string_view meaning) {
    for (const std::string& w : lowerWords(meaning))
        for (std::size_t i = 0; i < kWeekdays.size(); ++i)
            if (w == kWeekdays.at(i)) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> monthIn(std::string_view meaning) {
    for (const std::string& w : lowerWords(meaning))
        for (std::size_t i = 0; i < kMonths.size(); ++i)
            if (w == kMonths.at(i)) return static_cast<int>(i) + 1;
    return std::nullopt;
}

std::optional<int> numberIn(std::string_view meaning) {
    // Only the meaning's first part: "thirty (Ghent)", "four (\"vierendetwintich\")".
    meaning = meaning.substr(0, std::min({meaning.find('('), meaning.find(';'), meaning.find(',')}));
    if (!meaning.empty() && meaning.front() >= '0' && meaning.front() <= '9') {
        int value = 0;
        for (const char c : meaning) {
            if (c < '0' || c > '9') break;
            value = value * 10 + (c - '0');
        }
        return value;
    }
    int total = 0;
    int current = 0;
    bool any = false;
    for (const std::string& w : lowerWords(meaning)) {
        if (const std::optional<int> v = wordValue(w)) {
            current += *v;
            any = true;
        } else if (w == "hundred" || w == "hundredth" || w == "hundreds") {
            current = (current == 0 ? 1 : current) * 100;
            any = true;
        } else if (w == "thousand" || w == "thousandth") {
            total += (current == 0 ? 1 : current) * 1000;
            current = 0;
            any = true;
        } else if (w != "and" && w != "year") {
            return std::nullopt;
        }
    }
    if (!any) return std::nullopt;
    return total + current;
}

}  // namespace lexicon
