#pragma once

// The clause reader's words: the lexicon (lexicon.h) indexed by folded keys, and
// the longest word or feast name at a token. Internal to the reader.

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "clause_tokens.h"
#include "dating.h"
#include "feasts.h"
#include "year_computus.h"

namespace clause::detail {

using dating::Relation;
using feasts::Feast;

inline constexpr std::size_t kLongestForm = 9;  // tokens: "In den iore van der geboirt onse heren" and more

enum class Kind {
    Weekday,
    Relation,
    Ordinal,
    Number,
    Joiner,
    Month,
    Mark,
    Pridie,
    Bis,
    Bissextus,
    YearIntro,
    Regnal,
    Check,
    Qualifier,  // "translatio", "estivalis": a second feast of a saint, read only within its name
    Place,      // "apud", "in ecclesia": the saint's name after it is a place, not a day
    Vague,      // "circa", "environ": around a day, so no day at all
    YearNote,   // "stilo gallicano" (value 1: the year from Easter), "stilo veteri" (2: a Julian date)
    LastDay,    // "derrenier", "lesten", "ultimo": the last day of the month named after it
    Filler
};
enum class Mark { Kalends, Nones, Ides };
enum class RelationWord { Rel, Skip, Chant };

struct WordEntry {
    Kind kind;
    std::size_t length;  // tokens
    int value = 0;       // weekday, month, number
    bool multiplier = false;
    bool score = false;  // French "vint": after a unit it counts twenties ("quatre vins", 80)
    Relation relation = Relation::On;
    RelationWord relationWord = RelationWord::Rel;
    Mark mark = Mark::Kalends;
    bool abbreviated = false;  // the form ends in a point: "Sept."
    // A number the scribe wrote to check the year ("indictione", "epacta"); with
    // `stated`, the form carries its value ("epacta nullae": 0), else it follows.
    year_computus::Number check = year_computus::Number::Indictie;
    bool stated = false;

    bool operator==(const WordEntry&) const = default;
};

struct FeastEntry {
    const Feast* feast;
    bool eve;
    bool fromTable;         // the form is a name of the table, not of the forms file
    bool declined = false;  // matched by its Latin stems only: a number of the same length goes first
    // Every feast the form names, `feast` first, where feasts share it ("sinte
    // Donaes dach": Donatus and Donatian; a bare "Johannis"); empty: `feast` alone.
    std::vector<const Feast*> feasts = {};
    bool ownName = false;  // the form is the table's Dutch name or alias, which names one feast

    bool operator==(const FeastEntry&) const = default;
};

struct Lexicon {
    std::unordered_map<std::string, std::vector<WordEntry>> words;
    std::unordered_map<std::string, FeastEntry> feastFull;      // every word of the form
    std::unordered_map<std::string, FeastEntry> feastStripped;  // without the honouring words
    std::unordered_map<std::string, FeastEntry> feastStems;     // without a day ending, or "-en"
    std::set<std::string> numberPieces;                         // single-word numbers, for joined words
    // The Latin forms by the stems of their words (latin.h), for a name or word a
    // clause declines otherwise than the lexicon writes it. A stem two feasts or
    // two words share names neither.
    std::unordered_map<std::string, FeastEntry> feastDeclined;
    std::unordered_map<std::string, WordEntry> wordDeclined;
    // The cores of the files' forms (one name after honouring words) and their feasts.
    std::map<std::string, std::set<const Feast*>> cores;
    // A name word (folded) of the forms and the feasts whose forms have it.
    std::map<std::string, std::set<const Feast*>> names;
    // Of those, each that a saint's day of saints.tsv shares with another feast:
    // "petri", "johannis", "stephani" (in the saints' index).
    std::unordered_map<std::string, std::vector<const Feast*>> sharedNames;
    // The titles in a feast's forms ("apostoli", "pape"), which tell apart the
    // feasts sharing a name.
    std::unordered_map<const Feast*, std::set<std::string>> titles;
    // A feast's modern Dutch name as typed, letter for letter ("sintmaarten"): with
    // or without a day or eve ending, it names that feast alone.
    std::unordered_map<std::string, FeastEntry> ownNames;
    // The first name words of the saints' forms, folded: a name that starts with
    // none of them is not looked up in the saints' index.
    std::unordered_set<std::string> saintGate;
    // The weekdays' stems without a day ending ("sater"), for their declined forms.
    std::map<std::string, int> weekdayStems;

    bool operator==(const Lexicon&) const = default;
};

// The key of tokens by their Latin stems, or empty where it is shorter than the
// shortest key: a name needs four letters ("luk" would be Luke and Lucy alike), a
// month or relation word three ("iul" for Julius, Julio, Julii).
inline constexpr std::size_t kShortestNameKey = 4;
inline constexpr std::size_t kShortestWordKey = 3;
std::string declinedKey(std::span<const Token> tokens, std::size_t shortest);

// The main feasts' names and forms, the clause's other words.
const Lexicon& lexiconIndex();
// The same index, built from the lexicon's files; lexiconIndex is it as the build
// wrote it (lexicon_store.h), where the build could.
Lexicon buildLexiconIndex();
// The saints' days of saints.tsv, built the first time a clause may name one.
const Lexicon& saintIndex();
// The first of the index's words at one of `keys` that `wanted` takes.
std::optional<WordEntry> lexiconWord(std::initializer_list<std::string> keys,
                                     const std::function<bool(const WordEntry&)>& wanted);

// Keys of a sequence of tokens: their folded words run together, the last one
// declined and as written.
std::array<std::string, 2> keysOf(std::span<const Token> tokens);

// Words as the fold writes them, declined and whole, for a test of a token's word.
std::unordered_set<std::string> foldedSet(std::span<const std::string_view> words);

// A word that only honours a saint or names the day ("sinte", "festum", "dach", "le").
bool isHonouring(const Token& t);
// Of those, one after which a name is expected ("sinte", "sancti", "saint", "festum").
bool isSaintly(const std::string& folded);
// A word between a counted day and its month ("die mensis", "daghe in").
bool isDayConnector(const std::string& folded);

// Whether an unknown word looks like a word of a date: Roman numeral letters
// ("IIIIc"), or within a spelling slip (one letter in a word of up to five, two in
// a longer one) of a weekday, month, relation or number word. Such a word is never
// passed over, wherever it stands.
bool looksLikeDateWord(const Token& t);
// The known words nearest an unknown one, as the lexicon writes them: at most three.
std::vector<std::string> nearestWords(const Token& t);

// Levenshtein distance of two folded words; where it is more than `most`, some
// number above `most`.
std::size_t editDistance(std::string_view a, std::string_view b,
                         std::size_t most = std::string_view::npos - 1);

// The most tokens at i whose keys may be a word of the lexicon (as written or by
// its Latin stems): no longer span needs to be looked up.
std::size_t longestWordSpan(std::span<const Token> tokens, std::size_t i);
// The longest word of the lexicon at token i (not a number word), its length in tokens.
std::optional<WordEntry> wordAt(std::span<const Token> tokens, std::size_t i, std::size_t& length);
// The longest feast name at token i: its length in tokens, or 0.
std::size_t longestFeast(std::span<const Token> tokens, std::size_t i, FeastEntry& found);

}  // namespace clause::detail
